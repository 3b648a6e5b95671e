#pragma once

// What a command did to the tree, as the window's features hear of it.

#include "model/tree_counts.h"

namespace tarnlink {

class TfcTreeNode;

enum class TreeChange {
    AddedThroughDialog, // a link or folder through the add dialog
    AddedQuietly,       // links without a dialog (the link monitor), separators
    Pasted,
    Deleted,
    Cut,
    Moved,              // up and down, dragging, sorting
    Edited,             // fields of one node
    Imported,
};

struct TreeEdit {
    TreeChange change = TreeChange::Edited;
    TreeCounts added{};          // folders and links that came into the tree
    TreeCounts removed{};        // folders and links that left it
    TfcTreeNode* node = nullptr; // the node whose fields an edit changed
};

} // namespace tarnlink
