#pragma once

// The tree control TreeInet: a QTreeView that follows TfcTreeNodes. Expansion asked for by the
// user goes through TfcTreeNodes::Expand (and so through its password guard); the tree's own
// expansion and selection changes are mirrored back. Key and mouse events are turned into the
// signals of the main window's event table.
//
// Dragging inside the tree: a plain press on a member of a multi-selection keeps the group (a
// click without a drag then selects the one node), a right press on a member keeps it for the
// pop-up menu; the drag starts 5 pixels from the press over a node's text; a drop less than
// 5 pixels from the press in both directions does nothing. Links dragged in from other programs
// are accepted; other data is refused.

#include "ui/kit/link_drop.h"
#include "ui/tree/node_drop.h"

#include <QPersistentModelIndex>
#include <QTreeView>

#include <functional>
#include <optional>

class QMimeData;
class QTimer;

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

    // Runs the drag of the selected nodes and returns when it ended; by default a system drag.
    // Tests replace it with one that delivers the drag's events themselves.
    std::function<void(QMimeData&)> runDrag;
    // The icon and text of a node row, where a drag starts and a press keeps a group.
    QRect nodeTextRect(const QModelIndex& index) const;
    // The format that marks a drag of nodes of this tree.
    static const char* const kNodeDragFormat;

signals:
    void nodeExpandedOrCollapsed(TfcTreeNode* node);
    void nodeClicked(TfcTreeNode* node);
    // A double click on the text of the selected node.
    void selectedTextDoubleClicked(TfcTreeNode* node);
    void characterTyped(QChar character);
    void deletePressed();
    // Nodes of this tree were dropped at least 5 pixels from where the drag was pressed.
    void nodesDropped(const NodeDrop& drop);
    // A link was dropped from another program; reported after the drop has ended.
    void linkDropped(const DroppedLink& link);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void onViewExpanded(const QModelIndex& index);
    void onViewCollapsed(const QModelIndex& index);
    void onModelExpansion(const QModelIndex& index, bool expanded);
    void onViewSelection(const QItemSelection& selected, const QItemSelection& deselected);
    void onViewCurrent(const QModelIndex& current, const QModelIndex& previous);
    // The selected node carries the focus mark while the view shows it selected.
    void markFocus();
    void mirrorTreeSelection();
    void mirrorExpansion();
    void runGuarded(const std::function<void()>& work);
    bool acceptsDrag(const QMimeData* data) const;
    void beginNodeDrag();
    void setDropHighlight(const QModelIndex& index);
    // Scrolls a line when the pointer is within 15 pixels of the top or bottom edge, and keeps
    // scrolling while it stays there.
    void scrollNearEdge(int y);
    void scrollTowards(int direction); // -1 up, 1 down, 0 stops
    void scrollOneLine();
    void endDragFeedback();

    TreeItemModel* model_ = nullptr;
    bool mirroring_ = false; // set while the view follows the tree, so nothing echoes back

    QPoint pressPoint_;
    bool dragReady_ = false;                // a left press on a node's text; moving may start a drag
    QPersistentModelIndex keptGroupPress_;  // a press that kept the group; a click selects this node
    bool nodeDrag_ = false;                 // our own drag is running
    std::optional<NodeDrop> pendingDrop_;   // reported once the drag has ended
    QPoint dragPoint_; // where the pointer was at the last move of a drag
    QPersistentModelIndex dropHighlight_;
    TfcTreeNode* lastHighlighted_ = nullptr;
    QTimer* edgeScroll_ = nullptr;
    int edgeDirection_ = 0;
};

} // namespace tarnlink
