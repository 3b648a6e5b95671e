#include "ui/tree/tree_model.h"

#include "ui/kit/icons.h"
#include "platform/codepage.h"

namespace tarnlink {

TreeItemModel::TreeItemModel(TfcTreeNodes& tree, QObject* parent) : QAbstractItemModel(parent), tree_(tree)
{
    rebuildHidden();
    tree_.SetObserver(this);
}

TreeItemModel::~TreeItemModel()
{
    tree_.SetObserver(nullptr);
}

TfcTreeNode* TreeItemModel::nodeOf(const QModelIndex& index)
{
    return index.isValid() ? static_cast<TfcTreeNode*>(index.internalPointer()) : nullptr;
}

bool TreeItemModel::childrenExposed(const TfcTreeNode* parent) const
{
    return !parent || (!rowsHidden(parent) && exposed(parent));
}

bool TreeItemModel::exposed(const TfcTreeNode* node) const
{
    if (!node)
        return false;
    if (hidden_.empty())
        return true;
    for (const TfcTreeNode* p = node->Parent(); p; p = p->Parent())
        if (rowsHidden(p))
            return false;
    return true;
}

QModelIndex TreeItemModel::indexOf(TfcTreeNode* node) const
{
    if (!node || !exposed(node))
        return {};
    return createIndex(node->Index(), 0, node);
}

QModelIndex TreeItemModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0 || row >= rowCount(parent))
        return {};
    TfcTreeNode* p = nodeOf(parent);
    TfcTreeNode* child = p ? p->Item(row) : tree_.TopLevelItem(row);
    return createIndex(row, 0, child);
}

QModelIndex TreeItemModel::parent(const QModelIndex& child) const
{
    TfcTreeNode* node = nodeOf(child);
    TfcTreeNode* p = node ? node->Parent() : nullptr;
    return p ? createIndex(p->Index(), 0, p) : QModelIndex();
}

int TreeItemModel::rowCount(const QModelIndex& parent) const
{
    if (parent.column() > 0)
        return 0;
    const TfcTreeNode* p = nodeOf(parent);
    if (!p)
        return tree_.TopLevelCount();
    return rowsHidden(p) ? 0 : p->ChildCount();
}

int TreeItemModel::columnCount(const QModelIndex& parent) const
{
    return parent.column() > 0 ? 0 : 1;
}

bool TreeItemModel::hasChildren(const QModelIndex& parent) const
{
    // A locked folder keeps its expand button; opening it goes through the password guard.
    if (parent.column() > 0)
        return false;
    const TfcTreeNode* p = nodeOf(parent);
    return p ? p->HasChildren() : tree_.TopLevelCount() > 0;
}

QVariant TreeItemModel::data(const QModelIndex& index, int role) const
{
    const TfcTreeNode* node = nodeOf(index);
    if (!node)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return node->IsSeparator() ? QString() : codepage::toDisplay(node->Name());
    case Qt::DecorationRole:
        return images::treeIcon(node->ImageIndex, node->SelectedIndex);
    default:
        return {};
    }
}

Qt::ItemFlags TreeItemModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void TreeItemModel::nodesAboutToBeInserted(TfcTreeNode* parent, int first, int last)
{
    if (parent)
        syncLock(parent);
    pending_ = Pending::None;
    if (!childrenExposed(parent))
        return;
    beginInsertRows(indexOf(parent), first, last);
    pending_ = Pending::Insert;
}

void TreeItemModel::nodesInserted()
{
    if (pending_ == Pending::Insert)
        endInsertRows();
    pending_ = Pending::None;
}

void TreeItemModel::nodesAboutToBeRemoved(TfcTreeNode* parent, int first, int last)
{
    pending_ = Pending::None;
    const bool shown = childrenExposed(parent);
    if (shown) {
        beginRemoveRows(indexOf(parent), first, last);
        pending_ = Pending::Remove;
    }
    if (!hidden_.empty())
        for (int row = first; row <= last; ++row)
            forgetSubtree(parent ? parent->Item(row) : tree_.TopLevelItem(row));
}

