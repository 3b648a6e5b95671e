#include "link_checker.h"

#include "check_inbox.h"
#include "check_plan.h"
#include "check_rules.h"
#include "http_probe.h"
#include "my_thread.h"
#include "platform/codepage.h"
#include "run_control.h"

namespace tarnlink {

LinkChecker::LinkChecker(CheckListener& listener)
    : listener_(listener), settings_(std::make_shared<LiveCheckSettings>()), inbox_(CheckInbox::create(this))
{
    InitHttpProbe();
}

LinkChecker::~LinkChecker()
{
    cancel();
    inbox_->detach();
}

void LinkChecker::setSettings(const CheckSettings& settings)
{
    settings_->set(settings);
}

CheckSettings LinkChecker::settings() const
{
    return settings_->get();
}

void LinkChecker::start(TfcTreeNodes& tree)
{
    cancel();
    CheckPlan plan = settings_->checkSelected() ? PlanSelectedNodes(tree) : PlanWholeTree(tree);
    current_ = std::make_shared<RunFlag>();
    TMyThread::Launch(std::move(plan), current_, settings_, timeouts_, inbox_);
}

void LinkChecker::cancel()
{
    if (current_)
        current_->clear();
}

bool LinkChecker::running() const
{
    return current_ && current_->running();
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
    TfcTreeNode* node = report.step.node.get();
    if (!node)
        return; // deleted while its worker ran
    if (report.answer.status == "303" && settings_->updateMovedPages()) {
        node->Description += ' ' + report.answer.location;
        node->Owner()->NodeChanged(node);
        listener_.descriptionChanged(*node);
    }
    const QString error = QString::fromLatin1(StatusErrorText(report.answer.status));
    listener_.addRow({codepage::toDisplay(node->Name()), codepage::toDisplay(report.step.link),
                      translate_ ? translate_(error) : error, QString::fromStdString(report.answer.status),
                      report.step.nodeIndex, report.step.node});
}

void LinkChecker::deliverWorkerEnded(int count)
{
    listener_.workerEnded(count);
}

} // namespace tarnlink
