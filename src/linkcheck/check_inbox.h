#pragma once

// The GUI-thread end of a check run. Dispatcher and workers post to it from their threads; it
// hands each delivery to the LinkChecker that still exists, or drops it.

#include "check_plan.h"
#include "http_probe.h"

#include <QObject>

#include <memory>

namespace tarnlink {

class LinkChecker;
class RunFlag;

// What a worker reports about a link that does not work.
struct WorkerReport {
    CheckStep step;
    ProbeResult answer;
};

class CheckInbox : public QObject {
public:
    // Lives on the calling (GUI) thread; the last owner may be any thread.
    static std::shared_ptr<CheckInbox> create(LinkChecker* checker);
    void detach() { checker_ = nullptr; }

    // From the dispatcher; dropped once its run was cancelled.
    void postLinkStarted(const std::shared_ptr<RunFlag>& run, const NodeHandle& node, int progress);
    void postWorkersRunning(const std::shared_ptr<RunFlag>& run, int count);
    void postRunEnded(const std::shared_ptr<RunFlag>& run);
    // From a worker, in this order.
    void postReport(WorkerReport report);
    void postWorkerEnded(int count);

private:
    explicit CheckInbox(LinkChecker* checker) : checker_(checker) {}
    template <class Delivery> void post(Delivery delivery);
    LinkChecker* checker_;
};

} // namespace tarnlink
