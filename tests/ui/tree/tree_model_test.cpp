#include "ui/kit/windows_color.h"
#include "ui/tree/tree_delegate.h"
#include "ui/tree/tree_model.h"
#include "ui/tree/tree_view.h"
#include "gui_test_support.h"

#include "model/byte_stream.h"

#include <QAbstractItemModelTester>
#include <QElapsedTimer>
#include <QSignalSpy>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

class TreeModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApp();
        model = std::make_unique<TreeItemModel>(tree);
        tester = std::make_unique<QAbstractItemModelTester>(model.get(),
                                                            QAbstractItemModelTester::FailureReportingMode::Fatal);
    }

    // A protected folder "Vault" with two links, and an open folder "Open" with one.
    TfcTreeNode* addVault()
    {
        TfcTreeNode* vault = addFolder(tree, nullptr, "Vault");
        addLink(tree, vault, "Secret 1", "http://a.example/");
        addLink(tree, vault, "Secret 2", "http://b.example/");
        vault->FolderPassword = "40564659585e5a5c";
        SetFolderIcons(*vault, true);
        tree.NodeChanged(vault);
        return vault;
    }

    TfcTreeNodes tree;
    std::unique_ptr<TreeItemModel> model;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

TEST_F(TreeModelTest, FollowsEveryStructuralChange)
{
    fillSmallTree(tree);
    TfcTreeNode* work = tree.GetFirstNode();
    ASSERT_EQ(model->rowCount(), 3);
    EXPECT_EQ(model->rowCount(model->indexOf(work)), 2);

    TfcTreeNode* extra = tree.AddChildFirst(work, "First");
    tree.Insert(extra, "Before first");
    EXPECT_EQ(model->rowCount(model->indexOf(work)), 4);

    TfcTreeNode* home = tree.TopLevelItem(2);
    for (int mode = 0; mode <= 5; ++mode)
        tree.MoveTo(home, mode % 2 ? work->FirstChild() : work, mode);
    tree.MoveTo(work, nullptr, 0);
    tree.MoveTo(work, work->FirstChild(), 2); // into its own subtree: nothing happens
    EXPECT_EQ(model->index(model->rowCount() - 1, 0).data().toString(), QStringLiteral("Work"));

    tree.Expand(work, true);
    tree.Collapse(work, true);
    tree.Delete(extra);
    tree.Delete(work);
    tree.Clear();
    EXPECT_EQ(model->rowCount(), 0);
}

TEST_F(TreeModelTest, LockedFolderExposesNoRowsUntilTheGuardLetsItOpen)
{
    TfcTreeNode* vault = addVault();
    const QModelIndex index = model->indexOf(vault);
    EXPECT_TRUE(model->hasChildren(index)); // the expand button stays
    EXPECT_EQ(model->rowCount(index), 0);
    EXPECT_FALSE(model->index(0, 0, index).isValid());
    EXPECT_FALSE(model->indexOf(vault->FirstChild()).isValid());

    int asked = 0;
    bool accept = false;
    tree.OnExpanding = [&](TfcTreeNode* n) {
        ++asked;
        return !n->IsLocked() || accept;
    };

    // Every way of expanding goes through the guard: the view, code, selecting a node inside.
    TreeInetView view;
    view.setTreeModel(model.get());
    view.expand(index);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(view.isExpanded(index));
    EXPECT_EQ(model->rowCount(index), 0);
    EXPECT_FALSE(tree.MakeVisible(vault->FirstChild()));
    EXPECT_EQ(asked, 2);
    tree.Select(vault->FirstChild());
    EXPECT_FALSE(view.currentIndex().isValid());

    // A change inside the locked folder does not reach the view either.
    QSignalSpy inserted(model.get(), &QAbstractItemModel::rowsInserted);
    addLink(tree, vault, "Secret 3");
    EXPECT_EQ(inserted.count(), 0);

    accept = true;
    view.expand(index);
    EXPECT_TRUE(view.isExpanded(index));
    EXPECT_EQ(model->rowCount(index), 3);
    EXPECT_EQ(inserted.count(), 1);

    // Closing it again hides the rows at once.
    tree.Collapse(vault, false);
    EXPECT_FALSE(view.isExpanded(index));
    EXPECT_EQ(model->rowCount(index), 0);
}

