#include "ui/kit/command_guard.h"
#include "ui/kit/command_map.h"
#include "ui/shell/document_commands.h"
#include "ui/shell/feature.h"
#include "ui/shell/form_main.h"
#include "ui/shell/view_commands.h"
#include "ui/shell/window_state.h"
#include "ui/kit/translate.h"
#include "ui/kit/icons.h"
#include "ui/kit/language_actions.h"
#include "ui/shell/tray.h"
#include "ui/tree/tree_model.h"
#include "ui/tree/tree_view.h"
#include "ui/testing/scripted_prompts.h"
#include "gui_test_support.h"

#include "model/errors.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QToolButton>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

const QString kSaveAsk = QStringLiteral("ask: Save file?");

// A feature whose answers a test sets, counting what it heard.
struct ProbeFeature : Feature {
    std::function<bool()> commit = [] { return true; };
    std::function<bool()> close = [] { return true; };
    std::function<void(const ShownNode&)> shown = [](const ShownNode&) {};
    int cleared = 0;
    QList<TreeChange> edits;

    bool commitEdits() override { return commit(); }
    bool mayClose() override { return close(); }
    void nodeShown(const ShownNode& node) override { shown(node); }
    void documentCleared() override { ++cleared; }
    void treeEdited(const TreeEdit& edit) override { edits << edit.change; }
};

class FormMainTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApp();
        prompts.onUnexpected = [](const QString& what) { ADD_FAILURE() << "unscripted prompt: " << what.toStdString(); };
        makeForm(quietSettings());
    }
    void TearDown() override
    {
        EXPECT_TRUE(prompts.exhausted()) << "scripted replies left over";
        form.reset();
        TrayIcon::setAvailabilityProbe({});
    }

    // Each window reads its own Tarnlink.ini in the test's folder.
    void makeForm(const Settings& settings)
    {
        const QString ini = path("Tarnlink.ini");
        SettingsFile(ini).save(settings);
        form = std::make_unique<TFormMain>(ini);
        form->setPrompts(&prompts);
        form->setSelectionDelay(0);
        ended = std::make_unique<QSignalSpy>(form.get(), &TFormMain::programEnds);
    }

    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    QString collection(const char* name) const
    {
        const QString p = path(name);
        writeSmallCollection(p);
        return p;
    }
    QString status(int panel) const { return form->StatusPanel(panel)->text(); }
    ProbeFeature& probe()
    {
        auto feature = std::make_unique<ProbeFeature>();
        ProbeFeature& added = *feature;
        form->addFeature(std::move(feature));
        return added;
    }

    QTemporaryDir dir;
    ScriptedPrompts prompts;
    std::unique_ptr<TFormMain> form;
    std::unique_ptr<QSignalSpy> ended;
};

// ---- document states -----------------------------------------------------------------------

TEST_F(FormMainTest, StartsUntitledAndClean)
{
    EXPECT_TRUE(form->document().untitled());
    EXPECT_FALSE(form->document().modified);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Tarnlink"));
    EXPECT_EQ(status(0), QStringLiteral("Total folders: 0"));
    EXPECT_EQ(status(1), QStringLiteral("Total links: 0"));
    EXPECT_EQ(form->tree().GetFirstNode(), nullptr);
}

TEST_F(FormMainTest, SaveAsThenSaveFollowTheStateTable)
{
    fillSmallTree(form->tree());
    form->SetModified();
    const QString target = path("new.tlk");
    prompts.reply(target);
    form->documents().MSaveClick(); // untitled: Save runs Save As
    EXPECT_EQ(prompts.take(), QStringList{QStringLiteral("save: Save Tarnlink file")});
    EXPECT_EQ(prompts.lastFileDialog().defaultSuffix, QStringLiteral("tlk"));
    EXPECT_TRUE(QFile::exists(target));
    EXPECT_EQ(form->document().path, target);
    EXPECT_FALSE(form->document().modified);
    EXPECT_EQ(form->windowTitle(), target + QStringLiteral(" - Tarnlink"));
    EXPECT_EQ(form->recentFiles().entries(), QStringList{target});

    form->SetModified();
    QFile::remove(target);
    form->documents().MSaveClick(); // titled: no dialog
    EXPECT_TRUE(prompts.take().isEmpty());
    EXPECT_TRUE(QFile::exists(target));
    EXPECT_FALSE(form->document().modified);

    TfcTreeNodes reread;
    ReadCollection(target, reread);
    EXPECT_EQ(reread.Count(), form->tree().Count());
}

TEST_F(FormMainTest, SaveOnACleanDocumentWritesNothing)
{
    const QString file = collection("clean.tlk");
    form->documents().OpenDocument(file);
    QFile::remove(file);
    form->documents().MSaveClick();
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(prompts.log().isEmpty());
}

