// The tree editing feature in the real main window: its commands, the mouse rules of the tree,
// drags inside it and links dropped on it from other programs.

#include "window_support.h"

#include "ui/editing/form_add.h"
#include "ui/kit/command_map.h"
#include "ui/kit/link_drop.h"
#include "ui/shell/form_main.h"
#include "ui/tree/tree_editing_feature.h"
#include "ui/tree/tree_model.h"
#include "ui/tree/tree_view.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

// Work[Mail Wiki] Folder Home Vault(protected)[Secret]
class TreeWiringTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        TfcTreeNodes& tree = form.tree();
        work = addFolder(tree, nullptr, "Work");
        mail = addLink(tree, work, "Mail", "http://mail.example.com/");
        wiki = addLink(tree, work, "Wiki", "http://wiki.example.com/");
        folder = addFolder(tree, nullptr, "Folder");
        home = addLink(tree, nullptr, "Home", "http://home.example.com/");
        vault = addProtectedFolder(tree, nullptr, "Vault", "pw");
        addLink(tree, vault, "Secret", "http://secret.example.com/");
        form.document().counts = CountNodes(tree);
        form.ShowTotals();
        tree.Expand(work, false);
        form.resize(700, 500);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    TreeInetView& view() { return *form.TreeInet(); }
    QWidget* viewport() { return view().viewport(); }
    QPoint textOf(TfcTreeNode* node) { return view().nodeTextRect(form.treeModel().indexOf(node)).center(); }
    void click(TfcTreeNode* node, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(viewport(), Qt::LeftButton, modifiers, textOf(node));
    }
    void selectByMouse(std::initializer_list<TfcTreeNode*> nodes)
    {
        bool first = true;
        for (TfcTreeNode* n : nodes) {
            click(n, first ? Qt::NoModifier : Qt::ControlModifier);
            first = false;
        }
    }
    // The system drag, replaced: it enters at the press, moves to `to` and drops there.
    void dropOnRelease(QPoint to, Qt::KeyboardModifiers modifiers = {})
    {
        view().runDrag = [this, to, modifiers](QMimeData& data) {
            ++drags;
            QDragEnterEvent enter(to, Qt::MoveAction, &data, Qt::LeftButton, modifiers);
            QCoreApplication::sendEvent(viewport(), &enter);
            QDragMoveEvent move(to, Qt::MoveAction, &data, Qt::LeftButton, modifiers);
            QCoreApplication::sendEvent(viewport(), &move);
            QDropEvent drop(to, Qt::MoveAction, &data, Qt::LeftButton, modifiers);
            QCoreApplication::sendEvent(viewport(), &drop);
        };
    }
    // Presses on the node's text, moves by `by` (which starts the drag when far enough) and
    // releases.
    void drag(TfcTreeNode* node, QPoint by)
    {
        const QPoint at = textOf(node);
        QTest::mousePress(viewport(), Qt::LeftButton, {}, at);
        QTest::mouseMove(viewport(), at + by);
        QTest::mouseRelease(viewport(), Qt::LeftButton, {}, at + by);
    }
    QString totals() { return form.StatusPanel(0)->text() + " / " + form.StatusPanel(1)->text(); }

    TfcTreeNode *work, *mail, *wiki, *folder, *home, *vault;
    int drags = 0;
};

TEST_F(TreeWiringTest, DeleteKeyAsksAndTheTotalsFollow)
{
    click(home);
    prompts.reply(Answer::Yes);
    QTest::keyClick(&view(), Qt::Key_Delete);
    EXPECT_EQ(prompts.take(), QStringList{"ask: Delete\"Home?\""});
    EXPECT_EQ(form.tree().TopLevelCount(), 3);
    EXPECT_EQ(totals(), "Total folders: 3 / Total links: 3");
    EXPECT_TRUE(form.document().modified);
    EXPECT_EQ(form.tree().Selected(), vault) << "the node before takes the place of the last one";
    EXPECT_TRUE(view().selectionModel()->isSelected(form.treeModel().indexOf(vault)));
}

