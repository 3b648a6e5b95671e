#pragma once

// The stored form of a folder password: each byte XORed with a two-digit key and written as two
// lowercase hexadecimal digits. It hides the password from a casual look; it is no encryption.

#include <string>
#include <string_view>

namespace tarnlink {

// Collections whose protected folders must open in another build need the same key.
inline constexpr std::string_view kFolderPasswordKey = "47";

std::string EncodeFolderPassword(std::string_view text);
// A trailing odd character is ignored; a pair that is not hexadecimal counts as 32.
std::string DecodeFolderPassword(std::string_view stored);

} // namespace tarnlink
