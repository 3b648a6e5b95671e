#pragma once

// The four settings of section CheckLinks, and the live copy a run reads while it goes on.

#include <atomic>
#include <chrono>

namespace tarnlink {

struct CheckSettings {
    bool checkSelected = false;   // ChkCheckSelected
    bool updateMovedPages = false; // ChkUpdateMovedPages
    int threadsAmount = 5;        // ThreadsAmount
    int delayThreads = 350;       // DelayThreads, milliseconds
    bool operator==(const CheckSettings&) const = default;
};

// The options dialog's ranges. A ThreadsAmount below 1 would never free a slot, so values read
// from the settings file are brought into these ranges.
inline constexpr int kMinThreadsAmount = 1;
inline constexpr int kMaxThreadsAmount = 50;
inline constexpr int kMinDelayThreads = 0;
inline constexpr int kMaxDelayThreads = 1000;

int ClampThreadsAmount(int threads);
int ClampDelayThreads(int milliseconds);
CheckSettings ClampCheckSettings(CheckSettings settings);

// Every request has both; tests shorten them.
struct CheckTimeouts {
    std::chrono::milliseconds connect{10000};
    std::chrono::milliseconds total{30000};
};

// Written on the GUI thread, read by the dispatcher before every node and by the result
// delivery, so a change in the options dialog reaches a run that goes on.
class LiveCheckSettings {
public:
    void set(const CheckSettings& settings);
    CheckSettings get() const;
    int threadsAmount() const { return threadsAmount_.load(std::memory_order_relaxed); }
    int delayThreads() const { return delayThreads_.load(std::memory_order_relaxed); }
    bool checkSelected() const { return checkSelected_.load(std::memory_order_relaxed); }
    bool updateMovedPages() const { return updateMovedPages_.load(std::memory_order_relaxed); }

private:
    std::atomic<bool> checkSelected_{false};
    std::atomic<bool> updateMovedPages_{false};
    std::atomic<int> threadsAmount_{5};
    std::atomic<int> delayThreads_{350};
};

} // namespace tarnlink
