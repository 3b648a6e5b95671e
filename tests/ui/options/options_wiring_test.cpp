// The preferences on the real main window: opened by its command, and what OK changes at once in
// the window, in the editing windows, in the desktop's entries and in the next start.

#include "editing_support.h"
#include "language_coverage.h"

#include "platform/desktop_integration.h"
#include "settings/settings.h"
#include "ui/editing/editing_feature.h"
#include "ui/editing/form_add.h"
#include "ui/editing/properties_editor.h"
#include "ui/kit/command_map.h"
#include "ui/kit/windows_color.h"
#include "ui/options/animation_page.h"
#include "ui/options/browsers_page.h"
#include "ui/options/explorer_page.h"
#include "ui/options/form_options.h"
#include "ui/options/general_page.h"
#include "ui/options/link_monitor_page.h"
#include "ui/options/look_controls.h"
#include "ui/options/options_feature.h"
#include "ui/options/password_page.h"
#include "ui/options/visual_view_page.h"
#include "ui/shell/form_main.h"
#include "ui/shell/tray.h"
#include "ui/testing/recording_launcher.h"
#include "ui/tree/tree_view.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

// Prompts whose font and colour dialogs choose what the test set.
struct LookPrompts : DialogPrompts {
    std::optional<QFont> chooseFont(const QFont&) override { return font; }
    std::optional<QColor> chooseColor(const QColor&) override { return colour; }
    QFont font;
    QColor colour;
};

class OptionsWiringTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApp();
        form = std::make_unique<TFormMain>(dir.filePath("Tarnlink.ini"));
        attach(*form);
    }
    void TearDown() override
    {
        TrayIcon::setAvailabilityProbe({});
        EXPECT_TRUE(prompts.dialogsDone());
    }
    void attach(TFormMain& window)
    {
        window.setPrompts(&prompts);
        window.setLauncher(&launcher);
    }
    // Runs the preferences; the dialog is changed as a user would and closed with OK.
    void ok(const std::function<void(TFormOptions&)>& edit, TFormMain* window = nullptr)
    {
        prompts.dialog([edit](QDialog& d) {
            edit(static_cast<TFormOptions&>(d));
            return int(QDialog::Accepted);
        });
        (window ? window : form.get())->commands().run(Cmd::Preferences);
    }
    // Runs the preferences, looks at the dialog and closes it with Esc.
    void look(const std::function<void(TFormOptions&)>& check, TFormMain* window = nullptr)
    {
        prompts.dialog([check](QDialog& d) {
            check(static_cast<TFormOptions&>(d));
            QTest::keyClick(&d, Qt::Key_Escape);
            return d.result();
        });
        (window ? window : form.get())->commands().run(Cmd::Preferences);
    }

    QTemporaryDir dir;
    LookPrompts prompts;
    RecordingLauncher launcher;
    std::unique_ptr<TFormMain> form;
};

