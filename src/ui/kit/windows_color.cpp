#include "ui/kit/windows_color.h"

#include <QGuiApplication>
#include <QPalette>

#include <utility>

namespace tarnlink {

namespace {

constexpr uint32_t kSystemColor = 0x80000000u;

// The palette role of each Windows system colour index (COLOR_SCROLLBAR = 0 ... COLOR_MENUBAR =
// 30); the disabled group stands for the grey texts.
struct SystemRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};
constexpr QPalette::ColorGroup A = QPalette::Active;
constexpr SystemRole kSystemRoles[] = {
    {A, QPalette::Button},               // 0 scroll bar
    {A, QPalette::Dark},                 // 1 desktop
    {A, QPalette::Highlight},            // 2 active caption
    {QPalette::Inactive, QPalette::Highlight}, // 3 inactive caption
    {A, QPalette::Window},               // 4 menu
    {A, QPalette::Base},                 // 5 window
    {A, QPalette::Shadow},               // 6 window frame
    {A, QPalette::WindowText},           // 7 menu text
    {A, QPalette::Text},                 // 8 window text
    {A, QPalette::HighlightedText},      // 9 caption text
    {A, QPalette::Window},               // 10 active border
    {A, QPalette::Window},               // 11 inactive border
    {A, QPalette::Mid},                  // 12 application workspace
    {A, QPalette::Highlight},            // 13 highlight
    {A, QPalette::HighlightedText},      // 14 highlight text
    {A, QPalette::Button},               // 15 button face
    {A, QPalette::Dark},                 // 16 button shadow
    {QPalette::Disabled, QPalette::Text}, // 17 grey text
    {A, QPalette::ButtonText},           // 18 button text
    {QPalette::Inactive, QPalette::HighlightedText}, // 19 inactive caption text
    {A, QPalette::Light},                // 20 button highlight
    {A, QPalette::Shadow},               // 21 3D dark shadow
    {A, QPalette::Midlight},             // 22 3D light
    {A, QPalette::ToolTipText},          // 23 info text
    {A, QPalette::ToolTipBase},          // 24 info background
    {A, QPalette::Window},               // 25 (unused)
    {A, QPalette::Link},                 // 26 hot light
    {A, QPalette::Highlight},            // 27 gradient active caption
    {QPalette::Inactive, QPalette::Highlight}, // 28 gradient inactive caption
    {A, QPalette::Highlight},            // 29 menu highlight
    {A, QPalette::Window},               // 30 menu bar
};

} // namespace

QColor FromWindowsColor(uint32_t value)
{
    if (value & kSystemColor) {
        const uint32_t index = value & 0xFF;
        // An index Windows does not know still means some colour of the system: the window's.
        const SystemRole role = index < std::size(kSystemRoles) ? kSystemRoles[index] : SystemRole{A, QPalette::Window};
        return QGuiApplication::palette().color(role.group, role.role);
    }
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

int ToWindowsColor(const QColor& color)
{
    return color.red() | color.green() << 8 | color.blue() << 16;
}

} // namespace tarnlink
