#pragma once

// What the commands' enabling rules look at: the tree's selection, taken once per selection
// change or menu opening.

namespace tarnlink {

class TfcTreeNode;
class TfcTreeNodes;

struct SelectionFacts {
    const TfcTreeNode* selected = nullptr;
    int selectionCount = 0;

    static SelectionFacts of(const TfcTreeNodes& tree);

    bool any() const { return selected != nullptr; }
    bool folder() const;
    // A link or a separator: anything that is not a folder.
    bool notFolder() const;
    bool link() const;
    bool hasLink1() const;
    bool hasLink2() const;
    // A node that is not a folder, with Link1 or Link2.
    bool launchable() const { return hasLink1() || hasLink2(); }
};

} // namespace tarnlink
