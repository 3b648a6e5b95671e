#pragma once

// Text as the files of other programs want it: a character as UTF-8 bytes, and text with the
// four characters HTML gives a meaning written as entities.

#include <string>
#include <string_view>

namespace tarnlink {

// c must be a Unicode code point (at most 0x10FFFF).
void AppendUtf8(std::string& out, char32_t c);

// "&", "<", ">" and '"' as entities, in text and in attribute values alike.
void AppendHtmlEscaped(std::string& out, std::string_view text);
std::string HtmlEscaped(std::string_view text);

} // namespace tarnlink
