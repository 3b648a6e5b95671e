// Launching from the real main window: the triggers, the visit counters, failures, the
// "Launch link" dialog and "Copy as..." from the tree.

#include "editing_support.h"
#include "language_coverage.h"

#include "platform/clock.h"
#include "ui/editing/editing_feature.h"
#include "ui/editing/properties_editor.h"
#include "ui/kit/command_map.h"
#include "ui/kit/visit_time.h"
#include "ui/launch/form_launch.h"
#include "ui/launch/launch_feature.h"
#include "ui/shell/form_main.h"
#include "ui/testing/recording_launcher.h"
#include "ui/tree/tree_model.h"
#include "ui/tree/tree_view.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

const QDateTime kNow(QDate(2024, 3, 5), QTime(10, 59, 59));

class LaunchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clock::install(&clock);
        form.setPrompts(&prompts);
        form.setLauncher(&launcher);
        form.setSelectionDelay(0);
        form.settings().options.fullPathIE = "/usr/bin/browser";
        folder = addFolder(form.tree(), nullptr, "Work");
        both = addLink(form.tree(), nullptr, "Both", "http://one.example/", "http://two.example/");
        second = addLink(form.tree(), nullptr, "Second only", "", "http://two.example/only");
        form.document().counts = {1, 2};
    }
    void TearDown() override
    {
        Clock::install(nullptr);
        EXPECT_TRUE(prompts.dialogsDone());
        EXPECT_TRUE(prompts.exhausted());
    }
    void select(TfcTreeNode* node)
    {
        form.tree().Select(node);
        form.updateStates();
    }
    QStringList launched() const
    {
        QStringList addresses;
        for (const auto& started : launcher.programs)
            addresses += started.arguments;
        for (const QUrl& url : launcher.urls)
            addresses += url.toString();
        return addresses;
    }

    QApplication& app = ensureApp();
    FixedClock clock{kNow};
    DialogPrompts prompts;
    RecordingLauncher launcher;
    TFormMain form;
    LaunchFeature& launch = *form.feature<LaunchFeature>();
    TfcTreeNode* folder = nullptr;
    TfcTreeNode* both = nullptr;
    TfcTreeNode* second = nullptr;
};

TEST_F(LaunchTest, EachTriggerLaunchesItsAddressAndCountsTheVisit)
{
    select(both);
    form.commands().run(Cmd::LaunchLink1);
    form.commands().run(Cmd::LaunchLink2);
    clock.set(kNow.addSecs(1));
    form.commands().run(Cmd::LaunchSelected);
    EXPECT_EQ(launched(), (QStringList{"http://one.example/", "http://two.example/", "http://one.example/"}));
    EXPECT_EQ(launcher.programs[0].program, "/usr/bin/browser");
    EXPECT_EQ(both->Clicks, 3);
    EXPECT_EQ(both->Visited, FormatVisitTime(kNow.addSecs(1)));
    EXPECT_TRUE(form.document().modified);
    EXPECT_EQ(form.document().counts, (TreeCounts{1, 2}));
    EXPECT_EQ(form.StatusPanel(0)->text(), "Clicks: 3");
    EXPECT_EQ(form.StatusPanel(1)->text(), "Visited: 0 sec back");
}

TEST_F(LaunchTest, OnlyLink2SetLaunchesItFromTheTreeButNotAsLink1)
{
    select(second);
    EXPECT_FALSE(form.commands().action(Cmd::LaunchLink1)->isEnabled());
    EXPECT_TRUE(form.commands().action(Cmd::LaunchLink2)->isEnabled());
    EXPECT_TRUE(form.HeaderButton(1)->isEnabled()); // BtnOpenUrl
    form.commands().run(Cmd::LaunchLink1);
    EXPECT_EQ(second->Clicks, 0);
    EXPECT_TRUE(launched().isEmpty());

    form.show();
    TreeInetView* view = form.TreeInet();
    QTest::keyClick(view, Qt::Key_A); // a letter runs "Launch link 1": nothing to launch
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(form.treeModel().indexOf(second)).center());
    EXPECT_EQ(launched(), QStringList{"http://two.example/only"});
    EXPECT_EQ(second->Clicks, 1);

    select(both);
    QTest::keyClick(view, Qt::Key_A);
    EXPECT_EQ(launched().last(), "http://one.example/");
}

TEST_F(LaunchTest, FoldersAndSeparatorsLaunchNothing)
{
    TfcTreeNode* bar = addSeparator(form.tree(), nullptr);
    bar->Link1 = "http://hidden.example/"; // not a link: never launched
    for (TfcTreeNode* node : {folder, bar}) {
        select(node);
        for (Cmd cmd : {Cmd::LaunchLink2, Cmd::LaunchSelected, Cmd::CopyAsLink})
            EXPECT_FALSE(form.commands().action(cmd)->isEnabled()) << CommandMap::info(cmd).caption;
        form.commands().run(Cmd::LaunchLink1);
        form.commands().run(Cmd::LaunchSelected);
    }
    EXPECT_FALSE(form.HeaderButton(1)->isEnabled());
    EXPECT_TRUE(launched().isEmpty());
    EXPECT_FALSE(form.document().modified);
}

