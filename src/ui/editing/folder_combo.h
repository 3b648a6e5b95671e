#pragma once

// The add dialog's folder picker: a drop-down that shows the folders of the tree as a tree of
// its own, with a root entry for the top level. It is filled anew each time the dialog opens.

#include "model/folder_picker.h"

#include <QComboBox>

#include <vector>

class QStandardItem;
class QStandardItemModel;
class QTreeView;

namespace tarnlink {

class FolderCombo : public QComboBox {
    Q_OBJECT
public:
    static constexpr int kRootEntry = -1;

    explicit FolderCombo(QWidget* parent = nullptr);

    // Replaces every entry: the root entry named rootText, then the folders.
    void rebuild(std::vector<PickerFolder> folders, const QString& rootText);
    int entryCount() const { return int(folders_.size()) + 1; }
    const std::vector<PickerFolder>& folders() const { return folders_; }

    // kRootEntry or an index into folders().
    int chosen() const { return chosen_; }
    void choose(int entry);
    // The text of the chosen entry, kept from the previous opening until the next choice.
    QString chosenText() const { return chosenText_; }
    // Shows an entry in the closed picker without taking it as the choice.
    void display(int entry);
    // The entry of the folder; kRootEntry for null and for a folder without an entry.
    int entryOf(const TfcTreeNode* folder) const;
    // The folder that receives new nodes; null for the top level, and also when the chosen
    // folder was deleted meanwhile.
    TfcTreeNode* chosenFolder() const;

    void showPopup() override;
    void hidePopup() override;
    QTreeView* popupTree() const { return popup_; }

private:
    QStandardItem* itemOf(int entry) const;
    void onPopupActivated(const QModelIndex& index);

    std::vector<PickerFolder> folders_;
    QStandardItemModel* entries_;
    std::vector<QStandardItem*> items_; // items_[0] is the root entry, items_[i + 1] folder i
    QTreeView* popup_;
    int chosen_ = kRootEntry;
    QString chosenText_;
};

} // namespace tarnlink
