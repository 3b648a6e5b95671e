#include "password_generator.h"

#include <algorithm>

namespace tarnlink {

std::string PasswordAlphabet(const PasswordCharsets& sets)
{
    std::string alphabet;
    if (sets.numerals)
        alphabet += "0123456789";
    if (sets.small)
        alphabet += "abcdefghijklmnopqrstuvwxyz";
    if (sets.capital)
        alphabet += "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    if (sets.indications)
        alphabet += "!#$%&/()=?@<>|{[]}\\*~+#;:.-_";
    return alphabet;
}

std::string GeneratePassword(int length, const PasswordCharsets& sets, std::mt19937& random)
{
    const std::string alphabet = PasswordAlphabet(sets);
    if (alphabet.empty() || length <= 0)
        return {};
    int wanted = length > int(alphabet.size()) ? int(alphabet.size()) - 1 : length;
    // "#" stands twice among the indications: never ask for more distinct characters than exist,
    // or the drawing below would never end.
    std::string distinct = alphabet;
    std::sort(distinct.begin(), distinct.end());
    const auto distinctCount = int(std::unique(distinct.begin(), distinct.end()) - distinct.begin());
    wanted = std::min(wanted, distinctCount);
    std::uniform_int_distribution<size_t> position(0, alphabet.size() - 1);
    std::string password;
    while (int(password.size()) < wanted) {
        const char c = alphabet[position(random)];
        if (password.find(c) == std::string::npos)
            password += c;
    }
    return password;
}

} // namespace tarnlink