TEST_F(OptionsWiringTest, OpensOnTheLastPageAndEscChangesNothing)
{
    form->settings().options.actPOption = 6;
    const OptionsSection before = form->settings().options;
    look([](TFormOptions& d) {
        EXPECT_EQ(d.objectName(), "FormOptions");
        EXPECT_EQ(d.windowTitle(), "Preferences");
        EXPECT_EQ(d.PageControl()->count(), 9);
        EXPECT_EQ(d.PageControl()->currentIndex(), 6);
        d.PageControl()->setCurrentIndex(2);
        d.TabOther()->SpinAutoSaveTime()->setValue(30);
    });
    EXPECT_EQ(form->settings().options, before);
    EXPECT_FALSE(form->AutoSaveTimer().isActive());
    EXPECT_EQ(form->commands().action(Cmd::Preferences)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
}

TEST_F(OptionsWiringTest, TheAutomaticSaveFollowsTheBox)
{
    ok([](TFormOptions& d) { d.TabOther()->SpinAutoSaveTime()->setValue(5); });
    EXPECT_TRUE(form->AutoSaveTimer().isActive());
    EXPECT_EQ(form->AutoSaveTimer().interval(), 300000);
    ok([](TFormOptions& d) { d.TabOther()->SpinAutoSaveTime()->setValue(0); });
    EXPECT_FALSE(form->AutoSaveTimer().isActive());
    EXPECT_EQ(form->settings().options.autoSaveTime, 0);
}

TEST_F(OptionsWiringTest, TurningTheTrayOffShowsTheWindowHiddenInIt)
{
    TrayIcon::setAvailabilityProbe([] { return true; });
    form->Tray().setWanted(true);
    ASSERT_TRUE(form->StartsHidden());
    ok([](TFormOptions& d) {
        EXPECT_TRUE(d.TabOther()->CheckTray()->isChecked());
        d.TabOther()->CheckTray()->setChecked(false);
    });
    EXPECT_FALSE(form->Tray().wanted());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(OptionsWiringTest, MinimisingHidesIntoTheTrayOnlyWhileItsIconIsShown)
{
    TrayIcon::setAvailabilityProbe([] { return true; });
    form->show();
    form->setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    EXPECT_TRUE(form->isVisible()); // no icon wanted

    form->showNormal();
    ok([](TFormOptions& d) { d.TabOther()->CheckTray()->setChecked(true); });
    form->setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    EXPECT_FALSE(form->isVisible());
    form->ShowHideWindow();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isMinimized());
}

TEST_F(OptionsWiringTest, CheckClipboardOffClearsBothLinkMonitorChecks)
{
    QAction* trayItem = nullptr;
    for (QAction* a : form->MenuTray()->actions())
        if (CommandMap::idOf(a) == int(Cmd::LinkMonitor))
            trayItem = a;
    ASSERT_NE(trayItem, nullptr);
    ASSERT_TRUE(form->commands().action(Cmd::LinkMonitor)->isChecked());
    ASSERT_TRUE(trayItem->isChecked());

    ok([](TFormOptions& d) {
        d.TabLinkMonitor()->CheckClipBoard()->setChecked(false);
        d.TabLinkMonitor()->MemoCBOut()->setPlainText("ads.example");
    });
    EXPECT_FALSE(form->commands().action(Cmd::LinkMonitor)->isChecked());
    EXPECT_FALSE(trayItem->isChecked());
    EXPECT_EQ(form->settings().clipBoardOut, QStringList{"ads.example"});

    // The dialog starts from the menu's check, whatever changed it since.
    form->commands().setChecked(Cmd::LinkMonitor, true);
    look([](TFormOptions& d) { EXPECT_TRUE(d.TabLinkMonitor()->CheckClipBoard()->isChecked()); });
}

TEST_F(OptionsWiringTest, ThePageAndTheWindowChoicesSurviveARestartButNotTheSortWindows)
{
    ok([](TFormOptions& d) {
        d.PageControl()->setCurrentIndex(3);
        d.TabFormAnim()->window(4)->setChecked(false); // Find window
        d.TabFormAnim()->window(7)->setChecked(true);  // Sort window
    });
    EXPECT_TRUE(form->settings().options.chkSortW);
    form->MExitClick();
    form.reset();

    auto restarted = std::make_unique<TFormMain>(dir.filePath("Tarnlink.ini"));
    attach(*restarted);
    look(
        [](TFormOptions& d) {
            EXPECT_EQ(d.PageControl()->currentIndex(), 3);
            EXPECT_FALSE(d.TabFormAnim()->window(4)->isChecked());
            EXPECT_FALSE(d.TabFormAnim()->window(7)->isChecked());
            for (int kept : {0, 1, 2, 3, 5, 6})
                EXPECT_TRUE(d.TabFormAnim()->window(kept)->isChecked()) << kept;
        },
        restarted.get());
}

TEST_F(OptionsWiringTest, PasswordStarsAndGeneratorReachTheEditingWindowsAtOnce)
{
    EditingFeature& editing = *form->feature<EditingFeature>();
    ASSERT_EQ(editing.editor()->EditPas()->echoMode(), QLineEdit::Password);
    ok([](TFormOptions& d) {
        d.TabOther()->CheckPassword()->setChecked(false);
        d.TabPwd()->CheckPStr()->setChecked(false);
        d.TabPwd()->CheckPPro()->setChecked(false);
        d.TabPwd()->SpinPLength()->setValue(6);
    });
    EXPECT_EQ(editing.editor()->EditPas()->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(editing.addDialog()->EditPas2()->echoMode(), QLineEdit::Normal);
    editing.addDialog()->BtnSecurClick();
    const QString password = editing.addDialog()->EditPas2()->text();
    EXPECT_EQ(password.size(), 6);
    for (const QChar c : password)
        EXPECT_TRUE(c.isDigit()) << password.toStdString();
}

TEST_F(OptionsWiringTest, FontsColoursAndIndentReachTheTreeAndTheDescription)
{
    prompts.font = QFont("DejaVu Sans", 17);
    prompts.colour = QColor(10, 20, 30);
    ok([](TFormOptions& d) {
        VisualViewPage& view = *d.TabView();
        view.BtnSelectFontTree()->button()->click();
        view.ColorSelectorBackground()->click();
        view.ColorSelectorLines()->click();
        view.BtnSelectFontEdit()->button()->click();
        view.ColorSelectorBGDescr()->click();
        d.TabExplorer()->SpinIdent()->setValue(31);
    });
    EXPECT_EQ(form->TreeInet()->font().pointSize(), 17);
    EXPECT_EQ(form->TreeInet()->palette().color(QPalette::Base), QColor(10, 20, 30));
    EXPECT_EQ(form->TreeInet()->palette().color(QPalette::Dark), QColor(10, 20, 30));
    EXPECT_EQ(form->TreeInet()->indentation(), 31);
    EXPECT_EQ(form->Memo1()->font().pointSize(), 17);
    EXPECT_EQ(form->Memo1()->palette().color(QPalette::Base), QColor(10, 20, 30));
    EXPECT_EQ(form->settings().form.integer("Memo1.Color", 0), ToWindowsColor(QColor(10, 20, 30)));

    // A cancelled font dialog keeps the font; the next opening starts from the live window.
    prompts.colour = QColor();
    look([](TFormOptions& d) {
        EXPECT_EQ(d.TabView()->BtnSelectFontTree()->chosenFont().pointSize(), 17);
        EXPECT_EQ(d.TabExplorer()->SpinIdent()->value(), 31);
    });
}

TEST_F(OptionsWiringTest, AssociationAndAutostartAreWrittenAndRemovedWithTheBoxes)
{
    const DesktopIntegration desktop = OptionsFeature::desktop();
    ok([](TFormOptions& d) {
        EXPECT_FALSE(d.TabOther()->CheckAutoRun()->isChecked());
        d.TabOther()->CheckAutoRun()->setChecked(true);
        d.TabOther()->CheckAssociate()->setChecked(true);
    });
    EXPECT_TRUE(desktop.autostartEnabled());
    EXPECT_TRUE(QFileInfo::exists(desktop.applicationFile()));
    EXPECT_TRUE(QFileInfo::exists(desktop.mimePackageFile()));
    ASSERT_EQ(launcher.programs.size(), 2);
    EXPECT_EQ(launcher.programs[0].program, "update-mime-database");
    EXPECT_EQ(launcher.programs[1].program, "xdg-mime");
    EXPECT_TRUE(prompts.take().isEmpty());

    // Missing tools are named in one message; the files are in place all the same.
    launcher.programs.clear();
    launcher.programsStart = false;
    look([](TFormOptions& d) { EXPECT_TRUE(d.TabOther()->CheckAutoRun()->isChecked()); });
    ok([](TFormOptions&) {});
    EXPECT_EQ(prompts.take(),
              QStringList{"warn: Unable to start update-mime-database, xdg-mime: the desktop does not know of the "
                          "change yet."});
    ok([](TFormOptions&) {});
    EXPECT_TRUE(prompts.take().isEmpty()) << "told once a run";

    launcher.programs.clear();
    launcher.programsStart = true;
    ok([](TFormOptions& d) {
        d.TabOther()->CheckAutoRun()->setChecked(false);
        d.TabOther()->CheckAssociate()->setChecked(false);
    });
    EXPECT_FALSE(desktop.autostartEnabled());
    EXPECT_FALSE(QFileInfo::exists(desktop.applicationFile()));
    EXPECT_FALSE(QFileInfo::exists(desktop.mimePackageFile()));
    ASSERT_EQ(launcher.programs.size(), 1);
    EXPECT_EQ(launcher.programs[0].program, "update-mime-database");
}

TEST_F(OptionsWiringTest, AnOperaOnThePathIsOfferedEvenWhenCancelled)
{
    QTemporaryDir bin;
    const QString opera = bin.filePath("opera");
    QFile file(opera);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toUtf8());
    look([&opera](TFormOptions& d) { EXPECT_EQ(d.TabBrowsers()->EditDir(BrowsersPage::NetScape)->text(), opera); });
    qputenv("PATH", path);
    EXPECT_EQ(form->settings().options.fullPathNetScape, opera);
}

TEST(OptionsLanguages, NoTextOfThePreferencesIsLeftInEnglish)
{
    ExpectNoTextLeftInEnglish([](TFormMain& form) {
        return QList<QWidget*>{form.feature<OptionsFeature>()->newDialog().release()};
    });
}

} // namespace
