// The tree editing commands on a tree of their own, with the model the window shows attached.

#include "editing_support.h"
#include "../../model/tree_shape.h"

#include "model/tree_counts.h"
#include "ui/tree/tree_edit_commands.h"
#include "ui/tree/tree_model.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <string>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

TfcTreeNode* lockFolder(TfcTreeNode* folder)
{
    folder->FolderPassword = "0102";
    SetFolderIcons(*folder, true);
    return folder;
}

class TreeEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApp();
        commands.hooks().treeEdited = [this](const TreeEdit& edit) {
            counts.FolderCount += edit.added.FolderCount - edit.removed.FolderCount;
            counts.LinkCount += edit.added.LinkCount - edit.removed.LinkCount;
            edits << edit.change;
        };
        commands.hooks().showSelection = [this] { ++shown; };
        // The folder password guard: answers from the script, counting the questions.
        tree.OnExpanding = [this](TfcTreeNode* node) {
            if (node->FolderPassword.empty())
                return true;
            passwords << QString::fromStdString(node->Name());
            return prompts.ask(QStringLiteral("password"), AskButtons::YesNo) == Answer::Yes;
        };
    }
    void TearDown() override { EXPECT_TRUE(prompts.exhausted()); }

    void select(std::initializer_list<TfcTreeNode*> nodes)
    {
        tree.ClearSelection();
        for (TfcTreeNode* n : nodes) {
            tree.AddToSelection(n);
            n->Focused = true;
        }
    }
    void start() { counts = CountNodes(tree); }
    QStringList asked() { return prompts.take(); }

    TfcTreeNodes tree;
    TreeItemModel model{tree};
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
    DialogPrompts prompts;
    TreeEditCommands commands{tree, FixedPrompts(prompts)};
    TreeCounts counts;
    QList<TreeChange> edits;
    QStringList passwords;
    int shown = 0;
};

TEST_F(TreeEditTest, DeleteAsksForEachNodeAndNoKeepsIt)
{
    TfcTreeNode* a = addLink(tree, nullptr, "A");
    TfcTreeNode* b = addLink(tree, nullptr, "B");
    TfcTreeNode* c = addLink(tree, nullptr, "C");
    addLink(tree, nullptr, "D");
    start();
    select({a, b, c});
    prompts.reply(Answer::Yes).reply(Answer::No).reply(Answer::Yes);
    commands.MDelete2Click();
    EXPECT_EQ(asked(), (QStringList{"ask: Delete\"A?\"", "ask: Delete\"B?\"", "ask: Delete\"C?\""}));
    EXPECT_EQ(shape(tree), "B D");
    EXPECT_EQ(counts, (TreeCounts{0, 2}));
    ASSERT_EQ(tree.SelectionCount(), 1) << "a node answered No leaves the selection";
    EXPECT_EQ(tree.Selected(), tree.TopLevelItem(1)) << "the next node takes the deleted one's place";
    EXPECT_EQ(tree.Selection(0), tree.Selected());
    EXPECT_EQ(edits, QList<TreeChange>{TreeChange::Deleted});
    EXPECT_EQ(shown, 1);
}

TEST_F(TreeEditTest, ALockedFolderStopsTheDeleteAndKeepsTheRestSelected)
{
    TfcTreeNode* first = addLink(tree, nullptr, "First");
    TfcTreeNode* vault = lockFolder(addFolder(tree, nullptr, "Vault"));
    addLink(tree, vault, "Secret");
    TfcTreeNode* last = addLink(tree, nullptr, "Last");
    start();
    commands.options().confirmDelete = false;
    select({first, vault, last});
    prompts.reply(Answer::No); // the password refused
    commands.MDelete2Click();
    EXPECT_EQ(passwords, QStringList{"Vault"});
    EXPECT_EQ(shape(tree), "Vault[Secret] Last");
    EXPECT_FALSE(vault->Expanded()) << "asked as an expansion would, without expanding";
    ASSERT_EQ(tree.SelectionCount(), 2);
    EXPECT_EQ(tree.Selection(0), vault);
    EXPECT_EQ(tree.Selected(), last);
    EXPECT_EQ(edits, QList<TreeChange>{TreeChange::Deleted}) << "the document is marked modified all the same";

    prompts.reply(Answer::Yes); // now given: the folder goes with its contents
    commands.MDelete2Click();
    EXPECT_EQ(shape(tree), "");
    EXPECT_EQ(counts, (TreeCounts{0, 0}));
}

