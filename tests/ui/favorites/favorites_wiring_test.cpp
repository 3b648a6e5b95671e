// The favorite links in the real main window: the file read at start and written at exit, the
// launch menus, adding from the tree and launching by name.

#include "editing_support.h"
#include "language_coverage.h"

#include "settings/favorites_links.h"
#include "settings/text_file.h"
#include "ui/favorites/favorites_feature.h"
#include "ui/favorites/favorites_model.h"
#include "ui/favorites/form_favorite.h"
#include "ui/kit/command_map.h"
#include "ui/launch/form_launch.h"
#include "ui/shell/form_main.h"
#include "ui/testing/recording_launcher.h"

#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QTest>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

constexpr char kHeader[] = "Favorites links for Tarnlink, https://tarnlink.example/\r\n";

void writeFile(const QByteArray& bytes)
{
    QFile file(FavoritesLinksPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray fileBytes()
{
    return readSmallFile(FavoritesLinksPath()).value_or(QByteArray());
}

QStringList captions(QMenu& menu)
{
    QStringList texts;
    for (QAction* action : menu.actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

class FavoritesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApp();
        writeFile(QByteArray(kHeader) + "Mail & more\r\nhttp://mail/\r\n;Daily news\r\nhttp://news/\r\n");
    }
    void TearDown() override
    {
        form.reset();
        QFile::remove(FavoritesLinksPath());
        EXPECT_TRUE(prompts.dialogsDone());
        EXPECT_TRUE(prompts.exhausted());
    }
    void open()
    {
        form = std::make_unique<TFormMain>();
        form->setPrompts(&prompts);
        form->setLauncher(&launcher);
        form->setSelectionDelay(0);
        form->settings().options.fullPathIE = "browser";
        favorites = form->feature<FavoritesFeature>();
    }
    QMenu& launchMenu() { return form->menu(MenuPlace::FavoritesLaunch); }
    // The Favorites menu opens, then its "Launch" submenu.
    void openFavoritesMenu()
    {
        emit form->Menu("&Favorites")->aboutToShow();
        if (launchMenu().isEnabled())
            emit launchMenu().aboutToShow();
    }
    QStringList launched() const
    {
        QStringList addresses;
        for (const auto& started : launcher.programs)
            addresses += started.arguments;
        return addresses;
    }

    DialogPrompts prompts;
    RecordingLauncher launcher;
    std::unique_ptr<TFormMain> form;
    FavoritesFeature* favorites = nullptr;
};

TEST_F(FavoritesTest, TickedEntriesMakeTheLaunchMenus)
{
    open();
    ASSERT_EQ(favorites->model().rowCount(), 2);
    openFavoritesMenu();
    EXPECT_EQ(captions(launchMenu()), QStringList{"Mail && more"});
    EXPECT_TRUE(launchMenu().isEnabled());
    QMenu& tray = form->menu(MenuPlace::TrayFavorites);
    emit tray.aboutToShow();
    EXPECT_EQ(captions(tray), (QStringList{"Mail && more", "-", "&Edit..."}));

    launchMenu().actions().first()->trigger();
    EXPECT_EQ(launched(), QStringList{"http://mail/"});
    EXPECT_FALSE(form->document().modified);

    // The tray's last item shows and hides the window.
    tray.actions().last()->trigger();
    EXPECT_TRUE(favorites->window().isVisible());
    QTest::keyClick(favorites->window().ListView(), Qt::Key_Escape);
    EXPECT_FALSE(favorites->window().isVisible());
    form->commands().run(Cmd::FavoritesEdit);
    EXPECT_TRUE(favorites->window().isVisible());
    form->commands().run(Cmd::FavoritesEdit);
    EXPECT_FALSE(favorites->window().isVisible());

    // Deleting the only ticked entry empties the menu the next time it opens.
    favorites->window().selectRow(0);
    favorites->window().DeleteClick();
    EXPECT_EQ(captions(launchMenu()), QStringList{"Mail && more"});
    openFavoritesMenu();
    emit launchMenu().aboutToShow(); // were it opened anyway
    EXPECT_TRUE(captions(launchMenu()).isEmpty());
    EXPECT_FALSE(launchMenu().isEnabled());
    emit tray.aboutToShow();
    EXPECT_EQ(captions(tray), (QStringList{"-", "&Edit..."}));
}

TEST_F(FavoritesTest, AddingFromTheTreeAndLaunchingByName)
{
    open();
    TfcTreeNodes& tree = form->tree();
    TfcTreeNode* folder = addFolder(tree, nullptr, "Folder");
    TfcTreeNode* first = addLink(tree, nullptr, "First", "http://first/", "http://second/");
    TfcTreeNode* bar = addSeparator(tree, nullptr);
    CommandMap& c = form->commands();

    tree.Select(folder);
    form->updateStates();
    EXPECT_FALSE(c.action(Cmd::FavoritesAddSelected)->isEnabled());
    EXPECT_FALSE(c.action(Cmd::AddToFavorites)->isEnabled());
    tree.Select(bar);
    form->updateStates();
    EXPECT_FALSE(c.action(Cmd::FavoritesAddSelected)->isEnabled());
    EXPECT_TRUE(c.action(Cmd::AddToFavorites)->isEnabled());

    tree.Select(first);
    c.run(Cmd::FavoritesAddSelected);
    addLink(tree, nullptr, "Later", "http://later/");
    tree.Select(tree.TopLevelItem(3));
    c.run(Cmd::AddToFavorites);
    openFavoritesMenu();
    EXPECT_EQ(captions(launchMenu()), (QStringList{"Mail && more", "First", "Later"}));
    EXPECT_EQ(favorites->window().selectedRow(), -1); // added from the tree, not selected

    prompts.dialog([](QDialog& d) {
        QTest::keyClicks(static_cast<TFormLaunch&>(d).Edit1(), "NEWS");
        return int(QDialog::Accepted);
    });
    prompts.dialog([](QDialog& d) {
        QTest::keyClicks(static_cast<TFormLaunch&>(d).Edit1(), "nothing like it");
        return int(QDialog::Accepted);
    });
    c.run(Cmd::FavoritesLaunchLink);
    c.run(Cmd::FavoritesLaunchLink);
    EXPECT_EQ(launched(), QStringList{"http://news/"}); // the unticked entry is searched too
    EXPECT_EQ(first->Clicks, 0);
}

TEST_F(FavoritesTest, TheListIsWrittenAtExit)
{
    open();
    favorites->model().setAddress(0, "");
    Settings stored;
    favorites->window().resize(400, 300);
    favorites->window().ListView()->setColumnWidth(1, 222);
    favorites->storeSettings(stored);
    EXPECT_EQ(stored.main.favWWidth, 400);
    EXPECT_EQ(stored.favoritesLinks.vColW2, 222);
    favorites->closing();
    EXPECT_EQ(fileBytes(), QByteArray(kHeader) + "Mail & more\r\n\r\n;Daily news\r\nhttp://news/\r\n");
    EXPECT_TRUE(prompts.log().isEmpty());
}

TEST_F(FavoritesTest, AFileNotOursIsReadButKeptUntilTheListChanges)
{
    const QByteArray foreign = "My own notes\r\nA\r\nhttp://a/\r\nB";
    writeFile(foreign);
    open();
    favorites->started();
    QCoreApplication::processEvents();
    ASSERT_EQ(prompts.log().size(), 1);
    EXPECT_TRUE(prompts.log()[0].startsWith("warn: " + QDir::toNativeSeparators(FavoritesLinksPath()) + " is not"));
    EXPECT_EQ(favorites->model().rowCount(), 2);
    favorites->closing();
    EXPECT_EQ(fileBytes(), foreign);

    favorites->model().toggle(1);
    favorites->closing();
    EXPECT_EQ(fileBytes(), QByteArray(kHeader) + "A\r\nhttp://a/\r\n;B\r\n\r\n");
}

TEST_F(FavoritesTest, ASoundFileIsNotReported)
{
    open();
    favorites->started();
    QCoreApplication::processEvents();
    EXPECT_TRUE(prompts.log().isEmpty());
}

TEST(FavoritesLanguage, TheWindowIsTranslated)
{
    ExpectNoTextLeftInEnglish([](TFormMain& form) {
        TFormFavorite& window = form.feature<FavoritesFeature>()->window();
        return QList<QWidget*>{&window, window.PopupMenu()};
    });
}

} // namespace
