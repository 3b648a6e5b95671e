#include "model/text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tarnlink;
using namespace std::string_view_literals;

namespace {

std::vector<std::string> linesOf(std::string_view text)
{
    std::vector<std::string> lines;
    for (const std::string_view line : TextLines(text)) {
        EXPECT_TRUE(line.data() >= text.data() && line.data() + line.size() <= text.data() + text.size())
            << "a view into the text";
        lines.emplace_back(line);
    }
    return lines;
}

TEST(TextLines, EndsBreaksNulAndByteOrderMark)
{
    const struct {
        std::string_view text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\rc\nd\n", {"a", "b", "c", "d"}},
        {"a\n\n\r\rb\r\n\r\n", {"a", "", "", "", "b", ""}},
        {"a\r", {"a"}},
        {"a\0b\nc"sv, {"a"}},
        {"\xEF\xBB\xBF[Folder]\r\nx", {"[Folder]", "x"}},
        {"\xEF\xBB\xBF", {}},
        {"\xEF\xBB\xBF\xEF\xBB\xBFx", {"\xEF\xBB\xBFx"}}, // only one mark is the file's
        {"x\n\xEF\xBB\xBFy", {"x", "\xEF\xBB\xBFy"}},     // only at the start
        {"\xEF\xBBx", {"\xEF\xBBx"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(linesOf(c.text), c.lines) << c.text;
}

} // namespace