TEST_F(TreeEditTest, DeletingAFolderLowersTheCountersByItsWholeSubtree)
{
    TfcTreeNode* folder = addFolder(tree, nullptr, "Folder");
    addLink(tree, folder, "a");
    addLink(tree, folder, "b");
    addSeparator(tree, folder);
    TfcTreeNode* sub = addFolder(tree, folder, "Sub");
    TfcTreeNode* deep = addLink(tree, sub, "c");
    TfcTreeNode* separator = addSeparator(tree, nullptr);
    start();
    select({folder, deep, separator});
    prompts.reply(Answer::Yes).reply(Answer::Yes);
    commands.MDelete2Click();
    EXPECT_EQ(asked(), (QStringList{"ask: Delete\"Folder?\"", "ask: Delete\"?\""}))
        << "a node inside a deleted folder is not asked about";
    EXPECT_EQ(counts, (TreeCounts{0, 0})) << "down by two folders and three links";
    EXPECT_EQ(tree.Count(), 0);
}

// Thousands of selected nodes leave in one reset, not one signal each.
TEST_F(TreeEditTest, ALargeDeleteIsOneReset)
{
    {
        UpdateGuard update(tree);
        for (int f = 0; f < 40; ++f) {
            TfcTreeNode* folder = addFolder(tree, nullptr, "F");
            for (int l = 0; l < 50; ++l)
                addLink(tree, folder, "L");
        }
        tree.FullExpand();
        for (TfcTreeNode* n = tree.GetFirstNode(); n; n = n->GetNext())
            if (n->IsLink() && n->Index() % 2 == 0)
                tree.AddToSelection(n);
    }
    commands.options().confirmDelete = false;
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy removals(&model, &QAbstractItemModel::rowsAboutToBeRemoved);
    commands.MDelete2Click();
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(removals.count(), 0);
    EXPECT_EQ(tree.Count(), 40 + 40 * 25);
}

TEST_F(TreeEditTest, CopyAndCutLeaveProtectedFoldersOut)
{
    TfcTreeNode* vault = lockFolder(addFolder(tree, nullptr, "Vault"));
    addLink(tree, vault, "Secret");
    TfcTreeNode* link = addLink(tree, nullptr, "Link");
    start();
    select({vault, link});
    commands.MCopyNodeClick();
    EXPECT_EQ(shape(commands.clipboard().Nodes()), "Link");
    EXPECT_TRUE(edits.isEmpty()) << "copying changes nothing";

    commands.MCutNodeClick();
    EXPECT_EQ(shape(tree), "Vault[Secret]");
    EXPECT_EQ(counts, (TreeCounts{1, 1}));
    EXPECT_EQ(edits, QList<TreeChange>{TreeChange::Cut});
    EXPECT_EQ(tree.SelectionCount(), 1) << "the protected folder stays selected";
}

// A selected node inside a selected folder is copied twice and leaves with its folder.
TEST_F(TreeEditTest, CutAndDeleteOfAFolderTogetherWithItsContents)
{
    TfcTreeNode* folder = addFolder(tree, nullptr, "F");
    TfcTreeNode* inner = addLink(tree, folder, "a");
    TfcTreeNode* other = addLink(tree, nullptr, "b");
    start();
    select({folder, inner});
    commands.MCutNodeClick();
    EXPECT_EQ(shape(commands.clipboard().Nodes()), "F[a] a");
    EXPECT_EQ(shape(tree), "b");
    EXPECT_EQ(counts, (TreeCounts{0, 1}));

    commands.MPasteNodeClick(); // after b, the selected node that took their place
    TfcTreeNode* pasted = tree.TopLevelItem(2);
    select({pasted->FirstChild(), other, pasted});
    prompts.reply(Answer::Yes).reply(Answer::No).reply(Answer::Yes);
    commands.MDelete2Click();
    EXPECT_EQ(asked(), (QStringList{"ask: Delete\"a?\"", "ask: Delete\"b?\"", "ask: Delete\"F?\""}));
    EXPECT_EQ(shape(tree), "b a");
    EXPECT_EQ(counts, (TreeCounts{0, 2}));
}

