#include "ui/listview/folder_list_model.h"

#include "model/node_icons.h"
#include "platform/codepage.h"
#include "ui/kit/icons.h"
#include "ui/kit/link_drop.h"
#include "ui/kit/translate.h"
#include "ui/kit/windows_color.h"
#include "ui/tree/tree_model.h"

#include <QMimeData>

#include <algorithm>

namespace tarnlink {

namespace {

constexpr const char* kCaptions[FolderListModel::ColumnCount] = {"Name",        "Link 1", "Link 2",
                                                                  "Description", "Login",  "Password"};

TfcTreeNode* childAt(const TfcTreeNodes& tree, const TfcTreeNode* parent, int row)
{
    return parent ? parent->Item(row) : tree.TopLevelItem(row);
}

const std::string& field(const TfcTreeNode& node, int column)
{
    switch (column) {
    case FolderListModel::ColLink1:
        return node.Link1;
    case FolderListModel::ColLink2:
        return node.Link2;
    case FolderListModel::ColDescription:
        return node.Description;
    case FolderListModel::ColLogin:
        return node.Login;
    case FolderListModel::ColPassword:
        return node.Password;
    default:
        return node.Name();
    }
}

// The column's text as the sort compares it: ASCII letters in one case, and the description's
// lines run together as the column shows them.
std::string sortKey(const TfcTreeNode& node, int column)
{
    std::string key = field(node, column);
    if (column == FolderListModel::ColDescription)
        std::erase_if(key, [](char c) { return c == '\r' || c == '\n'; });
    for (char& c : key)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return key;
}

} // namespace

FolderListModel::FolderListModel(TreeItemModel& tree, QObject* parent) : QAbstractTableModel(parent), tree_(tree)
{
    connect(&tree, &QAbstractItemModel::rowsAboutToBeRemoved, this, &FolderListModel::onRowsAboutToBeRemoved);
    connect(&tree, &QAbstractItemModel::rowsInserted, this, &FolderListModel::onRowsInserted);
    connect(&tree, &QAbstractItemModel::rowsAboutToBeMoved, this,
            [this](const QModelIndex& source, int row) { onRowsAboutToBeMoved(source, row); });
    connect(&tree, &QAbstractItemModel::rowsMoved, this, &FolderListModel::onRowsMoved);
    connect(&tree, &QAbstractItemModel::dataChanged, this, &FolderListModel::onDataChanged);
    connect(&tree, &QAbstractItemModel::modelAboutToBeReset, this, &FolderListModel::onAboutToReset);
    connect(&tree, &QAbstractItemModel::modelReset, this, &FolderListModel::onReset);
}

// ---- the level ---------------------------------------------------------------------------------

bool FolderListModel::listsLevelOf(const TfcTreeNode* parent) const
{
    if (!hasLevel_)
        return false;
    return topLevel_ ? parent == nullptr : parent && parent == level_.get();
}

bool FolderListModel::levelExposed(const TfcTreeNode* parent) const
{
    return !parent || (!parent->IsLocked() && tree_.exposed(parent));
}

void FolderListModel::collect(TfcTreeNode* parent)
{
    const TfcTreeNodes& tree = tree_.tree();
    const int count = parent ? parent->ChildCount() : tree.TopLevelCount();
    rows_.reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        if (TfcTreeNode* node = childAt(tree, parent, i); !node->IsSeparator())
            rows_.push_back(node);
}

void FolderListModel::FillListView(TfcTreeNode* node)
{
    if (!node)
        return;
    TfcTreeNode* parent = node->IsLink() ? node->Parent() : node;
    if (!levelExposed(parent))
        return;
    beginResetModel();
    rows_.clear();
    hasLevel_ = true;
    topLevel_ = parent == nullptr;
    level_ = parent ? parent->Handle() : NodeHandle();
    sortedBy_ = -1;
    collect(parent);
    endResetModel();
}

void FolderListModel::forgetLevel()
{
    beginResetModel();
    rows_.clear();
    hasLevel_ = false;
    level_ = {};
    endResetModel();
}

void FolderListModel::sortByColumn(int column)
{
    if (column < 0 || column >= ColumnCount)
        return;
    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    std::vector<TfcTreeNode*> nodes;
    nodes.reserve(size_t(before.size()));
    for (const QModelIndex& index : before)
        nodes.push_back(nodeOf(index));

    std::vector<std::pair<std::string, TfcTreeNode*>> keyed;
    keyed.reserve(rows_.size());
    for (TfcTreeNode* node : rows_)
        keyed.emplace_back(sortKey(*node, column), node);
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < keyed.size(); ++i)
        rows_[i] = keyed[i].second;
    sortedBy_ = column;

    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after.append(nodes[size_t(i)] ? index(rowOf(nodes[size_t(i)]), before[i].column()) : QModelIndex());
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

TfcTreeNode* FolderListModel::nodeAt(int row) const
{
    return row >= 0 && size_t(row) < rows_.size() ? rows_[size_t(row)] : nullptr;
}

int FolderListModel::rowOf(const TfcTreeNode* node) const
{
    if (!node)
        return -1;
    if (sortedBy_ < 0) {
        // In the tree's order the rows are ordered by their place among their siblings.
        const auto it = std::lower_bound(rows_.begin(), rows_.end(), node->Index(),
                                         [](const TfcTreeNode* row, int index) { return row->Index() < index; });
        return it != rows_.end() && *it == node ? int(it - rows_.begin()) : -1;
    }
    const auto it = std::find(rows_.begin(), rows_.end(), node);
    return it != rows_.end() ? int(it - rows_.begin()) : -1;
}

int FolderListModel::placeFor(const TfcTreeNode* node) const
{
    if (sortedBy_ < 0)
        return int(std::lower_bound(rows_.begin(), rows_.end(), node->Index(),
                                    [](const TfcTreeNode* row, int index) { return row->Index() < index; })
                   - rows_.begin());
    const std::string key = sortKey(*node, sortedBy_);
    return int(std::upper_bound(rows_.begin(), rows_.end(), key,
                                [this](const std::string& k, const TfcTreeNode* row) { return k < sortKey(*row, sortedBy_); })
               - rows_.begin());
}

void FolderListModel::insertNode(TfcTreeNode* node)
{
    const int row = placeFor(node);
    beginInsertRows({}, row, row);
    rows_.insert(rows_.begin() + row, node);
    endInsertRows();
}

void FolderListModel::removeRows(std::vector<int> rows)
{
    // From the last row up, one signal for each run of neighbouring rows.
    std::sort(rows.begin(), rows.end(), std::greater<>());
    for (size_t i = 0; i < rows.size();) {
        size_t j = i + 1;
        while (j < rows.size() && rows[j] == rows[j - 1] - 1)
            ++j;
        const int first = rows[j - 1];
        const int last = rows[i];
        beginRemoveRows({}, first, last);
        rows_.erase(rows_.begin() + first, rows_.begin() + last + 1);
        endRemoveRows();
        i = j;
    }
}

// ---- following the tree ------------------------------------------------------------------------

void FolderListModel::onRowsAboutToBeRemoved(const QModelIndex& parentIndex, int first, int last)
{
    if (!hasLevel_)
        return;
    const TfcTreeNode* parent = TreeItemModel::nodeOf(parentIndex);
    if (!topLevel_) {
        // The listed folder, or one that holds it, leaves the tree or disappears behind a lock.
        const TfcTreeNode* level = level_.get();
        if (!level)
            return forgetLevel();
        for (const TfcTreeNode* n = level; n; n = n->Parent())
            if (n->Parent() == parent && n->Index() >= first && n->Index() <= last)
                return forgetLevel();
    }
    if (!listsLevelOf(parent))
        return;
    std::vector<int> rows;
    for (int i = first; i <= last; ++i)
        if (const int row = rowOf(childAt(tree_.tree(), parent, i)); row >= 0)
            rows.push_back(row);
    removeRows(std::move(rows));
}

void FolderListModel::onRowsInserted(const QModelIndex& parentIndex, int first, int last)
{
    TfcTreeNode* parent = TreeItemModel::nodeOf(parentIndex);
    if (!listsLevelOf(parent))
        return;
    std::vector<TfcTreeNode*> added;
    for (int i = first; i <= last; ++i)
        if (TfcTreeNode* node = childAt(tree_.tree(), parent, i); !node->IsSeparator())
            added.push_back(node);
    if (added.empty())
        return;
    if (sortedBy_ >= 0) {
        for (TfcTreeNode* node : added)
            insertNode(node);
        return;
    }
    // Neighbours in the tree are neighbours in the list.
    const int row = placeFor(added.front());
    beginInsertRows({}, row, row + int(added.size()) - 1);
    rows_.insert(rows_.begin() + row, added.begin(), added.end());
    endInsertRows();
}

void FolderListModel::onRowsAboutToBeMoved(const QModelIndex& source, int row)
{
    moving_ = childAt(tree_.tree(), TreeItemModel::nodeOf(source), row);
    movingRow_ = listsLevelOf(moving_->Parent()) ? rowOf(moving_) : -1;
}

void FolderListModel::onRowsMoved()
{
    TfcTreeNode* node = moving_;
    moving_ = nullptr;
    if (!node)
        return;
    if (movingRow_ >= 0)
        removeRows({movingRow_});
    if (listsLevelOf(node->Parent()) && !node->IsSeparator())
        insertNode(node);
}

void FolderListModel::onDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight)
{
    const TfcTreeNode* parent = TreeItemModel::nodeOf(topLeft.parent());
    if (!listsLevelOf(parent))
        return;
    for (int i = topLeft.row(); i <= bottomRight.row(); ++i) {
        TfcTreeNode* node = childAt(tree_.tree(), parent, i);
        const int row = rowOf(node);
        // A node made a separator after it was added leaves the list.
        if (node->IsSeparator() && row >= 0)
            removeRows({row});
        else if (!node->IsSeparator() && row < 0)
            insertNode(node);
        else if (row >= 0)
            emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    }
}