TEST_F(LaunchTest, AFailedLaunchIsShownAndCountsNothing)
{
    select(both);
    launcher.programsStart = false;
    form.commands().run(Cmd::LaunchLink1);
    EXPECT_EQ(prompts.take(), QStringList{"error: Couldn't launch browser!"});

    form.settings().options.fullPathIE.clear(); // the default browser
    launcher.urlsOpen = false;
    form.commands().run(Cmd::LaunchLink2);
    EXPECT_EQ(prompts.take(), QStringList{"error: Couldn't launch default browser!"});
    EXPECT_EQ(both->Clicks, 0);
    EXPECT_TRUE(both->Visited.empty());
    EXPECT_FALSE(form.document().modified);
    EXPECT_EQ(launcher.urls, QList<QUrl>{QUrl("http://two.example/")});
}

TEST_F(LaunchTest, LaunchAddressCountsNothingAndMayPreferTheSecondLink)
{
    EXPECT_TRUE(launch.LaunchAddress("http://one/", "http://two/"));
    form.settings().options.chkListViewLink2 = true;
    EXPECT_TRUE(launch.LaunchAddress("http://one/", "http://two/"));
    EXPECT_TRUE(launch.LaunchAddress("http://one/", ""));
    EXPECT_FALSE(launch.LaunchAddress("", ""));
    EXPECT_EQ(launched(), (QStringList{"http://one/", "http://two/", "http://one/"}));
    EXPECT_FALSE(form.document().modified);
}

TEST_F(LaunchTest, TheLaunchLinkDialogLaunchesWhatIsTyped)
{
    prompts.dialog([](QDialog& d) {
        auto& dialog = static_cast<TFormLaunch&>(d);
        EXPECT_EQ(dialog.windowTitle(), "Launch link");
        EXPECT_FALSE(dialog.BtnOk()->isEnabled());
        QTest::keyClicks(dialog.Edit1(), "example.org/Page");
        EXPECT_TRUE(dialog.BtnOk()->isEnabled());
        return int(QDialog::Accepted);
    });
    prompts.dialog(cancel);
    form.commands().run(Cmd::LaunchLink);
    form.commands().run(Cmd::LaunchLink);
    EXPECT_EQ(launched(), QStringList{"example.org/Page"}); // as typed, no prefix
    EXPECT_EQ(prompts.dialogs, (QStringList{"FormLaunch", "FormLaunch"}));
}

TEST_F(LaunchTest, EnterInTheDialogAcceptsOnceSomethingWasTyped)
{
    TFormLaunch dialog("&Launch link...");
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QTest::keyClick(dialog.Edit1(), Qt::Key_Return);
    EXPECT_EQ(accepted.count(), 0);
    QTest::keyClicks(dialog.Edit1(), "x");
    QTest::keyClick(dialog.Edit1(), Qt::Key_Backspace);
    QTest::keyClick(dialog.Edit1(), Qt::Key_Return);
    EXPECT_EQ(accepted.count(), 1);
}

TEST_F(LaunchTest, CopyAsTakesWhatTheEditorShows)
{
    select(second);
    form.commands().run(Cmd::CopyAsHtml);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "<a href=\"http://two.example/only\">Second only</a>");

    PropertiesEditor& editor = *form.feature<EditingFeature>()->editor();
    select(both);
    editor.EditName()->setText("News");
    form.commands().run(Cmd::CopyAsNameAndLink);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "News - http://one.example/");
    // The tree's pop-up runs the same command.
    QMenu* popup = form.MenuTree();
    emit popup->aboutToShow();
    QAction* copyAsHtml = nullptr;
    for (QAction* a : popup->findChildren<QAction*>())
        if (CommandMap::idOf(a) == int(Cmd::CopyAsHtml))
            copyAsHtml = a;
    ASSERT_TRUE(copyAsHtml);
    ASSERT_TRUE(copyAsHtml->isEnabled());
    copyAsHtml->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "<a href=\"http://one.example/\">News</a>");
    form.commands().run(Cmd::CopyAsLink);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "http://one.example/");
}

TEST(LaunchLanguage, TheLaunchLinkDialogIsTranslated)
{
    ExpectNoTextLeftInEnglish([](TFormMain& form) {
        auto* dialog = new TFormLaunch(form.commands().caption(Cmd::LaunchLink), &form);
        TranslateForm(dialog, form.language());
        return QList<QWidget*>{dialog};
    });
}

} // namespace
