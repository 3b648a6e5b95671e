#include "opera_export.h"

#include "file_io.h"
#include "opera_hotlist.h"

#include "model/tree_node.h"

#include <vector>

namespace tarnlink {

namespace {

class HotlistBuilder {
public:
    explicit HotlistBuilder(bool subfolders) : subfolders_(subfolders) {}

    void link(const TfcTreeNode& node)
    {
        hotlist_.AddEntry(node.Name(), node.Link1, {}, {}, {}, node.Description, {}, true);
    }

    // The folder record, then its contents (a protected or empty folder stays empty) and "-".
    void folder(const TfcTreeNode& node)
    {
        hotlist_.AddEntry(node.Name(), {}, {}, {}, {}, node.Description, {}, false);
        if (!opens(node)) {
            hotlist_.AddFolderEnd();
            return;
        }
        struct Open {
            const TfcTreeNode* folder;
            int next;
        };
        std::vector<Open> open{{&node, 0}};
        while (!open.empty()) {
            Open& top = open.back();
            if (top.next >= top.folder->ChildCount()) {
                hotlist_.AddFolderEnd();
                open.pop_back();
                continue;
            }
            const TfcTreeNode& child = *top.folder->Item(top.next++);
            if (!child.IsFolder()) {
                link(child);
                continue;
            }
            hotlist_.AddEntry(child.Name(), {}, {}, {}, {}, child.Description, {}, false);
            if (subfolders_ && opens(child))
                open.push_back({&child, 0});
            else
                hotlist_.AddFolderEnd();
        }
    }

    std::string finish()
    {
        hotlist_.AddFolderEnd();
        return hotlist_.Hotlist();
    }

private:
    static bool opens(const TfcTreeNode& folder) { return folder.HasChildren() && !IsProtectedFolder(folder); }

    TImportOpera hotlist_;
    bool subfolders_;
};

const TfcTreeNode* startNode(const TfcTreeNodes& tree, const ExportScope& scope)
{
    TfcTreeNode* selected = tree.Selected();
    if (scope.wholeDocument || !selected)
        return tree.GetFirstNode();
    return selected->IsFolder() || !selected->Parent() ? selected : selected->Parent();
}

} // namespace

std::string BuildOperaExport(const TfcTreeNodes& tree, const ExportScope& scope)
{
    HotlistBuilder hotlist(scope.wholeDocument || scope.exportSubfolders);
    for (const TfcTreeNode* node = startNode(tree, scope); node; node = node->NextSibling()) {
        if (!node->IsFolder()) {
            hotlist.link(*node);
            continue;
        }
        hotlist.folder(*node);
        if (!scope.wholeDocument)
            break;
    }
    return hotlist.finish();
}

void ExportToOpera(const TfcTreeNodes& tree, const ExportScope& scope, const QString& fileName)
{
    SaveExportFile(fileName, BuildOperaExport(tree, scope));
}

} // namespace tarnlink
