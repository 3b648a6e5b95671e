#include "clock.h"

namespace tarnlink {

namespace {

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

const SystemClock systemClock;
const Clock* installed = nullptr;

} // namespace

const Clock& Clock::current()
{
    return installed ? *installed : systemClock;
}

void Clock::install(const Clock* clock)
{
    installed = clock;
}

} // namespace tarnlink
