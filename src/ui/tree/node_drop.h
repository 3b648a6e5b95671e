#pragma once

// Where nodes dragged inside the tree were dropped.

namespace tarnlink {

class TfcTreeNode;

struct NodeDrop {
    TfcTreeNode* target = nullptr;          // the node whose row is under the pointer; null below the last row
    TfcTreeNode* lastHighlighted = nullptr; // the node last highlighted as drop target during the drag
    bool ctrl = false;                      // Ctrl was down at the drop
};

} // namespace tarnlink
