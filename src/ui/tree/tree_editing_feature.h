#pragma once

// The tree editing feature: delete, cut, copy and paste, up and down, collapse and expand all,
// moving nodes by dragging them inside the tree, and links dropped on the tree from other
// programs, attached to the window's commands and settings.

#include "ui/shell/feature.h"
#include "ui/tree/tree_edit_commands.h"

namespace tarnlink {

class AddCommands;
class FolderProtection;
class Workbench;

class TreeEditingFeature : public Feature {
public:
    // adds opens the add dialog for a dropped link; protection keeps protected folders shut
    // while everything else expands.
    TreeEditingFeature(Workbench& bench, AddCommands& adds, FolderProtection& protection);

    TreeEditCommands& commands() { return commands_; }

    // Expands the whole tree but the protected folders, which stay shut without a question.
    void BtnExpandClick();

private:
    void attachCommands();
    void attachView();
    // The confirmations and the favorites option are read when a command acts.
    void readOptions();

    Workbench& bench_;
    AddCommands& adds_;
    FolderProtection& protection_;
    TreeEditCommands commands_;
};

} // namespace tarnlink
