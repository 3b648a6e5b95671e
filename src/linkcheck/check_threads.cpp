#include "check_threads.h"

#include <exception>
#include <thread>

namespace tarnlink {

void StartDetachedThread(std::function<void()> body)
{
    std::thread(std::move(body)).detach();
}

std::shared_ptr<CheckThreads> CheckThreads::create(ThreadStarter starter)
{
    return std::shared_ptr<CheckThreads>(new CheckThreads(std::move(starter)));
}

bool CheckThreads::start(std::function<void()> body)
{
    {
        std::lock_guard lock(mutex_);
        ++running_;
    }
    try {
        starter_([self = shared_from_this(), body = std::move(body)]() mutable {
            body();
            body = nullptr; // what it holds goes before its end is counted
            self->ended();
        });
        return true;
    } catch (const std::exception&) {
        ended();
        return false;
    }
}

void CheckThreads::ended()
{
    {
        std::lock_guard lock(mutex_);
        --running_;
    }
    allEnded_.notify_all();
}

bool CheckThreads::waitUntilEnded(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(mutex_);
    return allEnded_.wait_for(lock, timeout, [this] { return running_ == 0; });
}

} // namespace tarnlink
