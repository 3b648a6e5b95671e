#pragma once

// What a run's dispatcher goes through, taken from the tree on the GUI thread when the run
// starts. The dispatcher's thread never touches the tree: it works from these copies, and the
// results reach a node again only through its handle, on the GUI thread.

#include "model/tree_node.h"

#include <string>
#include <vector>

namespace tarnlink {

// One node the dispatcher handles: it waits for a free slot, starts a worker when the step is a
// request, then paces.
struct CheckStep {
    bool request = false;
    NodeHandle node;
    std::string link;   // Link1 as it was when the run started; the name is read at report time
    int nodeIndex = -1; // AbsoluteIndex
    int progress = 0;   // position for the progress bar
};

using CheckPlan = std::vector<CheckStep>;

// Every link in pre-order with a Link1 that is not a local path (no ":\"), leaving out what
// locked folders hold. Progress is the link's AbsoluteIndex.
CheckPlan PlanWholeTree(TfcTreeNodes& tree);

// The multi-selection list in its order: a selected link is requested whatever its address; a
// selected folder that is not locked has its children walked depth first, never entering a
// folder with a password, and every node visited there paces; a locked selected folder is passed
// over without a pause. Progress is the place in the selection list, so it fits a bar whose
// range is SelectionCount.
CheckPlan PlanSelectedNodes(TfcTreeNodes& tree);

} // namespace tarnlink
