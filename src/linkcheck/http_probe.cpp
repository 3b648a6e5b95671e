#include "http_probe.h"

#include "check_rules.h"
#include "http_protocols.h"

#include <curl/curl.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <string_view>

namespace tarnlink {

namespace {

std::string_view trim(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Reads the header lines of each answer; interim 1xx answers are passed over.
struct HeaderReader {
    std::string status;
    std::string location;
    bool complete = false;

    // Returns false to stop the transfer once the final answer's headers are in.
    bool line(std::string_view text)
    {
        if (text.starts_with("HTTP/")) {
            const std::string_view code = trim(text.substr(std::min(text.find(' '), text.size())));
            status = std::string(code.substr(0, code.find(' ')));
            location.clear();
        } else if (trim(text).empty()) {
            if (!status.starts_with('1')) {
                complete = true;
                return false;
            }
        } else if (StartsWithNoCase(text, "location:")) {
            location = std::string(trim(text.substr(9)));
        }
        return true;
    }
};

size_t onHeader(char* data, size_t size, size_t count, void* user)
{
    const size_t length = size * count;
    return static_cast<HeaderReader*>(user)->line(std::string_view(data, length)) ? length : 0;
}

size_t onBody(char*, size_t, size_t, void*)
{
    return 0; // never wanted; the header reader stops the transfer before it
}

int onProgress(void* abort, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<const std::atomic<bool>*>(abort)->load(std::memory_order_acquire) ? 1 : 0;
}

struct EasyDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};

} // namespace

void InitHttpProbe()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

ProbeResult ProbeAddress(const std::string& address, const CheckTimeouts& timeouts, const std::atomic<bool>& abort)
{
    ProbeResult result;
    const std::unique_ptr<CURL, EasyDeleter> curl(curl_easy_init());
    if (!curl)
        return result;
    result.opened = true;

    CURL* handle = curl.get();
    if (!RestrictToHttp(ProtocolSettersOf(handle)) || abort.load(std::memory_order_acquire))
        return result;

    HeaderReader headers;
    curl_easy_setopt(handle, CURLOPT_URL, address.c_str());
    curl_easy_setopt(handle, CURLOPT_USERAGENT, "Tarnlink");
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 0L);
    // A proxy tunnel's own answer must not be taken for the site's.
    curl_easy_setopt(handle, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L); // many threads: no SIGALRM for DNS time-outs
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(timeouts.connect.count()));
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, static_cast<long>(timeouts.total.count()));
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, onHeader);
    curl_easy_setopt(handle, CURLOPT_HEADERDATA, &headers);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, onBody);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, const_cast<std::atomic<bool>*>(&abort));
    curl_easy_perform(handle);

    if (headers.complete) {
        result.status = std::move(headers.status);
        result.location = std::move(headers.location);
    }
    return result;
}

} // namespace tarnlink
