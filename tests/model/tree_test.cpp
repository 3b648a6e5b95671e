#include "model/errors.h"
#include "model/node_icons.h"
#include "model/tree_counts.h"
#include "model/tree_node.h"
#include "tree_shape.h"

#include <gtest/gtest.h>

#include <string>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

// A[a1 a2[x]] B C
struct SampleTree : ::testing::Test {
    TfcTreeNodes tree;
    TfcTreeNode *A, *a1, *a2, *x, *B, *C;
    void SetUp() override
    {
        A = folder(tree, nullptr, "A");
        a1 = tree.AddChild(A, "a1");
        a2 = folder(tree, A, "a2");
        x = tree.AddChild(a2, "x");
        B = tree.AddChild(nullptr, "B");
        C = tree.AddChild(nullptr, "C");
    }
};

TEST(Tree, EmptyCollectionHasNoNodesAndZeroCounters)
{
    TfcTreeNodes tree;
    EXPECT_EQ(tree.GetFirstNode(), nullptr);
    EXPECT_EQ(tree.Count(), 0);
    EXPECT_EQ(CountNodes(tree), (TreeCounts{0, 0}));
    EXPECT_THROW(tree.NodeAt(0), InvalidIndexError);
}

TEST(Tree, NewNodeDefaults)
{
    TfcTreeNodes tree;
    TfcTreeNode* n = tree.AddChild(nullptr, "n");
    EXPECT_EQ(n->Name(), "n");
    EXPECT_EQ(n->Kind, KindLink);
    EXPECT_EQ(n->ImageIndex, 0);
    EXPECT_EQ(n->SelectedIndex, 0);
    EXPECT_EQ(n->StateIndex, -1);
    EXPECT_EQ(n->OverlayIndex, -1);
    EXPECT_EQ(n->Clicks, 0);
    EXPECT_TRUE(n->Link1.empty() && n->Description.empty() && n->FolderPassword.empty());
}

TEST_F(SampleTree, CreatingOperationsPlaceNodes)
{
    tree.AddChildFirst(A, "first");
    tree.Add(a1, "added");
    tree.Insert(B, "beforeB");
    tree.Add(nullptr, "end");
    tree.Insert(nullptr, "end2");
    EXPECT_EQ(shape(tree), "A[first a1 a2[x] added] beforeB B C end end2");
    EXPECT_EQ(tree.Count(), 11);
}

TEST_F(SampleTree, WalksArePreOrderAndReverse)
{
    std::string forward, backward;
    TfcTreeNode* last = nullptr;
    for (TfcTreeNode* n = tree.GetFirstNode(); n; n = n->GetNext()) {
        forward += n->Name() + ",";
        last = n;
    }
    for (TfcTreeNode* n = last; n; n = n->GetPrev())
        backward += n->Name() + ",";
    EXPECT_EQ(forward, "A,a1,a2,x,B,C,");
    EXPECT_EQ(backward, "C,B,x,a2,a1,A,");
    EXPECT_EQ(x->Level(), 2);
    EXPECT_EQ(B->Level(), 0);
    EXPECT_EQ(B->Parent(), nullptr);
    EXPECT_EQ(x->Parent(), a2);
    EXPECT_EQ(A->IndexOf(a2), 1);
    EXPECT_EQ(A->IndexOf(x), -1);
}

TEST_F(SampleTree, AbsoluteIndexAndNodeAtAgree)
{
    int i = 0;
    for (TfcTreeNode* n = tree.GetFirstNode(); n; n = n->GetNext(), ++i) {
        EXPECT_EQ(n->AbsoluteIndex(), i);
        EXPECT_EQ(tree.NodeAt(i), n);
    }
    // Stepping back from the remembered node, then a jump, then a change that forgets it.
    EXPECT_EQ(tree.NodeAt(4), B);
    EXPECT_EQ(tree.NodeAt(3), x);
    EXPECT_EQ(tree.NodeAt(0), A);
    EXPECT_EQ(tree.NodeAt(1), a1);
    a1->Delete();
    EXPECT_EQ(tree.NodeAt(1), a2);
    EXPECT_THROW(tree.NodeAt(-1), InvalidIndexError);
    EXPECT_THROW(tree.NodeAt(tree.Count()), InvalidIndexError);
}

