// The bit mask is deprecated by the libcurl that knows the names; it is only used where the names
// are refused.
#define CURL_DISABLE_DEPRECATION

#include "http_protocols.h"

namespace tarnlink {

ProtocolSetters ProtocolSettersOf(CURL* handle)
{
    ProtocolSetters set;
#if CURL_AT_LEAST_VERSION(7, 85, 0)
    set.byNames = [handle](const char* names) { return curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, names); };
#else
    set.byNames = [](const char*) { return CURLE_UNKNOWN_OPTION; };
#endif
    set.byMask = [handle](long mask) { return curl_easy_setopt(handle, CURLOPT_PROTOCOLS, mask); };
    return set;
}

bool RestrictToHttp(const ProtocolSetters& set)
{
    return set.byNames("http,https") == CURLE_OK || set.byMask(CURLPROTO_HTTP | CURLPROTO_HTTPS) == CURLE_OK;
}

} // namespace tarnlink
