// The folder list's model: which level it lists, its columns, and how it follows the tree.

#include "gui_test_support.h"

#include "ui/kit/link_drop.h"
#include "ui/kit/windows_color.h"
#include "ui/listview/folder_list_model.h"
#include "ui/tree/tree_model.h"

#include <QAbstractItemModelTester>
#include <QMimeData>
#include <QSignalSpy>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

class FolderListModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApp();
        // Work: Mail, a separator, Sub (Deep), Wiki. Then a separator, Home and the locked Vault.
        work = addFolder(tree, nullptr, "Work");
        mail = addLink(tree, work, "Mail", "http://mail/");
        addSeparator(tree, work);
        sub = addFolder(tree, work, "Sub");
        deep = addLink(tree, sub, "Deep");
        wiki = addLink(tree, work, "Wiki", "http://wiki/");
        addSeparator(tree, nullptr);
        home = addLink(tree, nullptr, "Home", "http://home/");
        vault = addFolder(tree, nullptr, "Vault");
        inVault = addFolder(tree, vault, "Inner");
        addLink(tree, inVault, "Secret", "http://secret/");
        vault->FolderPassword = "x";
        SetFolderIcons(*vault, true);
        treeModel = std::make_unique<TreeItemModel>(tree);
        list = std::make_unique<FolderListModel>(*treeModel);
        tester = std::make_unique<QAbstractItemModelTester>(list.get(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    }

    QStringList names() const
    {
        QStringList shown;
        for (int row = 0; row < list->rowCount(); ++row)
            shown << list->data(list->index(row, 0)).toString();
        return shown;
    }
    // What the list should show for the level: the parent's children without separators.
    QStringList level(const TfcTreeNode* parent) const
    {
        QStringList expected;
        const int count = parent ? parent->ChildCount() : tree.TopLevelCount();
        for (int i = 0; i < count; ++i)
            if (const TfcTreeNode* n = parent ? parent->Item(i) : tree.TopLevelItem(i); !n->IsSeparator())
                expected << QString::fromStdString(n->Name());
        return expected;
    }

    TfcTreeNodes tree;
    TfcTreeNode *work, *mail, *sub, *deep, *wiki, *home, *vault, *inVault;
    std::unique_ptr<TreeItemModel> treeModel;
    std::unique_ptr<FolderListModel> list;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

TEST_F(FolderListModelTest, ListsTheLevelOfTheNode)
{
    struct Case {
        const char* what;
        TfcTreeNode* node;
        QStringList shown;
    };
    TfcTreeNode* topBar = tree.TopLevelItem(1);
    const Case cases[] = {
        {"a folder: its children", work, {"Mail", "Sub", "Wiki"}},
        {"nothing: unchanged", nullptr, {"Mail", "Sub", "Wiki"}},
        {"a locked folder: unchanged", vault, {"Mail", "Sub", "Wiki"}},
        {"a link: its siblings", deep, {"Deep"}},
        {"a top-level link: the top level", home, {"Work", "Home", "Vault"}},
        {"a separator: its children", topBar, {}},
    };
    for (const Case& c : cases) {
        list->FillListView(c.node);
        EXPECT_EQ(names(), c.shown) << c.what;
    }
    EXPECT_EQ(list->columnCount(), 6);
    EXPECT_EQ(list->headerData(3, Qt::Horizontal).toString(), "Description");

    tree.Expand(vault, false); // opened with its password
    list->FillListView(vault);
    EXPECT_EQ(names(), QStringList{"Inner"});
}

TEST_F(FolderListModelTest, ColumnsIconsAndColours)
{
    mail->Description = "first\rsecond\r";
    mail->Login = "me";
    mail->Password = "secret";
    mail->Link2 = "http://mail2/";
    SetLinkRating(*wiki, 3);
    list->FillListView(work);
    const QStringList row0 = {"Mail", "http://mail/", "http://mail2/", "firstsecond", "me", "secret"};
    for (int column = 0; column < 6; ++column)
        EXPECT_EQ(list->data(list->index(0, column)).toString(), row0[column]);

    EXPECT_EQ(FolderListModel::ListIconIndex(*mail), 0);
    EXPECT_EQ(FolderListModel::ListIconIndex(*sub), 2);
    EXPECT_EQ(FolderListModel::ListIconIndex(*vault), 4);
    EXPECT_EQ(FolderListModel::ListIconIndex(*wiki), 10);
    EXPECT_EQ(list->data(list->index(2, 4), Qt::ForegroundRole).value<QColor>(), FromWindowsColor(12616447));
    EXPECT_FALSE(list->data(list->index(0, 0), Qt::ForegroundRole).isValid());

    // Links drag out as links; folders do not drag.
    EXPECT_TRUE(list->flags(list->index(0, 0)) & Qt::ItemIsDragEnabled);
    EXPECT_FALSE(list->flags(list->index(1, 0)) & Qt::ItemIsDragEnabled);
    std::unique_ptr<QMimeData> drag(list->mimeData({list->index(2, 1)}));
    ASSERT_TRUE(drag);
    const auto link = DroppedLinkOf(*drag);
    ASSERT_TRUE(link);
    EXPECT_EQ(link->title, "Wiki");
    EXPECT_EQ(link->address, "http://wiki/");
    EXPECT_EQ(list->mimeData({list->index(1, 0)}), nullptr);
}

TEST_F(FolderListModelTest, FollowsOneNodeChangesWithoutARefill)
{
    list->FillListView(work);
    QSignalSpy resets(list.get(), &QAbstractItemModel::modelReset);
    QSignalSpy changed(list.get(), &QAbstractItemModel::dataChanged);
    const std::vector<std::pair<const char*, std::function<void()>>> steps = {
        {"appended", [&] { tree.AddChild(work, "Last"); }},
        {"inserted first", [&] { tree.Insert(mail, "First"); }},
        {"separator added", [&] { tree.NodeChanged(addSeparator(tree, work)); }},
        {"deleted", [&] { tree.Delete(mail); }},
        {"moved in", [&] { tree.MoveTo(home, wiki, 4); }},
        {"moved within", [&] { tree.MoveTo(sub, work, 2); }},
        {"moved out", [&] { tree.MoveTo(wiki, tree.TopLevelItem(0), 5); }},
        {"moved below the level", [&] { tree.MoveTo(home, sub, 2); }},
        {"elsewhere", [&] { tree.AddChild(sub, "Not listed"); }},
    };
    for (const auto& [what, step] : steps) {
        step();
        EXPECT_EQ(names(), level(work)) << what;
    }
    EXPECT_EQ(resets.count(), 0);

    changed.clear();
    sub->SetName("Renamed");
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex().row(), list->rowOf(sub));
    EXPECT_EQ(names(), level(work));
}