TEST_F(TreeEditTest, PastePlaces)
{
    TfcTreeNode* a = addLink(tree, nullptr, "A");
    TfcTreeNode* b = addLink(tree, nullptr, "B");
    TfcTreeNode* s = addLink(tree, nullptr, "S");
    addLink(tree, nullptr, "T");
    TfcTreeNode* folder = addFolder(tree, nullptr, "F");
    start();
    select({a, b});
    commands.MCopyNodeClick();

    select({s});
    commands.MPasteNodeClick();
    EXPECT_EQ(shape(tree), "A B S B A T F");
    EXPECT_EQ(counts.LinkCount, 6);

    select({folder});
    commands.MPasteNodeClick();
    commands.MPasteNodeClick();
    EXPECT_EQ(shape(tree), "A B S B A T F[A B A B]") << "the clipboard keeps its nodes";

    folder->Focused = false; // the selected node without the focus mark: the end of the top level
    commands.MPasteNodeClick();
    tree.Select(nullptr);
    commands.MPasteNodeClick();
    EXPECT_EQ(shape(tree), "A B S B A T F[A B A B] A B A B");
    EXPECT_EQ(counts.LinkCount, 14);
    EXPECT_EQ(edits.count(TreeChange::Pasted), 5);
}

TEST_F(TreeEditTest, PasteIntoAProtectedFolderAsksItsPasswordAndPastesAnyway)
{
    TfcTreeNode* vault = lockFolder(addFolder(tree, nullptr, "Vault"));
    addLink(tree, vault, "Secret");
    TfcTreeNode* folder = addFolder(tree, nullptr, "Folder");
    addLink(tree, folder, "Inner");
    addFolder(tree, folder, "Empty");
    start();
    select({folder});
    commands.MCopyNodeClick();
    EXPECT_EQ(commands.clipboard().Counts(), (TreeCounts{2, 1}));

    select({vault});
    prompts.reply(Answer::No);
    commands.MPasteNodeClick();
    EXPECT_EQ(passwords, QStringList{"Vault"});
    EXPECT_EQ(shape(tree), "Vault[Secret Folder[Inner Empty]] Folder[Inner Empty]");
    EXPECT_EQ(counts, (TreeCounts{5, 3}));
}

struct MoveCase {
    const char* title;
    std::vector<const char*> selected; // the last one is the selected node
    int tag;
    std::string after;
    bool changed;
};

// A[a1 a2 a3] B[b1 b2] C D
TEST_F(TreeEditTest, UpAndDown)
{
    const MoveCase cases[] = {
        {"first up", {"A"}, 1, "A[a1 a2 a3] B[b1 b2] C D", false},
        {"last down", {"D"}, -1, "A[a1 a2 a3] B[b1 b2] C D", false},
        {"down before the last", {"C"}, -1, "A[a1 a2 a3] B[b1 b2] D C", true},
        {"up", {"a3"}, 1, "A[a1 a3 a2] B[b1 b2] C D", true},
        {"down", {"a1"}, -1, "A[a2 a1 a3] B[b1 b2] C D", true},
        {"group up across parents", {"a2", "b2"}, 1, "A[a2 a1 a3] B[b2 b1] C D", true},
        {"group up stops at the first that cannot", {"a1", "a3"}, 1, "A[a1 a2 a3] B[b1 b2] C D", true},
        {"group down", {"a1", "b1"}, -1, "A[a2 a1 a3] B[b2 b1] C D", true},
        {"mixed levels move the selected node only", {"a1", "C"}, 1, "A[a1 a2 a3] C B[b1 b2] D", true},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.title);
        tree.Clear();
        TfcTreeNode* A = addFolder(tree, nullptr, "A");
        for (const char* n : {"a1", "a2", "a3"})
            addLink(tree, A, n);
        TfcTreeNode* B = addFolder(tree, nullptr, "B");
        for (const char* n : {"b1", "b2"})
            addLink(tree, B, n);
        addLink(tree, nullptr, "C");
        addLink(tree, nullptr, "D");
        tree.ClearSelection();
        for (const char* name : c.selected)
            for (TfcTreeNode* n = tree.GetFirstNode(); n; n = n->GetNext())
                if (n->Name() == name)
                    tree.AddToSelection(n);
        edits.clear();
        commands.ButUpClick(c.tag);
        EXPECT_EQ(shape(tree), c.after);
        EXPECT_EQ(edits.size(), c.changed ? 1 : 0);
    }
}

