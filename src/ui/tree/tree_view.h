#pragma once

// The tree control TreeInet: a QTreeView that follows TfcTreeNodes. Expansion asked for by the
// user goes through TfcTreeNodes::Expand (and so through its password guard); the tree's own
// expansion and selection changes are mirrored back. Key and mouse events are turned into the
// signals of the main window's event table.

#include <QTreeView>

#include <functional>

namespace tarnlink {

class TfcTreeNode;
class TfcTreeNodes;
class TreeItemModel;

class TreeInetView : public QTreeView {
    Q_OBJECT
public:
    explicit TreeInetView(QWidget* parent = nullptr);

    void setTreeModel(TreeItemModel* model);
    TreeItemModel* treeModel() const { return model_; }
    TfcTreeNodes& tree() const;

    // Asked before the current node changes by a user action; false keeps the selection.
    std::function<bool()> canLeaveNode;
    // Runs tree work started by the user inside the window's error boundary (the expansion
    // guard may raise an error); without it the work runs as it is.
    std::function<void(const std::function<void()>&)> guarded;

    // Buttons and lines follow the options; buttons without lines switch the root lines on.
    void applyOptions(bool selectLine, bool showButtons, bool showLines);

signals:
    void nodeExpandedOrCollapsed(TfcTreeNode* node);
    void nodeClicked(TfcTreeNode* node);
    // A double click on the text of the selected node.
    void selectedTextDoubleClicked(TfcTreeNode* node);
    void characterTyped(QChar character);
    void deletePressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void onViewExpanded(const QModelIndex& index);
    void onViewCollapsed(const QModelIndex& index);
    void onModelExpansion(const QModelIndex& index, bool expanded);
    void onViewSelection(const QItemSelection& selected, const QItemSelection& deselected);
    void onViewCurrent(const QModelIndex& current);
    void mirrorTreeSelection();
    void mirrorExpansion();
    void runGuarded(const std::function<void()>& work);

    TreeItemModel* model_ = nullptr;
    bool mirroring_ = false; // set while the view follows the tree, so nothing echoes back
};

} // namespace tarnlink
