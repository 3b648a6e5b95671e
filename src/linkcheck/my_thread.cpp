#include "my_thread.h"

#include "run_control.h"
#include "url_thread.h"

namespace tarnlink {

namespace {
// A ThreadsAmount raised in the options dialog is seen within this time by a waiting dispatcher.
constexpr std::chrono::milliseconds kSettingsRecheck{50};
} // namespace

TMyThread::TMyThread(CheckPlan plan, std::shared_ptr<RunFlag> run, const CheckContext& context)
    : plan_(std::move(plan)), run_(std::move(run)), context_(context)
{
}

bool TMyThread::Launch(CheckPlan plan, std::shared_ptr<RunFlag> run, const CheckContext& context)
{
    const std::shared_ptr<TMyThread> dispatcher(new TMyThread(std::move(plan), std::move(run), context));
    return context.threads->start([dispatcher] { dispatcher->run(); });
}

void TMyThread::run()
{
    dispatch();
    context_.inbox->postRunEnded(run_);
}

void TMyThread::dispatch()
{
    for (const CheckStep& step : plan_.steps) {
        if (!waitForSlot())
            return;
        if (step.request) {
            // Under the run's lock: once Cancel has returned, no worker of this run starts.
            const bool started = run_->ifRunning([&] {
                context_.inbox->postLinkStarted(run_, step.node, step.progress);
                TURLThread::Launch({step.node, std::string(step.link), step.nodeIndex}, context_);
            });
            if (!started)
                return;
        }
        context_.inbox->postWorkersRunning(run_, RunningWorkers::count());
        if (!pace())
            return;
    }
}

bool TMyThread::waitForSlot() const
{
    const auto slotFreeOrCancelled = [this] {
        return !run_->running() || RunningWorkers::count() < context_.settings->threadsAmount();
    };
    while (!RunningWorkers::waitUntil(kSettingsRecheck, slotFreeOrCancelled)) {
    }
    return run_->running();
}

bool TMyThread::pace() const
{
    const int delay = context_.settings->delayThreads();
    if (delay > 0)
        RunningWorkers::waitUntil(std::chrono::milliseconds(delay), [this] { return !run_->running(); });
    return run_->running();
}

} // namespace tarnlink
