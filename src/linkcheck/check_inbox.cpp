#include "check_inbox.h"

#include "link_checker.h"
#include "run_control.h"

#include <QObject>

namespace tarnlink {

void CheckInbox::close()
{
    std::lock_guard lock(mutex_);
    checker_ = nullptr;
}

LinkChecker* CheckInbox::attached()
{
    std::lock_guard lock(mutex_);
    return checker_;
}

template <class Delivery> void CheckInbox::post(Delivery delivery)
{
    std::lock_guard lock(mutex_);
    if (!checker_)
        return;
    // The receiver lives as long as the checker, and the checker holds this inbox; what was
    // queued before the inbox closed is dropped here.
    QMetaObject::invokeMethod(
        receiver_,
        [this, delivery = std::move(delivery)] {
            if (LinkChecker* checker = attached())
                delivery(*checker);
        },
        Qt::QueuedConnection);
}

void CheckInbox::postLinkStarted(const std::shared_ptr<RunFlag>& run, const NodeHandle& node, int progress)
{
    post([run, node, progress](LinkChecker& checker) { checker.deliverLinkStarted(*run, node, progress); });
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
