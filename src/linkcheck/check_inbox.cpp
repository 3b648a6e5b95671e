#include "check_inbox.h"

#include "link_checker.h"
#include "run_control.h"

namespace tarnlink {

std::shared_ptr<CheckInbox> CheckInbox::create(LinkChecker* checker)
{
    // A QObject is deleted on its own thread, whichever thread lets go of it last.
    return std::shared_ptr<CheckInbox>(new CheckInbox(checker), [](CheckInbox* inbox) { inbox->deleteLater(); });
}

template <class Delivery> void CheckInbox::post(Delivery delivery)
{
    QMetaObject::invokeMethod(
        this,
        [this, delivery = std::move(delivery)] {
            if (checker_)
                delivery(*checker_);
        },
        Qt::QueuedConnection);
}

void CheckInbox::postLinkStarted(const std::shared_ptr<RunFlag>& run, const NodeHandle& node, int progress)
{
    post([run, node, progress](LinkChecker& checker) {
        checker.deliverLinkStarted(*run, node, progress);
    });
}

void CheckInbox::postWorkersRunning(const std::shared_ptr<RunFlag>& run, int count)
{
    post([run, count](LinkChecker& checker) { checker.deliverWorkersRunning(*run, count); });
}

void CheckInbox::postRunEnded(const std::shared_ptr<RunFlag>& run)
{
    post([run](LinkChecker& checker) { checker.deliverRunEnded(run); });
}

void CheckInbox::postReport(WorkerReport report)
{
    post([report = std::move(report)](LinkChecker& checker) { checker.deliverReport(report); });
}

void CheckInbox::postWorkerEnded(int count)
{
    post([count](LinkChecker& checker) { checker.deliverWorkerEnded(count); });
}

} // namespace tarnlink