TEST_F(FormMainTest, OpenSucceedsAndSelectsTheFirstNode)
{
    const QString file = collection("small.tlk");
    form->SetModified();
    prompts.reply(Answer::No).reply(file);
    form->documents().MOpenClick();
    EXPECT_EQ(prompts.take(), (QStringList{kSaveAsk, QStringLiteral("open: Open Tarnlink file")}));
    EXPECT_EQ(form->document().path, file);
    EXPECT_FALSE(form->document().modified);
    EXPECT_EQ(form->windowTitle(), file + QStringLiteral(" - Tarnlink"));
    EXPECT_EQ(form->tree().Count(), 5);
    EXPECT_EQ(form->tree().Selected(), form->tree().GetFirstNode());
    EXPECT_EQ(form->TreeInet()->currentIndex(), form->treeModel().indexOf(form->tree().GetFirstNode()));
    EXPECT_EQ(status(0), QStringLiteral("Total folders: 1"));
    EXPECT_EQ(status(1), QStringLiteral("Total links: 3"));
    EXPECT_EQ(form->recentFiles().entries(), QStringList{file});

    // The next open dialog starts in the file's folder.
    prompts.reply(QString());
    form->documents().MOpenClick();
    EXPECT_EQ(prompts.lastFileDialog().folder, dir.path());
    prompts.take();
}

TEST_F(FormMainTest, ShowingMovesTheWindowOntoTheScreen)
{
    const QRect screen = form->screen()->geometry();
    form->resize(400, 300);
    form->move(screen.width() + 100, 10);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_EQ(form->frameGeometry().left(), (screen.width() - form->frameGeometry().width()) / 2);
    EXPECT_LT(form->frameGeometry().top(), 20); // a top inside the screen stays
}

TEST_F(FormMainTest, NoThenCancelOnOpenLeavesTheTreeButClean)
{
    form->documents().OpenDocument(collection("small.tlk"));
    form->tree().Delete(form->tree().TopLevelItem(2));
    form->SetModified();
    prompts.reply(Answer::No).reply(QString());
    form->documents().MOpenClick();
    EXPECT_EQ(form->tree().Count(), 4);
    EXPECT_FALSE(form->document().modified);
    prompts.take();

    form->MExitClick(); // clean now: no question
    EXPECT_TRUE(prompts.log().isEmpty());
    EXPECT_EQ(ended->count(), 1);
}

// A file that could not be read whole is never saved over unasked: what was read stays, but
// untitled and clean, so no automatic save writes it and a save asks for a name.
TEST_F(FormMainTest, OpenFailingWhileReadingKeepsWhatWasReadUntitled)
{
    const QString good = collection("good.tlk");
    QFile file(good);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    const QString damaged = path("damaged.tlk");
    QFile out(damaged);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes.left(bytes.size() - 20));
    out.close();

    Settings settings = quietSettings();
    settings.options.autoSaveTime = 1;
    makeForm(settings);
    form->documents().OpenDocument(good);
    form->SetModified();
    prompts.reply(Answer::No);
    RunGuarded(prompts, [&] { form->documents().OpenDocument(damaged); });
    EXPECT_EQ(prompts.take(), (QStringList{kSaveAsk, QStringLiteral("error: Stream read error\n") + damaged}));
    EXPECT_TRUE(form->document().untitled());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Tarnlink"));
    EXPECT_FALSE(form->document().modified);
    EXPECT_EQ(form->recentFiles().entries(), QStringList{good});
    EXPECT_GT(form->tree().Count(), 0);
    const TreeCounts counted = CountNodes(form->tree());
    EXPECT_EQ(status(1), QStringLiteral("Total links: %1").arg(counted.LinkCount));

    form->documents().autoSaveTick();
    EXPECT_TRUE(prompts.log().isEmpty());
    form->SetModified();
    prompts.reply(QString());
    form->documents().autoSaveTick();
    EXPECT_EQ(prompts.take(), QStringList{QStringLiteral("save: Save Tarnlink file")});
    QFile after(damaged);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), bytes.left(bytes.size() - 20));
}

// A file whose header another program wrote is read, but opened untitled with a warning that
// names it, so a save asks where to write.
TEST_F(FormMainTest, AFileOfAnotherProgramOpensUntitledWithAWarning)
{
    TfcTreeNodes tree;
    fillSmallTree(tree);
    std::string image = BuildCollectionImage(tree, CountNodes(tree));
    image.replace(1, 3, "TLK");
    const QString foreign = path("foreign.tlk");
    QFile out(foreign);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(image.data(), qint64(image.size()));
    out.close();

    form->documents().OpenDocument(foreign);
    EXPECT_EQ(prompts.take(), QStringList{QStringLiteral("warn: The file is not a Tarnlink list\n") + foreign});
    EXPECT_EQ(form->tree().Count(), 5);
    EXPECT_EQ(status(1), QStringLiteral("Total links: 3"));
    EXPECT_TRUE(form->document().untitled());
    EXPECT_FALSE(form->document().modified);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Tarnlink"));
    EXPECT_TRUE(form->recentFiles().isEmpty());

    form->tree().Delete(form->tree().GetFirstNode());
    form->SetModified();
    prompts.reply(QString());
    form->commands().run(Cmd::Save);
    EXPECT_EQ(prompts.take(), QStringList{QStringLiteral("save: Save Tarnlink file")});
    QFile after(foreign);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), QByteArray(image.data(), qsizetype(image.size())));
}

