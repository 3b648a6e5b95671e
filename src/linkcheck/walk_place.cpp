#include "walk_place.h"

namespace tarnlink {

namespace {

// Reading the clock costs more than stepping a node.
constexpr int kNodesPerClockReading = 256;

bool within(const TfcTreeNode* node, const TfcTreeNode* scope)
{
    return !scope || node->HasAsParent(scope);
}

const TfcTreeNode* endOf(const TfcTreeNode* scope)
{
    return scope ? scope->GetNextAfterSubtree() : nullptr;
}

} // namespace

bool SliceBudget::spent()
{
    if (--nodes_ <= 0)
        return true;
    if (++sinceClock_ < kNodesPerClockReading)
        return false;
    sinceClock_ = 0;
    return Clock::now() >= until_;
}

void WalkPlace::keep(TfcTreeNode* next, TfcTreeNode* last, int index, const TfcTreeNode* scope)
{
    ended_ = next == nullptr;
    next_ = next ? next->Handle() : NodeHandle();
    last_ = last ? last->Handle() : NodeHandle();
    followers_.clear();
    for (const TfcTreeNode* n = next; n && n != scope; n = n->Parent())
        if (TfcTreeNode* sibling = n->NextSibling())
            followers_.push_back(sibling->Handle());
    index_ = index;
    stamp_ = next ? next->Owner()->StructureStamp() : 0;
}

TfcTreeNode* WalkPlace::resume(const TfcTreeNode* scope, int& index)
{
    if (ended_)
        return nullptr;
    TfcTreeNode* node = next_.get();
    bool counted = node && within(node, scope) && node->Owner()->StructureStamp() == stamp_;
    if (!node || !within(node, scope))
        node = fallback(scope);
    if (node) {
        if (const TfcTreeNode* closed = outermostNotEntered(node, scope)) {
            node = following(closed, endOf(scope));
            counted = false;
        }
    }
    if (!node) {
        ended_ = true;
        return nullptr;
    }
    index = counted ? index_ : node->AbsoluteIndex();
    return node;
}

TfcTreeNode* WalkPlace::following(const TfcTreeNode* node, const TfcTreeNode* end) const
{
    TfcTreeNode* next = enters_(*node) ? node->GetNext() : node->GetNextAfterSubtree();
    return next == end ? nullptr : next;
}

TfcTreeNode* WalkPlace::step(const TfcTreeNode* node, int& index, const TfcTreeNode* end) const
{
    if (enters_(*node)) {
        ++index;
        return following(node, end);
    }
    TfcTreeNode* after = node->GetNextAfterSubtree();
    for (const TfcTreeNode* n = node; n != after; n = n->GetNext())
        ++index;
    return after == end ? nullptr : after;
}

TfcTreeNode* WalkPlace::fallback(const TfcTreeNode* scope) const
{
    if (const TfcTreeNode* last = last_.get(); last && within(last, scope))
        return following(last, endOf(scope));
    for (const NodeHandle& follower : followers_)
        if (TfcTreeNode* node = follower.get(); node && within(node, scope))
            return node;
    return nullptr;
}

const TfcTreeNode* WalkPlace::outermostNotEntered(const TfcTreeNode* node, const TfcTreeNode* scope) const
{
    const TfcTreeNode* outermost = nullptr;
    for (const TfcTreeNode* n = node->Parent(); n && n != scope; n = n->Parent())
        if (!enters_(*n))
            outermost = n;
    return outermost;
}

} // namespace tarnlink