TEST_F(SampleTree, ProtectedWalkSkipsLockedFolderButNotWhatFollows)
{
    a2->FolderPassword = "3132";
    SetFolderIcons(*a2, true);
    auto walk = [&] {
        std::string s;
        for (TfcTreeNode* n = tree.GetFirstNode(); n; n = n->GetNextUnlocked())
            s += n->Name() + ",";
        return s;
    };
    auto walkBack = [&] {
        std::string s;
        for (TfcTreeNode* n = C; n; n = n->GetPrevUnlocked())
            s += n->Name() + ",";
        return s;
    };
    // a2 is the last child of A: the walk goes on with B.
    EXPECT_EQ(walk(), "A,a1,a2,B,C,");
    EXPECT_EQ(walkBack(), "C,B,a2,a1,A,");
    ASSERT_TRUE(a2->Expand(false));
    EXPECT_EQ(walk(), "A,a1,a2,x,B,C,");
    EXPECT_EQ(walkBack(), "C,B,x,a2,a1,A,");
}

TEST_F(SampleTree, ExpansionGoesThroughTheGuard)
{
    a2->FolderPassword = "3132";
    tree.OnExpanding = [](TfcTreeNode* n) { return n->FolderPassword.empty(); };
    tree.FullExpand();
    EXPECT_TRUE(A->Expanded());
    EXPECT_FALSE(a2->Expanded());
    EXPECT_FALSE(tree.MakeVisible(x));
    EXPECT_FALSE(B->Expand(false)); // no children: nothing to expand
    tree.OnExpanding = nullptr;
    EXPECT_TRUE(tree.MakeVisible(x));
    EXPECT_TRUE(a2->Expanded());
    tree.FullCollapse();
    EXPECT_FALSE(A->Expanded() || a2->Expanded());
}

struct MoveCase {
    const char* node;
    const char* target; // "" for none
    int mode;
    const char* expected;
};

class MoveTo : public SampleTree, public ::testing::WithParamInterface<MoveCase> {
protected:
    TfcTreeNode* byName(const std::string& name)
    {
        for (TfcTreeNode* n = tree.GetFirstNode(); n; n = n->GetNext())
            if (n->Name() == name)
                return n;
        return nullptr;
    }
};

TEST_P(MoveTo, PlacesTheNodeWithItsSubtree)
{
    const MoveCase& c = GetParam();
    TfcTreeNode* node = byName(c.node);
    const int count = tree.Count();
    node->MoveTo(*c.target ? byName(c.target) : nullptr, c.mode);
    EXPECT_EQ(shape(tree), c.expected);
    EXPECT_EQ(tree.Count(), count);
    for (TfcTreeNode* n = tree.GetFirstNode(); n; n = n->GetNext())
        if (n->Parent()) {
            EXPECT_EQ(n->Parent()->Item(n->Index()), n) << "indexes renumbered";
        }
}

INSTANTIATE_TEST_SUITE_P(Modes, MoveTo, ::testing::Values(
    MoveCase{"B", "x", 0, "A[a1 a2[x B]] C"},
    MoveCase{"B", "x", 1, "A[a1 a2[B x]] C"},
    MoveCase{"B", "a2", 2, "A[a1 a2[x B]] C"},
    MoveCase{"B", "a2", 3, "A[a1 a2[B x]] C"},
    MoveCase{"C", "a1", 4, "A[C a1 a2[x]] B"},
    MoveCase{"C", "a1", 5, "A[a1 C a2[x]] B"},
    MoveCase{"B", "a2", 5, "A[a1 a2[x] B] C"},
    MoveCase{"C", "A", 4, "C A[a1 a2[x]] B"},
    MoveCase{"A", "C", 5, "B C A[a1 a2[x]]"},
    MoveCase{"a1", "", 0, "A[a2[x]] B C a1"},
    MoveCase{"C", "", 1, "C A[a1 a2[x]] B"},
    MoveCase{"C", "", 3, "C A[a1 a2[x]] B"},
    MoveCase{"B", "", 2, "A[a1 a2[x]] C B"},
    // Into its own subtree, or before its own next sibling: nothing happens.
    MoveCase{"A", "x", 2, "A[a1 a2[x]] B C"},
    MoveCase{"A", "a2", 4, "A[a1 a2[x]] B C"},
    MoveCase{"B", "C", 4, "A[a1 a2[x]] B C"},
    MoveCase{"x", "B", 5, "A[a1 a2] B x C"}));

