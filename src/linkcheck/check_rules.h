#pragma once

// What a worker requests for a link and how it reads the answer.

#include <string>
#include <string_view>

namespace tarnlink {

// Link1 as it is requested: "https://" in any letter case and anything holding "http://" stand as
// they are; everything else (a bare host, another scheme, a local path) gets "http://" in front.
std::string RequestAddress(std::string_view link1);

// Whether text begins with prefix, ASCII letters of text compared in lower case; prefix is given
// in lower case.
bool StartsWithNoCase(std::string_view text, std::string_view lowerPrefix);

// Only these two count as a working link.
bool IsWorkingStatus(std::string_view status);

// The English error text of a status as the server sent it; "Unknown" for anything not listed,
// no answer included.
const char* StatusErrorText(std::string_view status);

} // namespace tarnlink
