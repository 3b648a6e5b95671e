#include "tree_counts.h"

#include "tree_node.h"

namespace tarnlink {

namespace {

void count(const TfcTreeNode& node, TreeCounts& counts)
{
    if (node.Kind == KindLink)
        ++counts.LinkCount;
    else if (node.Kind == KindFolder)
        ++counts.FolderCount;
}

} // namespace

TreeCounts CountNodes(const TfcTreeNodes& tree)
{
    TreeCounts counts;
    for (const TfcTreeNode* n = tree.GetFirstNode(); n; n = n->GetNext())
        count(*n, counts);
    return counts;
}

TreeCounts CountSubtree(const TfcTreeNode& node)
{
    TreeCounts counts;
    const TfcTreeNode* end = node.GetNextAfterSubtree();
    for (const TfcTreeNode* n = &node; n != end; n = n->GetNext())
        count(*n, counts);
    return counts;
}

} // namespace tarnlink
