#pragma once

// Starts and cancels link check runs and hands their results to a CheckListener. Lives on the
// GUI thread, like the tree it checks; results arrive through that thread's event loop, so a
// QCoreApplication must exist.

#include "check_listener.h"
#include "check_plan.h"
#include "check_settings.h"
#include "check_threads.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>

namespace tarnlink {

class CheckInbox;
class RunFlag;
class SlicedPlanner;
struct CheckContext;
struct WorkerReport;

// How long the program waits at its exit for the threads of a cancelled run. Requests still
// waiting on a server give up at libcurl's next progress call once shutdown() has begun, well
// within a second.
inline constexpr std::chrono::milliseconds kShutdownWait{3000};

class LinkChecker {
public:
    // starter makes the dispatcher's and the workers' threads (tests make it fail).
    explicit LinkChecker(CheckListener& listener, ThreadStarter starter = StartDetachedThread);
    // shutdown() without waiting: nothing reaches the listener any more, and the requests still
    // running give up.
    ~LinkChecker();
    LinkChecker(const LinkChecker&) = delete;
    LinkChecker& operator=(const LinkChecker&) = delete;

    // Clamped to the options dialog's ranges. ThreadsAmount, DelayThreads and
    // ChkUpdateMovedPages reach a run that goes on; ChkCheckSelected is read when a run starts.
    void setSettings(const CheckSettings& settings);
    CheckSettings settings() const;
    void setTimeouts(const CheckTimeouts& timeouts) { timeouts_ = timeouts; }
    // Applied to the error texts of rows (the program's translation); none by default.
    void setTranslator(std::function<QString(const QString&)> translate) { translate_ = std::move(translate); }

    // Starts a run over the whole tree or its multi-selection; a run that goes on is cancelled
    // first. The walk over the tree is made in slices from the event loop (check_plan.h), and the
    // dispatcher starts when it is done. The run's end always comes through runEnded, later, from
    // the event loop, even when there is nothing to check. Nothing after shutdown().
    void start(TfcTreeNodes& tree);
    // Clears the run flag: the dispatcher starts no further worker once this returns, and ends
    // at its next test; a walk still being made stops. Workers already running go on and still
    // report.
    void cancel();
    // The current run's flag is set.
    bool running() const;
    // A run was started whose end has not yet been reported (it may be cancelled).
    bool dispatching() const { return current_ != nullptr; }

    // For the program's exit: cancels the run, stops every delivery to the listener, makes the
    // requests still waiting on a server give up, and waits up to bound until every thread this
    // checker started has ended. True when none is left; whatever is left then touches nothing
    // of the checker, the listener or the tree.
    bool shutdown(std::chrono::milliseconds bound = kShutdownWait);

    // Blocks until every worker of the process has ended, or the timeout passes.
    static bool waitForWorkers(std::chrono::milliseconds timeout);

private:
    friend class CheckInbox;
    CheckContext context() const;
    void dispatch(CheckPlan plan, const std::shared_ptr<RunFlag>& run);
    void deliverLinkStarted(const RunFlag& run, const NodeHandle& node, int progress);
    void deliverWorkersRunning(const RunFlag& run, int count);
    void deliverRunEnded(const std::shared_ptr<RunFlag>& run);
    void deliverReport(const WorkerReport& report);
    void deliverWorkerEnded(int count);

    QObject receiver_; // the inbox's deliveries arrive here
    CheckListener& listener_;
    std::shared_ptr<LiveCheckSettings> settings_;
    CheckTimeouts timeouts_;
    std::function<QString(const QString&)> translate_;
    std::shared_ptr<CheckThreads> threads_;
    std::shared_ptr<CheckInbox> inbox_;
    std::unique_ptr<SlicedPlanner> planner_;
    std::shared_ptr<RunFlag> current_; // the run whose end is awaited
    bool shutDown_ = false;
};

} // namespace tarnlink
