#pragma once

// Which protocols a link check request may speak: http and https, whatever libcurl the program
// was built with or runs on.

#include <curl/curl.h>

#include <functional>

namespace tarnlink {

// The two ways to tell libcurl: by names (CURLOPT_PROTOCOLS_STR, libcurl 7.85 and later) and by
// the older bit mask (CURLOPT_PROTOCOLS).
struct ProtocolSetters {
    std::function<CURLcode(const char* names)> byNames;
    std::function<CURLcode(long mask)> byMask;
};

ProtocolSetters ProtocolSettersOf(CURL* handle);

// The names first; when libcurl does not take them (CURLE_UNKNOWN_OPTION from one built before
// them) the mask. False when neither took: the request must not be made.
bool RestrictToHttp(const ProtocolSetters& set);

} // namespace tarnlink
