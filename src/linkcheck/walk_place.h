#pragma once

// A pre-order walk over the live tree that is made a slice at a time: between two slices the
// event loop runs and the user may edit the tree. The walk's place is therefore kept by node
// handles, never by pointer or index, and taken up again by these rules:
// - the walk goes on at the node it stopped before, wherever that node now stands: nodes moved
//   ahead of it are walked, nodes moved behind it are not, and a move of that node itself carries
//   the walk along to its new place;
// - when that node is gone (deleted, or moved out of the walk's scope), the walk goes on after the
//   node it walked last; when that one is gone too, at the nearest node that followed the stopping
//   node's subtree, or its parent's, and so up (the next sibling of the first of these that has
//   one still there); when none of them is left the walk ends;
// - it never goes on inside a folder that it would not enter now (a protected folder closed
//   meanwhile): it leaves that folder.
// The AbsoluteIndex of the walk's node is counted along, and counted afresh once the tree's
// structure has changed.

#include "model/tree_node.h"

#include <chrono>
#include <vector>

namespace tarnlink {

// How much one slice may walk: a number of nodes and a time, whichever runs out first. A slice
// always walks at least one node.
class SliceBudget {
public:
    using Clock = std::chrono::steady_clock;
    explicit SliceBudget(int nodes, Clock::time_point until = Clock::time_point::max()) : nodes_(nodes), until_(until) {}
    // Counts one node walked; true once the slice has done its share.
    bool spent();

private:
    int nodes_;
    Clock::time_point until_;
    int sinceClock_ = 0;
};

class WalkPlace {
public:
    // Whether the walk goes into a node's children; the scope it walks in is always entered.
    using Enters = bool (*)(const TfcTreeNode&);
    explicit WalkPlace(Enters enters) : enters_(enters) {}

    // The walk stands before next (null: it has ended), whose AbsoluteIndex is index, having
    // walked last (null at the start) inside scope's subtree (null scope: the whole tree).
    void keep(TfcTreeNode* next, TfcTreeNode* last, int index, const TfcTreeNode* scope);
    // Where the walk goes on inside scope's subtree (null scope: the whole tree), or null once it
    // has ended; index becomes that node's AbsoluteIndex.
    TfcTreeNode* resume(const TfcTreeNode* scope, int& index);

    // The node the walk goes to after node, null past end (the node after the scope's subtree);
    // index counts the nodes passed, those of a subtree not entered included.
    TfcTreeNode* step(const TfcTreeNode* node, int& index, const TfcTreeNode* end) const;

private:
    TfcTreeNode* following(const TfcTreeNode* node, const TfcTreeNode* end) const;
    TfcTreeNode* fallback(const TfcTreeNode* scope) const;
    const TfcTreeNode* outermostNotEntered(const TfcTreeNode* node, const TfcTreeNode* scope) const;

    Enters enters_;
    bool ended_ = true;
    NodeHandle next_;
    NodeHandle last_;
    std::vector<NodeHandle> followers_; // next siblings of the stopping node and its ancestors
    int index_ = 0;
    uint64_t stamp_ = 0;
};

} // namespace tarnlink
