#include "export_walk.h"

#include "model/node_icons.h"
#include "model/tree_node.h"

namespace tarnlink {

bool IsProtectedFolder(const TfcTreeNode& node)
{
    return node.IsFolder() && (!node.FolderPassword.empty() || node.SelectedIndex == icon::FolderProtectedSelected);
}

TfcTreeNode* ScopeFolder(TfcTreeNode* selected)
{
    if (!selected)
        return nullptr;
    return selected->IsFolder() ? selected : selected->Parent();
}

ExportWalk::ExportWalk(const TfcTreeNode* first, const TfcTreeNode* end, bool subfolders)
    : end_(end), subfolders_(subfolders)
{
    next_ = skipPassedOver(first);
}

ExportWalk ExportWalk::WholeDocument(const TfcTreeNodes& tree)
{
    return ExportWalk(tree.GetFirstNode(), nullptr, true);
}

ExportWalk ExportWalk::FolderContents(const TfcTreeNode& folder, bool subfolders)
{
    return ExportWalk(folder.FirstChild(), folder.GetNextAfterSubtree(), subfolders);
}

const TfcTreeNode* ExportWalk::skipPassedOver(const TfcTreeNode* node) const
{
    while (node && node != end_ && node->IsFolder() && (!subfolders_ || IsProtectedFolder(*node)))
        node = node->GetNextAfterSubtree();
    return node == end_ ? nullptr : node;
}

const TfcTreeNode* ExportWalk::Next()
{
    const TfcTreeNode* current = next_;
    // Without subfolders nothing below a direct child is visited, not even what a link holds.
    if (current)
        next_ = skipPassedOver(subfolders_ ? current->GetNext() : current->GetNextAfterSubtree());
    return current;
}

ExportPlan PlanExport(const TfcTreeNodes& tree, const ExportScope& scope)
{
    if (scope.wholeDocument)
        return {tree.GetFirstNode() != nullptr, nullptr, ExportWalk::WholeDocument(tree)};
    TfcTreeNode* selected = tree.Selected();
    if (!selected)
        return {true, nullptr, {}};
    const TfcTreeNode* folder = ScopeFolder(selected);
    if (!folder || (IsProtectedFolder(*folder) && !folder->Expanded()))
        return {};
    return {true, folder, ExportWalk::FolderContents(*folder, scope.exportSubfolders)};
}

void WriteExportPlan(ExportPlan& plan, ExportWriter& writer)
{
    if (plan.scopeFolder)
        writer.folder(*plan.scopeFolder);
    while (const TfcTreeNode* node = plan.walk.Next()) {
        if (node->IsFolder())
            writer.folder(*node);
        else
            writer.item(*node);
    }
}

} // namespace tarnlink
