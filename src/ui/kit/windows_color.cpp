#include "ui/kit/windows_color.h"

namespace tarnlink {

QColor FromWindowsColor(uint32_t value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

int ToWindowsColor(const QColor& color)
{
    return color.red() | color.green() << 8 | color.blue() << 16;
}

} // namespace tarnlink
