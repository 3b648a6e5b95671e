#include "model/preorder_index.h"
#include "tree_shape.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

// Every position, parent and subtree end against a plain walk of the tree; the index is first
// asked out of order (a node's position, a subtree's end) so that it must build on demand.
void expectMatchesTheWalk(TfcTreeNodes& tree, std::mt19937& rng)
{
    std::vector<TfcTreeNode*> order;
    for (TfcTreeNode* n = tree.GetFirstNode(); n; n = n->GetNext())
        order.push_back(n);
    const int size = int(order.size());
    auto positionOf = [&](const TfcTreeNode* n) {
        return n ? int(std::find(order.begin(), order.end(), n) - order.begin()) : -1;
    };
    auto endOf = [&](int i) {
        const TfcTreeNode* after = order[size_t(i)]->GetNextAfterSubtree();
        return after ? positionOf(after) : size;
    };

    PreorderIndex& index = tree.Preorder();
    if (size > 0) {
        const int some = int(rng() % size);
        EXPECT_EQ(index.positionOf(*order[size_t(some)]), some);
        const int other = int(rng() % size);
        EXPECT_EQ(index.end(other), endOf(other));
    }
    for (int i = 0; i < size; ++i) {
        ASSERT_TRUE(index.reach(i));
        EXPECT_EQ(index.node(i), order[size_t(i)]);
        EXPECT_EQ(index.parent(i), positionOf(order[size_t(i)]->Parent()));
        EXPECT_EQ(index.hasChildren(i), order[size_t(i)]->HasChildren());
        EXPECT_EQ(index.end(i), endOf(i));
        EXPECT_EQ(index.positionOf(*order[size_t(i)]), i);
    }
    EXPECT_FALSE(index.reach(size));
}

TEST(PreorderIndexTest, MatchesThePlainWalkAndStartsOverAfterEachStructuralChange)
{
    std::mt19937 rng(7);
    for (int round = 0; round < 150; ++round) {
        SCOPED_TRACE(round);
        TfcTreeNodes tree;
        randomTree(tree, rng, round % 40);
        expectMatchesTheWalk(tree, rng);

        std::vector<TfcTreeNode*> nodes;
        for (TfcTreeNode* n = tree.GetFirstNode(); n; n = n->GetNext())
            nodes.push_back(n);
        TfcTreeNode* some = nodes.empty() ? nullptr : nodes[rng() % nodes.size()];
        tree.Preorder().reach(int(nodes.size() / 2)); // left half built
        switch (round % 4) {
        case 0:
            tree.AddChild(some && some->IsFolder() ? some : nullptr, "new");
            break;
        case 1:
            tree.Delete(some);
            break;
        case 2:
            tree.MoveTo(some, nodes.empty() ? nullptr : nodes[rng() % nodes.size()], int(rng() % 6));
            break;
        case 3:
            tree.Clear();
            break;
        }
        expectMatchesTheWalk(tree, rng);
    }
}

} // namespace