TEST_F(FormMainTest, WrongHeaderCountsAreRecounted)
{
    TfcTreeNodes tree;
    fillSmallTree(tree);
    const QString file = path("counts.tlk");
    WriteCollection(file, tree, TreeCounts{40, 2});
    form->documents().OpenDocument(file);
    EXPECT_EQ(status(0), QStringLiteral("Total folders: 1"));
    EXPECT_EQ(status(1), QStringLiteral("Total links: 3"));
    EXPECT_EQ(form->document().counts, (TreeCounts{1, 3}));
}

TEST_F(FormMainTest, AskSaveAnswers)
{
    // Cancel stops New.
    fillSmallTree(form->tree());
    form->SetModified();
    prompts.reply(Answer::Cancel);
    form->documents().MNewClick();
    EXPECT_EQ(form->tree().Count(), 5);
    EXPECT_TRUE(form->document().modified);

    // Yes with the Save As dialog cancelled: the user asked to save and nothing was saved, so
    // New stops as for Cancel; so do Open and Exit.
    prompts.reply(Answer::Yes).reply(QString());
    form->documents().MNewClick();
    EXPECT_EQ(prompts.take(), (QStringList{kSaveAsk, kSaveAsk, QStringLiteral("save: Save Tarnlink file")}));
    EXPECT_EQ(form->tree().Count(), 5);
    EXPECT_TRUE(form->document().modified);
    prompts.reply(Answer::Yes).reply(QString());
    form->documents().MOpenClick();
    EXPECT_EQ(prompts.take(), (QStringList{kSaveAsk, QStringLiteral("save: Save Tarnlink file")}));
    EXPECT_TRUE(form->document().modified);
    prompts.reply(Answer::Yes).reply(QString());
    form->MExitClick();
    EXPECT_EQ(ended->count(), 0);
    EXPECT_EQ(form->tree().Count(), 5);
    prompts.take();

    prompts.reply(Answer::No);
    form->documents().MNewClick();
    EXPECT_EQ(form->tree().Count(), 0);
    EXPECT_FALSE(form->document().modified);
    EXPECT_TRUE(form->document().untitled());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Tarnlink"));

    // Yes on a titled document saves it to its own path, never to the file being opened.
    const QString first = collection("first.tlk");
    const QString second = collection("second.tlk");
    form->documents().OpenDocument(first);
    form->tree().Delete(form->tree().GetFirstNode());
    form->SetModified();
    prompts.reply(Answer::Yes);
    form->documents().OpenDocument(second);
    TfcTreeNodes saved;
    ReadCollection(first, saved);
    EXPECT_EQ(saved.Count(), 2);
    TfcTreeNodes untouched;
    ReadCollection(second, untouched);
    EXPECT_EQ(untouched.Count(), 5);
    EXPECT_EQ(form->document().path, second);
}

TEST_F(FormMainTest, AFailedSaveKeepsTheDocumentModifiedAndStopsTheAskingCommand)
{
    fillSmallTree(form->tree());
    form->SetModified();
    const QString unwritable = path("missing-folder/file.tlk");
    prompts.reply(Answer::Yes).reply(unwritable);
    form->commands().run(Cmd::New);
    const QStringList log = prompts.take();
    ASSERT_EQ(log.size(), 3);
    EXPECT_TRUE(log[2].startsWith(QStringLiteral("error: "))) << log[2].toStdString();
    EXPECT_TRUE(form->document().modified);
    EXPECT_EQ(form->tree().Count(), 5); // New did not clear the unsaved tree
    EXPECT_EQ(form->document().path, unwritable);
    EXPECT_EQ(form->windowTitle(), unwritable + QStringLiteral(" - Tarnlink"));
    EXPECT_EQ(form->recentFiles().entries(), QStringList{unwritable});
}

// ---- recent files ----------------------------------------------------------------------------

TEST_F(FormMainTest, RecentFilesInTheMenuAndTheOpenButton)
{
    EXPECT_FALSE(form->MenuRecent()->isEnabled());
    QStringList files;
    for (const char* name : {"a.tlk", "b.tlk", "c.tlk", "d.tlk", "e.tlk", "f&g.tlk"})
        files << collection(name);
    for (const QString& f : files)
        form->documents().OpenDocument(f);
    form->documents().OpenDocument(files[2]); // already listed: moves to the top

    const QStringList expected{files[2], files[5], files[4], files[3], files[1]};
    EXPECT_EQ(form->recentFiles().entries(), expected);
    for (QMenu* menu : {form->MenuRecent(), form->OpenButtonMenu()}) {
        const QList<QAction*> actions = menu->actions();
        ASSERT_EQ(actions.size(), 5);
        EXPECT_EQ(actions[0]->text(), QStringLiteral("&1 ") + files[2]);
        EXPECT_EQ(actions[1]->text(), QStringLiteral("&2 ") + QString(files[5]).replace('&', QStringLiteral("&&")));
    }
    EXPECT_TRUE(form->MenuRecent()->isEnabled());

    form->OpenButtonMenu()->actions()[4]->trigger();
    EXPECT_EQ(form->document().path, files[1]);
}

