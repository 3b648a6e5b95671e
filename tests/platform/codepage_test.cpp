#include "platform/codepage.h"

#include <gtest/gtest.h>

using namespace tarnlink;

TEST(Codepage, Utf8OrWindows1252ForDisplay)
{
    EXPECT_EQ(codepage::toDisplay("caf\xC3\xA9"), QString::fromUtf8("café"));
    EXPECT_EQ(codepage::toDisplay("caf\xE9 \x80"), QString::fromUtf8("café €"));
    EXPECT_EQ(codepage::fromDisplay(QString::fromUtf8("€")), "\xE2\x82\xAC");
}

TEST(Codepage, CaseAndTrimKeepTheEncoding)
{
    EXPECT_EQ(codepage::upper("stra\xC3\x9F" "e \xC3\xA9"), "STRASSE \xC3\x89");
    EXPECT_EQ(codepage::lower("\xC9T\xC9"), "\xE9t\xE9"); // Windows-1252 stays Windows-1252
    EXPECT_EQ(codepage::trimmed("  a b\t\r\n"), "a b");
}

TEST(Codepage, OemIsCp437)
{
    EXPECT_EQ(codepage::toOem(QString::fromUtf8("äé│")), QByteArray("\x84\x82\xB3"));
    EXPECT_EQ(codepage::toOem(QString::fromUtf8("a€b")), QByteArray("a?b"));
    EXPECT_EQ(codepage::fromOem(QByteArray("\x84")), QString::fromUtf8("ä"));
}
