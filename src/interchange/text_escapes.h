#pragma once

// Text as the files of other programs want it: a character as UTF-8 bytes, and text with the
// four characters HTML gives a meaning written as entities.

#include <string>
#include <string_view>

namespace tarnlink {

// An ASCII letter in lower case; any other byte as it is.
inline char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// c must be a Unicode code point (at most 0x10FFFF).
void AppendUtf8(std::string& out, char32_t c);

// "&", "<", ">" and '"' as entities, in text and in attribute values alike.
void AppendHtmlEscaped(std::string& out, std::string_view text);
std::string HtmlEscaped(std::string_view text);

// A JSON string, quotes included: '"', '\\' and the control characters escaped.
void AppendJsonString(std::string& out, std::string_view utf8);

} // namespace tarnlink
