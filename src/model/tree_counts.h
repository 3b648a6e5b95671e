#pragma once

#include <cstdint>

namespace tarnlink {

class TfcTreeNode;
class TfcTreeNodes;

// The document's counters: folders (kind 1) and links (kind 0). Separators are not counted.
struct TreeCounts {
    int32_t FolderCount = 0;
    int32_t LinkCount = 0;
    bool operator==(const TreeCounts&) const = default;
    TreeCounts& operator+=(const TreeCounts& more)
    {
        FolderCount += more.FolderCount;
        LinkCount += more.LinkCount;
        return *this;
    }
    TreeCounts operator-(const TreeCounts& less) const { return {FolderCount - less.FolderCount, LinkCount - less.LinkCount}; }
};

TreeCounts CountNodes(const TfcTreeNodes& tree);
// The folders and links of a node's subtree, the node included.
TreeCounts CountSubtree(const TfcTreeNode& node);

} // namespace tarnlink
