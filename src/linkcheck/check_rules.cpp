#include "check_rules.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace tarnlink {

namespace {

char asciiLower(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool containsNoCase(std::string_view text, std::string_view needle)
{
    return std::search(text.begin(), text.end(), needle.begin(), needle.end(),
                       [](char t, char n) { return asciiLower(t) == n; })
        != text.end();
}

constexpr std::array<std::pair<std::string_view, const char*>, 27> kErrorTexts{{
    {"300", "Multiple Choices"},
    {"301", "Moved Permanently"},
    {"303", "See Other"},
    {"304", "Not Modified"},
    {"305", "Use Proxy"},
    {"400", "Bad Request"},
    {"401", "Unauthorized"},
    {"402", "Payment Required"},
    {"403", "Forbidden"},
    {"404", "Not Found"},
    {"405", "Method Not Allowed"},
    {"406", "Not Acceptable"},
    {"407", "Proxy Authentication Required"},
    {"408", "Request Time-out"},
    {"409", "Conflict"},
    {"410", "Gone"},
    {"411", "Length Required"},
    {"412", "Precondition Failed"},
    {"413", "Request Entity Too Large"},
    {"414", "Request-URL Too Long"},
    {"415", "Unsupported Media Type"},
    {"500", "Internal Server Error"},
    {"501", "Not Implemented"},
    {"502", "Bad Gateway"},
    {"503", "Service Unavailable"},
    {"504", "Gateway Time-out"},
    {"505", "HTTP Version not supported"},
}};

} // namespace

bool StartsWithNoCase(std::string_view text, std::string_view lowerPrefix)
{
    return text.size() >= lowerPrefix.size()
        && std::equal(lowerPrefix.begin(), lowerPrefix.end(), text.begin(),
                      [](char p, char t) { return p == asciiLower(t); });
}

std::string RequestAddress(std::string_view link1)
{
    if (StartsWithNoCase(link1, "https://") || containsNoCase(link1, "http://"))
        return std::string(link1);
    return "http://" + std::string(link1);
}

bool IsWorkingStatus(std::string_view status)
{
    return status == "200" || status == "302";
}

const char* StatusErrorText(std::string_view status)
{
    for (const auto& [code, text] : kErrorTexts)
        if (code == status)
            return text;
    return "Unknown";
}

} // namespace tarnlink
