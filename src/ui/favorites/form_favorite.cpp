#include "ui/favorites/form_favorite.h"

#include "ui/favorites/favorites_model.h"
#include "ui/kit/link_drop.h"
#include "ui/kit/translate.h"
#include "ui/kit/translate_form.h"

#include <QDropEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTableView>

namespace tarnlink {

// A window of its own that stays above the main window, so links can be dragged between the two.
TFormFavorite::TFormFavorite(FavoritesModel& model, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint), model_(model)
{
    setObjectName(QStringLiteral("FormFavorite"));
    setMinimumSize(260, 180);
    labName_ = new QLabel;
    labLink_ = new QLabel;
    edit1_ = new QLineEdit;
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit2_ = new QLineEdit;
    edit2_->setObjectName(QStringLiteral("Edit2"));
    labName_->setBuddy(edit1_);
    labLink_->setBuddy(edit2_);

    list_ = new QTableView;
    list_->setObjectName(QStringLiteral("ListView"));
    list_->setProperty(kUntranslatedProperty, true); // the entries are data
    list_->setModel(&model_);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setShowGrid(true);
    list_->setWordWrap(false);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 6);
    list_->horizontalHeader()->setSectionsClickable(false);
    list_->horizontalHeader()->setHighlightSections(false);
    list_->setDragEnabled(true);
    list_->setAcceptDrops(true);
    list_->setDropIndicatorShown(false);
    list_->setDefaultDropAction(Qt::MoveAction);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->viewport()->installEventFilter(this);
    list_->installEventFilter(this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(labName_, 0, 0);
    layout->addWidget(edit1_, 0, 1);
    layout->addWidget(labLink_, 1, 0);
    layout->addWidget(edit2_, 1, 1);
    layout->addWidget(list_, 2, 0, 1, 2);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(1, 1);

    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("PopupMenu1"));
    add_ = menu_->addAction(QString(), this, &TFormFavorite::AddClick);
    launchAction_ = menu_->addAction(QString(), this, &TFormFavorite::LaunchClick);
    menu_->addSeparator();
    delete_ = menu_->addAction(QString(), this, &TFormFavorite::DeleteClick);
    connect(list_, &QWidget::customContextMenuRequested, menu_,
            [this](const QPoint& at) { menu_->popup(list_->viewport()->mapToGlobal(at)); });
    connect(list_, &QAbstractItemView::doubleClicked, this, &TFormFavorite::LaunchClick);

    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TFormFavorite::showSelected);
    connect(&model_, &QAbstractItemModel::modelReset, this, &TFormFavorite::showSelected);
    connect(&model_, &QAbstractItemModel::rowsRemoved, this, &TFormFavorite::showSelected);
    connect(edit1_, &QLineEdit::textEdited, this, [this](const QString& text) { model_.setName(selectedRow(), text); });
    connect(edit2_, &QLineEdit::textEdited, this, [this](const QString& text) { model_.setAddress(selectedRow(), text); });

    retranslate();
    showSelected();
}

void TFormFavorite::retranslate()
{
    setWindowTitle(Translate("Favorites links"));
    labName_->setText(Translate("Name"));
    labLink_->setText(Translate("Link"));
    add_->setText(Translate("&Add"));
    launchAction_->setText(Translate("L&aunch"));
    delete_->setText(Translate("&Delete"));
    model_.retranslate();
}

int TFormFavorite::selectedRow() const
{
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TFormFavorite::selectRow(int row)
{
    const QModelIndex index = model_.index(row, 0);
    list_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list_->scrollTo(index);
}

void TFormFavorite::showSelected()
{
    const int row = selectedRow();
    const bool any = row >= 0;
    edit1_->setText(any ? model_.links()[row].name : QString());
    edit2_->setText(any ? model_.links()[row].address : QString());
    edit2_->setCursorPosition(0); // a long address shows its start
    edit1_->setEnabled(any);
    edit2_->setEnabled(any);
}

void TFormFavorite::AddClick()
{
    selectRow(model_.append({Translate("New link"), QStringLiteral("http://"), true}));
    edit1_->setFocus();
    edit1_->selectAll();
}

void TFormFavorite::LaunchClick()
{
    if (const int row = selectedRow(); row >= 0)
        launch(model_.links()[row].address);
}

void TFormFavorite::DeleteClick()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    model_.remove(row);
    // Nothing is selected afterwards, so a second Del deletes nothing more unasked.
    list_->selectionModel()->clear();
    showSelected();
}

void TFormFavorite::AddDropped(const QString& title, const QString& address)
{
    // A drag without a title still gives the entry a name the menus can show.
    selectRow(model_.append({title.isEmpty() ? address : title, address, true}));
}

void TFormFavorite::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TFormFavorite::listKey(QKeyEvent* key)
{
    if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_Insert:
        AddClick();
        return true;
    case Qt::Key_Delete:
        DeleteClick();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        LaunchClick();
        return true;
    default:
        return false;
    }
}

bool TFormFavorite::listDrag(QEvent* event)
{
    auto* drag = static_cast<QDropEvent*>(event);
    const QMimeData& data = *drag->mimeData();
    const bool internal = drag->source() == list_ && FavoritesModel::draggedRow(data) >= 0;
    if (!internal && !CarriesLink(data)) {
        drag->ignore();
        return true;
    }
    drag->setDropAction(internal ? Qt::MoveAction : Qt::CopyAction);
    drag->accept();
    if (event->type() != QEvent::Drop)
        return true;
    if (internal) {
        // Just before the entry under the pointer, or last when dropped below the last one.
        const QModelIndex target = list_->indexAt(drag->position().toPoint());
        const int before = target.isValid() ? target.row() : model_.rowCount();
        selectRow(model_.move(FavoritesModel::draggedRow(data), before));
    } else if (const auto link = DroppedLinkOf(data)) {
        AddDropped(link->title, link->address);
    }
    return true;
}

bool TFormFavorite::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_ && event->type() == QEvent::KeyPress)
        return listKey(static_cast<QKeyEvent*>(event));
    if (watched != list_->viewport())
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return listDrag(event);
    case QEvent::MouseButtonPress: {
        // Shift and a left click toggle the entry's tick.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || mouse->modifiers() != Qt::ShiftModifier)
            return false;
        if (const QModelIndex index = list_->indexAt(mouse->position().toPoint()); index.isValid())
            model_.toggle(index.row());
        return true;
    }
    default:
        return false;
    }
}

} // namespace tarnlink
