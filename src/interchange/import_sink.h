#pragma once

// Every import appends through one sink: readers of foreign formats report folders, links and
// folder ends as events, and the sink turns them into nodes below the import target.

#include "model/errors.h"
#include "model/tree_counts.h"

#include <string>
#include <string_view>

namespace tarnlink {

class TfcTreeNode;
class TfcTreeNodes;

// A file that cannot be imported as it stands (a record cut short, folders nested too deeply).
class ImportError : public Error {
public:
    using Error::Error;
};

// Folders nested deeper than a collection file can hold: the import is refused whole, for such
// a tree could be saved but never opened again.
class NestedTooDeeplyError : public ImportError {
public:
    NestedTooDeeplyError() : ImportError("Folders are nested too deeply to be imported") {}
};

// A bookmark as today's browsers keep it: the name as it stands and the visit as the stored
// visit text (empty when unknown).
struct BookmarkLink {
    std::string name;
    std::string address;
    std::string description;
    std::string visited;
};

// Why a reader passed over an entry of its file.
enum class SkipReason {
    Query,             // a saved search ("place:"), no address of its own
    UnsupportedScheme, // scripts and browser-internal pages, which only a browser can open
    UnsupportedItem,   // an entry of a kind the collection has no node for
};
inline constexpr int kSkipReasonCount = 3;

// What a reader reports, in file order. Every event is optional.
class ImportEvents {
public:
    virtual ~ImportEvents() = default;
    virtual void OnFolder(const std::string& name, const std::string& description) {}
    virtual void OnLink(const std::string& name, const std::string& address, const std::string& description) {}
    virtual void OnFolderEnd() {}
    // The formats of today's browsers: names keep their letter case, links their visit, and
    // separators are kept. Folders end with OnFolderEnd.
    virtual void OnBookmarkFolder(const std::string& name, const std::string& description) {}
    virtual void OnBookmark(const BookmarkLink& link) {}
    virtual void OnSeparator() {}
    virtual void OnSkipped(SkipReason reason) {}
};

// Imports land below the selected node unless it is a link; then (or with nothing selected) at
// the end of the top level, which is null.
TfcTreeNode* ImportTargetFor(TfcTreeNode* selected);

// Imported text loses leading and trailing blanks and control characters (a DOS end-of-file
// mark, for one) as well as Unicode spaces.
std::string TrimmedText(std::string_view text);

// Folder names: lower case, then the first character upper case, then trimmed.
std::string CapitalisedFolderName(std::string_view name);

class ImportSink : public ImportEvents {
public:
    // counts are the document's counters; they rise with every folder and link added.
    ImportSink(TfcTreeNodes& tree, TreeCounts& counts, TfcTreeNode* importParent);

    TfcTreeNode* ImportParent() const { return parent_; }
    TreeCounts& Counts() const { return counts_; }

    // A folder as last child of ImportParent, which it becomes.
    TfcTreeNode* AddImportedFolder(std::string_view name, std::string_view description);
    // A link as last child of ImportParent, its name in upper case and trimmed.
    TfcTreeNode* AddImportedLink(std::string_view name, std::string_view address, std::string_view description);
    // A link node with its name as given and every other field empty; the caller fills them.
    TfcTreeNode* AddLinkNode(std::string name);
    // A folder with its name as given, which becomes ImportParent.
    TfcTreeNode* AddBookmarkFolder(std::string name, std::string_view description);
    TfcTreeNode* AddSeparator();
    // ImportParent moves to its parent, but never above the folder the import was aimed at, so a
    // file with more folder ends than folders cannot place nodes outside it.
    void LeaveImportedFolder();

    void OnFolder(const std::string& name, const std::string& description) override;
    void OnLink(const std::string& name, const std::string& address, const std::string& description) override;
    void OnFolderEnd() override;
    void OnBookmarkFolder(const std::string& name, const std::string& description) override;
    void OnBookmark(const BookmarkLink& link) override;
    void OnSeparator() override;

private:
    TfcTreeNode* appendChild(std::string name);

    TfcTreeNodes& tree_;
    TreeCounts& counts_;
    TfcTreeNode* const target_;
    TfcTreeNode* parent_;
    int childLevel_; // Level of the next node added
};

} // namespace tarnlink
