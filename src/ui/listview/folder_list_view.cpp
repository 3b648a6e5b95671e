#include "ui/listview/folder_list_view.h"

#include "ui/kit/link_drop.h"
#include "ui/listview/folder_list_model.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QListView>
#include <QMimeData>
#include <QTableView>

namespace tarnlink {

namespace {

// A view that takes links dropped from other programs. Drags of our own controls, the list's
// own links among them, are refused.
template <class View>
class LinkDropView : public View {
public:
    std::function<void(const DroppedLink&)> dropped;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override { answer(event); }
    void dragMoveEvent(QDragMoveEvent* event) override { answer(event); }
    void dropEvent(QDropEvent* event) override
    {
        const auto link = accepts(*event) ? DroppedLinkOf(*event->mimeData()) : std::nullopt;
        if (!link) {
            event->ignore();
            return;
        }
        event->setDropAction(Qt::CopyAction);
        event->accept();
        if (dropped)
            dropped(*link);
    }

private:
    static bool accepts(const QDropEvent& event) { return !event.source() && CarriesLink(*event.mimeData()); }
    static void answer(QDropEvent* event)
    {
        if (!accepts(*event))
            return event->ignore();
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
};

} // namespace

FolderListView::FolderListView(FolderListModel& model, QWidget* parent) : QStackedWidget(parent), model_(model)
{
    setObjectName(QStringLiteral("ListView"));
    auto* table = new LinkDropView<QTableView>;
    auto* icons = new LinkDropView<QListView>;
    table_ = table;
    icons_ = icons;
    table->dropped = icons->dropped = [this](const DroppedLink& link) { emit linkDropped(link); };

    table_->setModel(&model_);
    selection_ = table_->selectionModel();
    table_->setShowGrid(true);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
    QHeaderView* header = table_->horizontalHeader();
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QWidget::customContextMenuRequested, this,
            [this, header](const QPoint& at) { emit headerRightClicked(header->logicalIndexAt(at)); });
    icons_->setLayoutMode(QListView::Batched);
    icons_->setMovement(QListView::Static);
    icons_->setResizeMode(QListView::Adjust);
    icons_->setWrapping(true);
    for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(table_), static_cast<QAbstractItemView*>(icons_)})
        setUpView(view);
    addWidget(icons_);
    addWidget(table_);
    setCurrentWidget(table_);
}

void FolderListView::setUpView(QAbstractItemView* view)
{
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setDragEnabled(true);
    view->setAcceptDrops(true);
    view->setDropIndicatorShown(false);
    view->setDefaultDropAction(Qt::CopyAction);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this,
            [this, view](const QPoint& at) { emit menuRequested(view->viewport()->mapToGlobal(at)); });
    connect(view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (TfcTreeNode* node = model_.nodeOf(index))
            emit itemDoubleClicked(node);
    });
}

QAbstractItemView* FolderListView::activeView() const
{
    return style_ == ListViewStyle::Table ? static_cast<QAbstractItemView*>(table_) : icons_;
}

void FolderListView::setViewStyle(ListViewStyle style)
{
    style_ = style;
    // A hidden icon view would still lay out every item of a large folder: it shows the model
    // only while it is the view in use, sharing the table's selection.
    attachIcons(style != ListViewStyle::Table);
    if (style == ListViewStyle::Table) {
        setCurrentWidget(table_);
        return;
    }
    const bool large = style == ListViewStyle::LargeIcons;
    const QFontMetrics metrics = icons_->fontMetrics();
    const int line = metrics.height();
    icons_->setViewMode(large ? QListView::IconMode : QListView::ListMode);
    icons_->setFlow(style == ListViewStyle::List ? QListView::TopToBottom : QListView::LeftToRight);
    icons_->setIconSize(large ? QSize(24, 24) : QSize(16, 16));
    icons_->setWordWrap(large);
    icons_->setTextElideMode(Qt::ElideRight);
    switch (style) {
    case ListViewStyle::LargeIcons:
        icons_->setGridSize(QSize(metrics.averageCharWidth() * 14, 24 + 2 * line + 8));
        break;
    case ListViewStyle::SmallIcons:
        icons_->setGridSize(QSize(metrics.averageCharWidth() * 22, std::max(16, line) + 4));
        break;
    default:
        icons_->setGridSize(QSize());
        break;
    }
    icons_->setMovement(QListView::Static);
    setCurrentWidget(icons_);
}

void FolderListView::attachIcons(bool attach)
{
    if ((icons_->model() == &model_) == attach)
        return;
    QItemSelectionModel* old = icons_->selectionModel();
    icons_->setModel(attach ? &model_ : nullptr);
    if (attach) {
        QItemSelectionModel* made = icons_->selectionModel();
        icons_->setSelectionModel(selection_);
        delete made;
    }
    if (old != selection_)
        delete old;
}

void FolderListView::setGrid(bool shown)
{
    table_->setShowGrid(shown);
}

std::array<int, 6> FolderListView::columnWidths() const
{
    std::array<int, 6> widths{};
    for (int i = 0; i < int(widths.size()); ++i)
        widths[size_t(i)] = table_->columnWidth(i);
    return widths;
}

void FolderListView::setColumnWidths(const std::array<int, 6>& widths)
{
    for (int i = 0; i < int(widths.size()); ++i)
        table_->setColumnWidth(i, widths[size_t(i)]);
}

void FolderListView::setListFont(const QFont& font)
{
    for (QWidget* view : {static_cast<QWidget*>(table_), static_cast<QWidget*>(icons_)})
        view->setFont(font);
    table_->verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 4);
    if (style_ != ListViewStyle::Table)
        setViewStyle(style_);
}

void FolderListView::setBackground(const QColor& colour)
{
    for (QWidget* view : {static_cast<QWidget*>(table_), static_cast<QWidget*>(icons_)}) {
        QPalette palette = view->palette();
        palette.setColor(QPalette::Base, colour);
        view->setPalette(palette);
    }
}

TfcTreeNode* FolderListView::selectedNode() const
{
    const QModelIndexList rows = selection_->selectedRows();
    return rows.isEmpty() ? nullptr : model_.nodeOf(rows.first());
}

} // namespace tarnlink
