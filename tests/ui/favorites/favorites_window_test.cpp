// The favorite links list and its window, without the main window.

#include "gui_test_support.h"

#include "ui/favorites/favorites_menu.h"
#include "ui/favorites/favorites_model.h"
#include "ui/favorites/form_favorite.h"
#include "ui/kit/link_drop.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

QStringList namesOf(const FavoritesModel& model)
{
    QStringList names;
    for (const FavoriteLink& link : model.links())
        names << link.name;
    return names;
}

QList<FavoriteLink> fourLinks()
{
    return {{"A", "http://a/", true}, {"B", "http://b/", false}, {"C", "http://c/", true}, {"D", "http://d/", true}};
}

TEST(FavoritesModel, MovingPlacesTheEntryBeforeTheTarget)
{
    ensureApp();
    struct Case {
        int row, before;
        QStringList order;
        int newRow;
    };
    const Case cases[] = {
        {0, 2, {"B", "A", "C", "D"}, 1}, {3, 0, {"D", "A", "B", "C"}, 0}, {1, 4, {"A", "C", "D", "B"}, 3},
        {1, 1, {"A", "B", "C", "D"}, 1}, {1, 2, {"A", "B", "C", "D"}, 1}, {2, 99, {"A", "B", "D", "C"}, 3},
    };
    for (const Case& c : cases) {
        FavoritesModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
        model.setLinks(fourLinks());
        EXPECT_EQ(model.move(c.row, c.before), c.newRow) << c.row << " before " << c.before;
        EXPECT_EQ(namesOf(model), c.order) << c.row << " before " << c.before;
        EXPECT_FALSE(model.links()[c.newRow].name.isEmpty());
    }
}

TEST(FavoritesModel, EditsAnnounceThemselvesAndNameSearchIgnoresCase)
{
    ensureApp();
    FavoritesModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy edited(&model, &FavoritesModel::edited);
    model.setLinks({{"Daily News", "http://news/", false}, {"Mail", "http://mail/", true}, {"News two", "http://2/", true}});
    EXPECT_EQ(edited.count(), 0); // reading the file is no edit

    EXPECT_EQ(model.findByName("news"), 0); // ticked or not
    EXPECT_EQ(model.findByName("MAIL"), 1);
    EXPECT_EQ(model.findByName(""), -1);
    EXPECT_EQ(model.findByName("none"), -1);

    EXPECT_TRUE(model.setData(model.index(0, 0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(model.links()[0].ticked);
    model.setName(1, "Mailbox");
    model.setAddress(1, "");
    model.append({"E", "http://e/", true});
    model.remove(0);
    EXPECT_EQ(edited.count(), 5);
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), "");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Link");
}

TEST(FavoritesMenu, TicksMakeTheEntriesAndTheirActionsAreKept)
{
    ensureApp();
    QMenu menu;
    QAction* separator = menu.addSeparator();
    QAction* edit = menu.addAction("&Edit...");
    FavoritesMenu entries(menu, separator);
    const auto captions = [&menu] {
        QStringList texts;
        for (QAction* a : menu.actions())
            texts << (a->isSeparator() ? "-" : a->text()) + "#" + QString::number(FavoritesMenu::entryOf(a));
        return texts;
    };
    entries.build(fourLinks());
    EXPECT_EQ(captions(), (QStringList{"A#0", "C#2", "D#3", "-#-1", "&Edit...#-1"}));
    QAction* first = menu.actions().first();

    entries.build({{"Q&A\tx", "http://q/", true}, {"Off", "", false}, {"Z", "", true}});
    EXPECT_EQ(captions(), (QStringList{"Q&&A x#0", "Z#2", "-#-1", "&Edit...#-1"}));
    EXPECT_EQ(menu.actions().first(), first);
    entries.build({});
    EXPECT_EQ(captions(), (QStringList{"-#-1", "&Edit...#-1"}));
    EXPECT_EQ(menu.actions().last(), edit);
}

class FavoriteWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        model.setLinks(fourLinks());
        window.launch = [this](const QString& address) { launched << address; };
        window.show();
    }
    QPoint rowCentre(int row) const
    {
        return window.ListView()->visualRect(model.index(row, 1)).center();
    }

    QApplication& app = ensureApp();
    FavoritesModel model;
    TFormFavorite window{model};
    QStringList launched;
};

TEST_F(FavoriteWindowTest, TheFieldsEditTheSelectedEntry)
{
    EXPECT_FALSE(window.Edit1()->isEnabled());
    EXPECT_TRUE(window.Edit1()->text().isEmpty());
    window.selectRow(2);
    EXPECT_TRUE(window.Edit1()->isEnabled());
    EXPECT_EQ(window.Edit2()->text(), "http://c/");
    window.Edit1()->selectAll();
    QTest::keyClicks(window.Edit1(), "Changed");
    window.Edit2()->clear();
    QTest::keyClicks(window.Edit2(), "x");
    EXPECT_EQ(model.links()[2], (FavoriteLink{"Changed", "x", true}));

    window.DeleteClick();
    EXPECT_EQ(namesOf(model), (QStringList{"A", "B", "D"}));
    EXPECT_FALSE(window.Edit1()->isEnabled());
    EXPECT_TRUE(window.Edit2()->text().isEmpty());
    window.DeleteClick();
    EXPECT_EQ(model.rowCount(), 3);
}

TEST_F(FavoriteWindowTest, KeysAndClicksOfTheList)
{
    QTableView* list = window.ListView();
    window.selectRow(0);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(launched, QStringList{"http://a/"});

    QTest::keyClick(list, Qt::Key_Insert);
    ASSERT_EQ(model.rowCount(), 5);
    EXPECT_EQ(model.links()[4], (FavoriteLink{"New link", "http://", true}));
    EXPECT_EQ(window.selectedRow(), 4);
    EXPECT_EQ(window.Edit1()->text(), "New link");
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(model.rowCount(), 4);

    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ShiftModifier, rowCentre(1));
    EXPECT_TRUE(model.links()[1].ticked);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(3));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rowCentre(3));
    EXPECT_EQ(launched.last(), "http://d/");

    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(FavoriteWindowTest, ALinkDroppedInIsAppendedAndSelected)
{
    QWidget* viewport = window.ListView()->viewport();
    std::unique_ptr<QMimeData> link(LinkMimeData("Dropped", "http://dropped/"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, link.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(viewport, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, link.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(viewport, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(model.links().last(), (FavoriteLink{"Dropped", "http://dropped/", true}));
    EXPECT_EQ(window.selectedRow(), 4);

    QMimeData words;
    words.setText("not a link");
    QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &words, Qt::LeftButton, {});
    QCoreApplication::sendEvent(viewport, &refused);
    EXPECT_FALSE(refused.isAccepted());
    EXPECT_EQ(model.rowCount(), 5);
}

} // namespace
