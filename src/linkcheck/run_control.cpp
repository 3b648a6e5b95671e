#include "run_control.h"

#include <condition_variable>

namespace tarnlink {

namespace {

struct WorkerCounter {
    std::atomic<int> count{0};
    std::mutex mutex;
    std::condition_variable changed;
};

// Never destroyed: a worker left running when the program exits may still count itself out.
WorkerCounter& counter()
{
    static WorkerCounter& instance = *new WorkerCounter;
    return instance;
}

} // namespace

int RunningWorkers::count()
{
    return counter().count.load(std::memory_order_acquire);
}

void RunningWorkers::raise()
{
    counter().count.fetch_add(1, std::memory_order_acq_rel);
}

int RunningWorkers::lower()
{
    const int left = counter().count.fetch_sub(1, std::memory_order_acq_rel) - 1;
    wake();
    return left;
}

bool RunningWorkers::waitUntil(std::chrono::milliseconds timeout, const std::function<bool()>& done)
{
    std::unique_lock lock(counter().mutex);
    return counter().changed.wait_for(lock, timeout, done);
}

void RunningWorkers::wake()
{
    // Taking the mutex orders the change before a waiter's test, so no wake-up is lost.
    { std::lock_guard lock(counter().mutex); }
    counter().changed.notify_all();
}

void RunFlag::clear()
{
    {
        std::lock_guard lock(mutex_);
        running_.store(false, std::memory_order_release);
    }
    RunningWorkers::wake();
}

bool RunFlag::ifRunning(const std::function<void()>& action)
{
    std::lock_guard lock(mutex_);
    if (!running())
        return false;
    action();
    return true;
}

} // namespace tarnlink
