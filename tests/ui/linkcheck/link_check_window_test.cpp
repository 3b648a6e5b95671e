// The link check window in the real main window, checking against an HTTP server on 127.0.0.1.

#include "editing_support.h"
#include "language_coverage.h"
#include "test_server.h"

#include "platform/codepage.h"
#include "ui/kit/translate.h"
#include "ui/kit/command_map.h"
#include "ui/kit/translate_form.h"
#include "ui/linkcheck/form_check_options.h"
#include "ui/linkcheck/form_check_sw.h"
#include "ui/linkcheck/link_check_feature.h"
#include "ui/shell/form_main.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tarnlink;
using namespace tarnlink::testing;
using linktest::TestServer;

namespace {

class LinkCheckWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ensureApp(); }
    void TearDown() override
    {
        server.release();
        EXPECT_TRUE(prompts.dialogsDone()) << "scripted dialogs left over";
        EXPECT_TRUE(prompts.exhausted()) << "scripted replies left over";
        form.reset();
    }

    // The main window with these check settings (no pause between links by default).
    void open(int threads = 8, int delay = 0, bool updateMovedPages = false)
    {
        Settings settings = quietSettings();
        settings.checkLinks = {false, updateMovedPages, threads, delay};
        settings.main.chkWLeft = 40;
        settings.main.chkWTop = 30;
        settings.main.chkWWidth = 600;
        settings.main.chkWHeight = 320;
        const QString ini = dir.filePath(QStringLiteral("Tarnlink.ini"));
        SettingsFile(ini).save(settings);
        form = std::make_unique<TFormMain>(ini);
        form->setPrompts(&prompts);
        form->setSelectionDelay(0);
        window = &form->feature<LinkCheckFeature>()->window();
        window->checker().setTimeouts({std::chrono::seconds(5), std::chrono::seconds(5)});
    }

    TfcTreeNode* link(const char* name, const std::string& path, TfcTreeNode* parent = nullptr)
    {
        TfcTreeNode* node = addLink(form->tree(), parent, name, server.url(path).c_str());
        ++form->document().counts.LinkCount;
        return node;
    }
    TfcTreeNode* folder(const char* name)
    {
        ++form->document().counts.FolderCount;
        return addFolder(form->tree(), nullptr, name);
    }

    void check()
    {
        window->ProgressBarThreads()->setToolTip(QString());
        window->BtnCheck()->click();
    }
    // Until the run has ended and the last worker's row and end are in. Once the run has ended
    // no worker starts; the last one posts its row and end just after it stops counting.
    void finish()
    {
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return !window->dispatching() && LinkChecker::waitForWorkers(std::chrono::milliseconds(0))
                    && window->ProgressBarThreads()->toolTip() == QLatin1String("0");
            },
            15000));
        QTest::qWait(100);
    }
    void run()
    {
        check();
        finish();
    }

    QStringList rowNames() const
    {
        QStringList names;
        for (const CheckRow& row : window->results().rows())
            names << row.name;
        return names;
    }
    QStringList treeNames() const
    {
        QStringList names;
        for (const TfcTreeNode* n = form->tree().GetFirstNode(); n; n = n->GetNext())
            names << codepage::toDisplay(n->Name());
        return names;
    }
    bool resultButtonsEnabled() const
    {
        const bool enabled = window->BtnDelete()->isEnabled();
        for (const QPushButton* b : {window->BtnDelAll(), window->BtnClear(), window->BtnReport()})
            EXPECT_EQ(b->isEnabled(), enabled) << b->objectName().toStdString();
        return enabled;
    }
    int rowOf(const QString& name) const { return int(rowNames().indexOf(name)); }
    void selectRow(const QString& name) { window->ListView()->selectRow(rowOf(name)); }

    TestServer server;
    QTemporaryDir dir;
    DialogPrompts prompts;
    std::unique_ptr<TFormMain> form;
    TFormCheck_SW* window = nullptr;
};