TEST_F(FormMainTest, ARecentEntryWhoseFileIsGone)
{
    const QString file = collection("gone.tlk");
    form->documents().OpenDocument(file);
    form->documents().MNewClick();
    QFile::remove(file);
    form->MenuRecent()->actions().at(0)->trigger();
    EXPECT_EQ(prompts.take(), QStringList{QStringLiteral("error: File not found! ") + file});
    EXPECT_TRUE(form->recentFiles().isEmpty());
    EXPECT_TRUE(form->MenuRecent()->actions().isEmpty());
    EXPECT_FALSE(form->MenuRecent()->isEnabled());
    EXPECT_TRUE(form->document().untitled());
}

// ---- start-up ----------------------------------------------------------------------------------

TEST_F(FormMainTest, StartUpOpensTheNewestRecentFileThenTheCommandLineFile)
{
    const QString recent = collection("recent.tlk");
    const QString named = collection("named.tlk");
    Settings settings = quietSettings();
    settings.recentFiles = {recent};
    makeForm(settings);
    form->StartUp({});
    EXPECT_EQ(form->document().path, recent);

    makeForm(settings);
    form->StartUp({named});
    EXPECT_EQ(form->document().path, named);
    EXPECT_EQ(form->recentFiles().entries(), (QStringList{named, recent}));

    // A missing newest recent file leaves the list silently; a missing command-line file leaves
    // the newest recent file open and is named once the window is shown.
    settings.recentFiles = {path("missing.tlk"), recent};
    makeForm(settings);
    form->StartUp({});
    EXPECT_TRUE(form->document().untitled());
    EXPECT_EQ(form->recentFiles().entries(), QStringList{recent});
    EXPECT_TRUE(prompts.log().isEmpty());

    struct WatchingPrompts : ScriptedPrompts {
        std::function<bool()> windowShown;
        QList<bool> shownAtError;
        void error(const QString& text) override
        {
            shownAtError << windowShown();
            ScriptedPrompts::error(text);
        }
    } watching;
    settings.recentFiles = {recent};
    makeForm(settings);
    form->setPrompts(&watching);
    watching.windowShown = [this] { return form->isVisible(); };
    const QString missing = path("also-missing.tlk");
    form->StartUp({missing});
    EXPECT_EQ(form->document().path, recent);
    EXPECT_EQ(watching.take(), QStringList{QStringLiteral("error: File not found! ") + missing});
    EXPECT_EQ(watching.shownAtError, QList<bool>{true});
    form->setPrompts(&prompts);

    settings.options.openFile = false;
    settings.recentFiles = {recent};
    makeForm(settings);
    form->StartUp({});
    EXPECT_TRUE(form->document().untitled());
}

// ---- automatic save, exit and close ----------------------------------------------------------

TEST_F(FormMainTest, AutomaticSaveTimer)
{
    Settings settings = quietSettings();
    settings.options.autoSaveTime = 1;
    makeForm(settings);
    EXPECT_TRUE(form->AutoSaveTimer().isActive());
    EXPECT_EQ(form->AutoSaveTimer().interval(), 60000);

    form->SetModified();
    prompts.reply(QString()).reply(QString());
    form->documents().autoSaveTick();
    form->documents().autoSaveTick(); // untitled and modified: the dialog comes at every firing
    EXPECT_EQ(prompts.take().size(), 2);

    form->settings().options.autoSaveTime = 0;
    form->applySettings();
    EXPECT_FALSE(form->AutoSaveTimer().isActive());
}

TEST_F(FormMainTest, AFiringDuringTheAutomaticSaveDialogAddsNoSecondDialog)
{
    // The timer fires again while the Save As dialog of the first firing is still open.
    struct NestingPrompts : ScriptedPrompts {
        std::function<void()> whileOpen;
        int dialogs = 0;
        QString saveFileName(const FileDialogOptions&) override
        {
            ++dialogs;
            if (auto fire = std::exchange(whileOpen, nullptr))
                fire();
            return QString();
        }
    } nesting;
    form->setPrompts(&nesting);
    form->SetModified();
    nesting.whileOpen = [this] { form->documents().autoSaveTick(); };
    form->documents().autoSaveTick();
    EXPECT_EQ(nesting.dialogs, 1);
    form->documents().autoSaveTick(); // the next firing after the dialog closed asks again
    EXPECT_EQ(nesting.dialogs, 2);
    form->setPrompts(&prompts);
}

TEST_F(FormMainTest, CloseWithTheTrayIconHidesAndExitEnds)
{
    TrayIcon::setAvailabilityProbe([] { return true; });
    Settings settings = quietSettings();
    settings.form.setBoolean(QStringLiteral("Tray.IconVisible"), true);
    makeForm(settings);
    EXPECT_TRUE(form->StartsHidden());
    form->show();
    form->SetModified();
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(ended->count(), 0);

    form->commands().run(Cmd::ShowHideWindow);
    EXPECT_TRUE(form->isVisible());

    prompts.reply(Answer::Cancel);
    form->MExitClick();
    EXPECT_EQ(ended->count(), 0);
    EXPECT_TRUE(form->isVisible());

    prompts.reply(Answer::No);
    form->MExitClick();
    EXPECT_EQ(ended->count(), 1);
    EXPECT_EQ(prompts.take(), (QStringList{kSaveAsk, kSaveAsk}));
}

