#include "model/clipboard_tree.h"
#include "tree_shape.h"

#include <gtest/gtest.h>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

// Work[Mail Sub[Deep] Vault(locked)[Secret]] Link Protected(locked)[Hidden]
struct ClipboardTest : ::testing::Test {
    TfcTreeNodes tree;
    ClipboardTree clipboard;
    TfcTreeNode *work, *mail, *vault, *item, *guarded;
    void SetUp() override
    {
        work = folder(tree, nullptr, "Work");
        mail = link(tree, work, "Mail", "http://mail.example/");
        link(tree, folder(tree, work, "Sub"), "Deep");
        vault = lockedFolder(tree, work, "Vault");
        link(tree, vault, "Secret");
        item = link(tree, nullptr, "Link");
        guarded = lockedFolder(tree, nullptr, "Protected");
        link(tree, guarded, "Hidden");
    }
};

TEST_F(ClipboardTest, CopyLeavesProtectedFoldersOutButNotThoseInside)
{
    clipboard.Copy({guarded, item, work});
    EXPECT_EQ(shape(clipboard.Nodes()), "Link Work[Mail Sub[Deep] Vault[Secret]]");
    EXPECT_EQ(clipboard.Nodes().TopLevelItem(1)->Item(2)->FolderPassword, vault->FolderPassword);
    EXPECT_EQ(clipboard.Counts(), (TreeCounts{3, 4}));

    clipboard.Copy({guarded});
    EXPECT_TRUE(clipboard.Empty()) << "the next copy empties it first";
}

TEST_F(ClipboardTest, PastePlacesAndKeepsTheClipboard)
{
    mail->Clicks = 3;
    mail->Data = 9;
    mail->StateIndex = 4;
    SetLinkRating(*mail, 2);
    clipboard.Copy({item, mail}); // A = Link, B = Mail

    TfcTreeNodes target;
    TfcTreeNode* s = link(target, nullptr, "S");
    link(target, nullptr, "T");
    EXPECT_EQ(clipboard.PasteInto(target, nullptr, s), (TreeCounts{0, 2}));
    EXPECT_EQ(shape(target), "S Mail Link T");

    TfcTreeNode* f = folder(target, nullptr, "F");
    clipboard.PasteInto(target, f);
    clipboard.PasteInto(target, f);
    clipboard.PasteInto(target, nullptr);
    EXPECT_EQ(shape(target), "S Mail Link T F[Link Mail Link Mail] Link Mail");

    const TfcTreeNode* copy = target.TopLevelItem(1);
    EXPECT_EQ(copy->Link1, "http://mail.example/");
    EXPECT_EQ(copy->Clicks, 3);
    EXPECT_EQ(copy->Data, 9);
    EXPECT_EQ(copy->ImageIndex, mail->ImageIndex);
    EXPECT_EQ(copy->SelectedIndex, mail->SelectedIndex);
    EXPECT_EQ(copy->StateIndex, -1) << "display fields keep their defaults";
    EXPECT_FALSE(clipboard.Empty());
}

TEST_F(ClipboardTest, APastedFolderBringsItsWholeSubtree)
{
    clipboard.Copy({work});
    clipboard.PasteInto(tree, nullptr, item);
    EXPECT_EQ(shape(tree), "Work[Mail Sub[Deep] Vault[Secret]] Link Work[Mail Sub[Deep] Vault[Secret]] Protected[Hidden]");
    EXPECT_EQ(clipboard.PasteInto(tree, work), (TreeCounts{3, 3}));
}

} // namespace