TEST_F(LinkCheckWindowTest, TheCommandShowsAndHidesTheWindowWhichKeepsItsRowsAndBounds)
{
    open();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->isWindow());
    EXPECT_GE(window->minimumWidth(), 570);
    EXPECT_GE(window->minimumHeight(), 280);
    EXPECT_EQ(window->bounds(), QRect(40, 30, 600, 320));
    link("missing", "/missing");
    run();
    ASSERT_EQ(rowNames(), QStringList{"missing"});

    form->commands().run(Cmd::CheckLinks);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Check links");
    form->commands().run(Cmd::CheckLinks);
    EXPECT_FALSE(window->isVisible());
    form->commands().run(Cmd::CheckLinks);
    EXPECT_TRUE(window->isVisible());
    window->BtnOk()->click();
    EXPECT_FALSE(window->isVisible());
    form->commands().run(Cmd::CheckLinks); // shown again by the next command, rows and all
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(rowNames(), QStringList{"missing"});

    window->setGeometry(70, 60, 640, 400);
    Settings stored;
    form->feature<LinkCheckFeature>()->storeSettings(stored);
    EXPECT_EQ(QRect(stored.main.chkWLeft, stored.main.chkWTop, stored.main.chkWWidth, stored.main.chkWHeight),
              QRect(70, 60, 640, 400));
}

TEST_F(LinkCheckWindowTest, CancelKeepsItsCaptionUntilTheRunHasEndedAndCloseWaitsForIt)
{
    open(2);
    for (int i = 0; i < 4; ++i)
        link("held", "/hold");
    QSignalSpy ends(form.get(), &TFormMain::programEnds);
    check();
    EXPECT_EQ(window->BtnCheck()->text(), "&Cancel");
    EXPECT_FALSE(window->BtnOk()->isEnabled());
    // The link handed to a worker is shown.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return server.requestsFor("/hold") == 2 && window->Label1()->text() == QLatin1String("held"); }, 5000));
    EXPECT_EQ(window->ProgressBarThreads()->maximum(), 2);
    form->commands().run(Cmd::Exit);
    EXPECT_EQ(ends.count(), 0); // refused while the run goes on
    EXPECT_TRUE(prompts.log().isEmpty());

    window->BtnCheck()->click(); // Cancel
    EXPECT_FALSE(window->running());
    EXPECT_EQ(window->BtnCheck()->text(), "&Cancel");
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->BtnCheck()->text() == QLatin1String("&Check"); }, 5000));
    EXPECT_TRUE(window->BtnOk()->isEnabled());
    EXPECT_EQ(window->Label1()->text(), "");
    EXPECT_EQ(window->ProgressBar()->value(), 0);
    EXPECT_TRUE(rowNames().isEmpty());
    EXPECT_FALSE(resultButtonsEnabled());

    // The workers already running still report, and the last one enables the result buttons.
    server.release();
    finish();
    EXPECT_EQ(rowNames(), (QStringList{"held", "held"}));
    EXPECT_TRUE(resultButtonsEnabled());
    EXPECT_EQ(server.requestsFor("/hold"), 2);

    form->commands().run(Cmd::Exit);
    EXPECT_EQ(ends.count(), 1);
}

TEST_F(LinkCheckWindowTest, ARunWithoutDeadLinksLeavesTheListEmptyAndAnEmptyTreeStaysIdle)
{
    open();
    check(); // an empty tree
    EXPECT_EQ(window->BtnCheck()->text(), "&Check");
    EXPECT_FALSE(window->dispatching());
    EXPECT_TRUE(window->BtnOk()->isEnabled());

    link("ok", "/ok");
    link("found", "/found");
    run();
    EXPECT_TRUE(rowNames().isEmpty());
    EXPECT_FALSE(resultButtonsEnabled());
    EXPECT_EQ(window->BtnCheck()->text(), "&Check");
    EXPECT_EQ(server.requestsFor("/ok"), 1);
    EXPECT_TRUE(prompts.log().isEmpty());
}

TEST_F(LinkCheckWindowTest, AMovedPageMarksTheDocumentModifiedAndShowsItsNewDescription)
{
    open(8, 0, true);
    TfcTreeNode* moved = link("moved", "/other");
    moved->Description = "old";
    link("missing", "/missing");
    form->selectNode(moved);
    EXPECT_EQ(form->descriptionBox().toPlainText(), "old");
    run();

    EXPECT_EQ(moved->Description, "old http://new.example/page");
    EXPECT_TRUE(form->document().modified);
    EXPECT_EQ(form->descriptionBox().toPlainText(), "old http://new.example/page");
    ASSERT_EQ(window->results().rowCount(), 2);
    EXPECT_TRUE(resultButtonsEnabled());
    EXPECT_EQ(window->results().index(rowOf("moved"), CheckResultModel::ErrorColumn).data(), "See Other");
    EXPECT_EQ(window->results().index(rowOf("moved"), CheckResultModel::CodeColumn).data(), "303");
}

