#pragma once

// The "List" page: the folder list of the selected node's level, refilled as the tree's
// selection moves (and switching between the "List" and "Properties" pages when the options ask
// for it), its pop-up menu, its view styles, sorting by a column, and links dragged in and out.
// Launching from the list counts no visit.

#include "ui/shell/feature.h"

class QAction;
class QMenu;

namespace tarnlink {

class AddCommands;
class FolderListModel;
class FolderListView;
class LinkLaunching;
class Workbench;
enum class CopyForm;
enum class EditorPage;
enum class ListViewStyle;

class ListViewFeature : public Feature {
public:
    // Links dropped on the list go to the add dialog of adds.
    ListViewFeature(Workbench& bench, LinkLaunching& launching, AddCommands& adds);

    FolderListModel& model() const { return *model_; }
    FolderListView& view() const { return *view_; }
    QMenu* MenuList() const { return menu_; }
    // The column last right-clicked in the header.
    int sortColumn() const { return sortColumn_; }

    void FillListView(TfcTreeNode* node);
    // A double click: a link item is launched, a folder item opens in the tree.
    void ListViewDblClick(TfcTreeNode* item);
    // The pop-up's launch items: Link 1 or Link 2 of the item alone.
    void MOpenLLink1Click(TfcTreeNode* item, int which);
    // Selects the item's own folder in the tree, opening it first when the options say so.
    void GoToFolder(TfcTreeNode* item);
    void N34Click(TfcTreeNode* item, CopyForm form);
    void ListViewColumnRightClick(int column);
    void setViewStyle(ListViewStyle style);

    void nodeShown(const ShownNode& shown) override;
    void updateStates(const SelectionFacts& facts) override;
    void storeSettings(Settings& settings) override;
    void settingsChanged(const Settings& settings) override;
    void retranslate() override;

private:
    void buildMenu();
    // The items usable for the selected item, as the menu opens.
    void MenuListPopup();
    void showPage(EditorPage page);
    void applyLook(const Settings& settings);

    Workbench& bench_;
    LinkLaunching& launching_;
    AddCommands& adds_;
    FolderListModel* model_;
    FolderListView* view_;
    QMenu* menu_ = nullptr;
    QMenu* copyMenu_ = nullptr;
    QMenu* stylesMenu_ = nullptr;
    QAction* launch1_ = nullptr;
    QAction* launch2_ = nullptr;
    QAction* goToFolder_ = nullptr;
    QAction* copyLink_ = nullptr;
    QAction* copyNameAndLink_ = nullptr;
    QAction* copyHtml_ = nullptr;
    int sortColumn_ = 0;
};

} // namespace tarnlink