TEST_F(TreeWiringTest, PasteFollowsTheClipboardAndTheClickedNode)
{
    QAction* paste = form.commands().action(Cmd::Paste);
    form.updateStates();
    EXPECT_FALSE(paste->isEnabled());
    click(mail);
    form.commands().run(Cmd::Copy);
    EXPECT_TRUE(paste->isEnabled());
    EXPECT_FALSE(form.document().modified);

    click(home);
    form.commands().run(Cmd::Paste);
    EXPECT_EQ(form.tree().TopLevelItem(3)->Name(), "Mail") << "right after the clicked link";

    // A press on the empty area below the rows clears the selection and the focus mark.
    QTest::mouseClick(viewport(), Qt::LeftButton, {}, QPoint(20, viewport()->height() - 5));
    EXPECT_EQ(form.tree().SelectionCount(), 0);
    form.commands().run(Cmd::Paste);
    EXPECT_EQ(form.tree().TopLevelItem(form.tree().TopLevelCount() - 1)->Name(), "Mail");
    EXPECT_EQ(form.document().counts, (TreeCounts{3, 6}));
}

TEST_F(TreeWiringTest, ExpandAllLeavesTheProtectedFolderShutWithoutAQuestion)
{
    click(mail);
    form.commands().run(Cmd::Collapse);
    EXPECT_FALSE(work->Expanded());
    form.commands().run(Cmd::Expand);
    EXPECT_TRUE(work->Expanded());
    EXPECT_FALSE(vault->Expanded());
    EXPECT_TRUE(prompts.log().isEmpty());
    EXPECT_TRUE(view().isExpanded(form.treeModel().indexOf(work)));
}

