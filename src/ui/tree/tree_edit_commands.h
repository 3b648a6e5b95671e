#pragma once

// The commands that change the shape of the tree once nodes exist: delete, cut, copy and paste
// through the hidden clipboard tree, moving nodes up and down among their siblings, moving them
// by a drop inside the tree, and collapsing the whole tree.
//
// Every question is asked before the tree changes, and the changes of one command then happen
// in one update bracket: the view hears one reset, however many nodes move, and no dialog runs
// while the view waits for that reset.

#include "model/clipboard_tree.h"
#include "ui/kit/prompts_source.h"
#include "ui/kit/tree_edit.h"
#include "ui/tree/node_drop.h"

#include <QString>

#include <functional>
#include <vector>

namespace tarnlink {

class TfcTreeNode;
class TfcTreeNodes;

struct TreeEditOptions {
    bool confirmDelete = true;    // ChkConfirmDelete
    bool confirmMove = false;     // ChkConfirmMove
    bool deleteFavorites = false; // ChkDelUrl
};

// What the main window does around the commands. Every hook has a harmless default.
struct TreeEditHooks {
    // The tree changed: the counters follow, the document is marked modified.
    std::function<void(const TreeEdit&)> treeEdited = [](const TreeEdit&) {};
    // The editors, the status bar and the list page show the selected node again.
    std::function<void()> showSelection = [] {};
    // The clipboard tree was filled anew (Paste may have become usable).
    std::function<void()> clipboardChanged = [] {};
    // The favorites folder of the system; empty when there is none.
    std::function<QString()> favoritesFolder = [] { return QString(); };
};

class TreeEditCommands {
public:
    TreeEditCommands(TfcTreeNodes& tree, PromptsSource prompts);

    TreeEditOptions& options() { return options_; }
    TreeEditHooks& hooks() { return hooks_; }
    const ClipboardTree& clipboard() const { return clipboard_; }

    void MDelete2Click();
    void MCutNodeClick();
    void MCopyNodeClick();
    void MPasteNodeClick();
    // A negative tag moves down, any other up.
    void ButUpClick(int tag);
    void BtnCollapseClick();
    void TreeInetDragDrop(const NodeDrop& drop);

private:
    std::vector<TfcTreeNode*> selection() const;
    // Takes the nodes out of the tree in one bracket, deleting their favorites files when
    // favorites is not empty; a node is selected where the selected one went away.
    TreeCounts removeNodes(const std::vector<TfcTreeNode*>& nodes, const QString& favorites);
    void moveUp(const std::vector<TfcTreeNode*>& nodes);
    void moveDown(const std::vector<TfcTreeNode*>& nodes);
    bool passwordGiven(TfcTreeNode* folder);

    TfcTreeNodes& tree_;
    PromptsSource prompts_;
    TreeEditOptions options_;
    TreeEditHooks hooks_;
    ClipboardTree clipboard_;
};

} // namespace tarnlink
