#pragma once

// What an export covers: the whole collection, or the contents of one folder with or without its
// subfolders. Protected folders are passed over with everything inside them.

namespace tarnlink {

class TfcTreeNode;
class TfcTreeNodes;

struct ExportScope {
    bool wholeDocument = true;    // "Whole document"; else "Select folder"
    bool exportSubfolders = true; // "Export subfolders", for "Select folder"
};

// A folder with a password, known by its password or by its protected icon: should the two
// disagree in a file written elsewhere, the folder is still kept out of exports.
bool IsProtectedFolder(const TfcTreeNode& node);

// "Select folder" exports the selected folder, or the folder that holds the selected node; null
// for a top-level link or separator.
TfcTreeNode* ScopeFolder(TfcTreeNode* selected);

// Pre-order walk over the exported nodes; every node that is not a folder is an item.
class ExportWalk {
public:
    ExportWalk() = default; // visits nothing
    static ExportWalk WholeDocument(const TfcTreeNodes& tree);
    // The folder's contents; without subfolders only its direct children that are not folders.
    static ExportWalk FolderContents(const TfcTreeNode& folder, bool subfolders);

    // The next node, or null at the end.
    const TfcTreeNode* Next();

private:
    ExportWalk(const TfcTreeNode* first, const TfcTreeNode* end, bool subfolders);
    const TfcTreeNode* skipPassedOver(const TfcTreeNode* node) const;

    const TfcTreeNode* next_ = nullptr;
    const TfcTreeNode* end_ = nullptr;
    bool subfolders_ = true;
};

// What the HTML, text and Internet Explorer writers write for the tree's selection.
struct ExportPlan {
    bool writes = false;                     // false: no file at all
    const TfcTreeNode* scopeFolder = nullptr; // the folder "Select folder" exports
    ExportWalk walk;
};

// A scope folder that is locked (protected and not opened with its password) is not exported:
// selecting a folder must not reveal what its password guards.
ExportPlan PlanExport(const TfcTreeNodes& tree, const ExportScope& scope);

// What a writer of the walk's order receives.
class ExportWriter {
public:
    virtual void folder(const TfcTreeNode& folder) = 0;
    virtual void item(const TfcTreeNode& node) = 0;

protected:
    ~ExportWriter() = default;
};

// Hands the scope folder, when there is one, and then every node of the walk to the writer.
void WriteExportPlan(ExportPlan& plan, ExportWriter& writer);

} // namespace tarnlink
