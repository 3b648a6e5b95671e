#include "import_sink.h"

#include "model/node_icons.h"
#include "model/tree_node.h"
#include "model/utf8_cut.h"
#include "platform/codepage.h"

namespace tarnlink {

namespace {

// Bytes of the first character: a whole UTF-8 sequence, or one byte of Windows-1252 text.
size_t firstCharacterLength(std::string_view text)
{
    if (text.empty())
        return 0;
    if (!IsValidUtf8(text))
        return 1;
    const auto lead = uint8_t(text[0]);
    const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return std::min(length, text.size());
}

} // namespace

std::string TrimmedText(std::string_view text)
{
    // Bytes up to the blank are never part of a UTF-8 sequence, so either code page trims alike.
    const auto isBlankOrControl = [](char c) { return uint8_t(c) <= uint8_t(' '); };
    while (!text.empty() && isBlankOrControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlankOrControl(text.back()))
        text.remove_suffix(1);
    return codepage::trimmed(text);
}

TfcTreeNode* ImportTargetFor(TfcTreeNode* selected)
{
    return selected && !selected->IsLink() ? selected : nullptr;
}

std::string CapitalisedFolderName(std::string_view name)
{
    const std::string lowered = codepage::lower(name);
    const size_t first = firstCharacterLength(lowered);
    return TrimmedText(codepage::upper(std::string_view(lowered).substr(0, first)) + lowered.substr(first));
}

ImportSink::ImportSink(TfcTreeNodes& tree, TreeCounts& counts, TfcTreeNode* importParent)
    : tree_(tree), counts_(counts), target_(importParent), parent_(importParent),
      childLevel_(importParent ? importParent->Level() + 1 : 0)
{
}

TfcTreeNode* ImportSink::appendChild(std::string name)
{
    if (childLevel_ >= kMaxNestingDepth)
        throw NestedTooDeeplyError();
    return tree_.AddChild(parent_, std::move(name));
}

TfcTreeNode* ImportSink::AddImportedFolder(std::string_view name, std::string_view description)
{
    return AddBookmarkFolder(CapitalisedFolderName(name), description);
}

TfcTreeNode* ImportSink::AddBookmarkFolder(std::string name, std::string_view description)
{
    TfcTreeNode* folder = appendChild(std::move(name));
    folder->Kind = KindFolder;
    folder->ImageIndex = icon::Folder;
    folder->SelectedIndex = icon::FolderSelected;
    folder->Description = description;
    ++counts_.FolderCount;
    parent_ = folder;
    ++childLevel_;
    return folder;
}

TfcTreeNode* ImportSink::AddLinkNode(std::string name)
{
    TfcTreeNode* link = appendChild(std::move(name));
    link->ImageIndex = icon::Link;
    link->SelectedIndex = icon::LinkSelected;
    ++counts_.LinkCount;
    return link;
}

TfcTreeNode* ImportSink::AddImportedLink(std::string_view name, std::string_view address, std::string_view description)
{
    TfcTreeNode* link = AddLinkNode(TrimmedText(codepage::upper(name)));
    link->Link1 = address;
    link->Description = description;
    return link;
}

TfcTreeNode* ImportSink::AddSeparator()
{
    TfcTreeNode* separator = appendChild({});
    separator->Kind = KindSeparator;
    SetIconsForKind(*separator);
    return separator;
}

void ImportSink::LeaveImportedFolder()
{
    if (parent_ == target_)
        return;
    parent_ = parent_->Parent();
    --childLevel_;
}

void ImportSink::OnFolder(const std::string& name, const std::string& description)
{
    AddImportedFolder(name, description);
}

void ImportSink::OnLink(const std::string& name, const std::string& address, const std::string& description)
{
    AddImportedLink(name, address, description);
}

void ImportSink::OnFolderEnd()
{
    LeaveImportedFolder();
}

void ImportSink::OnBookmarkFolder(const std::string& name, const std::string& description)
{
    AddBookmarkFolder(name, description);
}

void ImportSink::OnBookmark(const BookmarkLink& link)
{
    TfcTreeNode* node = AddLinkNode(link.name);
    node->Link1 = link.address;
    node->Description = link.description;
    node->Visited = link.visited;
}

void ImportSink::OnSeparator()
{
    AddSeparator();
}

} // namespace tarnlink
