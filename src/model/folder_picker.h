#pragma once

// The folders the add dialog offers as the place of a new node: every folder of the tree, nested
// as in the tree and in tree order, but nothing below a locked folder.

#include "tree_node.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarnlink {

struct PickerFolder {
    std::string name;
    int imageIndex = 0;
    int selectedIndex = 0;
    int parent = -1;   // index of the enclosing entry in the list; -1 for the top level
    NodeHandle folder; // empty once the folder is deleted
};

// Folders in pre-order. Only folders are entered: children of links and separators are skipped,
// and so is everything inside a locked folder.
std::vector<PickerFolder> CollectPickerFolders(TfcTreeNodes& tree);

// The first entry whose name equals `name` without regard to ASCII letter case; -1 when the root
// entry (named `rootName`, which comes before every folder) matches or nothing does.
int FindPickerFolder(const std::vector<PickerFolder>& folders, std::string_view name, std::string_view rootName);

} // namespace tarnlink
