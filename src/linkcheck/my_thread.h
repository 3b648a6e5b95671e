#pragma once

// The dispatcher of one check run: goes through the run's plan, keeps the running workers
// within ThreadsAmount and paces their start by DelayThreads.

#include "check_plan.h"
#include "check_settings.h"

#include <QThread>

#include <memory>

namespace tarnlink {

class CheckInbox;
class RunFlag;

class TMyThread : public QThread {
public:
    // Starts the dispatcher; it frees itself when it ends, and its end is posted to the inbox.
    static void Launch(CheckPlan plan, std::shared_ptr<RunFlag> run, std::shared_ptr<const LiveCheckSettings> settings,
                       const CheckTimeouts& timeouts, std::shared_ptr<CheckInbox> inbox);

protected:
    void run() override;

private:
    TMyThread(CheckPlan plan, std::shared_ptr<RunFlag> run, std::shared_ptr<const LiveCheckSettings> settings,
              const CheckTimeouts& timeouts, std::shared_ptr<CheckInbox> inbox);
    void dispatch();
    bool waitForSlot() const;
    bool pace() const;

    CheckPlan plan_;
    std::shared_ptr<RunFlag> run_;
    std::shared_ptr<const LiveCheckSettings> settings_;
    CheckTimeouts timeouts_;
    std::shared_ptr<CheckInbox> inbox_;
};

} // namespace tarnlink
