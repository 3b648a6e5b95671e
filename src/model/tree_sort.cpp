#include "tree_sort.h"

#include "tree_node.h"

#include <algorithm>
#include <vector>

namespace tarnlink {

namespace {

template <typename T>
int threeWay(const T& a, const T& b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

// Ascending order of the key's values: negative when a's value is less.
int compareValues(const TfcTreeNode& a, const TfcTreeNode& b, SortKey key)
{
    switch (key) {
    case SortKey::Name:
        return a.Name().compare(b.Name()); // bytes as unsigned codes
    case SortKey::Date:
        return a.Visited.compare(b.Visited);
    case SortKey::LaunchCount:
        return threeWay(a.Clicks, b.Clicks);
    case SortKey::Rating:
        return threeWay(a.ImageIndex, b.ImageIndex);
    }
    return 0;
}

int direction(const SortChoice& choice)
{
    return choice.directionUp ? -1 : 1;
}

int directed(int comparison, const SortChoice& choice)
{
    return comparison < 0 ? -direction(choice) : (comparison > 0 ? direction(choice) : 0);
}

bool isFolderOrSeparator(const TfcTreeNode& node)
{
    return node.IsFolder() || node.IsSeparator();
}

std::vector<TfcTreeNode*> childrenOf(const TfcTreeNodes& tree, const TfcTreeNode* parent)
{
    std::vector<TfcTreeNode*> children;
    children.reserve(size_t(parent ? parent->ChildCount() : tree.TopLevelCount()));
    for (TfcTreeNode* c = parent ? parent->FirstChild() : tree.GetFirstNode(); c; c = c->NextSibling())
        children.push_back(c);
    return children;
}

void sortLevel(TfcTreeNodes& tree, TfcTreeNode* parent, const SortChoice& choice)
{
    const std::vector<TfcTreeNode*> before = childrenOf(tree, parent);
    std::vector<TfcTreeNode*> order = before;
    auto less = [&choice](const TfcTreeNode* a, const TfcTreeNode* b) { return TreeInetCompare(*a, *b, choice) < 0; };
    if (choice.onlyLinks) {
        // Folders and separators stay where they are; the links fill the places links held.
        std::vector<TfcTreeNode*> links;
        for (TfcTreeNode* n : order)
            if (!isFolderOrSeparator(*n))
                links.push_back(n);
        std::stable_sort(links.begin(), links.end(), less);
        auto next = links.begin();
        for (TfcTreeNode*& n : order)
            if (!isFolderOrSeparator(*n))
                n = *next++;
    } else {
        std::stable_sort(order.begin(), order.end(), less);
    }
    if (order != before)
        tree.ReorderChildren(parent, order);
}

} // namespace

SortKey SortKeyOfIndex(int index)
{
    return index >= 0 && index <= int(SortKey::Rating) ? SortKey(index) : SortKey::Name;
}

int TreeInetCompare(const TfcTreeNode& a, const TfcTreeNode& b, const SortChoice& choice)
{
    if (choice.onlyLinks && (isFolderOrSeparator(a) || isFolderOrSeparator(b)))
        return direction(choice);
    return directed(compareValues(a, b, choice.key), choice);
}

void SortTree(TfcTreeNodes& tree, const SortChoice& choice)
{
    UpdateGuard update(tree);
    sortLevel(tree, nullptr, choice);
    for (TfcTreeNode* n = tree.GetFirstNode(); n; n = n->GetNext())
        if (n->HasChildren())
            sortLevel(tree, n, choice);
}

} // namespace tarnlink