TEST_F(TreeWiringTest, DeletingAlsoRemovesTheFavoritesFileInsideTheFavoritesFolderOnly)
{
    QTemporaryDir favorites;
    QDir dir(favorites.path());
    dir.mkpath("Work");
    dir.mkpath("Folder");
    QTemporaryDir outside;
    QFile::link(outside.path(), dir.filePath("Escape"));
    const QStringList files{"Work/Mail.url", "Home.url", "Escape/Danger.url", outside.filePath("Danger.url")};
    for (const QString& name : files) {
        QFile f(QDir::isAbsolutePath(name) ? name : dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    TfcTreeNode* escape = addFolder(form.tree(), nullptr, "Escape");
    TfcTreeNode* danger = addLink(form.tree(), escape, "Danger");
    TfcTreeNode* dots = addLink(form.tree(), nullptr, "..");
    TfcTreeNode* slash = addLink(form.tree(), nullptr, "Work/Mail");
    form.tree().Expand(escape, false);
    qputenv("TARNLINK_FAVORITES", favorites.path().toUtf8());
    form.settings().options.chkDelUrl = true;
    form.settings().options.chkConfirmDelete = false;

    selectByMouse({danger, dots, slash, home, folder});
    form.commands().run(Cmd::Delete);
    EXPECT_TRUE(QFile::exists(outside.filePath("Danger.url"))) << "a linked directory is not followed";
    EXPECT_TRUE(QFile::exists(dir.filePath("Work/Mail.url")));
    EXPECT_FALSE(QFile::exists(dir.filePath("Home.url")));
    EXPECT_FALSE(QFile::exists(dir.filePath("Folder")));

    selectByMouse({mail, work});
    form.commands().run(Cmd::Delete);
    EXPECT_FALSE(QFile::exists(dir.filePath("Work/Mail.url")));
    EXPECT_FALSE(QFile::exists(dir.filePath("Work")));
    qunsetenv("TARNLINK_FAVORITES");
}

TEST_F(TreeWiringTest, DraggingALinkOntoAFolderAndWithCtrlBeforeIt)
{
    dropOnRelease(textOf(folder));
    drag(home, QPoint(view().nodeTextRect(form.treeModel().indexOf(home)).width(), 0));
    EXPECT_EQ(drags, 0) << "the pointer must be over a node's text";
    drag(home, textOf(folder) - textOf(home));
    EXPECT_EQ(drags, 1);
    ASSERT_EQ(folder->ChildCount(), 1);
    EXPECT_EQ(folder->FirstChild(), home);
    EXPECT_TRUE(form.document().modified);

    dropOnRelease(textOf(folder), Qt::ControlModifier);
    drag(wiki, textOf(folder) - textOf(wiki));
    EXPECT_EQ(folder->PrevSibling(), wiki);
}

TEST_F(TreeWiringTest, ADropCloseToThePressDoesNothing)
{
    const QPoint near = textOf(mail) + QPoint(3, 3);
    dropOnRelease(near);
    // Started by moving far enough, then dropped 3 pixels from the press.
    view().runDrag = [this, inner = view().runDrag, near](QMimeData& data) {
        QDragEnterEvent enter(textOf(folder), Qt::MoveAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(viewport(), &enter);
        QDragMoveEvent away(textOf(folder), Qt::MoveAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(viewport(), &away);
        inner(data);
    };
    drag(mail, textOf(folder) - textOf(mail));
    EXPECT_EQ(drags, 1);
    EXPECT_EQ(work->FirstChild(), mail);
    EXPECT_FALSE(form.document().modified);
}

TEST_F(TreeWiringTest, APressOnAGroupMemberKeepsTheGroupForADragOrThePopupMenu)
{
    selectByMouse({mail, home});
    ASSERT_EQ(form.tree().SelectionCount(), 2);
    QTest::mousePress(viewport(), Qt::RightButton, {}, textOf(mail));
    QTest::mouseRelease(viewport(), Qt::RightButton, {}, textOf(mail));
    EXPECT_EQ(form.tree().SelectionCount(), 2);

    dropOnRelease(textOf(folder));
    drag(mail, textOf(folder) - textOf(mail));
    ASSERT_EQ(folder->ChildCount(), 2);
    EXPECT_EQ(folder->Item(0), mail);
    EXPECT_EQ(folder->Item(1), home);

    click(home); // a click without a drag selects the one node
    EXPECT_EQ(form.tree().SelectionCount(), 1);
    EXPECT_EQ(form.tree().Selected(), home);
}

TEST_F(TreeWiringTest, ADragNearTheTopOrBottomEdgeScrollsTheTree)
{
    for (int i = 0; i < 80; ++i)
        addLink(form.tree(), folder, "Filler");
    form.tree().Expand(folder, false);
    QScrollBar* bar = view().verticalScrollBar();
    ASSERT_GT(bar->maximum(), 10);
    QList<int> seen;
    view().runDrag = [&](QMimeData& data) {
        bar->setValue(10);
        QDragEnterEvent enter(textOf(mail), Qt::MoveAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(viewport(), &enter);
        for (int y : {viewport()->height() / 2, 3, viewport()->height() - 3}) {
            QDragMoveEvent move(QPoint(40, y), Qt::MoveAction, &data, Qt::LeftButton, {});
            QCoreApplication::sendEvent(viewport(), &move);
            seen << bar->value();
        }
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(viewport(), &leave);
    };
    drag(mail, textOf(home) - textOf(mail));
    EXPECT_EQ(seen, (QList<int>{10, 9, 10})) << "one line up near the top, one down near the bottom";
    EXPECT_EQ(work->FirstChild(), mail) << "a drag that leaves moves nothing";
}

TEST_F(TreeWiringTest, ALinkDroppedFromABrowserOpensTheAddDialogPrefilled)
{
    auto deliver = [this](QMimeData& data) {
        const QPoint at = textOf(folder);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(viewport(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(viewport(), &drop);
        QCoreApplication::processEvents();
        return true;
    };
    QMimeData moz;
    const QString payload = QStringLiteral("https://www.example.org/Page?id=7\nExample page");
    moz.setData("text/x-moz-url", QByteArray(reinterpret_cast<const char*>(payload.utf16()), payload.size() * 2));
    prompts.dialog([](QDialog& d) {
        auto& add = static_cast<TFormAdd&>(d);
        EXPECT_EQ(add.EditName2()->text(), "Example page");
        EXPECT_EQ(add.EditUrl2()->text(), "https://www.example.org/Page?id=7");
        return cancel(d);
    });
    EXPECT_TRUE(deliver(moz));
    EXPECT_EQ(prompts.dialogs, QStringList{"FormAdd"});

    QMimeData words;
    words.setText("not a link at all");
    QMimeData nodes; // nodes of another window of the program
    nodes.setData(TreeInetView::kNodeDragFormat, {});
    EXPECT_FALSE(deliver(words));
    EXPECT_FALSE(deliver(nodes));
    EXPECT_EQ(form.tree().Count(), 7);
}

} // namespace
