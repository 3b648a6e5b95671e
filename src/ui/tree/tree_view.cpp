#include "ui/tree/tree_view.h"

#include "model/tree_node.h"
#include "ui/tree/tree_model.h"

#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>

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

} // namespace

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
    mirroring_ = false;
}

void TreeInetView::onViewCurrent(const QModelIndex& current)
{
    if (mirroring_)
        return;
    mirroring_ = true;
    TfcTreeNode* node = TreeItemModel::nodeOf(current);
    if (node && selectionModel()->isSelected(current))
        tree().AddToSelection(node);
    else if (node && tree().SelectionCount() == 0)
        tree().Select(node);
    mirroring_ = false;
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

void TreeInetView::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeView::mouseReleaseEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid())
        emit nodeClicked(TreeItemModel::nodeOf(index));
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
