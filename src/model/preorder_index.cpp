#include "preorder_index.h"

#include "tree_node.h"

#include <limits>

namespace tarnlink {

namespace {

// While one node is added, the memory is asked for the child list of a sibling this far ahead;
// on entering a folder, for those of its first children.
constexpr size_t kSiblingsAhead = 8;

} // namespace

void PreorderIndex::sync()
{
    if (stamp_ == tree_.StructureStamp())
        return;
    entries_.clear();
    levels_.clear();
    if (const TfcTreeNode* first = tree_.GetFirstNode()) {
        entries_.reserve(size_t(tree_.Count()));
        levels_.push_back({&first->parent_->children_, 0, -1});
    }
    stamp_ = tree_.StructureStamp();
}

bool PreorderIndex::extendTo(int position)
{
    while (position >= built() && !levels_.empty())
        step();
    return position < built();
}

// Adds the next node in pre-order, after closing the subtrees the walk has left.
void PreorderIndex::step()
{
    while (levels_.back().next == levels_.back().children->size()) {
        if (levels_.back().position >= 0)
            entries_[size_t(levels_.back().position)].end = built();
        levels_.pop_back();
        if (levels_.empty())
            return;
    }
    Level& level = levels_.back();
    const auto& children = *level.children;
    if (level.next + kSiblingsAhead < children.size())
        __builtin_prefetch(&children[level.next + kSiblingsAhead]->children_);
    TfcTreeNode* node = children[level.next++].get();
    const int32_t position = built();
    entries_.push_back({node, node->HasChildren() ? kOpen : position + 1, level.position});
    if (node->HasChildren()) {
        levels_.push_back({&node->children_, 0, position});
        for (size_t i = 0; i < kSiblingsAhead && i < node->children_.size(); ++i)
            __builtin_prefetch(&node->children_[i]->children_);
    }
}

void PreorderIndex::complete()
{
    extendTo(std::numeric_limits<int>::max());
}

int PreorderIndex::end(int position)
{
    reach(position);
    while (entries_[size_t(position)].end == kOpen)
        step();
    return entries_[size_t(position)].end;
}

int PreorderIndex::positionOf(const TfcTreeNode& node)
{
    std::vector<const TfcTreeNode*> path;
    for (const TfcTreeNode* n = &node; n; n = n->Parent())
        path.push_back(n);
    int position = 0;
    for (auto n = path.rbegin(); n != path.rend(); ++n) {
        if (n != path.rbegin())
            ++position; // the first child of the ancestor just reached
        for (int i = 0; i < (*n)->Index(); ++i)
            position = end(position);
    }
    reach(position);
    return position;
}

} // namespace tarnlink
