#pragma once

// What the dispatchers and workers of one LinkChecker share; each thread holds its own copy, so
// nothing here goes away while a thread still uses it.

#include "check_inbox.h"
#include "check_settings.h"
#include "check_threads.h"

#include <memory>

namespace tarnlink {

struct CheckContext {
    std::shared_ptr<const LiveCheckSettings> settings;
    CheckTimeouts timeouts;
    std::shared_ptr<CheckInbox> inbox;
    std::shared_ptr<CheckThreads> threads;
};

} // namespace tarnlink
