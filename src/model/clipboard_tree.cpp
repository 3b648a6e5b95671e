#include "clipboard_tree.h"

namespace tarnlink {

void ClipboardTree::Copy(const std::vector<TfcTreeNode*>& nodes)
{
    nodes_.Clear();
    for (const TfcTreeNode* node : nodes)
        if (node->FolderPassword.empty())
            CopySubtree(*node, nodes_, nullptr);
    counts_ = CountNodes(nodes_);
}

TreeCounts ClipboardTree::PasteInto(TfcTreeNodes& tree, TfcTreeNode* parent, TfcTreeNode* after) const
{
    UpdateGuard update(tree);
    for (const TfcTreeNode* n = nodes_.GetFirstNode(); n; n = n->NextSibling()) {
        if (after)
            CopySubtree(*n, tree, after->Parent(), after->NextSibling());
        else
            CopySubtree(*n, tree, parent);
    }
    return counts_;
}

} // namespace tarnlink
