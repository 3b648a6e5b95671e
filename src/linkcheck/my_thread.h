#pragma once

// The dispatcher of one check run: goes through the run's plan, keeps the running workers
// within ThreadsAmount and paces their start by DelayThreads.

#include "check_context.h"
#include "check_plan.h"

#include <memory>

namespace tarnlink {

class RunFlag;

class TMyThread {
public:
    // Starts the dispatcher on a thread of its own; its end is posted to the inbox. False when no
    // thread could be made.
    static bool Launch(CheckPlan plan, std::shared_ptr<RunFlag> run, const CheckContext& context);

private:
    TMyThread(CheckPlan plan, std::shared_ptr<RunFlag> run, const CheckContext& context);
    void run();
    void dispatch();
    bool waitForSlot() const;
    bool pace() const;

    CheckPlan plan_;
    std::shared_ptr<RunFlag> run_;
    CheckContext context_;
};

} // namespace tarnlink
