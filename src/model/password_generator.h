#pragma once

// Random passwords for the add dialog, drawn from the character sets the options choose.

#include <random>
#include <string>

namespace tarnlink {

struct PasswordCharsets {
    bool numerals = true;     // ChkPNum
    bool small = true;        // ChkPStr
    bool capital = true;      // ChkPPro
    bool indications = false; // ChkPOther
};

// The chosen sets in their fixed order; "#" stands twice among the indications.
std::string PasswordAlphabet(const PasswordCharsets& sets);

// All characters differ. A length above the alphabet's gives one character less than the
// alphabet holds; an empty alphabet gives an empty password.
std::string GeneratePassword(int length, const PasswordCharsets& sets, std::mt19937& random);

} // namespace tarnlink
