#include "folder_picker.h"

#include <utility>

namespace tarnlink {

namespace {

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = char(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = char(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

} // namespace

std::vector<PickerFolder> CollectPickerFolders(TfcTreeNodes& tree)
{
    std::vector<PickerFolder> folders;
    // Each pending node comes with the entry of its enclosing folder; siblings are pushed in
    // reverse so they come off the stack in tree order.
    std::vector<std::pair<TfcTreeNode*, int>> pending;
    for (int i = tree.TopLevelCount() - 1; i >= 0; --i)
        pending.emplace_back(tree.TopLevelItem(i), -1);
    while (!pending.empty()) {
        auto [node, parent] = pending.back();
        pending.pop_back();
        if (!node->IsFolder())
            continue;
        folders.push_back({node->Name(), node->ImageIndex, node->SelectedIndex, parent, node->Handle()});
        if (node->IsLocked())
            continue;
        const int entry = int(folders.size()) - 1;
        for (int i = node->ChildCount() - 1; i >= 0; --i)
            pending.emplace_back(node->Item(i), entry);
    }
    return folders;
}

int FindPickerFolder(const std::vector<PickerFolder>& folders, std::string_view name, std::string_view rootName)
{
    if (equalsIgnoringAsciiCase(name, rootName))
        return -1;
    for (size_t i = 0; i < folders.size(); ++i)
        if (equalsIgnoringAsciiCase(folders[i].name, name))
            return int(i);
    return -1;
}

} // namespace tarnlink
