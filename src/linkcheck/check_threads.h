#pragma once

// The threads of one LinkChecker, its dispatchers and workers. They are started through a
// replaceable starter, counted until their very last step, and told when the program shuts down
// so that requests still waiting on a server give up at once.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

namespace tarnlink {

// Runs body on a new thread, or throws (std::system_error) when none can be made.
using ThreadStarter = std::function<void(std::function<void()> body)>;

// A detached std::thread.
void StartDetachedThread(std::function<void()> body);

class CheckThreads : public std::enable_shared_from_this<CheckThreads> {
public:
    static std::shared_ptr<CheckThreads> create(ThreadStarter starter);

    // False when no thread could be made: body did not run, and was not counted.
    bool start(std::function<void()> body);

    // From now on every request of these threads aborts.
    void shutDown() { shuttingDown_.store(true, std::memory_order_release); }
    const std::atomic<bool>& shuttingDown() const { return shuttingDown_; }

    // Sleeps until every thread started here has ended, or until the timeout has passed.
    bool waitUntilEnded(std::chrono::milliseconds timeout);

private:
    explicit CheckThreads(ThreadStarter starter) : starter_(std::move(starter)) {}
    void ended();

    ThreadStarter starter_;
    std::atomic<bool> shuttingDown_{false};
    std::mutex mutex_;
    std::condition_variable allEnded_;
    int running_ = 0;
};

} // namespace tarnlink
