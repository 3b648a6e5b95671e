#pragma once

// The shared state of check runs: the process-wide running-worker counter and the per-run flag.

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>

namespace tarnlink {

// Workers created and not yet ended, over all runs. Raised on the dispatcher's thread when a
// worker is created, lowered on the worker's thread when it ends. Waiters sleep on it instead of
// polling, and wake when a worker ends or a run is cancelled.
class RunningWorkers {
public:
    static int count();
    static void raise();
    // Returns the count after this worker.
    static int lower();
    // Sleeps until done() holds or the timeout passes; done() is tested again whenever a worker
    // ends or wake() is called. Returns done().
    static bool waitUntil(std::chrono::milliseconds timeout, const std::function<bool()>& done);
    static void wake();
};

// One run's flag: set when the run starts, cleared once by Cancel, never set again.
class RunFlag {
public:
    bool running() const { return running_.load(std::memory_order_acquire); }
    // After clear() returns, no ifRunning() action of this run starts any more.
    void clear();
    // Runs action only while the flag is set, and keeps clear() out until it is done.
    bool ifRunning(const std::function<void()>& action);

private:
    std::mutex mutex_;
    std::atomic<bool> running_{true};
};

} // namespace tarnlink