TEST_F(SampleTree, MoveExpandsNewParentAndCollapsesEmptiedOne)
{
    a2->Expand(false);
    tree.Select(x);
    x->MoveTo(B, 2);
    EXPECT_TRUE(B->Expanded());
    EXPECT_FALSE(a2->Expanded());
    EXPECT_FALSE(a2->HasChildren());
    EXPECT_EQ(tree.Selected(), x);
}

TEST_F(SampleTree, DeleteDropsSubtreeFromSelectionAndHandles)
{
    NodeHandle hx = x->Handle();
    NodeHandle hB = B->Handle();
    tree.Select(a1);
    tree.AddToSelection(x);
    tree.AddToSelection(x); // already in the list: stays once
    tree.AddToSelection(B);
    ASSERT_EQ(tree.SelectionCount(), 3);
    A->Delete();
    EXPECT_EQ(tree.SelectionCount(), 1);
    EXPECT_EQ(tree.Selection(0), B);
    EXPECT_EQ(tree.Selected(), B);
    EXPECT_EQ(hx.get(), nullptr);
    EXPECT_EQ(hB.get(), B);
    EXPECT_EQ(tree.Count(), 2);
    EXPECT_EQ(shape(tree), "B C");
    tree.Clear();
    EXPECT_EQ(hB.get(), nullptr);
    EXPECT_EQ(tree.SelectionCount(), 0);
    EXPECT_EQ(tree.Count(), 0);
}

TEST(Tree, CountsIgnoreSeparators)
{
    TfcTreeNodes tree;
    TfcTreeNode* f = folder(tree, nullptr, "f");
    for (int i = 0; i < 3; ++i)
        tree.AddChild(f, "link");
    for (int i = 0; i < 2; ++i)
        tree.AddChild(nullptr, "sep")->Kind = KindSeparator;
    EXPECT_EQ(CountNodes(tree), (TreeCounts{1, 3}));
}

TEST(Tree, DeepTreeIsDestroyedWithoutRecursion)
{
    auto tree = std::make_unique<TfcTreeNodes>();
    TfcTreeNode* parent = nullptr;
    for (int i = 0; i < 200000; ++i)
        parent = tree->AddChild(parent, "d");
    EXPECT_EQ(parent->Level(), 199999);
    tree.reset();
}

TEST_F(SampleTree, AssignCopiesFieldsButNotGrayedNorChildren)
{
    a2->Link1 = "l1";
    a2->Description = "d";
    a2->Clicks = 4;
    a2->Data = 9;
    a2->Checked = a2->Grayed = true;
    a2->Cut = true;
    B->Assign(*a2);
    EXPECT_EQ(B->Name(), "a2");
    EXPECT_EQ(B->Kind, KindFolder);
    EXPECT_EQ(B->Link1, "l1");
    EXPECT_EQ(B->Clicks, 4);
    EXPECT_EQ(B->Data, 9);
    EXPECT_TRUE(B->Checked);
    EXPECT_FALSE(B->Grayed);
    EXPECT_TRUE(B->Cut);
    EXPECT_FALSE(B->HasChildren());
}

TEST_F(SampleTree, CopySubtreeIntoAnotherTreeAndIntoItself)
{
    TfcTreeNodes other;
    CopySubtree(*A, other, nullptr);
    EXPECT_EQ(shape(other), "A[a1 a2[x]]");
    CopySubtree(*A, tree, A);
    EXPECT_EQ(shape(tree), "A[a1 a2[x] A[a1 a2[x]]] B C");
    CopySubtree(*a2, tree, nullptr, C);
    EXPECT_EQ(shape(tree), "A[a1 a2[x] A[a1 a2[x]]] B a2[x] C");
}

