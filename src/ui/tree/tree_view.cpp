#include "ui/tree/tree_view.h"

#include "model/tree_node.h"
#include "ui/tree/tree_model.h"

#include <QDrag>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include <cstdlib>
#include <utility>
#include <vector>

namespace tarnlink {

namespace {

// Refuses a change of the current node when the node being left cannot be committed.
class GuardedSelectionModel : public QItemSelectionModel {
public:
    GuardedSelectionModel(QAbstractItemModel* model, TreeInetView* view, const bool& mirroring)
        : QItemSelectionModel(model, view), view_(view), mirroring_(mirroring)
    {
    }

    void setCurrentIndex(const QModelIndex& index, QItemSelectionModel::SelectionFlags command) override
    {
        if (mayLeave(index))
            QItemSelectionModel::setCurrentIndex(index, command);
    }
    void select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command) override
    {
        if (!refused_)
            QItemSelectionModel::select(selection, command);
    }
    using QItemSelectionModel::select;

private:
    bool mayLeave(const QModelIndex& index)
    {
        refused_ = false;
        if (mirroring_ || index == currentIndex() || !currentIndex().isValid() || !view_->canLeaveNode)
            return true;
        refused_ = !view_->canLeaveNode();
        return !refused_;
    }

    TreeInetView* view_;
    const bool& mirroring_;
    bool refused_ = false; // the selection that goes with a refused current change is dropped too
};

// Pixels the pointer travels from the press before a drag starts, and below which a drop is
// taken for a click.
constexpr int kDragDistance = 5;
// The band at the top and bottom edge in which a drag scrolls the tree.
constexpr int kEdgeBand = 15;
constexpr int kEdgeScrollMs = 100;

bool nearPress(const QPoint& point, const QPoint& press)
{
    return std::abs(point.x() - press.x()) < kDragDistance && std::abs(point.y() - press.y()) < kDragDistance;
}

} // namespace

const char* const TreeInetView::kNodeDragFormat = "application/x-tarnlink-tree-nodes";

TreeInetView::TreeInetView(QWidget* parent) : QTreeView(parent)
{
    setObjectName(QStringLiteral("TreeInet"));
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setIndentation(19);
    setMouseTracking(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setExpandsOnDoubleClick(true);
    setAnimated(false);
    setRootIsDecorated(true);
    connect(this, &QTreeView::expanded, this, &TreeInetView::onViewExpanded);
    connect(this, &QTreeView::collapsed, this, &TreeInetView::onViewCollapsed);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
    setAutoScroll(false); // the edge scrolling of a drag is our own
    edgeScroll_ = new QTimer(this);
    edgeScroll_->setInterval(kEdgeScrollMs);
    connect(edgeScroll_, &QTimer::timeout, this, &TreeInetView::scrollOneLine);
}

TfcTreeNodes& TreeInetView::tree() const
{
    return model_->tree();
}

void TreeInetView::setTreeModel(TreeItemModel* model)
{
    model_ = model;
    setModel(model);
    QItemSelectionModel* old = selectionModel();
    setSelectionModel(new GuardedSelectionModel(model, this, mirroring_));
    delete old;
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &TreeInetView::onViewSelection);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &TreeInetView::onViewCurrent);
    connect(model, &TreeItemModel::expansionChanged, this, &TreeInetView::onModelExpansion);
    connect(model, &TreeItemModel::treeSelectionChanged, this, &TreeInetView::mirrorTreeSelection);
    connect(model, &TreeItemModel::resetFinished, this, [this] {
        mirrorExpansion();
        mirrorTreeSelection();
    });
}

void TreeInetView::applyOptions(bool selectLine, bool showButtons, bool showLines)
{
    setAllColumnsShowFocus(selectLine);
    setItemsExpandable(true);
    setRootIsDecorated(showButtons || showLines);
    setStyleSheet(showButtons ? QString()
                              : QStringLiteral("QTreeView::branch:has-children { image: none; border-image: none; }"));
}

void TreeInetView::onViewExpanded(const QModelIndex& index)
{
    if (mirroring_)
        return;
    TfcTreeNode* node = TreeItemModel::nodeOf(index);
    if (!node)
        return;
    bool opened = false;
    runGuarded([&] { opened = tree().Expand(node, false) && node->Expanded(); });
    if (!opened) {
        mirroring_ = true;
        collapse(index);
        mirroring_ = false;
    }
}

void TreeInetView::onViewCollapsed(const QModelIndex& index)
{
    if (mirroring_)
        return;
    if (TfcTreeNode* node = TreeItemModel::nodeOf(index))
        runGuarded([&] { tree().Collapse(node, false); });
}

void TreeInetView::onModelExpansion(const QModelIndex& index, bool expanded)
{
    mirroring_ = true;
    setExpanded(index, expanded);
    mirroring_ = false;
    emit nodeExpandedOrCollapsed(TreeItemModel::nodeOf(index));
}

