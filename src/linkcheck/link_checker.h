#pragma once

// Starts and cancels link check runs and hands their results to a CheckListener. Lives on the
// GUI thread, like the tree it checks; results arrive through that thread's event loop, so a
// QCoreApplication must exist.

#include "check_listener.h"
#include "check_settings.h"

#include <QString>

#include <functional>
#include <memory>

namespace tarnlink {

class CheckInbox;
class RunFlag;
struct WorkerReport;

class LinkChecker {
public:
    explicit LinkChecker(CheckListener& listener);
    // Cancels a run that goes on; its workers finish, and what they report is dropped.
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
    // first. What the run checks is taken from the tree now. Its end always comes through
    // runEnded, later, from the event loop, even when there is nothing to check.
    void start(TfcTreeNodes& tree);
    // Clears the run flag: the dispatcher starts no further worker once this returns, and ends
    // at its next test. Workers already running go on and still report.
    void cancel();
    // The current run's flag is set.
    bool running() const;
    // A dispatcher was started whose end has not yet been reported (it may be cancelled).
    bool dispatching() const { return current_ != nullptr; }

    // Blocks until every worker of the process has ended, or the timeout passes.
    static bool waitForWorkers(std::chrono::milliseconds timeout);

private:
    friend class CheckInbox;
    void deliverLinkStarted(const RunFlag& run, const NodeHandle& node, int progress);
    void deliverWorkersRunning(const RunFlag& run, int count);
    void deliverRunEnded(const std::shared_ptr<RunFlag>& run);
    void deliverReport(const WorkerReport& report);
    void deliverWorkerEnded(int count);

    CheckListener& listener_;
    std::shared_ptr<LiveCheckSettings> settings_;
    CheckTimeouts timeouts_;
    std::function<QString(const QString&)> translate_;
    std::shared_ptr<CheckInbox> inbox_;
    std::shared_ptr<RunFlag> current_; // the run whose end is awaited
};

} // namespace tarnlink
