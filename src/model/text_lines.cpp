#include "text_lines.h"

#include <algorithm>

namespace tarnlink {

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
}

TextLines::TextLines(std::string_view text) : rest_(text.substr(0, text.find('\0')))
{
    if (rest_.starts_with(kByteOrderMark))
        rest_.remove_prefix(kByteOrderMark.size());
}

bool TextLines::next(std::string_view& line)
{
    if (rest_.empty())
        return false;
    const size_t end = std::min(rest_.find_first_of("\r\n"), rest_.size());
    line = rest_.substr(0, end);
    const bool crlf = end + 1 < rest_.size() && rest_[end] == '\r' && rest_[end + 1] == '\n';
    rest_.remove_prefix(std::min(rest_.size(), end + (crlf ? 2 : 1)));
    ++count_;
    return true;
}

} // namespace tarnlink