void TreeItemModel::nodesRemoved()
{
    if (pending_ == Pending::Remove)
        endRemoveRows();
    pending_ = Pending::None;
}

void TreeItemModel::nodeAboutToBeMoved(TfcTreeNode* srcParent, int srcRow, TfcTreeNode* dstParent, int dstRow)
{
    pending_ = Pending::None;
    if (dstParent)
        syncLock(dstParent);
    const bool fromShown = childrenExposed(srcParent);
    const bool toShown = childrenExposed(dstParent);
    if (fromShown && toShown) {
        if (beginMoveRows(indexOf(srcParent), srcRow, srcRow, indexOf(dstParent), dstRow))
            pending_ = Pending::Move;
    } else if (fromShown) {
        beginRemoveRows(indexOf(srcParent), srcRow, srcRow);
        pending_ = Pending::Remove;
    } else if (toShown) {
        beginInsertRows(indexOf(dstParent), dstRow, dstRow);
        pending_ = Pending::Insert;
    }
}

void TreeItemModel::nodeMoved()
{
    switch (pending_) {
    case Pending::Move:
        endMoveRows();
        break;
    case Pending::Remove:
        endRemoveRows();
        break;
    case Pending::Insert:
        endInsertRows();
        break;
    case Pending::None:
        break;
    }
    pending_ = Pending::None;
}

void TreeItemModel::nodeChanged(TfcTreeNode* node)
{
    syncLock(node);
    const QModelIndex index = indexOf(node);
    if (index.isValid())
        emit dataChanged(index, index);
}

void TreeItemModel::expandedChanged(TfcTreeNode* node)
{
    syncLock(node);
    const QModelIndex index = indexOf(node);
    if (index.isValid())
        emit expansionChanged(index, node->Expanded());
}

void TreeItemModel::selectionChanged()
{
    emit treeSelectionChanged();
}

void TreeItemModel::aboutToReset()
{
    beginResetModel();
}

void TreeItemModel::resetDone()
{
    rebuildHidden();
    endResetModel();
    emit resetFinished();
}

void TreeItemModel::syncLock(TfcTreeNode* node)
{
    const bool hide = node->IsLocked();
    if (hide == rowsHidden(node))
        return;
    const int children = node->ChildCount();
    const bool visible = exposed(node) && children > 0;
    if (hide) {
        if (visible)
            beginRemoveRows(indexOf(node), 0, children - 1);
        hidden_.insert(node);
        if (visible)
            endRemoveRows();
    } else {
        if (visible)
            beginInsertRows(indexOf(node), 0, children - 1);
        hidden_.erase(node);
        if (visible)
            endInsertRows();
    }
}

void TreeItemModel::forgetSubtree(const TfcTreeNode* node)
{
    const TfcTreeNode* end = node->GetNextAfterSubtree();
    for (const TfcTreeNode* n = node; n != end; n = n->GetNext())
        hidden_.erase(n);
}

void TreeItemModel::rebuildHidden()
{
    // Every reset of a large tree runs this: only nodes with children can hide rows, so leaves
    // are looked at no further than their children.
    hidden_.clear();
    std::vector<const TfcTreeNode*> pending;
    for (int i = 0; i < tree_.TopLevelCount(); ++i)
        if (tree_.TopLevelItem(i)->HasChildren())
            pending.push_back(tree_.TopLevelItem(i));
    while (!pending.empty()) {
        const TfcTreeNode* n = pending.back();
        pending.pop_back();
        if (n->IsLocked())
            hidden_.insert(n);
        for (int i = 0; i < n->ChildCount(); ++i)
            if (n->Item(i)->HasChildren())
                pending.push_back(n->Item(i));
    }
}

} // namespace tarnlink
