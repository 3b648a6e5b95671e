#pragma once

// The folder list: one level of the tree as a table of six columns (the children of a folder,
// or a link with its siblings), without separators. It follows the tree's item model, so a
// change of one node changes one row, and the contents of a locked folder never reach it.

#include "model/tree_node.h"

#include <QAbstractTableModel>

#include <vector>

namespace tarnlink {

class TreeItemModel;

class FolderListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ColName, ColLink1, ColLink2, ColDescription, ColLogin, ColPassword, ColumnCount };

    explicit FolderListModel(TreeItemModel& tree, QObject* parent = nullptr);

    // Lists the level of the node: a folder's or separator's children, a link's siblings. No
    // node, or a level inside a locked folder, leaves the list as it is.
    void FillListView(TfcTreeNode* node);
    // Sorts once by the column's text, ascending and without regard to ASCII letter case; the
    // next fill restores the tree's order.
    void sortByColumn(int column);
    // The header's captions again, after a change of language.
    void retranslate();

    TfcTreeNode* nodeAt(int row) const;
    TfcTreeNode* nodeOf(const QModelIndex& index) const { return index.isValid() ? nodeAt(index.row()) : nullptr; }
    // -1 when the node is not listed.
    int rowOf(const TfcTreeNode* node) const;

    // The item's image: a link's own icon, a folder's plain or protected one.
    static int ListIconIndex(const TfcTreeNode& node);
    static QString text(const TfcTreeNode& node, int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    // A link item dragged out: its name and Link 1, in the formats browsers accept.
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override;

private:
    // The level listed now: absent, the top level, or a parent's children.
    bool listsLevelOf(const TfcTreeNode* parent) const;
    TfcTreeNode* levelParent() const { return topLevel_ ? nullptr : level_.get(); }
    bool levelExposed(const TfcTreeNode* parent) const;
    void collect(TfcTreeNode* parent);
    // The row where a node of the level goes: its place in the tree, or in the sorted order.
    int placeFor(const TfcTreeNode* node) const;
    void insertNode(TfcTreeNode* node);
    void removeRows(std::vector<int> rows);
    void forgetLevel();

    void onRowsAboutToBeRemoved(const QModelIndex& parent, int first, int last);
    void onRowsInserted(const QModelIndex& parent, int first, int last);
    void onRowsAboutToBeMoved(const QModelIndex& source, int row);
    void onRowsMoved();
    void onDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight);
    void onAboutToReset();
    void onReset();

    TreeItemModel& tree_;
    std::vector<TfcTreeNode*> rows_;
    bool hasLevel_ = false;
    bool topLevel_ = false;
    NodeHandle level_;
    int sortedBy_ = -1; // -1: the tree's order
    TfcTreeNode* moving_ = nullptr;
    int movingRow_ = -1;
};

} // namespace tarnlink
