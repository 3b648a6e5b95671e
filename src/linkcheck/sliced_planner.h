#pragma once

// Makes a run's plan from the event loop, a slice at a time, so that the walk of a large tree
// holds the GUI thread only briefly; the user may edit the tree between two slices.
//
// The dispatcher starts once the whole plan is made, not on the first slice: the plan of
// 1,000,000 links takes well under a second, a sliver of the time checking them takes, and a
// plan that is only read once complete needs no queue shared with the dispatcher's thread.

#include "check_plan.h"

#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>

namespace tarnlink {

// Each slice walks for about this long; the event loop runs between two.
inline constexpr std::chrono::milliseconds kPlanSlice{20};

class SlicedPlanner {
public:
    using Planned = std::function<void(CheckPlan)>;

    SlicedPlanner();
    // Walks the first slice now and the rest from the event loop; planned gets the whole plan.
    void start(std::unique_ptr<CheckWalk> walk, Planned planned);
    // Ends the walk where it stands: planned gets the plan made so far, now. Nothing when idle.
    void stop();

private:
    void slice();

    QTimer timer_;
    std::unique_ptr<CheckWalk> walk_;
    Planned planned_;
};

} // namespace tarnlink
