#pragma once

// The worker: one thread per link, one request, one report when the link does not work.

#include "check_context.h"
#include "check_plan.h"

namespace tarnlink {

class TURLThread {
public:
    // Counts the worker in RunningWorkers, then starts it on a thread of its own. The link holds
    // the node's fields copied on the GUI thread: the worker never reads the tree. A worker whose
    // thread cannot be made gives its slot back at once and reports nothing but its end.
    static void Launch(CheckedLink link, const CheckContext& context);

private:
    TURLThread(CheckedLink link, const CheckContext& context);
    void run();

    CheckedLink link_;
    CheckContext context_;
};

} // namespace tarnlink
