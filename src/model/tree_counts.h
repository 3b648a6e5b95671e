#pragma once

#include <cstdint>

namespace tarnlink {

class TfcTreeNodes;

// The document's counters: folders (kind 1) and links (kind 0). Separators are not counted.
struct TreeCounts {
    int32_t FolderCount = 0;
    int32_t LinkCount = 0;
    bool operator==(const TreeCounts&) const = default;
};

TreeCounts CountNodes(const TfcTreeNodes& tree);

} // namespace tarnlink
