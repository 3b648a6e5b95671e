#pragma once

// Page "List" (TabListView): the folder list view of the main window.

#include "ui/options/options_page.h"

namespace tarnlink {

class ListPage : public OptionsPage {
public:
    ListPage();

    QCheckBox* CheckListViewAuto() const { return checkListViewAuto_; }
    QCheckBox* CheckListViewGrid() const { return checkListViewGrid_; }
    QCheckBox* CheckListViewLink2() const { return checkListViewLink2_; }
    QCheckBox* CheckListViewOpenGroup() const { return checkListViewOpenGroup_; }

private:
    QCheckBox* checkListViewAuto_;
    QCheckBox* checkListViewGrid_;
    QCheckBox* checkListViewLink2_;
    QCheckBox* checkListViewOpenGroup_;
};

} // namespace tarnlink
