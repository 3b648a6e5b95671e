#include "tree_counts.h"

#include "tree_node.h"

namespace tarnlink {

TreeCounts CountNodes(const TfcTreeNodes& tree)
{
    TreeCounts counts;
    for (const TfcTreeNode* n = tree.GetFirstNode(); n; n = n->GetNext()) {
        if (n->Kind == KindLink)
            ++counts.LinkCount;
        else if (n->Kind == KindFolder)
            ++counts.FolderCount;
    }
    return counts;
}

} // namespace tarnlink
