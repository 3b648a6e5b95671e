#pragma once

// What a run's dispatcher goes through, taken from the tree on the GUI thread when the run
// starts. The dispatcher's thread never touches the tree: it works from these copies, and the
// results reach a node again only through its handle, on the GUI thread.
//
// The plan of a large tree is made a slice at a time from the event loop (walk_place.h says how
// the walk keeps its place while the tree is edited between slices). A node index is the node's
// AbsoluteIndex when the walk came to it.

#include "model/tree_node.h"
#include "walk_place.h"

#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarnlink {

// One node the dispatcher handles: it waits for a free slot, starts a worker when the step is a
// request, then paces.
struct CheckStep {
    bool request = false;
    NodeHandle node;       // the node requested; empty for a pace step
    std::string_view link; // Link1 as it was when the walk came to it, kept by the plan
    int nodeIndex = -1;    // AbsoluteIndex
    int progress = 0;      // position for the progress bar
};

// What a worker gets: its own copy, as it may outlive the plan. The name is read at report time.
struct CheckedLink {
    NodeHandle node;
    std::string link;
    int nodeIndex = -1;
};

// Texts kept in a few large blocks. A million small allocations, freed together when a run
// ends, would leave the allocator a long sorting job that some later allocation on the GUI
// thread pays for at once.
class TextStore {
public:
    std::string_view keep(std::string_view text);

private:
    std::vector<std::unique_ptr<char[]>> blocks_;
    size_t used_ = 0; // of the last block
    size_t size_ = 0; // of the last block
};

// A deque: growing it never moves the steps already made, which for a million links would hold
// the GUI thread for tens of milliseconds at once.
struct CheckPlan {
    std::deque<CheckStep> steps;
    TextStore links;
};

class CheckWalk {
public:
    virtual ~CheckWalk() = default;
    // Walks on within the budget, adding to the plan; false once the walk has ended.
    virtual bool advance(SliceBudget budget) = 0;
    const CheckPlan& plan() const { return plan_; }
    CheckPlan takePlan() { return std::move(plan_); }

protected:
    void addRequest(TfcTreeNode& node, int nodeIndex, int progress);
    void addPace(int nodeIndex, int progress);
    CheckPlan plan_;
};

// Every link in pre-order with a Link1 that is not a local path (no ":\"), leaving out what
// locked folders hold. Progress is the link's AbsoluteIndex.
std::unique_ptr<CheckWalk> WalkWholeTree(TfcTreeNodes& tree);

// The multi-selection list as it is now, in its order: a selected link is requested whatever its
// address; a selected folder that is not locked has its children walked depth first, never
// entering a folder with a password, and every node visited there paces; a locked selected folder
// is passed over without a pause, and so is a selected node deleted before the walk came to it.
// Progress is the place in the selection list, so it fits a bar whose range is SelectionCount.
std::unique_ptr<CheckWalk> WalkSelectedNodes(TfcTreeNodes& tree);

// The whole walk at once.
CheckPlan PlanWholeTree(TfcTreeNodes& tree);
CheckPlan PlanSelectedNodes(TfcTreeNodes& tree);

} // namespace tarnlink
