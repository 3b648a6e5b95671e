#include "ui/editing/folder_combo.h"

#include "ui/kit/icons.h"
#include "model/node_icons.h"
#include "platform/codepage.h"

#include <QStandardItemModel>
#include <QTreeView>

#include <algorithm>

namespace tarnlink {

namespace {
constexpr int kEntryRole = Qt::UserRole + 1;
}

FolderCombo::FolderCombo(QWidget* parent) : QComboBox(parent), entries_(new QStandardItemModel(this))
{
    setObjectName(QStringLiteral("TreeCombo"));
    setEditable(false);
    addItem(QString()); // the one line the closed picker shows
    popup_ = new QTreeView(this);
    popup_->setWindowFlags(Qt::Popup);
    popup_->setHeaderHidden(true);
    popup_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    popup_->setModel(entries_);
    connect(popup_, &QTreeView::clicked, this, &FolderCombo::onPopupActivated);
    connect(popup_, &QTreeView::activated, this, &FolderCombo::onPopupActivated);
}

void FolderCombo::rebuild(std::vector<PickerFolder> folders, const QString& rootText)
{
    entries_->clear();
    items_.clear();
    folders_ = std::move(folders);
    items_.reserve(folders_.size() + 1);
    auto makeItem = [](const QString& text, int imageIndex, int selectedIndex, int entry) {
        auto* item = new QStandardItem(images::treeIcon(imageIndex, selectedIndex), text);
        item->setData(entry, kEntryRole);
        return item;
    };
    QStandardItem* root = makeItem(rootText, icon::Folder, icon::FolderSelected, kRootEntry);
    entries_->appendRow(root);
    items_.push_back(root);
    for (size_t i = 0; i < folders_.size(); ++i) {
        const PickerFolder& folder = folders_[i];
        QStandardItem* item = makeItem(codepage::toDisplay(folder.name), folder.imageIndex, folder.selectedIndex, int(i));
        itemOf(folder.parent)->appendRow(item);
        items_.push_back(item);
    }
}

QStandardItem* FolderCombo::itemOf(int entry) const
{
    return items_.at(size_t(entry + 1));
}

void FolderCombo::choose(int entry)
{
    if (entry < kRootEntry || entry >= int(folders_.size()))
        entry = kRootEntry;
    chosen_ = entry;
    display(entry);
    chosenText_ = currentText();
}

void FolderCombo::display(int entry)
{
    if (items_.empty())
        return; // not filled yet
    const QStandardItem* item = itemOf(entry < kRootEntry || entry >= int(folders_.size()) ? kRootEntry : entry);
    setItemText(0, item->text());
    setItemIcon(0, item->icon());
}

int FolderCombo::entryOf(const TfcTreeNode* folder) const
{
    if (!folder)
        return kRootEntry;
    const auto found = std::find_if(folders_.begin(), folders_.end(),
                                    [folder](const PickerFolder& f) { return f.folder.get() == folder; });
    return found == folders_.end() ? kRootEntry : int(found - folders_.begin());
}

TfcTreeNode* FolderCombo::chosenFolder() const
{
    return chosen_ == kRootEntry ? nullptr : folders_.at(size_t(chosen_)).folder.get();
}

void FolderCombo::showPopup()
{
    if (items_.empty())
        return;
    popup_->expandAll();
    popup_->setCurrentIndex(itemOf(chosen_)->index());
    const QPoint below = mapToGlobal(QPoint(0, height()));
    popup_->setGeometry(below.x(), below.y(), std::max(width(), 200), 240);
    popup_->show();
    popup_->setFocus();
}

void FolderCombo::hidePopup()
{
    popup_->hide();
    QComboBox::hidePopup();
}

void FolderCombo::onPopupActivated(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    choose(index.data(kEntryRole).toInt());
    hidePopup();
    setFocus();
}

} // namespace tarnlink
