#include "nested_export.h"

#include "model/node_icons.h"
#include "model/tree_node.h"

namespace tarnlink {

namespace {

// Turns the walk's pre-order into folders that open and close: a node closes every open folder
// that is not its parent.
class Nesting final : public ExportWriter {
public:
    explicit Nesting(NestedExportWriter& writer) : writer_(writer) {}

    void folder(const TfcTreeNode& folder) override
    {
        closeUntil(folder.Parent());
        writer_.openFolder(folder);
        open_.push_back(&folder);
    }
    void item(const TfcTreeNode& node) override
    {
        closeUntil(node.Parent());
        writer_.item(node);
    }
    void finish() { closeUntil(nullptr); }

private:
    void closeUntil(const TfcTreeNode* parent)
    {
        while (!open_.empty() && open_.back() != parent) {
            writer_.closeFolder();
            open_.pop_back();
        }
    }

    NestedExportWriter& writer_;
    std::vector<const TfcTreeNode*> open_;
};

int protectedChildren(const TfcTreeNodes& tree, const TfcTreeNode* parent)
{
    int count = 0;
    const int children = parent ? parent->ChildCount() : tree.TopLevelCount();
    for (int i = 0; i < children; ++i)
        count += IsProtectedFolder(parent ? *parent->Item(i) : *tree.TopLevelItem(i)) ? 1 : 0;
    return count;
}

} // namespace

void WriteNestedExport(ExportPlan& plan, NestedExportWriter& writer)
{
    Nesting nesting(writer);
    WriteExportPlan(plan, nesting);
    nesting.finish();
}

ExportLosses CountExportLosses(const TfcTreeNodes& tree, const ExportScope& scope, bool keepsSeparators)
{
    ExportLosses losses;
    ExportPlan plan = PlanExport(tree, scope);
    if (!plan.writes) {
        const TfcTreeNode* folder = ScopeFolder(tree.Selected());
        losses[LostField::LockedFolders] = folder && IsProtectedFolder(*folder) ? 1 : 0;
        return losses;
    }
    // Without subfolders no folder is written, protected or not.
    const bool subfolders = scope.wholeDocument || scope.exportSubfolders;
    if (subfolders && (scope.wholeDocument || plan.scopeFolder))
        losses[LostField::LockedFolders] += protectedChildren(tree, plan.scopeFolder);
    while (const TfcTreeNode* node = plan.walk.Next()) {
        if (node->IsFolder()) {
            if (subfolders)
                losses[LostField::LockedFolders] += protectedChildren(tree, node);
            continue;
        }
        if (node->IsSeparator()) {
            losses[LostField::Separators] += keepsSeparators ? 0 : 1;
            continue;
        }
        losses[LostField::Passwords] += node->Password.empty() ? 0 : 1;
        losses[LostField::Logins] += node->Login.empty() ? 0 : 1;
        losses[LostField::Ratings] += RatingFromImageIndex(node->ImageIndex) > 0 ? 1 : 0;
        losses[LostField::SecondAddresses] += node->Link2.empty() ? 0 : 1;
    }
    return losses;
}

std::vector<SummaryLine> LossLines(const ExportLosses& losses)
{
    static constexpr std::array<const char*, kLostFieldCount> texts{
        "Passwords:", "Logins:", "Ratings:", "Second addresses:", "Separators:", "Locked folders:"};
    std::vector<SummaryLine> lines;
    for (size_t i = 0; i < texts.size(); ++i)
        if (losses.counts[i] > 0)
            lines.push_back({texts[i], losses.counts[i]});
    return lines;
}

} // namespace tarnlink
