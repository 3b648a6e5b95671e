#pragma once

// Colours as the settings file stores them: Windows colour values 0x00BBGGRR.

#include <QColor>

#include <cstdint>

namespace tarnlink {

QColor FromWindowsColor(uint32_t value);
int ToWindowsColor(const QColor& color);

} // namespace tarnlink
