#pragma once

// The GUI-thread end of a check run. Dispatcher and workers post to it from their threads, and
// each delivery reaches the LinkChecker through the event loop. Once the inbox is closed nothing
// more is posted, so a thread that outlives its checker, or the event loop, touches neither.
// Not a QObject: whichever thread lets go of it last frees it.

#include "check_plan.h"
#include "http_probe.h"

#include <memory>
#include <mutex>

class QObject;

namespace tarnlink {

class LinkChecker;
class RunFlag;

// What a worker reports about a link that does not work.
struct WorkerReport {
    CheckedLink link;
    ProbeResult answer;
};

class CheckInbox {
public:
    // receiver lives on the GUI thread and goes with checker: what is still queued for it then
    // is dropped by the event loop.
    CheckInbox(LinkChecker& checker, QObject& receiver) : checker_(&checker), receiver_(&receiver) {}
    // Once this returns, nothing is posted or delivered any more.
    void close();

    // From the dispatcher; dropped once its run was cancelled.
    void postLinkStarted(const std::shared_ptr<RunFlag>& run, const NodeHandle& node, int progress);
    void postWorkersRunning(const std::shared_ptr<RunFlag>& run, int count);
    void postRunEnded(const std::shared_ptr<RunFlag>& run);
    // From a worker, in this order.
    void postReport(WorkerReport report);
    void postWorkerEnded(int count);

private:
    LinkChecker* attached();
    template <class Delivery> void post(Delivery delivery);

    std::mutex mutex_;
    LinkChecker* checker_;
    QObject* receiver_;
};

} // namespace tarnlink
