#pragma once

// The worker: one thread per link, one request, one report when the link does not work.

#include "check_plan.h"
#include "check_settings.h"

#include <QThread>

#include <memory>

namespace tarnlink {

class CheckInbox;

class TURLThread : public QThread {
public:
    // Counts the worker in RunningWorkers, then starts it; it frees itself when it ends. The
    // step holds the node's fields copied on the GUI thread: the worker never reads the tree.
    static void Launch(CheckStep step, const CheckTimeouts& timeouts, std::shared_ptr<CheckInbox> inbox);

protected:
    void run() override;

private:
    TURLThread(CheckStep step, const CheckTimeouts& timeouts, std::shared_ptr<CheckInbox> inbox);

    CheckStep step_;
    CheckTimeouts timeouts_;
    std::shared_ptr<CheckInbox> inbox_;
};

} // namespace tarnlink