TEST_F(TreeEditTest, CollapseAllShowsTheSelectedNodeAgain)
{
    TfcTreeNode* folder = addFolder(tree, nullptr, "F");
    addLink(tree, addFolder(tree, folder, "G"), "H");
    tree.FullExpand();
    commands.BtnCollapseClick();
    EXPECT_FALSE(folder->Expanded());
    EXPECT_FALSE(folder->FirstChild()->Expanded());
    EXPECT_EQ(shown, 0);
    tree.Select(folder);
    commands.BtnCollapseClick();
    EXPECT_EQ(shown, 1);
}

// Work[Mail Sub[Deep]] Folder Link Last
class DropTest : public TreeEditTest {
protected:
    void SetUp() override
    {
        TreeEditTest::SetUp();
        work = addFolder(tree, nullptr, "Work");
        mail = addLink(tree, work, "Mail");
        sub = addFolder(tree, work, "Sub");
        deep = addLink(tree, sub, "Deep");
        target = addFolder(tree, nullptr, "Folder");
        link = addLink(tree, nullptr, "Link");
        last = addLink(tree, nullptr, "Last");
        tree.FullExpand();
    }
    TfcTreeNode *work, *mail, *sub, *deep, *target, *link, *last;
};

TEST_F(DropTest, OntoAFolderIntoItAndWithCtrlBeforeIt)
{
    select({link});
    commands.TreeInetDragDrop({target, target});
    EXPECT_EQ(shape(tree), "Work[Mail Sub[Deep]] Folder[Link] Last");
    EXPECT_TRUE(target->Expanded());
    EXPECT_EQ(tree.Selected(), link) << "a moved node stays selected";

    select({last});
    commands.TreeInetDragDrop({target, target, true});
    EXPECT_EQ(shape(tree), "Work[Mail Sub[Deep]] Last Folder[Link]");

    select({mail});
    commands.TreeInetDragDrop({last, last}); // onto a link: just before it
    EXPECT_EQ(shape(tree), "Work[Sub[Deep]] Mail Last Folder[Link]");
    EXPECT_EQ(edits.count(TreeChange::Moved), 3);
}

TEST_F(DropTest, AFolderNeverGoesIntoItsOwnSubtree)
{
    select({work});
    const std::string before = shape(tree);
    commands.TreeInetDragDrop({sub, sub});
    commands.TreeInetDragDrop({deep, deep});
    commands.TreeInetDragDrop({work, work});
    EXPECT_EQ(shape(tree), before);
    EXPECT_EQ(edits.count(TreeChange::Moved), 3) << "marked modified even when nothing moved";
}

TEST_F(DropTest, BelowTheLastRow)
{
    select({mail});
    commands.TreeInetDragDrop({nullptr, deep});
    EXPECT_EQ(shape(tree), "Work[Sub[Deep]] Folder Link Last Mail") << "one node: the end of the top level";

    select({link, mail});
    commands.TreeInetDragDrop({nullptr, deep});
    EXPECT_EQ(shape(tree), "Work[Sub[Deep Link Mail]] Folder Last") << "several: the end of the last target's level";
    select({link, mail});
    commands.TreeInetDragDrop({nullptr, nullptr});
    EXPECT_EQ(shape(tree), "Work[Sub[Deep]] Folder Last Link Mail");
}

TEST_F(DropTest, ConfirmationsAndALockedTarget)
{
    commands.options().confirmMove = true;
    select({mail, link});
    prompts.reply(Answer::No).reply(Answer::Yes);
    commands.TreeInetDragDrop({target, target});
    EXPECT_EQ(asked(), (QStringList{"ask: Move\"Mail?\"", "ask: Move\"Link?\""}));
    EXPECT_EQ(shape(tree), "Work[Mail Sub[Deep]] Folder[Link] Last");

    commands.options().confirmMove = false;
    lockFolder(target);
    tree.Collapse(target, false);
    select({mail, last});
    prompts.reply(Answer::No);
    commands.TreeInetDragDrop({target, target});
    EXPECT_EQ(passwords, QStringList{"Folder"});
    EXPECT_EQ(shape(tree), "Work[Mail Sub[Deep]] Folder[Link] Last") << "refused: nothing goes into it";

    prompts.reply(Answer::Yes);
    commands.TreeInetDragDrop({target, target});
    EXPECT_EQ(passwords.size(), 2) << "asked once for both nodes";
    EXPECT_EQ(shape(tree), "Work[Sub[Deep]] Folder[Link Mail Last]");
    EXPECT_TRUE(target->Expanded());
}

} // namespace