void FolderListModel::onAboutToReset()
{
    beginResetModel();
    rows_.clear();
}

void FolderListModel::onReset()
{
    sortedBy_ = -1;
    if (hasLevel_ && !topLevel_ && !level_)
        hasLevel_ = false;
    if (hasLevel_ && levelExposed(levelParent()))
        collect(levelParent());
    endResetModel();
}

// ---- the items ---------------------------------------------------------------------------------

int FolderListModel::ListIconIndex(const TfcTreeNode& node)
{
    if (node.IsFolder())
        return node.FolderPassword.empty() ? icon::Folder : icon::FolderProtected;
    return node.ImageIndex;
}

QString FolderListModel::text(const TfcTreeNode& node, int column)
{
    QString text = codepage::toDisplay(field(node, column));
    if (column == ColDescription) {
        text.remove(u'\r');
        text.remove(u'\n');
    }
    return text;
}

int FolderListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int FolderListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FolderListModel::data(const QModelIndex& index, int role) const
{
    const TfcTreeNode* node = nodeOf(index);
    if (!node || index.column() >= ColumnCount)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return text(*node, index.column());
    case Qt::DecorationRole:
        return index.column() == ColName ? images::treeImage(ListIconIndex(*node)) : QVariant();
    case Qt::ForegroundRole:
        if (const auto colour = RatingColour(RatingFromImageIndex(ListIconIndex(*node))))
            return FromWindowsColor(*colour);
        return {};
    default:
        return {};
    }
}

QVariant FolderListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return {};
    return Translate(kCaptions[section]);
}

void FolderListModel::retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

Qt::ItemFlags FolderListModel::flags(const QModelIndex& index) const
{
    const TfcTreeNode* node = nodeOf(index);
    if (!node)
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    return node->IsFolder() ? flags : flags | Qt::ItemIsDragEnabled;
}

QStringList FolderListModel::mimeTypes() const
{
    return {QStringLiteral("text/x-moz-url"), QStringLiteral("text/uri-list")};
}

QMimeData* FolderListModel::mimeData(const QModelIndexList& indexes) const
{
    const TfcTreeNode* node = indexes.isEmpty() ? nullptr : nodeOf(indexes.first());
    if (!node || node->IsFolder())
        return nullptr;
    return LinkMimeData(text(*node, ColName), text(*node, ColLink1));
}

Qt::DropActions FolderListModel::supportedDragActions() const
{
    return Qt::CopyAction | Qt::LinkAction;
}

} // namespace tarnlink
