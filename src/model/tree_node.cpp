#include "tree_node.h"

#include "errors.h"
#include "preorder_index.h"

#include <algorithm>

namespace tarnlink {

// ---- TfcTreeNode -----------------------------------------------------------------------------

TfcTreeNode::~TfcTreeNode()
{
    if (handle_)
        handle_->store(nullptr, std::memory_order_release);
}

void TfcTreeNode::SetName(std::string name)
{
    name_ = std::move(name);
    if (owner_)
        owner_->NodeChanged(this);
}

TfcTreeNode* TfcTreeNode::Parent() const
{
    return owner_->parentOf(const_cast<TfcTreeNode*>(this));
}

TfcTreeNode* TfcTreeNode::NextSibling() const
{
    if (!parent_)
        return nullptr;
    const auto& siblings = parent_->children_;
    return index_ + 1 < static_cast<int>(siblings.size()) ? siblings[index_ + 1].get() : nullptr;
}

TfcTreeNode* TfcTreeNode::PrevSibling() const
{
    if (!parent_ || index_ == 0)
        return nullptr;
    return parent_->children_[index_ - 1].get();
}

TfcTreeNode* TfcTreeNode::Item(int i) const
{
    if (i < 0 || i >= ChildCount())
        throw InvalidIndexError();
    return children_[i].get();
}

int TfcTreeNode::IndexOf(const TfcTreeNode* child) const
{
    return child && child->parent_ == this ? child->index_ : -1;
}

bool TfcTreeNode::HasAsParent(const TfcTreeNode* ancestor) const
{
    if (!ancestor)
        return false;
    for (const TfcTreeNode* p = Parent(); p; p = p->Parent())
        if (p == ancestor)
            return true;
    return false;
}

int TfcTreeNode::Level() const
{
    int level = 0;
    for (const TfcTreeNode* p = Parent(); p; p = p->Parent())
        ++level;
    return level;
}

int TfcTreeNode::AbsoluteIndex() const
{
    // Everything before this node in pre-order: each ancestor, and the whole subtrees of the
    // earlier siblings of this node and of every ancestor.
    int index = 0;
    for (const TfcTreeNode* n = this; n->parent_; n = n->parent_) {
        for (int i = 0; i < n->index_; ++i) {
            const TfcTreeNode* sibling = n->parent_->children_[i].get();
            const TfcTreeNode* end = sibling->GetNextAfterSubtree();
            for (const TfcTreeNode* m = sibling; m != end; m = m->GetNext())
                ++index;
        }
        if (n->parent_->parent_)
            ++index; // the parent itself
    }
    return index;
}

TfcTreeNode* TfcTreeNode::GetNext() const
{
    if (!children_.empty())
        return children_.front().get();
    return GetNextAfterSubtree();
}

TfcTreeNode* TfcTreeNode::GetNextAfterSubtree() const
{
    for (const TfcTreeNode* n = this; n && n->parent_; n = n->parent_)
        if (TfcTreeNode* next = n->NextSibling())
            return next;
    return nullptr;
}

TfcTreeNode* TfcTreeNode::GetPrev() const
{
    if (TfcTreeNode* prev = PrevSibling()) {
        while (prev->HasChildren())
            prev = prev->LastChild();
        return prev;
    }
    return Parent();
}

TfcTreeNode* TfcTreeNode::GetNextUnlocked() const
{
    return IsLocked() ? GetNextAfterSubtree() : GetNext();
}

TfcTreeNode* TfcTreeNode::GetPrevUnlocked() const
{
    if (TfcTreeNode* prev = PrevSibling()) {
        while (!prev->IsLocked() && prev->HasChildren())
            prev = prev->LastChild();
        return prev;
    }
    return Parent();
}

bool TfcTreeNode::Expand(bool recursive) { return owner_->Expand(this, recursive); }
void TfcTreeNode::Collapse(bool recursive) { owner_->Collapse(this, recursive); }
bool TfcTreeNode::Selected() const { return owner_->Selected() == this; }
void TfcTreeNode::MoveTo(TfcTreeNode* target, int mode) { owner_->MoveTo(this, target, mode); }
void TfcTreeNode::Delete() { owner_->Delete(this); }

void TfcTreeNode::Assign(const TfcTreeNode& source)
{
    if (&source == this)
        return;
    name_ = source.name_;
    Link1 = source.Link1;
    Link2 = source.Link2;
    Description = source.Description;
    Login = source.Login;
    Password = source.Password;
    Visited = source.Visited;
    FolderPassword = source.FolderPassword;
    PicturePath = source.PicturePath;
    Clicks = source.Clicks;
    Kind = source.Kind;
    ImageIndex = source.ImageIndex;
    SelectedIndex = source.SelectedIndex;
    StateIndex = source.StateIndex;
    OverlayIndex = source.OverlayIndex;
    Data = source.Data;
    CheckboxType = source.CheckboxType;
    Checked = source.Checked;
    Focused = source.Focused;
    DropTarget = source.DropTarget;
    Cut = source.Cut;
    if (owner_)
        owner_->NodeChanged(this);
}

NodeHandle TfcTreeNode::Handle()
{
    if (!handle_)
        handle_ = std::make_shared<std::atomic<TfcTreeNode*>>(this);
    return NodeHandle(handle_);
}

// ---- TfcTreeNodes ----------------------------------------------------------------------------

TfcTreeNodes::TfcTreeNodes() : root_(new TfcTreeNode(this)) {}

TfcTreeNodes::~TfcTreeNodes()
{
    observer_ = nullptr;
    destroyChildren(root_.get());
}

TfcTreeNode* TfcTreeNodes::parentOf(TfcTreeNode* node) const
{
    return node->parent_ == root_.get() ? nullptr : node->parent_;
}

void TfcTreeNodes::renumber(TfcTreeNode* parent, int from)
{
    auto& children = parent->children_;
    for (int i = from; i < static_cast<int>(children.size()); ++i)
        children[i]->index_ = i;
}

TfcTreeNode* TfcTreeNodes::insertNode(TfcTreeNode* parent, int row, std::string name)
{
    TfcTreeNode* container = rootOr(parent);
    std::unique_ptr<TfcTreeNode> node(new TfcTreeNode(this));
    node->name_ = std::move(name);
    node->parent_ = container;
    TfcTreeNode* raw = node.get();
    const bool notify = notifying();
    if (notify)
        observer_->nodesAboutToBeInserted(parent, row, row);
    auto& children = container->children_;
    children.insert(children.begin() + row, std::move(node));
    renumber(container, row);
    ++count_;
    forget();
    if (notify)
        observer_->nodesInserted();
    return raw;
}

TfcTreeNode* TfcTreeNodes::AddChild(TfcTreeNode* parent, std::string name)
{
    return insertNode(parent, rootOr(parent)->ChildCount(), std::move(name));
}

TfcTreeNode* TfcTreeNodes::AddChildFirst(TfcTreeNode* parent, std::string name)
{
    return insertNode(parent, 0, std::move(name));
}

TfcTreeNode* TfcTreeNodes::Add(TfcTreeNode* sibling, std::string name)
{
    return AddChild(sibling ? sibling->Parent() : nullptr, std::move(name));
}

TfcTreeNode* TfcTreeNodes::Insert(TfcTreeNode* sibling, std::string name)
{
    if (!sibling)
        return AddChild(nullptr, std::move(name));
    return insertNode(sibling->Parent(), sibling->index_, std::move(name));
}

void TfcTreeNodes::detachSubtree(TfcTreeNode* node)
{
    // Every reference the tree keeps to the subtree goes before the nodes do.
    const TfcTreeNode* end = node->GetNextAfterSubtree();
    bool selectionTouched = false;
    for (TfcTreeNode* n = node; n != end; n = n->GetNext()) {
        --count_;
        if (n == selected_) {
            selected_ = nullptr;
            selectionTouched = true;
        }
        if (n->inSelection_) {
            n->inSelection_ = false;
            selection_.erase(std::find(selection_.begin(), selection_.end(), n));
            selectionTouched = true;
        }
    }
    forget();
    if (selectionTouched && notifying())
        observer_->selectionChanged();
}

void TfcTreeNodes::destroyChildren(TfcTreeNode* node)
{
    // Iterative, so a deep tree cannot exhaust the stack through nested destructors.
    std::vector<std::unique_ptr<TfcTreeNode>> pending;
    pending.swap(node->children_);
    while (!pending.empty()) {
        std::unique_ptr<TfcTreeNode> n = std::move(pending.back());
        pending.pop_back();
        for (auto& child : n->children_)
            pending.push_back(std::move(child));
        n->children_.clear();
    }
}

void TfcTreeNodes::Delete(TfcTreeNode* node)
{
    if (!node || node->owner_ != this)
        return;
    TfcTreeNode* container = node->parent_;
    TfcTreeNode* parent = parentOf(node);
    const int row = node->index_;
    detachSubtree(node);
    const bool notify = notifying();
    if (notify)
        observer_->nodesAboutToBeRemoved(parent, row, row);
    std::unique_ptr<TfcTreeNode> owned = std::move(container->children_[row]);
    container->children_.erase(container->children_.begin() + row);
    renumber(container, row);
    destroyChildren(owned.get());
    owned.reset();
    if (notify)
        observer_->nodesRemoved();
    if (parent && !parent->HasChildren() && parent->expanded_)
        setExpanded(parent, false);
}

void TfcTreeNodes::Clear()
{
    BeginUpdate();
    selection_.clear();
    selected_ = nullptr;
    destroyChildren(root_.get());
    count_ = 0;
    forget();
    EndUpdate();
}

void TfcTreeNodes::ReorderChildren(TfcTreeNode* parent, const std::vector<TfcTreeNode*>& order)
{
    TfcTreeNode* container = rootOr(parent);
    auto& children = container->children_;
    if (order.size() != children.size())
        return;
    std::vector<bool> taken(children.size(), false);
    for (const TfcTreeNode* node : order) {
        if (!node || node->parent_ != container || taken[size_t(node->index_)])
            return;
        taken[size_t(node->index_)] = true;
    }
    BeginUpdate();
    std::vector<std::unique_ptr<TfcTreeNode>> reordered;
    reordered.reserve(children.size());
    for (const TfcTreeNode* node : order)
        reordered.push_back(std::move(children[size_t(node->index_)]));
    children.swap(reordered);
    renumber(container, 0);
    forget();
    EndUpdate();
}

void TfcTreeNodes::MoveTo(TfcTreeNode* node, TfcTreeNode* target, int mode)
{
    if (!node || node->owner_ != this || mode < 0 || mode > 5)
        return;
    if (target && (target == node ? mode >= 2 : target->HasAsParent(node)))
        return;

    TfcTreeNode* newParent = nullptr;
    int row = 0; // counted before the node is taken out
    switch (mode) {
    case 0:
    case 1:
        newParent = target ? target->Parent() : nullptr;
        row = mode == 0 ? rootOr(newParent)->ChildCount() : 0;
        break;
    case 2:
    case 3:
        newParent = target;
        row = mode == 2 ? rootOr(newParent)->ChildCount() : 0;
        break;
    case 4:
    case 5:
        if (!target)
            return;
        newParent = target->Parent();
        row = target->index_ + (mode == 5 ? 1 : 0);
        break;
    }

    TfcTreeNode* oldContainer = node->parent_;
    TfcTreeNode* oldParent = parentOf(node);
    TfcTreeNode* newContainer = rootOr(newParent);
    const int oldRow = node->index_;
    if (oldContainer == newContainer && (row == oldRow || row == oldRow + 1))
        return; // already there (this covers mode 4 onto the node's own next sibling)

    const bool notify = notifying();
    if (notify)
        observer_->nodeAboutToBeMoved(oldParent, oldRow, newParent, row);
    std::unique_ptr<TfcTreeNode> owned = std::move(oldContainer->children_[oldRow]);
    oldContainer->children_.erase(oldContainer->children_.begin() + oldRow);
    renumber(oldContainer, oldRow);
    if (oldContainer == newContainer && row > oldRow)
        --row;
    owned->parent_ = newContainer;
    newContainer->children_.insert(newContainer->children_.begin() + row, std::move(owned));
    renumber(newContainer, std::min(row, oldContainer == newContainer ? oldRow : row));
    forget();
    if (notify)
        observer_->nodeMoved();

    if (oldParent && !oldParent->HasChildren() && oldParent->expanded_)
        setExpanded(oldParent, false);
    if (newParent && !newParent->expanded_)
        Expand(newParent, false);
}

TfcTreeNode* TfcTreeNodes::GetFirstNode() const
{
    return root_->FirstChild();
}

TfcTreeNode* TfcTreeNodes::NodeAt(int absoluteIndex)
{
    if (absoluteIndex < 0 || absoluteIndex >= count_)
        throw InvalidIndexError();
    TfcTreeNode* node;
    if (cacheNode_ && absoluteIndex == cacheIndex_) {
        node = cacheNode_;
    } else if (cacheNode_ && absoluteIndex == cacheIndex_ + 1) {
        node = cacheNode_->GetNext();
    } else if (cacheNode_ && absoluteIndex == cacheIndex_ - 1) {
        node = cacheNode_->GetPrev();
    } else {
        node = GetFirstNode();
        for (int i = 0; i < absoluteIndex; ++i)
            node = node->GetNext();
    }
    if (!node)
        throw InvalidIndexError();
    cacheNode_ = node;
    cacheIndex_ = absoluteIndex;
    return node;
}

void TfcTreeNodes::BeginUpdate()
{
    if (updateCount_++ == 0 && observer_)
        observer_->aboutToReset();
}

void TfcTreeNodes::EndUpdate()
{
    if (updateCount_ == 0)
        return;
    if (--updateCount_ == 0 && observer_)
        observer_->resetDone();
}

PreorderIndex& TfcTreeNodes::Preorder() const
{
    if (!preorder_)
        preorder_ = std::make_unique<PreorderIndex>(*this);
    preorder_->sync();
    return *preorder_;
}

void TfcTreeNodes::NodeChanged(TfcTreeNode* node)
{
    if (node && node != root_.get() && notifying())
        observer_->nodeChanged(node);
}

// ---- subtree copy ------------------------------------------------------------------------------

TfcTreeNode* CopySubtree(const TfcTreeNode& source, TfcTreeNodes& dst, TfcTreeNode* dstParent, TfcTreeNode* before)
{
    auto copyFields = [&](const TfcTreeNode& from, TfcTreeNode* parent, TfcTreeNode* next = nullptr) {
        TfcTreeNode* to = next ? dst.Insert(next, from.Name()) : dst.AddChild(parent, from.Name());
        to->Link1 = from.Link1;
        to->Link2 = from.Link2;
        to->Description = from.Description;
        to->Login = from.Login;
        to->Password = from.Password;
        to->Visited = from.Visited;
        to->FolderPassword = from.FolderPassword;
        to->PicturePath = from.PicturePath;
        to->Clicks = from.Clicks;
        to->Kind = from.Kind;
        to->ImageIndex = from.ImageIndex;
        to->SelectedIndex = from.SelectedIndex;
        to->Data = from.Data;
        return to;
    };
    // Counted first: a copy placed inside its own source must not be copied again.
    const int topChildren = source.ChildCount();
    TfcTreeNode* top = copyFields(source, dstParent, before);
    struct Pending {
        const TfcTreeNode* from;
        TfcTreeNode* to;
        int children;
    };
    std::vector<Pending> pending{{&source, top, topChildren}};
    while (!pending.empty()) {
        const Pending p = pending.back();
        pending.pop_back();
        for (int i = 0; i < p.children; ++i) {
            const TfcTreeNode* child = p.from->Item(i);
            pending.push_back({child, copyFields(*child, p.to), child->ChildCount()});
        }
    }
    return top;
}

} // namespace tarnlink
