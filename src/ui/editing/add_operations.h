#pragma once

// Adding to the tree: links and folders through the add dialog, separators directly, and links
// without any dialog (the link monitor's quick add), with the duplicate check they share.

#include "ui/kit/prompts_source.h"
#include "ui/kit/tree_edit.h"

#include <QString>

#include <functional>
#include <string_view>

namespace tarnlink {

class Prompts;
class TFormAdd;
class TfcTreeNode;
class TfcTreeNodes;

// The first link (in the walk that skips locked folders) whose Link1 or Link2 contains the
// address without its scheme, compared without regard to letter case; null for an empty address
// or one that is nothing but a scheme.
TfcTreeNode* FindDuplicateLink(TfcTreeNodes& tree, std::string_view address);

struct AddOptions {
    bool http = true;               // Http
    bool uniqueUrl = true;          // UniqueUrl
    bool selectAutoFolder = true;   // ChkSelectAutoFoler
    bool msnPopup = true;           // MSNPopup
};

// What the main window does around an add. Every hook has a harmless default.
struct AddHooks {
    // Commits the properties editor into the node being left, before the selection moves.
    std::function<void()> leaveSelected = [] {};
    // The tree changed: the counters follow, the document is marked modified.
    std::function<void(const TreeEdit&)> treeEdited = [](const TreeEdit&) {};
    // The new node is shown in the properties editor with the texts as typed.
    std::function<void(TfcTreeNode*, const TFormAdd&)> showAdded = [](TfcTreeNode*, const TFormAdd&) {};
    std::function<void(TfcTreeNode*)> showNodeStatus = [](TfcTreeNode*) {};
    std::function<void()> showTotals = [] {};
    // The tree takes the keyboard focus and shows the node.
    std::function<void(TfcTreeNode*)> focusNode = [](TfcTreeNode*) {};
    std::function<void()> repaintTree = [] {};
    // The "Added new link" notice for an address.
    std::function<void(const QString&)> showNotice = [](const QString&) {};
};

class AddCommands {
public:
    AddCommands(TfcTreeNodes& tree, PromptsSource prompts, TFormAdd& dialog);

    AddOptions& options() { return options_; }
    AddHooks& hooks() { return hooks_; }

    // Opens the dialog for a new link prefilled with name and address; on OK adds it. The new
    // link, or null when nothing was added (cancelled, no name, a duplicate shown instead).
    TfcTreeNode* AddUrl(const QString& name, const QString& address);
    // Opens the dialog for a new folder; on OK adds it as the first child of the chosen folder.
    void MAddGroupClick();
    // A separator right after the selected node.
    void MAddSeparator2Click();
    // Null when UniqueUrl is off.
    TfcTreeNode* FindDuplicateLink(const QString& address);
    // A link added without dialog beside or under the selected node; never inside a protected
    // folder.
    TfcTreeNode* QuickAddLink(const QString& address);

private:
    // The picker filled and a folder preselected, as each opening for adding needs.
    void prepareFolders();
    // Makes the node the only selected one, focused and in view.
    void selectNew(TfcTreeNode* node);

    TfcTreeNodes& tree_;
    PromptsSource prompts_;
    TFormAdd& dialog_;
    AddOptions options_;
    AddHooks hooks_;
};

} // namespace tarnlink
