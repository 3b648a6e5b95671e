// The "List" page of the real main window: filling as the selection moves, the page switching,
// the list's commands, styles and settings, and links dropped in.

#include "editing_support.h"
#include "language_coverage.h"

#include "ui/editing/editing_feature.h"
#include "ui/editing/form_add.h"
#include "ui/kit/command_map.h"
#include "ui/kit/link_drop.h"
#include "ui/launch/copy_as.h"
#include "ui/listview/folder_list_model.h"
#include "ui/listview/folder_list_view.h"
#include "ui/listview/list_view_feature.h"
#include "ui/shell/form_main.h"
#include "ui/testing/recording_launcher.h"
#include "ui/tree/tree_model.h"
#include "ui/tree/tree_view.h"

#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

class ListViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.setPrompts(&prompts);
        form.setLauncher(&launcher);
        form.setSelectionDelay(0);
        form.settings().options.fullPathIE = "browser";
        work = addFolder(form.tree(), nullptr, "Work");
        mail = addLink(form.tree(), work, "Mail", "http://mail/", "http://mail2/");
        sub = addFolder(form.tree(), work, "Sub");
        addLink(form.tree(), sub, "Deep", "http://deep/");
        addSeparator(form.tree(), nullptr);
        home = addLink(form.tree(), nullptr, "Home", "http://home/");
        empty = addFolder(form.tree(), nullptr, "Empty");
        form.document().counts = {3, 3};
        form.show();
    }
    void TearDown() override
    {
        EXPECT_TRUE(prompts.dialogsDone());
        EXPECT_TRUE(prompts.exhausted());
    }
    void click(TfcTreeNode* node)
    {
        form.TreeInet()->selectionModel()->setCurrentIndex(form.treeModel().indexOf(node),
                                                           QItemSelectionModel::ClearAndSelect);
    }
    QStringList names() const
    {
        QStringList shown;
        for (int row = 0; row < list.model().rowCount(); ++row)
            shown << list.model().data(list.model().index(row, 0)).toString();
        return shown;
    }
    QWidget* page() const { return form.PageControlEditor()->currentWidget(); }
    QWidget* listPage() { return &form.editorPage(EditorPage::List); }
    QWidget* propertiesPage() { return &form.editorPage(EditorPage::Properties); }
    void selectItem(TfcTreeNode* node)
    {
        list.view().table()->selectRow(list.model().rowOf(node));
    }
    QStringList launched() const
    {
        QStringList addresses;
        for (const auto& started : launcher.programs)
            addresses += started.arguments;
        return addresses;
    }

    QApplication& app = ensureApp();
    DialogPrompts prompts;
    RecordingLauncher launcher;
    TFormMain form;
    ListViewFeature& list = *form.feature<ListViewFeature>();
    TfcTreeNode *work, *mail, *sub, *home, *empty;
};

TEST_F(ListViewTest, ShowAutomaticallySwitchesPagesAndKeepsTheList)
{
    click(work);
    EXPECT_EQ(names(), (QStringList{"Mail", "Sub"}));
    EXPECT_EQ(page(), listPage());

    form.tree().Expand(work, false);
    click(mail);
    EXPECT_EQ(page(), propertiesPage());
    EXPECT_EQ(names(), (QStringList{"Mail", "Sub"}));

    click(empty);
    EXPECT_EQ(page(), propertiesPage());
    EXPECT_EQ(names(), (QStringList{"Mail", "Sub"}));

    // Without it the list follows every selection and the page stays.
    form.settings().options.chkListViewAuto = false;
    click(home);
    EXPECT_EQ(names(), (QStringList{"Work", "Home", "Empty"}));
    EXPECT_EQ(page(), propertiesPage());
    click(empty);
    EXPECT_TRUE(names().isEmpty());

    // A hidden "List" tab is never made the current page.
    form.settings().options.chkListViewAuto = true;
    form.commands().run(Cmd::PanelList);
    click(work);
    EXPECT_EQ(page(), propertiesPage());
}

TEST_F(ListViewTest, DoubleClickLaunchesWithoutCountingOrOpensTheFolder)
{
    click(work);
    list.ListViewDblClick(mail);
    form.settings().options.chkListViewLink2 = true;
    list.ListViewDblClick(mail);
    EXPECT_EQ(launched(), (QStringList{"http://mail/", "http://mail2/"}));
    EXPECT_EQ(mail->Clicks, 0);
    EXPECT_FALSE(form.document().modified);

    const QModelIndex subItem = list.model().index(list.model().rowOf(sub), 0);
    QTableView* table = list.view().table();
    const QPoint at = table->visualRect(subItem).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(form.tree().Selected(), sub);
    EXPECT_TRUE(sub->Expanded());
    EXPECT_EQ(names(), QStringList{"Deep"});

    form.settings().options.chkListViewOpenGroup = false;
    click(home);
    form.tree().Collapse(work, false);
    click(home);
    list.GoToFolder(work);
    EXPECT_EQ(form.tree().Selected(), work);
    EXPECT_FALSE(work->Expanded());
}

