// Colours read from the settings file: plain values are 0x00BBGGRR, system colours (the high bit
// set, as files written on Windows hold them) take the palette's matching role.

#include "ui/kit/windows_color.h"

#include <QGuiApplication>
#include <QPalette>

#include <gtest/gtest.h>

using namespace tarnlink;

TEST(WindowsColor, PlainValuesAreBlueGreenRed)
{
    EXPECT_EQ(FromWindowsColor(16711680), QColor(0, 0, 255));
    EXPECT_EQ(FromWindowsColor(0x0080FF), QColor(255, 128, 0));
    EXPECT_EQ(ToWindowsColor(QColor(255, 128, 0)), 0x0080FF);
}

TEST(WindowsColor, SystemColoursTakeThePalettesRole)
{
    const QPalette palette = QGuiApplication::palette();
    struct Case {
        int stored; // as the file holds it: negative
        QPalette::ColorGroup group;
        QPalette::ColorRole role;
    };
    const Case cases[] = {
        {int(0x80000005), QPalette::Active, QPalette::Base},         // clWindow
        {int(0x80000008), QPalette::Active, QPalette::Text},         // clWindowText
        {int(0x8000000F), QPalette::Active, QPalette::Button},       // clBtnFace
        {int(0x8000000D), QPalette::Active, QPalette::Highlight},    // clHighlight
        {int(0x8000000E), QPalette::Active, QPalette::HighlightedText},
        {int(0x80000011), QPalette::Disabled, QPalette::Text},       // clGrayText
        {int(0x80000018), QPalette::Active, QPalette::ToolTipBase},  // clInfoBk
        {int(0x800000FF), QPalette::Active, QPalette::Window},       // no such index
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        ASSERT_LT(c.stored, 0);
        EXPECT_EQ(FromWindowsColor(uint32_t(c.stored)), palette.color(c.group, c.role));
    }
    // The case that mattered: a window background must not come out black.
    EXPECT_NE(FromWindowsColor(uint32_t(int(0x80000005))), QColor(Qt::black));
}
