#include "model/tree_sort.h"
#include "tree_shape.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

SortChoice choice(SortKey key, bool up, bool onlyLinks = false)
{
    return {key, onlyLinks, up};
}

struct Case {
    const char* title;
    SortChoice choice;
    std::vector<std::string> names; // top-level links by name, with clicks and visits below
    std::vector<int> clicks;
    std::vector<std::string> visited;
    std::string sorted;
};

TEST(Sort, OneLevelByEachKey)
{
    const Case cases[] = {
        {"name down", choice(SortKey::Name, false), {"Zoo", "apple", "Apple"}, {}, {}, "Apple Zoo apple"},
        {"name up", choice(SortKey::Name, true), {"Zoo", "apple", "Apple"}, {}, {}, "apple Zoo Apple"},
        {"prefix first", choice(SortKey::Name, false), {"abc", "a", "ab"}, {}, {}, "a ab abc"},
        {"clicks down", choice(SortKey::LaunchCount, false), {"a", "b", "c"}, {0, 5, 2}, {}, "a c b"},
        {"equal keys keep their order", choice(SortKey::LaunchCount, true), {"a", "b", "c", "d"}, {1, 2, 1, 2}, {},
         "b d a c"},
        {"date as text", choice(SortKey::Date, false), {"jan", "never", "dec"}, {},
         {"01.02.2024 10:00:00", "", "31.12.2023 09:00:00"}, "never jan dec"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        TfcTreeNodes tree;
        for (size_t i = 0; i < c.names.size(); ++i) {
            TfcTreeNode* n = link(tree, nullptr, c.names[i]);
            n->Clicks = i < c.clicks.size() ? c.clicks[i] : 0;
            n->Visited = i < c.visited.size() ? c.visited[i] : "";
        }
        SortTree(tree, c.choice);
        EXPECT_EQ(shape(tree), c.sorted);
    }
}

TEST(Sort, RatingDownOrdersByIconAcrossKinds)
{
    TfcTreeNodes tree;
    TfcTreeNode* five = link(tree, nullptr, "five");
    SetLinkRating(*five, 5);
    separator(tree, nullptr, "separator");
    lockedFolder(tree, nullptr, "protected");
    TfcTreeNode* one = link(tree, nullptr, "one");
    SetLinkRating(*one, 1);
    folder(tree, nullptr, "folder");
    link(tree, nullptr, "zero");
    SortTree(tree, choice(SortKey::Rating, false));
    EXPECT_EQ(shape(tree), "zero folder protected separator one five");
}

TEST(Sort, EveryLevelIsSortedAndNoNodeLeavesItsFolder)
{
    TfcTreeNodes tree;
    TfcTreeNode* b = folder(tree, nullptr, "B");
    link(tree, b, "y");
    TfcTreeNode* vault = lockedFolder(tree, b, "Vault");
    link(tree, vault, "s2");
    link(tree, vault, "s1");
    link(tree, b, "x");
    folder(tree, nullptr, "A");
    SortTree(tree, choice(SortKey::Name, false));
    EXPECT_EQ(shape(tree), "A B[Vault[s1 s2] x y]");
    EXPECT_FALSE(vault->Expanded()) << "sorting opens nothing";
}

TEST(Sort, OnlyLinksKeepsFoldersAndSeparatorsInPlace)
{
    TfcTreeNodes tree;
    link(tree, nullptr, "d");
    folder(tree, nullptr, "F");
    link(tree, nullptr, "b");
    separator(tree, nullptr, "-");
    link(tree, nullptr, "c");
    link(tree, nullptr, "a");
    SortTree(tree, choice(SortKey::Name, false, true));
    EXPECT_EQ(shape(tree), "a F b - c d");

    // The comparison itself answers the direction for any pair with a folder or a separator.
    const TfcTreeNode& f = *tree.TopLevelItem(1);
    const TfcTreeNode& a = *tree.TopLevelItem(0);
    for (bool up : {true, false}) {
        const int d = up ? -1 : 1;
        EXPECT_EQ(TreeInetCompare(f, a, choice(SortKey::Name, up, true)), d);
        EXPECT_EQ(TreeInetCompare(a, f, choice(SortKey::Name, up, true)), d);
        EXPECT_EQ(TreeInetCompare(a, a, choice(SortKey::Name, up, true)), 0);
    }
    EXPECT_EQ(SortKeyOfIndex(3), SortKey::Rating);
    EXPECT_EQ(SortKeyOfIndex(7), SortKey::Name);
}

} // namespace
