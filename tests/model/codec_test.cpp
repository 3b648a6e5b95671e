#include "model/description.h"
#include "model/folder_password.h"
#include "model/utf8_cut.h"

#include <gtest/gtest.h>

using namespace tarnlink;
using Lines = std::vector<std::string>;

TEST(Description, EncodesAndDecodes)
{
    struct {
        Lines lines;
        std::string stored;
    } table[] = {
        {{}, ""},
        {{"abc"}, "abc"},
        {{"a", "", "b"}, "a\r\rb\r"},
        {{"a", "b\r"}, "a\rb\r"},
        {{"", ""}, "\r\r"},
    };
    for (const auto& c : table) {
        EXPECT_EQ(EncodeDescription(c.lines), c.stored);
        if (c.lines != Lines{"a", "b\r"}) {
            EXPECT_EQ(DecodeDescription(c.stored), c.lines);
        }
    }
    // Text after the last CR (written elsewhere) stays visible as a last line.
    EXPECT_EQ(DecodeDescription("a\rtail"), (Lines{"a", "tail"}));
}

TEST(Utf8, PrefixWithinLimit)
{
    EXPECT_EQ(PrefixLengthWithin("abc", 5), 3u);
    EXPECT_EQ(PrefixLengthWithin("ab\xC3\xA9", 3), 2u);          // é not split
    EXPECT_EQ(PrefixLengthWithin("ab\xF0\x9F\x98\x80z", 5), 2u); // emoji not split
    EXPECT_EQ(PrefixLengthWithin("ab\xE9\xE9", 3), 3u);          // Windows-1252 cut at the limit
    EXPECT_FALSE(IsValidUtf8("\xC0\x80"));                        // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));                    // surrogate
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80"));
}

TEST(FolderPassword, EncodesAsLowercaseHexAndDecodesBack)
{
    const std::string stored = EncodeFolderPassword("abc");
    EXPECT_EQ(stored.size(), 6u);
    EXPECT_EQ(stored.find_first_not_of("0123456789abcdef"), std::string::npos);
    for (const char* text : {"", "abc", "odd", "Pass word!", "\xC3\xA9t\xC3\xA9"})
        EXPECT_EQ(DecodeFolderPassword(EncodeFolderPassword(text)), text);
    EXPECT_EQ(EncodeFolderPassword(""), "");
}

TEST(FolderPassword, DamagedStoredFormStillDecodes)
{
    const std::string stored = EncodeFolderPassword("ab");
    EXPECT_EQ(DecodeFolderPassword(stored + "7"), "ab");                // odd tail ignored
    EXPECT_EQ(DecodeFolderPassword(stored.substr(0, 2) + "zz"), std::string("a") + char(32 ^ '7'));
    EXPECT_EQ(EncodeFolderPassword("z"), "4e");
    EXPECT_EQ(DecodeFolderPassword("4E"), "z"); // upper-case hexadecimal reads too
}