TEST_F(SampleTree, CountSubtreeCountsTheNodeAndItsDescendants)
{
    EXPECT_EQ(CountSubtree(*A), (TreeCounts{2, 2}));
    EXPECT_EQ(CountSubtree(*x), (TreeCounts{0, 1}));
    separator(tree, a2);
    EXPECT_EQ(CountSubtree(*a2), (TreeCounts{1, 1}));
}

struct RecordingObserver : TreeObserver {
    std::string log;
    void nodesAboutToBeInserted(TfcTreeNode*, int first, int) override { log += "i" + std::to_string(first); }
    void nodesAboutToBeRemoved(TfcTreeNode*, int first, int) override { log += "r" + std::to_string(first); }
    void nodeAboutToBeMoved(TfcTreeNode*, int s, TfcTreeNode*, int d) override
    {
        log += "m" + std::to_string(s) + std::to_string(d);
    }
    void nodeChanged(TfcTreeNode*) override { log += "c"; }
    void aboutToReset() override { log += "<"; }
    void resetDone() override { log += ">"; }
};

TEST_F(SampleTree, ObserverSeesChangesAndOneResetPerUpdateBracket)
{
    RecordingObserver observer;
    tree.SetObserver(&observer);
    tree.AddChild(nullptr, "D");
    C->MoveTo(B, 4);
    B->SetName("b");
    C->Delete();
    tree.BeginUpdate();
    tree.BeginUpdate();
    tree.AddChild(nullptr, "E");
    tree.EndUpdate();
    tree.AddChild(nullptr, "F");
    tree.EndUpdate();
    EXPECT_EQ(observer.log, "i3m21cr1<>");
}

TEST_F(SampleTree, ReorderChildrenTakesOnlyAPermutationOfTheLevel)
{
    RecordingObserver observer;
    tree.SetObserver(&observer);
    tree.Expand(a2, false);
    tree.ReorderChildren(nullptr, {C, A, B});
    EXPECT_EQ(shape(tree), "C A[a1 a2[x]] B");
    EXPECT_EQ(observer.log, "<>");
    EXPECT_EQ(A->Index(), 1);
    EXPECT_EQ(tree.NodeAt(1), A);
    tree.ReorderChildren(A, {a2, a1});
    EXPECT_EQ(shape(tree), "C A[a2[x] a1] B");
    EXPECT_TRUE(a2->Expanded());

    observer.log.clear();
    for (const auto& wrong : {std::vector<TfcTreeNode*>{A, B}, {A, A, B}, {A, B, x}, {A, B, nullptr}})
        tree.ReorderChildren(nullptr, wrong);
    EXPECT_EQ(shape(tree), "C A[a2[x] a1] B");
    EXPECT_EQ(observer.log, "");
}

TEST(Icons, RatingAndColours)
{
    struct {
        int image, rating;
    } table[] = {{0, 0}, {8, 1}, {9, 2}, {10, 3}, {11, 4}, {12, 5}, {2, 0}, {13, 0}};
    for (auto c : table)
        EXPECT_EQ(RatingFromImageIndex(c.image), c.rating) << c.image;
    TfcTreeNodes tree;
    TfcTreeNode* n = tree.AddChild(nullptr, "n");
    SetLinkRating(*n, 3);
    EXPECT_EQ(n->ImageIndex, 10);
    EXPECT_EQ(n->SelectedIndex, 15);
    EXPECT_EQ(RatingColour(RatingFromImageIndex(n->ImageIndex)), 12616447u);
    EXPECT_FALSE(RatingColour(0).has_value());
    n->Kind = KindFolder;
    n->FolderPassword = "31";
    SetIconsForKind(*n);
    EXPECT_EQ(n->ImageIndex, 4);
    EXPECT_EQ(n->SelectedIndex, 5);
}

} // namespace
