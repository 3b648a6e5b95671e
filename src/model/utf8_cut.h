#pragma once

#include <cstddef>
#include <string_view>

namespace tarnlink {

bool IsValidUtf8(std::string_view bytes);

// The longest prefix of at most maxBytes bytes. In valid UTF-8 the cut never splits a character;
// other text (Windows-1252) is cut at the byte limit.
size_t PrefixLengthWithin(std::string_view bytes, size_t maxBytes);

} // namespace tarnlink
