#include "link_checker.h"

#include "check_context.h"
#include "check_inbox.h"
#include "check_plan.h"
#include "check_rules.h"
#include "http_probe.h"
#include "my_thread.h"
#include "platform/codepage.h"
#include "run_control.h"
#include "sliced_planner.h"

namespace tarnlink {

LinkChecker::LinkChecker(CheckListener& listener, ThreadStarter starter)
    : listener_(listener), settings_(std::make_shared<LiveCheckSettings>()),
      threads_(CheckThreads::create(std::move(starter))), inbox_(std::make_shared<CheckInbox>(*this, receiver_)),
      planner_(std::make_unique<SlicedPlanner>())
{
}

LinkChecker::~LinkChecker()
{
    shutdown(std::chrono::milliseconds(0));
}

void LinkChecker::setSettings(const CheckSettings& settings)
{
    settings_->set(settings);
}

CheckSettings LinkChecker::settings() const
{
    return settings_->get();
}

CheckContext LinkChecker::context() const
{
    return {settings_, timeouts_, inbox_, threads_};
}

void LinkChecker::start(TfcTreeNodes& tree)
{
    if (shutDown_)
        return;
    InitHttpProbe(); // once, before the first worker; not at every program start
    cancel();
    current_ = std::make_shared<RunFlag>();
    planner_->start(settings_->checkSelected() ? WalkSelectedNodes(tree) : WalkWholeTree(tree),
                    [this, run = current_](CheckPlan plan) { dispatch(std::move(plan), run); });
}

void LinkChecker::dispatch(CheckPlan plan, const std::shared_ptr<RunFlag>& run)
{
    // A walk stopped by Cancel goes to a dispatcher all the same: it ends at once and frees the
    // plan on its own thread.
    if (!TMyThread::Launch(std::move(plan), run, context()))
        inbox_->postRunEnded(run);
}

void LinkChecker::cancel()
{
    if (current_)
        current_->clear();
    planner_->stop();
}

bool LinkChecker::running() const
{
    return current_ && current_->running();
}

bool LinkChecker::shutdown(std::chrono::milliseconds bound)
{
    cancel();
    shutDown_ = true;
    current_.reset();
    inbox_->close();
    threads_->shutDown();
    return threads_->waitUntilEnded(bound);
}

bool LinkChecker::waitForWorkers(std::chrono::milliseconds timeout)
{
    return RunningWorkers::waitUntil(timeout, [] { return RunningWorkers::count() == 0; });
}

void LinkChecker::deliverLinkStarted(const RunFlag& run, const NodeHandle& node, int progress)
{
    if (!run.running())
        return;
    const TfcTreeNode* n = node.get();
    listener_.linkStarted(n ? codepage::toDisplay(n->Name()) : QString(), progress);
}

void LinkChecker::deliverWorkersRunning(const RunFlag& run, int count)
{
    if (run.running())
        listener_.workersRunning(count);
}

void LinkChecker::deliverRunEnded(const std::shared_ptr<RunFlag>& run)
{
    // The end of a dispatcher cancelled before a newer run began must not reset the newer run.
    if (run != current_)
        return;
    current_.reset();
    listener_.runEnded();
}

void LinkChecker::deliverReport(const WorkerReport& report)
{
    TfcTreeNode* node = report.link.node.get();
    if (!node)
        return; // deleted while its worker ran
    const bool moved = report.answer.status == "303" && settings_->updateMovedPages();
    if (moved) {
        node->Description += ' ' + report.answer.location;
        node->Owner()->NodeChanged(node);
    }
    const QString error = QString::fromLatin1(StatusErrorText(report.answer.status));
    const CheckRow row{codepage::toDisplay(node->Name()), codepage::toDisplay(report.link.link),
                       translate_ ? translate_(error) : error, QString::fromStdString(report.answer.status),
                       report.link.nodeIndex, report.link.node};
    if (moved)
        listener_.descriptionChanged(row.node);
    listener_.addRow(row);
}

void LinkChecker::deliverWorkerEnded(int count)
{
    listener_.workerEnded(count);
}

} // namespace tarnlink
