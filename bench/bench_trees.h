#pragma once

// Trees shaped as collections are usually kept, for the benchmark programs.

#include "model/node_icons.h"
#include "model/tree_node.h"

#include <string>

namespace tarnlink::bench {

// Folders of 50 links each inside parent (the top level when null), in one update; link i gets
// the address address(i).
template <typename Address>
void FillFoldersOfLinks(TfcTreeNodes& tree, TfcTreeNode* parent, int links, Address address)
{
    UpdateGuard update(tree);
    TfcTreeNode* folder = nullptr;
    for (int i = 0; i < links; ++i) {
        if (i % 50 == 0) {
            folder = tree.AddChild(parent, "Folder number " + std::to_string(i / 50));
            folder->Kind = KindFolder;
            SetFolderIcons(*folder, false);
        }
        TfcTreeNode* link = tree.AddChild(folder, "A link name of about thirty bytes " + std::to_string(i));
        link->Link1 = address(i);
        SetLinkRating(*link, 0);
    }
}

} // namespace tarnlink::bench