TEST_F(LinkCheckWindowTest, DeleteAndDoubleClickActOnTheRowsOwnNodes)
{
    open();
    // The first link answers last, so the rows stand out of tree order.
    link("slow", "/hold");
    link("fine", "/ok");
    TfcTreeNode* box = folder("box");
    link("inner", "/error", box);
    link("missing", "/missing");
    link("kept", "/found");
    check();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->results().rowCount() == 2; }, 5000));
    server.release();
    finish();
    ASSERT_EQ(rowNames().last(), "slow");

    // Delete takes the selected row's node only; the others still lead to theirs.
    selectRow("inner");
    window->BtnDeleteClick();
    EXPECT_EQ(treeNames(), (QStringList{"slow", "fine", "box", "missing", "kept"}));
    EXPECT_EQ(rowNames().size(), 2);
    EXPECT_EQ(form->document().counts.LinkCount, 4);
    EXPECT_TRUE(form->document().modified);
    EXPECT_EQ(window->ListView()->selectionModel()->selectedRows().value(0).row(), 0);

    // Moving a node changes its index but not the row's node.
    TfcTreeNode* slow = form->tree().GetFirstNode();
    form->tree().MoveTo(slow, nullptr, 0);
    window->ListViewDblClick(rowOf("slow"));
    EXPECT_EQ(form->tree().Selected(), slow);

    window->BtnDelAllClick();
    EXPECT_EQ(treeNames(), (QStringList{"fine", "box", "kept"}));
    EXPECT_TRUE(rowNames().isEmpty());
    EXPECT_FALSE(resultButtonsEnabled());
    EXPECT_EQ(form->document().counts.LinkCount, 2);
    EXPECT_EQ(form->document().counts.FolderCount, 1);
    EXPECT_EQ(form->tree().Selected(), nullptr);

    // With nothing listed or selected both do nothing.
    window->BtnDeleteClick();
    window->BtnDelAllClick();
    EXPECT_EQ(treeNames(), (QStringList{"fine", "box", "kept"}));
}

TEST_F(LinkCheckWindowTest, RowsFollowTheTreesChangesOutsideTheWindow)
{
    open();
    struct Case {
        TreeChange change;
        bool emptiesTheList;
    };
    for (const Case c : {Case{TreeChange::Moved, false}, Case{TreeChange::Cut, false}, Case{TreeChange::Imported, false},
                         Case{TreeChange::AddedThroughDialog, true}, Case{TreeChange::Deleted, true}}) {
        SCOPED_TRACE(int(c.change));
        form->clearDocument();
        TfcTreeNode* gone = link("gone", "/missing");
        link("stays", "/error");
        link("also", "/missing");
        run();
        ASSERT_EQ(rowNames().size(), 3);

        // A node deleted elsewhere takes its row along, and no other.
        form->tree().Delete(gone);
        EXPECT_EQ(rowNames().size(), 2);
        EXPECT_FALSE(rowNames().contains("gone"));

        form->treeEdited({c.change});
        EXPECT_EQ(rowNames().isEmpty(), c.emptiesTheList);
        EXPECT_TRUE(resultButtonsEnabled()); // the buttons keep their state
    }
    window->BtnDelAllClick(); // on the emptied list
    EXPECT_EQ(treeNames(), (QStringList{"stays", "also"}));
}

