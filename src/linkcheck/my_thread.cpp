#include "my_thread.h"

#include "check_inbox.h"
#include "run_control.h"
#include "url_thread.h"

namespace tarnlink {

namespace {
// A ThreadsAmount raised in the options dialog is seen within this time by a waiting dispatcher.
constexpr std::chrono::milliseconds kSettingsRecheck{50};
} // namespace

TMyThread::TMyThread(CheckPlan plan, std::shared_ptr<RunFlag> run, std::shared_ptr<const LiveCheckSettings> settings,
                     const CheckTimeouts& timeouts, std::shared_ptr<CheckInbox> inbox)
    : plan_(std::move(plan)), run_(std::move(run)), settings_(std::move(settings)), timeouts_(timeouts),
      inbox_(std::move(inbox))
{
}

void TMyThread::Launch(CheckPlan plan, std::shared_ptr<RunFlag> run, std::shared_ptr<const LiveCheckSettings> settings,
                       const CheckTimeouts& timeouts, std::shared_ptr<CheckInbox> inbox)
{
    auto* dispatcher = new TMyThread(std::move(plan), std::move(run), std::move(settings), timeouts, std::move(inbox));
    connect(dispatcher, &QThread::finished, dispatcher, &QObject::deleteLater);
    dispatcher->start();
}

void TMyThread::run()
{
    dispatch();
    inbox_->postRunEnded(run_);
}

void TMyThread::dispatch()
{
    for (CheckStep& step : plan_) {
        if (!waitForSlot())
            return;
        if (step.request) {
            // Under the run's lock: once Cancel has returned, no worker of this run starts.
            const bool started = run_->ifRunning([&] {
                inbox_->postLinkStarted(run_, step.node, step.progress);
                TURLThread::Launch(std::move(step), timeouts_, inbox_);
            });
            if (!started)
                return;
        }
        inbox_->postWorkersRunning(run_, RunningWorkers::count());
        if (!pace())
            return;
    }
}

bool TMyThread::waitForSlot() const
{
    const auto slotFreeOrCancelled = [this] {
        return !run_->running() || RunningWorkers::count() < settings_->threadsAmount();
    };
    while (!RunningWorkers::waitUntil(kSettingsRecheck, slotFreeOrCancelled)) {
    }
    return run_->running();
}

bool TMyThread::pace() const
{
    const int delay = settings_->delayThreads();
    if (delay > 0)
        RunningWorkers::waitUntil(std::chrono::milliseconds(delay), [this] { return !run_->running(); });
    return run_->running();
}

} // namespace tarnlink
