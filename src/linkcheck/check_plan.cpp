#include "check_plan.h"

#include <unordered_map>

namespace tarnlink {

namespace {

bool isLocalPath(const std::string& link)
{
    return link.find(":\\") != std::string::npos;
}

CheckStep requestStep(TfcTreeNode& node, int nodeIndex, int progress)
{
    return {true, node.Handle(), node.Link1, nodeIndex, progress};
}

CheckStep paceStep(int nodeIndex, int progress)
{
    CheckStep step;
    step.nodeIndex = nodeIndex;
    step.progress = progress;
    return step;
}

bool enteredByFolderWalk(const TfcTreeNode& node)
{
    return node.IsFolder() && node.FolderPassword.empty() && node.HasChildren();
}

// AbsoluteIndex of every selected node, found in one pre-order pass.
std::unordered_map<const TfcTreeNode*, int> selectionIndexes(const TfcTreeNodes& tree)
{
    std::unordered_map<const TfcTreeNode*, int> indexes;
    for (int i = 0; i < tree.SelectionCount(); ++i)
        indexes.emplace(tree.Selection(i), -1);
    int index = 0;
    for (const TfcTreeNode* n = tree.GetFirstNode(); n; n = n->GetNext(), ++index)
        if (auto it = indexes.find(n); it != indexes.end())
            it->second = index;
    return indexes;
}

// The children walk of a selected folder. It follows the pre-order walk of the folder's subtree
// so that indexes come for free; subtrees the walk does not enter are only counted. An entered
// folder paces after its children, as in the depth-first walk.
void planFolderChildren(TfcTreeNode& folder, int folderIndex, int progress, CheckPlan& plan)
{
    const TfcTreeNode* end = folder.GetNextAfterSubtree();
    std::vector<std::pair<const TfcTreeNode*, int>> entered{{&folder, folderIndex}};
    int index = folderIndex + 1;
    TfcTreeNode* n = folder.GetNext();
    while (n != end) {
        while (entered.back().first != n->Parent()) {
            plan.push_back(paceStep(entered.back().second, progress));
            entered.pop_back();
        }
        if (enteredByFolderWalk(*n)) {
            entered.emplace_back(n, index);
            n = n->GetNext();
            ++index;
            continue;
        }
        plan.push_back(n->IsLink() && !n->Link1.empty() ? requestStep(*n, index, progress) : paceStep(index, progress));
        const TfcTreeNode* next = n->GetNextAfterSubtree();
        for (; n != next; n = n->GetNext())
            ++index;
    }
    while (entered.size() > 1) {
        plan.push_back(paceStep(entered.back().second, progress));
        entered.pop_back();
    }
}

} // namespace

CheckPlan PlanWholeTree(TfcTreeNodes& tree)
{
    CheckPlan plan;
    int index = 0;
    TfcTreeNode* n = tree.GetFirstNode();
    while (n) {
        if (n->IsLocked()) {
            const TfcTreeNode* next = n->GetNextAfterSubtree();
            for (; n != next; n = n->GetNext())
                ++index;
            continue;
        }
        if (n->IsLink() && !n->Link1.empty() && !isLocalPath(n->Link1))
            plan.push_back(requestStep(*n, index, index));
        n = n->GetNext();
        ++index;
    }
    return plan;
}

CheckPlan PlanSelectedNodes(TfcTreeNodes& tree)
{
    CheckPlan plan;
    if (tree.SelectionCount() == 0)
        return plan;
    const auto indexes = selectionIndexes(tree);
    for (int i = 0; i < tree.SelectionCount(); ++i) {
        TfcTreeNode& node = *tree.Selection(i);
        const int index = indexes.at(&node);
        if (node.IsLocked())
            continue;
        if (node.IsFolder())
            planFolderChildren(node, index, i, plan);
        plan.push_back(node.IsLink() && !node.Link1.empty() ? requestStep(node, index, i) : paceStep(index, i));
    }
    return plan;
}

} // namespace tarnlink
