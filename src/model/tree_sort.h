#pragma once

// Sorting the tree: the comparison of two nodes by one key in one direction, and a stable sort
// of the children of every node.

namespace tarnlink {

class TfcTreeNode;
class TfcTreeNodes;

// The keys in the order of the sort dialog's list.
enum class SortKey { Name = 0, Date = 1, LaunchCount = 2, Rating = 3 };

struct SortChoice {
    SortKey key = SortKey::Name;
    bool onlyLinks = false;
    bool directionUp = true; // "Up" puts the greatest value first, "Down" the smallest
};

// The key of a stored index; an index outside the list means Name.
SortKey SortKeyOfIndex(int index);

// Negative when a goes before b, positive when after, 0 when equal. Texts compare ordinally
// (byte by byte, so capitals before small letters and a prefix first); Date compares the
// stored text, not a date. With onlyLinks, any pair with a folder or a separator answers the
// direction's sign, whatever the argument order.
int TreeInetCompare(const TfcTreeNode& a, const TfcTreeNode& b, const SortChoice& choice);

// Reorders the children of every node, the top level included, by TreeInetCompare; nodes that
// compare equal keep their order, and no node leaves its parent. With onlyLinks the folders and
// separators keep their places and the links are sorted among the places links held.
void SortTree(TfcTreeNodes& tree, const SortChoice& choice);

} // namespace tarnlink