void TreeInetView::onViewSelection(const QItemSelection& selected, const QItemSelection& deselected)
{
    if (mirroring_)
        return;
    mirroring_ = true;
    for (const QModelIndex& index : deselected.indexes())
        tree().RemoveFromSelection(TreeItemModel::nodeOf(index));
    for (const QModelIndex& index : selected.indexes())
        tree().AddToSelection(TreeItemModel::nodeOf(index));
    markFocus();
    mirroring_ = false;
}

void TreeInetView::onViewCurrent(const QModelIndex& current, const QModelIndex& previous)
{
    if (mirroring_)
        return;
    mirroring_ = true;
    if (TfcTreeNode* left = TreeItemModel::nodeOf(previous))
        left->Focused = false;
    TfcTreeNode* node = TreeItemModel::nodeOf(current);
    if (node && selectionModel()->isSelected(current))
        tree().AddToSelection(node);
    else if (node && tree().SelectionCount() == 0)
        tree().Select(node);
    markFocus();
    mirroring_ = false;
}

void TreeInetView::markFocus()
{
    if (TfcTreeNode* selected = tree().Selected())
        selected->Focused = selectionModel()->isSelected(model_->indexOf(selected));
}

void TreeInetView::mirrorTreeSelection()
{
    if (mirroring_)
        return;
    mirroring_ = true;
    QItemSelection selection;
    for (int i = 0; i < tree().SelectionCount(); ++i) {
        const QModelIndex index = model_->indexOf(tree().Selection(i));
        if (index.isValid())
            selection.select(index, index);
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    const QModelIndex current = model_->indexOf(tree().Selected());
    selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    if (current.isValid())
        scrollTo(current);
    markFocus();
    mirroring_ = false;
}

void TreeInetView::mirrorExpansion()
{
    // Only expanded nodes are entered, so a freshly loaded tree costs one pass over the top level.
    mirroring_ = true;
    std::vector<TfcTreeNode*> pending;
    for (int i = 0; i < tree().TopLevelCount(); ++i)
        pending.push_back(tree().TopLevelItem(i));
    while (!pending.empty()) {
        TfcTreeNode* node = pending.back();
        pending.pop_back();
        if (!node->Expanded())
            continue;
        setExpanded(model_->indexOf(node), true);
        for (int i = 0; i < node->ChildCount(); ++i)
            pending.push_back(node->Item(i));
    }
    mirroring_ = false;
}

void TreeInetView::runGuarded(const std::function<void()>& work)
{
    if (guarded)
        guarded(work);
    else
        work();
}

void TreeInetView::keyPressEvent(QKeyEvent* event)
{
    TfcTreeNode* selected = tree().Selected();
    const int key = event->key();
    if (key == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        emit deletePressed();
        return;
    }
    if (key == Qt::Key_Asterisk && selected) {
        runGuarded([&] { tree().Expand(selected, true); });
        return;
    }
    const QString text = event->text();
    const bool character = !text.isEmpty() && (text.at(0).isPrint() || key == Qt::Key_Return || key == Qt::Key_Enter)
                           && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (character && selected && key != Qt::Key_Plus && key != Qt::Key_Minus) {
        if (selected->IsFolder()) {
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                focusNextChild();
                return;
            }
        } else {
            emit characterTyped(text.at(0));
            return;
        }
    }
    QTreeView::keyPressEvent(event);
}

QRect TreeInetView::nodeTextRect(const QModelIndex& index) const
{
    QRect rect = visualRect(index);
    if (!rect.isValid())
        return rect;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = rect;
    rect.setWidth(std::min(rect.width(), itemDelegateForIndex(index)->sizeHint(option, index).width()));
    return rect;
}

void TreeInetView::mousePressEvent(QMouseEvent* event)
{
    pressPoint_ = event->position().toPoint();
    dragReady_ = false;
    keptGroupPress_ = QModelIndex();
    const QModelIndex index = indexAt(pressPoint_);
    const QRect text = nodeTextRect(index);
    if (!index.isValid() || pressPoint_.x() > text.right()) {
        // Not on a node, or right of its text: the multi-selection goes, and with it the mark
        // that makes the selected node the place of a paste.
        if (TfcTreeNode* selected = tree().Selected())
            selected->Focused = false;
        tree().ClearSelection();
    }
    const bool onText = index.isValid() && text.contains(pressPoint_);
    const bool inGroup = onText && tree().SelectionCount() >= 2 && selectionModel()->isSelected(index);
    if (event->button() == Qt::LeftButton && event->modifiers() == Qt::NoModifier && inGroup) {
        keptGroupPress_ = index;
        dragReady_ = true;
        return;
    }
    if (event->button() == Qt::RightButton && onText && selectionModel()->isSelected(index))
        return; // the pop-up menu acts on the whole selection
    QTreeView::mousePressEvent(event);
    dragReady_ = event->button() == Qt::LeftButton && onText && event->buttons() == Qt::LeftButton;
}

void TreeInetView::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragReady_ || event->buttons() != Qt::LeftButton) {
        QTreeView::mouseMoveEvent(event);
        return;
    }
    // While a drag may start, moving selects nothing.
    const QPoint at = event->position().toPoint();
    if (nearPress(at, pressPoint_) || !nodeTextRect(indexAt(at)).contains(at))
        return;
    dragReady_ = false;
    keptGroupPress_ = QModelIndex();
    beginNodeDrag();
}

