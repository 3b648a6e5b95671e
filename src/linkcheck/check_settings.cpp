#include "check_settings.h"

#include <algorithm>

namespace tarnlink {

int ClampThreadsAmount(int threads)
{
    return std::clamp(threads, kMinThreadsAmount, kMaxThreadsAmount);
}

int ClampDelayThreads(int milliseconds)
{
    return std::clamp(milliseconds, kMinDelayThreads, kMaxDelayThreads);
}

CheckSettings ClampCheckSettings(CheckSettings settings)
{
    settings.threadsAmount = ClampThreadsAmount(settings.threadsAmount);
    settings.delayThreads = ClampDelayThreads(settings.delayThreads);
    return settings;
}

void LiveCheckSettings::set(const CheckSettings& settings)
{
    const CheckSettings clamped = ClampCheckSettings(settings);
    checkSelected_.store(clamped.checkSelected, std::memory_order_relaxed);
    updateMovedPages_.store(clamped.updateMovedPages, std::memory_order_relaxed);
    threadsAmount_.store(clamped.threadsAmount, std::memory_order_relaxed);
    delayThreads_.store(clamped.delayThreads, std::memory_order_relaxed);
}

CheckSettings LiveCheckSettings::get() const
{
    return {checkSelected(), updateMovedPages(), threadsAmount(), delayThreads()};
}

} // namespace tarnlink
