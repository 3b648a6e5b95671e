// What a view shows of the tree: which folders are open, and which nodes are selected.

#include "tree_node.h"

#include "errors.h"

#include <algorithm>

namespace tarnlink {

void TfcTreeNodes::setExpanded(TfcTreeNode* node, bool expanded)
{
    if (node->expanded_ == expanded)
        return;
    const bool notify = notifying();
    if (notify)
        observer_->expandedAboutToChange(node);
    node->expanded_ = expanded;
    if (notify)
        observer_->expandedChanged(node);
}

bool TfcTreeNodes::Expand(TfcTreeNode* node, bool recursive)
{
    if (!node)
        return false;
    if (!node->expanded_) {
        if (!node->HasChildren())
            return false;
        if (OnExpanding && !OnExpanding(node))
            return false;
        setExpanded(node, true);
    }
    if (recursive) {
        // A child that stays shut keeps its own subtree shut too.
        std::vector<TfcTreeNode*> pending;
        for (auto& child : node->children_)
            pending.push_back(child.get());
        while (!pending.empty()) {
            TfcTreeNode* n = pending.back();
            pending.pop_back();
            if (n->HasChildren() && Expand(n, false))
                for (auto& child : n->children_)
                    pending.push_back(child.get());
        }
    }
    return true;
}

void TfcTreeNodes::Collapse(TfcTreeNode* node, bool recursive)
{
    if (!node)
        return;
    if (recursive) {
        const TfcTreeNode* end = node->GetNextAfterSubtree();
        for (TfcTreeNode* n = node->GetNext(); n != end; n = n->GetNext())
            setExpanded(n, false);
    }
    setExpanded(node, false);
}

void TfcTreeNodes::FullExpand()
{
    for (TfcTreeNode* n = GetFirstNode(); n; n = n->NextSibling())
        Expand(n, true);
}

void TfcTreeNodes::FullCollapse()
{
    for (TfcTreeNode* n = GetFirstNode(); n; n = n->NextSibling())
        Collapse(n, true);
}

void TfcTreeNodes::Select(TfcTreeNode* node)
{
    for (TfcTreeNode* n : selection_)
        n->inSelection_ = false;
    selection_.clear();
    selected_ = node;
    if (node) {
        node->inSelection_ = true;
        selection_.push_back(node);
    }
    if (notifying())
        observer_->selectionChanged();
}

void TfcTreeNodes::AddToSelection(TfcTreeNode* node)
{
    if (!node)
        return;
    selected_ = node;
    if (!node->inSelection_) {
        node->inSelection_ = true;
        selection_.push_back(node);
    }
    if (notifying())
        observer_->selectionChanged();
}

void TfcTreeNodes::RemoveFromSelection(TfcTreeNode* node)
{
    if (!node || !node->inSelection_)
        return;
    node->inSelection_ = false;
    selection_.erase(std::find(selection_.begin(), selection_.end(), node));
    if (notifying())
        observer_->selectionChanged();
}

void TfcTreeNodes::ClearSelection()
{
    for (TfcTreeNode* n : selection_)
        n->inSelection_ = false;
    selection_.clear();
    if (notifying())
        observer_->selectionChanged();
}

TfcTreeNode* TfcTreeNodes::Selection(int i) const
{
    if (i < 0 || i >= SelectionCount())
        throw InvalidIndexError();
    return selection_[i];
}

bool TfcTreeNodes::MakeVisible(TfcTreeNode* node)
{
    std::vector<TfcTreeNode*> ancestors;
    for (TfcTreeNode* p = node ? node->Parent() : nullptr; p; p = p->Parent())
        ancestors.push_back(p);
    for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it)
        if (!(*it)->expanded_ && !Expand(*it, false))
            return false;
    return true;
}

} // namespace tarnlink
