#pragma once

// The hidden tree that holds cut and copied nodes. It is not the system clipboard: its top-level
// nodes are copies of the nodes copied, each with its whole subtree, and it keeps them until the
// next cut or copy, so one copy can be pasted any number of times.

#include "tree_counts.h"
#include "tree_node.h"

#include <vector>

namespace tarnlink {

class ClipboardTree {
public:
    // Empties the clipboard, then copies each node in order with its subtree. Protected folders
    // are left out; protected folders inside a copied folder come along with their password.
    void Copy(const std::vector<TfcTreeNode*>& nodes);

    bool Empty() const { return nodes_.TopLevelCount() == 0; }
    const TfcTreeNodes& Nodes() const { return nodes_; }
    // The folders and links of every copy.
    TreeCounts Counts() const { return counts_; }

    // Copies the clipboard nodes in order into tree: as last children of parent (null: the top
    // level), or each directly after `after` when one is given, so that several of them end up
    // in the reverse of the clipboard order. Returns the folders and links created.
    TreeCounts PasteInto(TfcTreeNodes& tree, TfcTreeNode* parent, TfcTreeNode* after = nullptr) const;

private:
    TfcTreeNodes nodes_;
    TreeCounts counts_;
};

} // namespace tarnlink
