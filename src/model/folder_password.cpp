#include "folder_password.h"

namespace tarnlink {

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::string EncodeFolderPassword(std::string_view text)
{
    static constexpr char digits[] = "0123456789abcdef";
    std::string stored;
    stored.reserve(text.size() * 2);
    for (size_t i = 0; i < text.size(); ++i) {
        const auto b = uint8_t(uint8_t(text[i]) ^ uint8_t(kFolderPasswordKey[i % 2]));
        stored += digits[b >> 4];
        stored += digits[b & 15];
    }
    return stored;
}

std::string DecodeFolderPassword(std::string_view stored)
{
    std::string text;
    text.reserve(stored.size() / 2);
    for (size_t pair = 0; pair * 2 + 1 < stored.size(); ++pair) {
        const int high = hexDigit(stored[pair * 2]);
        const int low = hexDigit(stored[pair * 2 + 1]);
        const int value = high < 0 || low < 0 ? 32 : high * 16 + low;
        text += char(uint8_t(value) ^ uint8_t(kFolderPasswordKey[pair % 2]));
    }
    return text;
}

} // namespace tarnlink