TEST_F(FolderListModelTest, ALockedOrDeletedLevelLeavesTheList)
{
    tree.Expand(vault, false);
    list->FillListView(vault);
    EXPECT_EQ(names(), QStringList{"Inner"});
    tree.Collapse(vault, false); // locked again: its rows go
    EXPECT_TRUE(names().isEmpty());
    tree.Expand(vault, false);
    EXPECT_EQ(names(), QStringList{"Inner"});

    list->FillListView(inVault);
    EXPECT_EQ(names(), QStringList{"Secret"});
    tree.Collapse(vault, false); // a folder holding the level locks
    EXPECT_TRUE(names().isEmpty());
    tree.Expand(vault, false);
    tree.AddChild(inVault, "Later");
    EXPECT_TRUE(names().isEmpty()); // the level was forgotten, not shown again

    list->FillListView(deep);
    tree.Delete(work);
    EXPECT_TRUE(names().isEmpty());
    tree.AddChild(nullptr, "New top");
    EXPECT_TRUE(names().isEmpty());
}

TEST_F(FolderListModelTest, AnUpdateBracketRefillsTheLevel)
{
    list->FillListView(work);
    list->sortByColumn(0);
    {
        UpdateGuard update(tree);
        for (int i = 0; i < 3; ++i)
            tree.AddChild(work, "Bulk " + std::to_string(i));
        tree.Delete(mail);
    }
    EXPECT_EQ(names(), level(work)); // in the tree's order again
    {
        UpdateGuard update(tree);
        tree.Delete(work);
    }
    EXPECT_TRUE(names().isEmpty());
    list->FillListView(home);
    {
        UpdateGuard update(tree);
        tree.Delete(home);
    }
    EXPECT_EQ(names(), level(nullptr));
}

TEST_F(FolderListModelTest, SortingByAColumnIgnoresCaseAndKeepsFollowing)
{
    TfcTreeNode* folder = addFolder(tree, nullptr, "Sorted");
    for (const auto& [name, link] : std::vector<std::pair<const char*, const char*>>{
             {"beta", "http://B/"}, {"Alpha", "http://c/"}, {"gamma", "http://a/"}, {"alpha", "http://D/"}})
        addLink(tree, folder, name, link);
    list->FillListView(folder);
    list->sortByColumn(FolderListModel::ColName);
    EXPECT_EQ(names(), (QStringList{"Alpha", "alpha", "beta", "gamma"})); // equal texts keep the tree's order
    list->sortByColumn(FolderListModel::ColLink1);
    EXPECT_EQ(names(), (QStringList{"gamma", "beta", "Alpha", "alpha"}));

    list->sortByColumn(FolderListModel::ColName);
    tree.AddChild(folder, "Beta2"); // a new node goes to its sorted place
    EXPECT_EQ(names(), (QStringList{"Alpha", "alpha", "beta", "Beta2", "gamma"}));
    tree.Delete(folder->Item(0));
    EXPECT_EQ(names(), (QStringList{"Alpha", "alpha", "Beta2", "gamma"}));
    list->FillListView(folder);
    EXPECT_EQ(names(), level(folder));
}

} // namespace
