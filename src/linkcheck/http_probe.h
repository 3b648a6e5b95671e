#pragma once

// One HTTP request for the link check, through libcurl.

#include "check_settings.h"

#include <atomic>
#include <string>

namespace tarnlink {

struct ProbeResult {
    bool opened = false;  // false when no session could be made at all
    std::string status;   // as the server sent it, e.g. "404"; empty without an answer
    std::string location; // the Location header of the final answer, as sent
};

// Asks once with GET and the user agent "Tarnlink", through the proxy the environment names.
// Redirects are not followed, so the status classified is the one this server sent. Only http
// and https are spoken: where that cannot be ensured, nothing is asked and there is no answer.
// The transfer stops as soon as the answer's headers are in: the body is never downloaded. Once
// abort is set the transfer gives up (libcurl looks at least about once a second) with no answer.
ProbeResult ProbeAddress(const std::string& address, const CheckTimeouts& timeouts, const std::atomic<bool>& abort);

// libcurl's process-wide set-up; call once on the GUI thread before any worker starts.
void InitHttpProbe();

} // namespace tarnlink
