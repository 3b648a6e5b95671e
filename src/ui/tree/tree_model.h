#pragma once

// TfcTreeNodes as a QAbstractItemModel. The tree owns every node and state; the model only
// translates its observer calls. A locked folder (password set, not expanded) exposes no rows,
// so its contents cannot reach a view before the password is accepted. A BeginUpdate/EndUpdate
// bracket becomes one model reset.

#include "model/tree_node.h"

#include <QAbstractItemModel>

#include <unordered_set>
#include <vector>

namespace tarnlink {

class TreeItemModel : public QAbstractItemModel, private TreeObserver {
    Q_OBJECT
public:
    explicit TreeItemModel(TfcTreeNodes& tree, QObject* parent = nullptr);
    ~TreeItemModel() override;

    TfcTreeNodes& tree() const { return tree_; }
    static TfcTreeNode* nodeOf(const QModelIndex& index);
    // Invalid for a node inside a locked folder.
    QModelIndex indexOf(TfcTreeNode* node) const;
    bool exposed(const TfcTreeNode* node) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    // The tree expanded or collapsed a node the view can see.
    void expansionChanged(const QModelIndex& index, bool expanded);
    void treeSelectionChanged();
    // After a reset the view re-applies the expansion of every node.
    void resetFinished();

private:
    void nodesAboutToBeInserted(TfcTreeNode* parent, int first, int last) override;
    void nodesInserted() override;
    void nodesAboutToBeRemoved(TfcTreeNode* parent, int first, int last) override;
    void nodesRemoved() override;
    void nodeAboutToBeMoved(TfcTreeNode* srcParent, int srcRow, TfcTreeNode* dstParent, int dstRow) override;
    void nodeMoved() override;
    void nodeChanged(TfcTreeNode* node) override;
    void expandedChanged(TfcTreeNode* node) override;
    void selectionChanged() override;
    void aboutToReset() override;
    void resetDone() override;

    bool rowsHidden(const TfcTreeNode* node) const { return hidden_.count(node) != 0; }
    bool childrenExposed(const TfcTreeNode* parent) const;
    // Brings the hidden-rows mark of a folder in line with its lock, telling the view.
    void syncLock(TfcTreeNode* node);
    void forgetSubtree(const TfcTreeNode* node);
    void rebuildHidden();

    enum class Pending { None, Insert, Remove, Move };
    TfcTreeNodes& tree_;
    // Folders whose rows the model currently does not show.
    std::unordered_set<const TfcTreeNode*> hidden_;
    Pending pending_ = Pending::None;
};

} // namespace tarnlink