TEST_F(TreeModelTest, SettingAPasswordOnAClosedFolderHidesItsRows)
{
    TfcTreeNode* folder = addFolder(tree, nullptr, "Folder");
    addLink(tree, folder, "Inside");
    ASSERT_EQ(model->rowCount(model->indexOf(folder)), 1);
    folder->FolderPassword = "00";
    SetFolderIcons(*folder, true);
    tree.NodeChanged(folder);
    EXPECT_EQ(model->rowCount(model->indexOf(folder)), 0);

    // A protected folder copied in keeps its contents hidden too.
    TfcTreeNode* copySource = addVault();
    TfcTreeNode* copy = CopySubtree(*copySource, tree, nullptr);
    EXPECT_EQ(model->rowCount(model->indexOf(copy)), 0);
}

TEST_F(TreeModelTest, LoadingIsOneResetWithoutPerNodeSignals)
{
    TfcTreeNodes source;
    constexpr int kFolders = 2000;
    constexpr int kLinksPerFolder = 50;
    for (int f = 0; f < kFolders; ++f) {
        TfcTreeNode* folder = addFolder(source, nullptr, "Folder");
        for (int l = 0; l < kLinksPerFolder; ++l)
            addLink(source, folder, "A link with a name of thirty b", "http://www.example.com/some/path/to/a/page.html");
    }
    std::string image;
    ByteWriter writer(image);
    source.SaveToStream(writer);

    TreeInetView view;
    view.setTreeModel(model.get());
    QSignalSpy resets(model.get(), &QAbstractItemModel::modelReset);
    QSignalSpy inserted(model.get(), &QAbstractItemModel::rowsInserted);
    QElapsedTimer timer;
    timer.start();
    ByteReader reader(image);
    tree.LoadFromStream(reader);
    const qint64 loaded = timer.elapsed();
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(inserted.count(), 0);
    EXPECT_EQ(model->rowCount(), kFolders);
    std::printf("loaded %d nodes into the model in %lld ms\n", tree.Count(), static_cast<long long>(loaded));
}

TEST(TreeLook, DrawingRules)
{
    ensureApp();
    TfcTreeNodes tree;
    QFont windowFont;
    QFont treeFont;
    treeFont.setBold(true);
    const QColor hot = FromWindowsColor(0xFF0000);
    EXPECT_EQ(hot, QColor(0, 0, 255));

    TfcTreeNode* link = addLink(tree, nullptr, "Rated");
    link->ImageIndex = 10;
    NodeLook look = LookOf(*link, false, windowFont, treeFont, hot);
    EXPECT_FALSE(look.font.bold());
    ASSERT_TRUE(look.textColor);
    EXPECT_EQ(*look.textColor, FromWindowsColor(12616447));
    EXPECT_FALSE(LookOf(*addLink(tree, nullptr, "Plain"), false, windowFont, treeFont, hot).textColor);

    TfcTreeNode* folder = addFolder(tree, nullptr, "Folder");
    look = LookOf(*folder, false, windowFont, treeFont, hot);
    EXPECT_TRUE(look.font.bold());
    EXPECT_FALSE(look.textColor);

    look = LookOf(*folder, true, windowFont, treeFont, hot);
    EXPECT_FALSE(look.font.bold());
    EXPECT_TRUE(look.font.underline());
    EXPECT_EQ(*look.textColor, hot);

    EXPECT_TRUE(LookOf(*addSeparator(tree, nullptr), false, windowFont, treeFont, hot).bar);
    // Text rectangle 40,10 .. 40,30 (no text), tree 200 wide: the bar runs to 190, 4 pixels high
    // around the middle.
    EXPECT_EQ(SeparatorBar(QRect(QPoint(40, 10), QPoint(39, 29)), 200), QRect(QPoint(40, 18), QPoint(189, 21)));
}

} // namespace