TEST_F(FormMainTest, WithoutASystemTrayTheWindowIsNeverHidden)
{
    TrayIcon::setAvailabilityProbe([] { return false; });
    Settings settings = quietSettings();
    settings.form.setBoolean(QStringLiteral("Tray.IconVisible"), true);
    makeForm(settings);
    EXPECT_FALSE(form->StartsHidden());
    form->show();
    form->close();
    EXPECT_EQ(ended->count(), 1);
}

TEST_F(FormMainTest, ARunningLinkCheckRefusesTheClose)
{
    bool running = true;
    probe().close = [&] { return !running; };
    form->show();
    form->SetModified();
    form->MExitClick();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(ended->count(), 0);
    EXPECT_TRUE(prompts.log().isEmpty());

    running = false;
    prompts.reply(Answer::No);
    form->MExitClick();
    EXPECT_EQ(ended->count(), 1);
}

TEST_F(FormMainTest, EscapeInAnyControlRunsExit)
{
    form->show();
    QTest::keyClick(static_cast<QWidget*>(form->Memo1()), Qt::Key_Escape);
    EXPECT_EQ(ended->count(), 1);
}

// ---- view commands ---------------------------------------------------------------------------

class FormViewTest : public FormMainTest {
protected:
    void SetUp() override
    {
        FormMainTest::SetUp();
        form->resize(800, 600);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void run(Cmd cmd)
    {
        form->commands().run(cmd);
        QApplication::processEvents();
    }
};

TEST_F(FormViewTest, HidingTheUpperTabsLetsTheLowerOnesFillAndKeepTheirHeight)
{
    const int lowerHeight = form->PageControlView()->height();
    run(Cmd::PanelList);
    run(Cmd::PanelProperties);
    EXPECT_TRUE(form->PageControlEditor()->isHidden());
    EXPECT_FALSE(form->SplitterHorizontal()->handle(1)->isVisible());
    EXPECT_GT(form->PageControlView()->height(), lowerHeight);
    EXPECT_FALSE(form->commands().isChecked(Cmd::PanelList));

    run(Cmd::PanelList);
    EXPECT_FALSE(form->PageControlEditor()->isHidden());
    EXPECT_TRUE(form->SplitterHorizontal()->handle(1)->isVisible());
    EXPECT_EQ(form->PageControlView()->height(), lowerHeight);
    EXPECT_TRUE(form->commands().isChecked(Cmd::PanelList));
}

TEST_F(FormViewTest, HidingAllFourTabsLetsTheTreeFillTheWindow)
{
    form->SplitterVertical()->setSizes({300, 500});
    QApplication::processEvents();
    const int treeWidth = form->Panel1()->width();
    for (Cmd cmd : {Cmd::PanelList, Cmd::PanelProperties, Cmd::PanelDescription, Cmd::PanelScreenshot})
        run(cmd);
    EXPECT_TRUE(form->Panel3()->isHidden());
    EXPECT_EQ(form->Panel1()->width(), form->SplitterVertical()->width());
    EXPECT_EQ(form->view().treeWidthTag(), treeWidth);

    run(Cmd::PanelScreenshot);
    EXPECT_FALSE(form->Panel3()->isHidden());
    EXPECT_TRUE(form->PageControlEditor()->isHidden());
    EXPECT_EQ(form->Panel1()->width(), treeWidth);
}

TEST_F(FormViewTest, ShowIconsOffAndOn)
{
    auto iconKeys = [this] {
        return std::vector<qint64>{form->PageControlEditor()->tabIcon(0).cacheKey(),
                                   form->PageControlEditor()->tabIcon(1).cacheKey(),
                                   form->PageControlView()->tabIcon(0).cacheKey(),
                                   form->PageControlView()->tabIcon(1).cacheKey()};
    };
    const std::vector<qint64> expected{images::menuImage(36).cacheKey(), images::menuImage(7).cacheKey(),
                                       images::menuImage(37).cacheKey(), images::menuImage(38).cacheKey()};
    EXPECT_EQ(iconKeys(), expected);
    run(Cmd::PanelShowIcons);
    EXPECT_TRUE(form->PageControlEditor()->tabIcon(0).isNull());
    EXPECT_FALSE(form->commands().isChecked(Cmd::PanelShowIcons));
    run(Cmd::PanelShowIcons);
    EXPECT_EQ(iconKeys(), expected);
}

TEST_F(FormViewTest, BarsPanelsAndIconSizes)
{
    run(Cmd::BarExplorer);
    EXPECT_TRUE(form->ToolBar(1)->isHidden());
    EXPECT_FALSE(form->commands().isChecked(Cmd::BarExplorer));
    run(Cmd::PanelExplorer);
    EXPECT_TRUE(form->PanelExplorer()->isHidden());
    run(Cmd::StatusBar);
    EXPECT_TRUE(form->StatusPanel(0)->parentWidget()->isHidden());

    EXPECT_EQ(form->ToolBar(0)->iconSize(), QSize(24, 24));
    run(Cmd::BarLargeIcons);
    EXPECT_EQ(form->ToolBar(0)->iconSize(), QSize(16, 16));
    EXPECT_EQ(form->ToolBar(2)->findChildren<QToolButton*>().first()->size(), QSize(22, 22));
    EXPECT_FALSE(form->commands().isChecked(Cmd::BarLargeIcons));
}

// ---- commands, menus and tree events ---------------------------------------------------------

TEST_F(FormMainTest, UnwiredCommandsStayVisibleAndDisabled)
{
    // A command whose feature is not installed: its handler taken away again.
    for (Cmd cmd : {Cmd::Find, Cmd::Export}) {
        form->commands().setHandler(cmd, {});
        QAction* action = form->commands().action(cmd);
        EXPECT_TRUE(action->isVisible());
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
        action->trigger();
    }
    EXPECT_TRUE(prompts.log().isEmpty());
    EXPECT_TRUE(form->commands().action(Cmd::New)->isEnabled());
    EXPECT_EQ(form->commands().action(Cmd::SaveAs)->shortcut(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
    EXPECT_EQ(form->commands().action(Cmd::SaveAs)->text(), QStringLiteral("Save &as..."));
}

TEST_F(FormMainTest, ErrorsOfACommandAreShownByTheBoundary)
{
    form->commands().setHandler(Cmd::Sort, [] { throw StreamReadError(); });
    form->commands().action(Cmd::Sort)->trigger();
    EXPECT_EQ(prompts.take(), QStringList{QStringLiteral("error: Stream read error")});
}

TEST_F(FormMainTest, ErrorsInTreeEventsAreShownNotThrown)
{
    TfcTreeNodes& tree = form->tree();
    TfcTreeNode* folder = addFolder(tree, nullptr, "Folder");
    TfcTreeNode* link = addLink(tree, folder, "Inside");
    tree.OnExpanding = [](TfcTreeNode*) -> bool { throw FileError("Cannot open the guard"); };
    const QModelIndex index = form->treeModel().indexOf(folder);
    form->TreeInet()->expand(index);
    EXPECT_FALSE(form->TreeInet()->isExpanded(index));
    EXPECT_FALSE(folder->Expanded());

    tree.OnExpanding = nullptr;
    probe().shown = [](const ShownNode&) { throw ConversionError("'x' is not a valid date and time"); };
    tree.MakeVisible(link); // the expansion shows the selected node too: one error
    tree.Select(link);
    EXPECT_EQ(prompts.take(), (QStringList{QStringLiteral("error: Cannot open the guard"),
                                           QStringLiteral("error: 'x' is not a valid date and time"),
                                           QStringLiteral("error: 'x' is not a valid date and time")}));
}

TEST_F(FormMainTest, MenusFollowTheRulesTheirCommandsRegistered)
{
    bool clipboardTreeHolds = false;
    CommandMap& c = form->commands();
    c.setHandler(Cmd::LaunchLink1, [] {}, [](const SelectionFacts& f) { return f.hasLink1(); });
    c.setHandler(Cmd::LaunchLink2, [] {}, [](const SelectionFacts& f) { return f.hasLink2(); });
    for (Cmd cmd : {Cmd::CopyAsLink, Cmd::CopyAsNameAndLink, Cmd::CopyAsHtml})
        c.setHandler(cmd, [] {}, [](const SelectionFacts& f) { return f.launchable(); });
    c.setHandler(Cmd::Cut, [] {}, [](const SelectionFacts& f) { return f.any(); });
    c.setHandler(Cmd::Paste, [] {}, [&](const SelectionFacts&) { return clipboardTreeHolds; });
    TfcTreeNodes& tree = form->tree();
    TfcTreeNode* onlyLink2 = addLink(tree, nullptr, "Second only", "", "http://two.example/");
    TfcTreeNode* folder = addFolder(tree, nullptr, "Folder");

    tree.Select(onlyLink2);
    emit form->MenuTree()->aboutToShow();
    EXPECT_FALSE(c.action(Cmd::LaunchLink1)->isEnabled());
    EXPECT_TRUE(c.action(Cmd::LaunchLink2)->isEnabled());
    QMenu* copyAs = nullptr;
    for (QAction* a : form->MenuTree()->actions())
        if (a->menu() && a->text() == QStringLiteral("Copy &as..."))
            copyAs = a->menu();
    ASSERT_TRUE(copyAs);
    EXPECT_TRUE(copyAs->isEnabled()); // a submenu follows its items
    EXPECT_FALSE(c.action(Cmd::Password)->isEnabled()); // the editing feature's rule
    EXPECT_TRUE(c.action(Cmd::Cut)->isEnabled());
    EXPECT_FALSE(c.action(Cmd::Paste)->isEnabled());

    tree.Select(folder);
    clipboardTreeHolds = true;
    emit form->Menu("&Explorer")->aboutToShow();
    EXPECT_FALSE(copyAs->isEnabled());
    EXPECT_TRUE(c.action(Cmd::Password)->isEnabled());
    EXPECT_TRUE(c.action(Cmd::Paste)->isEnabled());
    EXPECT_TRUE(form->HeaderButton(0)->isEnabled()); // BtnSecur follows the password command

    tree.Select(nullptr);
    form->updateStates();
    EXPECT_FALSE(c.action(Cmd::Cut)->isEnabled());
    EXPECT_FALSE(form->HeaderButton(0)->isEnabled());
}

// A shortcut reaches CommandMap::run even when the menu item was not refreshed: the rule is
// asked again, and the command's row decides whether pending edits are committed first.
TEST_F(FormMainTest, RunChecksTheRuleAndCommitsFirstWhereTheTableSaysSo)
{
    int cut = 0;
    CommandMap& c = form->commands();
    c.setHandler(Cmd::Cut, [&] { ++cut; }, [](const SelectionFacts& f) { return f.any(); });
    TfcTreeNode* link = addLink(form->tree(), nullptr, "Link");
    form->tree().Select(link);
    form->updateStates();
    form->tree().Select(nullptr);
    c.run(Cmd::Cut);
    EXPECT_EQ(cut, 0);

    int commits = 0;
    bool commitWorks = false;
    probe().commit = [&] {
        ++commits;
        return commitWorks;
    };
    form->tree().Select(link);
    c.run(Cmd::Cut); // commits first, and a refused commit stops the command
    EXPECT_EQ(commits, 1);
    EXPECT_EQ(cut, 0);
    commitWorks = true;
    c.run(Cmd::Cut);
    EXPECT_EQ(cut, 1);
    c.run(Cmd::BarFile); // a view command commits nothing
    EXPECT_EQ(commits, 2);
}

TEST_F(FormMainTest, EveryFeatureHearsEveryEvent)
{
    ProbeFeature& first = probe();
    ProbeFeature& second = probe();
    form->documents().MNewClick();
    EXPECT_EQ(first.cleared, 1);
    EXPECT_EQ(second.cleared, 1);

    form->treeEdited({TreeChange::Deleted, {}, {1, 2}});
    EXPECT_EQ(first.edits, QList<TreeChange>{TreeChange::Deleted});
    EXPECT_EQ(second.edits, QList<TreeChange>{TreeChange::Deleted});
    EXPECT_EQ(form->document().counts, (TreeCounts{-1, -2}));
    EXPECT_TRUE(form->document().modified);

    // Either feature refusing the close keeps the window.
    form->show();
    second.close = [] { return false; };
    form->MExitClick();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(ended->count(), 0);
    second.close = [] { return true; };
    prompts.reply(Answer::No);
    form->MExitClick();
    EXPECT_EQ(ended->count(), 1);
}

TEST_F(FormMainTest, KeysAndClicksInTheTree)
{
    int launched1 = 0;
    int launchedSelected = 0;
    int deleted = 0;
    form->commands().setHandler(Cmd::LaunchLink1, [&] { ++launched1; });
    form->commands().setHandler(Cmd::LaunchSelected, [&] { ++launchedSelected; });
    form->commands().setHandler(Cmd::Delete, [&] { ++deleted; });
    TfcTreeNodes& tree = form->tree();
    TfcTreeNode* link = addLink(tree, nullptr, "Link", "http://one.example/");
    TfcTreeNode* folder = addFolder(tree, nullptr, "Folder");
    addLink(tree, folder, "Inside");
    form->show();
    TreeInetView* view = form->TreeInet();

    tree.Select(link);
    QTest::keyClick(view, Qt::Key_X);
    EXPECT_EQ(launched1, 1);
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_EQ(deleted, 1);

    tree.Select(folder);
    QTest::keyClick(view, Qt::Key_X); // a letter on a folder is the view's own
    EXPECT_EQ(launched1, 1);

    // Double click on the selected link launches it; on a folder it only expands.
    tree.Select(link);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(form->treeModel().indexOf(link)).center());
    EXPECT_EQ(launchedSelected, 1);

    // With single-click opening, a click toggles the selected folder.
    form->settings().options.chkAutoExpand = true;
    tree.Select(folder);
    const QPoint at = view->visualRect(form->treeModel().indexOf(folder)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(folder->Expanded());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    EXPECT_FALSE(folder->Expanded());
}

TEST_F(FormMainTest, AFailedCommitKeepsTheSelection)
{
    TfcTreeNodes& tree = form->tree();
    TfcTreeNode* first = addLink(tree, nullptr, "First");
    TfcTreeNode* second = addLink(tree, nullptr, "Second");
    tree.Select(first);
    bool commitWorks = false;
    probe().commit = [&] { return commitWorks; };
    form->show();
    TreeInetView* view = form->TreeInet();
    const QPoint secondAt = view->visualRect(form->treeModel().indexOf(second)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, secondAt);
    EXPECT_EQ(tree.Selected(), first);
    commitWorks = true;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, secondAt);
    EXPECT_EQ(tree.Selected(), second);
}

TEST_F(FormMainTest, HintsDerivedFromMenuCaptions)
{
    auto hintOf = [this](const char* name) {
        for (int i = 0; i < 7; ++i)
            if (form->HeaderButton(i)->objectName() == QLatin1String(name))
                return form->HeaderButton(i)->defaultAction()->toolTip();
        return QString();
    };
    EXPECT_EQ(hintOf("BtnOpenUrl"), QStringLiteral("Launch link"));
    EXPECT_EQ(hintOf("ButUp"), QStringLiteral("On level up"));
    EXPECT_EQ(hintOf("BtnSecur"), QStringLiteral("Password protection..."));
    EXPECT_EQ(form->ToolBar(1)->windowTitle(), QStringLiteral("Explorer"));
    QStringList barHints;
    for (QToolButton* b : form->ToolBar(1)->findChildren<QToolButton*>())
        if (b->defaultAction())
            barHints << b->defaultAction()->toolTip();
    EXPECT_TRUE(barHints.contains(QStringLiteral("Add link")));
    EXPECT_TRUE(barHints.contains(QStringLiteral("Add folder")));
    EXPECT_EQ(form->PageControlEditor()->tabText(1), QStringLiteral("Properties"));
}

// A language table of one line translates messages and texts asked for by code, but no text of
// a window, the ones derived from menu captions included.
TEST_F(FormMainTest, AOneLineLanguageTableTranslatesNoWindowText)
{
    const struct {
        const char* line;
        std::function<QString()> shown;
        const char* english;
    } cases[] = {
        {"&New=&Neu", [this] { return form->commands().action(Cmd::New)->text(); }, "&New"},
        {"&File=&Datei", [this] { return form->Menu("&File")->title(); }, "&File"},
        {"Tarnlink=Zarnlink", [this] { return form->windowTitle(); }, "Tarnlink"},
        {"&Explorer=&Erkunder", [this] { return form->ToolBar(1)->windowTitle(); }, "Explorer"},
        {"List=Liste", [this] { return form->PageControlEditor()->tabText(0); }, "List"},
    };
    for (const auto& c : cases) {
        const QString line = QString::fromUtf8(c.line);
        form->LanguageLoader.loadLines({line});
        form->languageWindows().refreshDerivedTexts();
        EXPECT_EQ(c.shown(), QString::fromUtf8(c.english)) << c.line;
        EXPECT_EQ(Translate(line.section('=', 0, 0)), line.section('=', 1)) << "a message is translated";
    }
}

// Without a stored placement the window opens at a comfortable size in the middle of the screen.
TEST_F(FormMainTest, TheFirstStartOpensAComfortableWindowInTheMiddle)
{
    const struct {
        QRect available;
        QRect window;
    } cases[] = {
        {{0, 0, 1280, 900}, {190, 150, 900, 600}},       // two thirds would be smaller than 900 x 600
        {{0, 0, 1920, 1080}, {320, 180, 1280, 720}},     // two thirds
        {{0, 0, 800, 600}, {8, 24, 784, 552}},           // the screen with room for the frame
        {{100, 30, 2560, 1410}, {527, 265, 1706, 940}},  // a panel beside and above
    };
    for (const auto& c : cases)
        EXPECT_EQ(FirstStartGeometry(c.available), c.window) << c.available.width() << "x" << c.available.height();

    EXPECT_EQ(form->geometry(), FirstStartGeometry(form->screen()->availableGeometry()));
    Settings stored = quietSettings();
    stored.form.normPos = PlacementRect{20, 30, 620, 530};
    makeForm(stored);
    EXPECT_EQ(form->geometry(), QRect(20, 30, 600, 500));
}

// Opening a large collection: one model reset, and the time to open and show it.
TEST_F(FormMainTest, OpeningALargeCollectionStaysResponsive)
{
    const int links = qEnvironmentVariableIntValue("TARNLINK_UI_LARGE_LINKS") > 0
                          ? qEnvironmentVariableIntValue("TARNLINK_UI_LARGE_LINKS")
                          : 50000;
    {
        TfcTreeNodes tree;
        TfcTreeNode* folder = nullptr;
        for (int i = 0; i < links; ++i) {
            if (i % 50 == 0)
                folder = addFolder(tree, nullptr, "A folder of fifty links");
            addLink(tree, folder, "A link with a name of thirty b", "http://www.example.com/some/path/to/page.html");
        }
        WriteCollection(path("large.tlk"), tree, CountNodes(tree));
    }
    form->show();
    QSignalSpy resets(&form->treeModel(), &QAbstractItemModel::modelReset);
    QSignalSpy inserted(&form->treeModel(), &QAbstractItemModel::rowsInserted);
    QElapsedTimer timer;
    timer.start();
    form->documents().OpenDocument(path("large.tlk"));
    const qint64 opened = timer.elapsed();
    form->TreeInet()->repaint();
    QApplication::processEvents();
    const qint64 shown = timer.elapsed();
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(inserted.count(), 0);
    EXPECT_EQ(form->document().counts.LinkCount, links);
    std::printf("opened %d links in %lld ms, shown after %lld ms\n", links, static_cast<long long>(opened),
                static_cast<long long>(shown));
}

} // namespace