void TreeInetView::mouseReleaseEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (keptGroupPress_.isValid() && event->button() == Qt::LeftButton) {
        // A click without a drag on a member of the group makes it the only selected node.
        selectionModel()->setCurrentIndex(keptGroupPress_, QItemSelectionModel::ClearAndSelect);
        keptGroupPress_ = QModelIndex();
    } else {
        QTreeView::mouseReleaseEvent(event);
    }
    dragReady_ = false;
    if (event->button() == Qt::LeftButton && index.isValid())
        emit nodeClicked(TreeItemModel::nodeOf(index));
}

void TreeInetView::beginNodeDrag()
{
    auto* data = new QMimeData;
    data->setData(QLatin1String(kNodeDragFormat), QByteArray());
    nodeDrag_ = true;
    pendingDrop_.reset();
    lastHighlighted_ = nullptr;
    if (runDrag) {
        runDrag(*data);
        delete data;
    } else {
        auto* drag = new QDrag(this); // Qt deletes it when the drag is over
        drag->setMimeData(data);
        const QRect row = nodeTextRect(currentIndex());
        if (row.isValid()) {
            // Below and right of the pointer, so that the row under it stays in sight.
            drag->setPixmap(viewport()->grab(row));
            drag->setHotSpot(QPoint(-12, -row.height() / 2));
        }
        drag->exec(Qt::MoveAction, Qt::MoveAction);
    }
    nodeDrag_ = false;
    endDragFeedback();
    // Moving may ask questions; they come once the drag has ended.
    if (const std::optional<NodeDrop> drop = std::exchange(pendingDrop_, std::nullopt))
        emit nodesDropped(*drop);
}

bool TreeInetView::acceptsDrag(const QMimeData* data) const
{
    if (!data)
        return false;
    if (data->hasFormat(QLatin1String(kNodeDragFormat)))
        return nodeDrag_; // nodes of another window or program are not ours to move
    return CarriesLink(*data);
}

void TreeInetView::dragEnterEvent(QDragEnterEvent* event)
{
    if (acceptsDrag(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TreeInetView::dragMoveEvent(QDragMoveEvent* event)
{
    if (!acceptsDrag(event->mimeData())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    if (!nodeDrag_)
        return; // where a link is dropped does not matter: the add dialog picks the folder
    dragPoint_ = event->position().toPoint();
    setDropHighlight(indexAt(dragPoint_));
    scrollNearEdge(dragPoint_.y());
}

void TreeInetView::dragLeaveEvent(QDragLeaveEvent*)
{
    endDragFeedback();
}

void TreeInetView::dropEvent(QDropEvent* event)
{
    const QMimeData* data = event->mimeData();
    if (!acceptsDrag(data)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    if (!nodeDrag_) {
        // The other program waits until the drop returns; the add dialog opens afterwards.
        if (const std::optional<DroppedLink> link = DroppedLinkOf(*data))
            QTimer::singleShot(0, this, [this, found = *link] { emit linkDropped(found); });
        return;
    }
    const QPoint at = event->position().toPoint();
    endDragFeedback();
    if (!nearPress(at, pressPoint_))
        pendingDrop_ = NodeDrop{TreeItemModel::nodeOf(indexAt(at)), lastHighlighted_,
                                event->modifiers().testFlag(Qt::ControlModifier)};
}

void TreeInetView::setDropHighlight(const QModelIndex& index)
{
    if (index == dropHighlight_)
        return;
    dropHighlight_ = index;
    if (TfcTreeNode* node = TreeItemModel::nodeOf(index))
        lastHighlighted_ = node;
    viewport()->update();
}

void TreeInetView::scrollNearEdge(int y)
{
    scrollTowards(y < kEdgeBand ? -1 : (viewport()->height() - y < kEdgeBand ? 1 : 0));
}

void TreeInetView::scrollTowards(int direction)
{
    if (direction == edgeDirection_)
        return;
    edgeDirection_ = direction;
    if (direction == 0) {
        edgeScroll_->stop();
        return;
    }
    scrollOneLine();
    edgeScroll_->start();
}

void TreeInetView::scrollOneLine()
{
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() + edgeDirection_ * bar->singleStep());
    setDropHighlight(indexAt(dragPoint_)); // the rows moved under a pointer that stays
}

void TreeInetView::endDragFeedback()
{
    scrollTowards(0);
    setDropHighlight(QModelIndex());
}

void TreeInetView::paintEvent(QPaintEvent* event)
{
    QTreeView::paintEvent(event);
    if (!dropHighlight_.isValid())
        return;
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Highlight).darker(130), 1));
    painter.drawRect(nodeTextRect(dropHighlight_).adjusted(0, 0, -1, -1));
}

void TreeInetView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    TfcTreeNode* node = TreeItemModel::nodeOf(index);
    QTreeView::mouseDoubleClickEvent(event);
    if (node && node == tree().Selected())
        emit selectedTextDoubleClicked(node);
}

} // namespace tarnlink
