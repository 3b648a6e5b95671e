#include "model/description.h"
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