TEST_F(LinkCheckWindowTest, TheReportOfTwoRowsAndItsDialog)
{
    open(1); // one after the other: rows in tree order
    link("Ünïcode", "/missing");
    link("Server", "/error");
    run();
    ASSERT_EQ(rowNames(), (QStringList{"Ünïcode", "Server"}));

    const QString path = dir.filePath(QStringLiteral("report.txt"));
    prompts.reply(path).reply(QString());
    window->BtnReport()->click();
    const FileDialogOptions request = prompts.lastFileDialog();
    EXPECT_EQ(request.title, "Save report...");
    EXPECT_EQ(request.defaultSuffix, "txt");
    EXPECT_EQ(request.filter, "*.txt (*.txt);;*.* (*)");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::string missing = server.url("/missing");
    const std::string error = server.url("/error");
    EXPECT_EQ(file.readAll().toStdString(), "Ünïcode\t" + missing + "\tNot Found\t404\r\nServer\t" + error
                                                + "\tInternal Server Error\t500\r\n");
    file.close();

    QFile::remove(path);
    window->BtnReport()->click(); // cancelled: nothing written
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(LinkCheckWindowTest, OptionsDuringARunReachItAtOnceAndCancelChangesNothing)
{
    open(1);
    for (int i = 0; i < 6; ++i)
        link("held", "/hold");
    check();
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.requestsFor("/hold") == 1; }, 5000));

    const CheckLinksSection before = form->settings().checkLinks;
    prompts.dialog([](QDialog& d) {
        auto& options = static_cast<TFormCheckOptions&>(d);
        EXPECT_EQ(options.SpinThreads()->value(), 1);
        EXPECT_EQ(options.SpinThreads()->minimum(), 1);
        EXPECT_EQ(options.SpinThreads()->maximum(), 50);
        EXPECT_EQ(options.SpinDelay()->minimum(), 0);
        EXPECT_EQ(options.SpinDelay()->maximum(), 1000);
        EXPECT_EQ(options.SpinDelay()->singleStep(), 50);
        options.CheckSelectedOnly()->setChecked(true);
        options.CheckUpdatePages()->setChecked(true);
        options.SpinThreads()->setValue(7);
        options.SpinDelay()->setValue(500);
        return int(QDialog::Rejected);
    });
    window->Button1()->click();
    EXPECT_EQ(form->settings().checkLinks, before);
    EXPECT_EQ(window->ProgressBarThreads()->maximum(), 1);

    prompts.dialog([](QDialog& d) {
        static_cast<TFormCheckOptions&>(d).SpinThreads()->setValue(10);
        return int(QDialog::Accepted);
    });
    window->Button1()->click();
    EXPECT_EQ(prompts.dialogs, (QStringList{"FormCheckOptions", "FormCheckOptions"}));
    EXPECT_EQ(form->settings().checkLinks.threadsAmount, 10);
    EXPECT_EQ(window->ProgressBarThreads()->maximum(), 10);
    // The run that goes on starts the waiting links now.
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.requestsFor("/hold") == 6; }, 5000));
    server.release();
    finish();
    EXPECT_EQ(rowNames().size(), 6);
}

TEST_F(LinkCheckWindowTest, OpenAndNewEmptyTheListAndEndTheRun)
{
    open();
    link("missing", "/missing");
    run();
    ASSERT_TRUE(resultButtonsEnabled());
    window->ProgressBar()->setValue(1);

    const QString path = dir.filePath(QStringLiteral("other.tlk"));
    writeSmallCollection(path);
    prompts.reply(path);
    form->commands().run(Cmd::Open);
    EXPECT_EQ(treeNames().first(), "Work");
    EXPECT_TRUE(rowNames().isEmpty());
    EXPECT_FALSE(resultButtonsEnabled());
    EXPECT_EQ(window->ProgressBar()->value(), 0);

    // The links of a run that goes on are gone with their document: no further one is asked.
    form->clearDocument();
    for (int i = 0; i < 3; ++i)
        link("held", "/hold");
    form->settings().checkLinks.threadsAmount = 1;
    check();
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.requestsFor("/hold") == 1; }, 5000));
    form->commands().run(Cmd::New);
    EXPECT_FALSE(window->running());
    server.release();
    finish();
    EXPECT_EQ(server.requestsFor("/hold"), 1);
    EXPECT_TRUE(rowNames().isEmpty());
}

TEST(LinkCheckLanguages, EveryCaptionIsWholeAtTheSmallestSize)
{
    ensureApp();
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Tarnlink.ini"));
    for (const char* language : {"English", "German", "Russian"}) {
        SCOPED_TRACE(language);
        Settings settings = quietSettings();
        settings.main.language = QString::fromLatin1(language);
        SettingsFile(ini).save(settings);
        TFormMain form(ini);
        TFormCheck_SW& window = form.feature<LinkCheckFeature>()->window();
        form.commands().run(Cmd::CheckLinks);
        for (bool running : {false, true}) {
            // The longer of Check and Cancel counts too.
            window.BtnCheck()->setText(Translate(running ? "&Cancel" : "&Check"));
            QCoreApplication::processEvents();
            window.resize(1, 1);
            EXPECT_GE(window.width(), 570);
            EXPECT_GE(window.height(), 280);
            for (const QPushButton* button : window.findChildren<QPushButton*>())
                EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
        }
    }
}

TEST(LinkCheckLanguages, NoTextOfTheCheckWindowsIsLeftInEnglish)
{
    ensureApp();
    ExpectNoTextLeftInEnglish([](TFormMain& form) {
        TFormCheck_SW& window = form.feature<LinkCheckFeature>()->window();
        auto* options = new TFormCheckOptions(&window);
        TranslateForm(options, form.language());
        return QList<QWidget*>{&window, options};
    });
}

} // namespace