TEST_F(ListViewTest, ThePopUpMenuFollowsTheSelectedItem)
{
    click(work);
    QMenu* menu = list.MenuList();
    auto item = [menu](const char* english) -> QAction* {
        for (QAction* a : menu->actions())
            if (a->text() == QLatin1String(english))
                return a;
        return nullptr;
    };
    const auto states = [&] {
        emit menu->aboutToShow();
        QList<bool> enabled;
        for (const char* caption : {"Launch link &1", "Launch link &2", "Go to &folder", "Copy &as..."})
            enabled << item(caption)->isEnabled();
        return enabled;
    };
    EXPECT_EQ(states(), (QList<bool>{false, false, false, false}));
    selectItem(mail);
    EXPECT_EQ(states(), (QList<bool>{true, true, false, true}));
    item("Launch link &2")->trigger();
    EXPECT_EQ(launched(), QStringList{"http://mail2/"});
    mail->Link1.clear();
    EXPECT_EQ(states(), (QList<bool>{false, true, false, true}));
    selectItem(sub);
    EXPECT_EQ(states(), (QList<bool>{false, false, true, false}));
    item("Go to &folder")->trigger();
    EXPECT_EQ(form.tree().Selected(), sub);
}

TEST_F(ListViewTest, CopyAsAlwaysTakesLink1)
{
    click(work);
    mail->Link1.clear();
    list.N34Click(mail, CopyForm::NameAndLink);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Mail - ");
    list.N34Click(mail, CopyForm::HtmlTag);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "<a href=\"\">Mail</a>");
}

TEST_F(ListViewTest, StylesSortingAndSettings)
{
    click(work);
    EXPECT_EQ(list.view().viewStyle(), ListViewStyle::Table);
    EXPECT_TRUE(form.commands().isChecked(Cmd::ListTable));
    form.commands().run(Cmd::ListSmallIcons);
    EXPECT_EQ(list.view().activeView(), list.view().icons());
    EXPECT_TRUE(form.commands().isChecked(Cmd::ListSmallIcons));
    EXPECT_FALSE(form.commands().isChecked(Cmd::ListTable));
    EXPECT_EQ(list.view().icons()->model(), &list.model());
    selectItem(sub);
    EXPECT_EQ(list.view().icons()->selectionModel()->selectedRows().size(), 1); // one selection for both views

    list.ListViewColumnRightClick(FolderListModel::ColName);
    EXPECT_EQ(list.sortColumn(), 0);
    addLink(form.tree(), work, "alpha", "http://a/");
    EXPECT_EQ(names(), (QStringList{"alpha", "Mail", "Sub"}));
    click(home);
    click(work);
    EXPECT_EQ(names(), (QStringList{"Mail", "Sub", "alpha"}));

    list.view().table()->setColumnWidth(2, 123);
    Settings stored;
    list.storeSettings(stored);
    EXPECT_EQ(stored.main.lvColumnWidth[2], 123);
    EXPECT_GT(stored.main.lvColumnWidth[0], 50); // the shipped widths are too narrow to read
    EXPECT_EQ(stored.form.integer("ListView.ViewStyle", -1), 1);

    form.settings().options.chkListViewGrid = false;
    form.applySettings();
    EXPECT_FALSE(list.view().table()->showGrid());
}

TEST_F(ListViewTest, ALinkDroppedFromAnotherProgramOpensTheAddDialog)
{
    click(work);
    QMimeData* dragged = LinkMimeData("Dropped page", "http://dropped.example/");
    QTableView* table = list.view().table();
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction | Qt::MoveAction, dragged, Qt::LeftButton, {});
    QCoreApplication::sendEvent(table->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction | Qt::MoveAction, dragged, Qt::LeftButton, {});
    prompts.dialog([this](QDialog&) {
        TFormAdd& add = *form.feature<EditingFeature>()->addDialog();
        EXPECT_EQ(add.EditName2()->text(), "Dropped page");
        EXPECT_EQ(add.EditUrl2()->text(), "http://dropped.example/");
        return int(QDialog::Rejected);
    });
    QCoreApplication::sendEvent(table->viewport(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_TRUE(prompts.dialogs.isEmpty()); // the dialog waits until the drop is over
    QTest::qWait(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(prompts.dialogs, QStringList{"FormAdd"});

    QMimeData text;
    text.setText("just some words");
    QDropEvent refused(QPointF(10, 10), Qt::CopyAction, &text, Qt::LeftButton, {});
    QCoreApplication::sendEvent(table->viewport(), &refused);
    EXPECT_FALSE(refused.isAccepted());
    delete dragged;
}

TEST(ListViewSettings, StoredStyleAndWidthsComeBack)
{
    ensureApp();
    QTemporaryDir dir;
    Settings settings = quietSettings();
    settings.main.lvColumnWidth = {70, 71, 72, 73, 74, 75};
    settings.form.setInteger("ListView.ViewStyle", 2);
    settings.form.setInteger("ListView.Color", 0x00FFFF);
    SettingsFile(dir.filePath("Tarnlink.ini")).save(settings);
    TFormMain form(dir.filePath("Tarnlink.ini"));
    const FolderListView& view = form.feature<ListViewFeature>()->view();
    EXPECT_EQ(view.columnWidths(), settings.main.lvColumnWidth);
    EXPECT_EQ(view.viewStyle(), ListViewStyle::List);
    EXPECT_TRUE(form.commands().isChecked(Cmd::ListList));
    EXPECT_EQ(view.table()->palette().color(QPalette::Base), QColor(Qt::yellow));
}

TEST(ListViewLanguage, TheListMenuIsTranslated)
{
    ExpectNoTextLeftInEnglish([](TFormMain& form) { return QList<QWidget*>{form.feature<ListViewFeature>()->MenuList()}; });
}

} // namespace
