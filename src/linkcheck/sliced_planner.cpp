#include "sliced_planner.h"

#include <climits>

namespace tarnlink {

SlicedPlanner::SlicedPlanner()
{
    timer_.setSingleShot(true);
    timer_.setInterval(0);
    QObject::connect(&timer_, &QTimer::timeout, [this] { slice(); });
}

void SlicedPlanner::start(std::unique_ptr<CheckWalk> walk, Planned planned)
{
    stop();
    walk_ = std::move(walk);
    planned_ = std::move(planned);
    slice();
}

void SlicedPlanner::slice()
{
    if (walk_->advance(SliceBudget(INT_MAX, SliceBudget::Clock::now() + kPlanSlice)))
        timer_.start();
    else
        stop();
}

void SlicedPlanner::stop()
{
    timer_.stop();
    const std::unique_ptr<CheckWalk> walk = std::move(walk_);
    const Planned planned = std::move(planned_);
    if (walk)
        planned(walk->takePlan());
}

} // namespace tarnlink
