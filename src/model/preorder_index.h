#pragma once

// The nodes of a tree in pre-order as one flat array, with where each subtree ends and where each
// parent stands. A walk over a large tree is bound by waiting on one node's pointers before it
// can ask for the next; over this array it can ask the memory for nodes far ahead instead.
//
// The array is built as far as it is read: a search that walks forward extends it a few nodes
// ahead of itself, so the first search after a change costs little more than the ones after it.
// It holds the tree's raw pointers and is sound only while the structure is the one it was built
// from: TfcTreeNodes::Preorder() starts it over once StructureStamp() has changed.

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace tarnlink {

class TfcTreeNode;
class TfcTreeNodes;

class PreorderIndex {
public:
    explicit PreorderIndex(const TfcTreeNodes& tree) : tree_(tree) {}

    // Starts over when the structure changed since the last build.
    void sync();

    // Builds the whole array; from then on the index is only read, by as many threads as like.
    void complete();

    // Whether the tree has a node at this position; builds up to it.
    bool reach(int position) { return position < built() || extendTo(position); }
    int built() const { return static_cast<int>(entries_.size()); }

    // Positions already reached.
    TfcTreeNode* node(int position) const { return entries_[size_t(position)].node; }
    int parent(int position) const { return entries_[size_t(position)].parent; } // -1 at the top
    bool hasChildren(int position) const { return entries_[size_t(position)].end != position + 1; }
    // The position just after the subtree; builds the subtree first.
    int end(int position);

    // Found from the node's ancestors, jumping over the subtrees of their earlier siblings.
    int positionOf(const TfcTreeNode& node);

private:
    static constexpr int32_t kOpen = -1; // the end of a subtree not yet built through

    struct Entry {
        TfcTreeNode* node;
        int32_t end;
        int32_t parent;
    };
    // Where the walk that builds the array stands in one list of children.
    struct Level {
        const std::vector<std::unique_ptr<TfcTreeNode>>* children;
        size_t next;
        int32_t position; // of the parent, -1 for the top level
    };

    bool extendTo(int position);
    void step();

    const TfcTreeNodes& tree_;
    std::vector<Entry> entries_;
    std::vector<Level> levels_;
    std::optional<uint64_t> stamp_;
};

} // namespace tarnlink
