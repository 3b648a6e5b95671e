#pragma once

// Colours as the settings file stores them: Windows colour values 0x00BBGGRR. A value with the
// high bit set names a system colour (0x80000000 + COLOR_ index); it maps to the matching role of
// the application's palette, so a file written on Windows keeps its meaning here.

#include <QColor>

#include <cstdint>

namespace tarnlink {

QColor FromWindowsColor(uint32_t value);
int ToWindowsColor(const QColor& color);

} // namespace tarnlink
