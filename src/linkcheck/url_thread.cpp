#include "url_thread.h"

#include "check_inbox.h"
#include "check_rules.h"
#include "http_probe.h"
#include "run_control.h"

#include <QCoreApplication>

namespace tarnlink {

TURLThread::TURLThread(CheckStep step, const CheckTimeouts& timeouts, std::shared_ptr<CheckInbox> inbox)
    : step_(std::move(step)), timeouts_(timeouts), inbox_(std::move(inbox))
{
}

void TURLThread::Launch(CheckStep step, const CheckTimeouts& timeouts, std::shared_ptr<CheckInbox> inbox)
{
    auto* worker = new TURLThread(std::move(step), timeouts, std::move(inbox));
    // Made on the dispatcher's thread, which has no event loop: freed from the GUI thread's.
    worker->moveToThread(QCoreApplication::instance()->thread());
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    RunningWorkers::raise();
    worker->start();
}

void TURLThread::run()
{
    ProbeResult answer = ProbeAddress(RequestAddress(step_.link), timeouts_);
    if (answer.opened && !IsWorkingStatus(answer.status))
        inbox_->postReport({std::move(step_), std::move(answer)});
    inbox_->postWorkerEnded(RunningWorkers::lower());
}

} // namespace tarnlink
