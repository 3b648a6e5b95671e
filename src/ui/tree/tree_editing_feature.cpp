#include "ui/tree/tree_editing_feature.h"

#include "model/tree_node.h"
#include "platform/favorites_folder.h"
#include "settings/settings.h"
#include "ui/editing/add_operations.h"
#include "ui/editing/folder_protection.h"
#include "ui/kit/command_guard.h"
#include "ui/kit/command_map.h"
#include "ui/shell/workbench.h"
#include "ui/tree/tree_view.h"

namespace tarnlink {

TreeEditingFeature::TreeEditingFeature(Workbench& bench, AddCommands& adds, FolderProtection& protection)
    : bench_(bench), adds_(adds), protection_(protection), commands_(bench.tree(), bench.promptsSource())
{
    TreeEditHooks& h = commands_.hooks();
    h.treeEdited = [&bench](const TreeEdit& edit) { bench.treeEdited(edit); };
    h.showSelection = [&bench] { bench.showSelection(); };
    h.clipboardChanged = [&bench] { bench.commands().updateStates(); };
    h.favoritesFolder = [] { return GetFavoritesFolder(); };
    attachCommands();
    attachView();
}

void TreeEditingFeature::readOptions()
{
    const OptionsSection& options = bench_.settings().options;
    commands_.options() = {options.chkConfirmDelete, options.chkConfirmMove, options.chkDelUrl};
}

void TreeEditingFeature::attachCommands()
{
    CommandMap& c = bench_.commands();
    auto act = [this](void (TreeEditCommands::*command)()) {
        return [this, command] {
            readOptions();
            (commands_.*command)();
        };
    };
    auto anySelected = [](const SelectionFacts& facts) { return facts.any(); };
    c.setHandler(Cmd::Delete, act(&TreeEditCommands::MDelete2Click), anySelected);
    c.setHandler(Cmd::Cut, act(&TreeEditCommands::MCutNodeClick), anySelected);
    c.setHandler(Cmd::Copy, act(&TreeEditCommands::MCopyNodeClick), anySelected);
    c.setHandler(Cmd::Paste, act(&TreeEditCommands::MPasteNodeClick),
                 [this](const SelectionFacts&) { return !commands_.clipboard().Empty(); });
    c.setHandler(Cmd::LevelUp, [this] { commands_.ButUpClick(1); }, anySelected);
    c.setHandler(Cmd::LevelDown, [this] { commands_.ButUpClick(-1); }, anySelected);
    c.setHandler(Cmd::Collapse, act(&TreeEditCommands::BtnCollapseClick));
    c.setHandler(Cmd::Expand, [this] { BtnExpandClick(); });
}

void TreeEditingFeature::attachView()
{
    TreeInetView& view = bench_.treeView();
    QObject::connect(&view, &TreeInetView::nodesDropped, &view, [this](const NodeDrop& drop) {
        readOptions();
        RunGuarded(bench_.prompts(), [&] { commands_.TreeInetDragDrop(drop); });
    });
    QObject::connect(&view, &TreeInetView::linkDropped, &view, [this](const DroppedLink& link) {
        RunGuarded(bench_.prompts(), [&] { adds_.AddUrl(link.title, link.address); });
    });
}

void TreeEditingFeature::BtnExpandClick()
{
    if (!bench_.tree().GetFirstNode())
        return;
    protection_.ExpandAll();
    if (bench_.tree().Selected())
        bench_.showSelection(); // the view scrolls the selected node into sight after its reset
}

} // namespace tarnlink
