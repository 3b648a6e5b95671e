// The export dialog: its controls filled from the settings and written back, its enabling
// rules, OK on each page writing what the engines write, its messages and its browse buttons.

#include "interchange_support.h"
#include "language_coverage.h"

#include "interchange/html_export.h"
#include "interchange/ie_export.h"
#include "interchange/opera_export.h"
#include "interchange/text_export.h"
#include "platform/clock.h"
#include "settings/ini_file.h"
#include "ui/interchange/favorites_clearing.h"
#include "ui/interchange/form_export.h"
#include "ui/interchange/html_templates.h"
#include "ui/kit/command_map.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

using EditOf = QLineEdit* (TFormExport::*)() const;

int pressOk(TFormExport& dialog)
{
    dialog.BtnOk()->click();
    return dialog.result();
}

std::string contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(no file)";
}

// Sets an environment variable for the life of a test.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const QString& value) : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, QFile::encodeName(value));
    }
    ~ScopedVariable()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    QByteArray old_;
    bool had_;
};

class FormExportTest : public InterchangeTest {
protected:
    void SetUp() override
    {
        Clock::install(&clock);
        InterchangeTest::SetUp();
    }
    void TearDown() override
    {
        InterchangeTest::TearDown();
        Clock::install(nullptr);
    }

    // File > Export; act does what the user does in the dialog and closes it.
    void exportWith(std::function<int(TFormExport&)> act)
    {
        prompts.dialog([act = std::move(act)](QDialog& dialog) { return act(dynamic_cast<TFormExport&>(dialog)); });
        form->commands().run(Cmd::Export);
    }
    // OK on a page after filling its file edit.
    void exportPage(int page, EditOf edit, const QString& target,
                    const std::function<void(TFormExport&)>& choose = {})
    {
        exportWith([&](TFormExport& d) {
            d.PageControl()->setCurrentIndex(page);
            ((d.*edit)())->setText(target);
            if (choose)
                choose(d);
            return pressOk(d);
        });
    }

    FixedClock clock{QDateTime(QDate(2026, 3, 5), QTime(10, 0))};
};

TEST_F(FormExportTest, ControlsComeFromTheSettingsAndGoBackOnOk)
{
    Settings settings = quietSettings();
    ExportSection& e = settings.exportDialog;
    e = {3, false, false, "/ie/dir", "/o/hot.adr", "/h/page.htm", "/t/list.txt", false, false, false,
         {true, false, true, false, true, false, true}};
    settings.main.expWLeft = 40;
    settings.main.expWTop = 50;
    IniFile ini;
    WriteHtmlTemplates(ini, {{"<html>", "<body>"}, {"</html>"}});
    ini.save(iniPath());
    makeForm(settings);
    select(0);

    exportWith([](TFormExport& d) {
        EXPECT_EQ(d.windowTitle(), "Export");
        EXPECT_EQ(d.PageControl()->currentIndex(), TFormExport::TabText);
        EXPECT_EQ(d.pos(), QPoint(40, 50));
        EXPECT_FALSE(d.RadioBtnAllFile()->isChecked());
        EXPECT_TRUE(d.RadioBtnSelGroup()->isChecked());
        EXPECT_TRUE(d.CheckGroups()->isEnabled());
        EXPECT_FALSE(d.CheckGroups()->isChecked());
        EXPECT_EQ(d.EditDirIE()->text(), "/ie/dir");
        EXPECT_EQ(d.EditFNameOpera()->text(), "/o/hot.adr");
        EXPECT_EQ(d.EditNameHtm()->text(), "/h/page.htm");
        EXPECT_EQ(d.EditNameTxt()->text(), "/t/list.txt");
        EXPECT_FALSE(d.CheckBlankHtm()->isChecked());
        EXPECT_FALSE(d.CheckDateHtm()->isChecked());
        EXPECT_TRUE(d.RadioBtnDos()->isChecked());
        for (int i = 0; i < TFormExport::kTextFields; ++i)
            EXPECT_EQ(d.CheckBox(i)->isChecked(), i % 2 == 0) << i;
        EXPECT_EQ(d.MemoBegin()->toPlainText(), "<html>\n<body>");
        EXPECT_EQ(d.MemoEnd()->toPlainText(), "</html>");
        EXPECT_FALSE(d.Button1()->isEnabled()); // no browser cache here
        EXPECT_TRUE(d.Button2()->isEnabled());

        // What the user changes, OK keeps.
        d.RadioBtnAllFile()->click();
        EXPECT_FALSE(d.CheckGroups()->isEnabled());
        d.CheckBox(1)->setChecked(true);
        d.EditNameHtm()->setText("relative.htm");
        d.PageControl()->setCurrentIndex(TFormExport::TabOpera);
        d.EditFNameOpera()->clear(); // OK writes nothing with an empty file name
        d.move(60, 70);
        return pressOk(d);
    });
    EXPECT_TRUE(prompts.take().isEmpty());
    const Settings& after = form->settings();
    EXPECT_TRUE(after.exportDialog.allFile);
    EXPECT_TRUE(after.exportDialog.chk[1]);
    EXPECT_EQ(after.exportDialog.actP, TFormExport::TabOpera);
    EXPECT_EQ(after.exportDialog.fileNameHtm, QDir::current().absoluteFilePath("relative.htm"));
    EXPECT_EQ(QPoint(after.main.expWLeft, after.main.expWTop), QPoint(60, 70));

    // Cancel keeps only the position and the page.
    exportWith([](TFormExport& d) {
        EXPECT_TRUE(d.RadioBtnAllFile()->isChecked());
        EXPECT_FALSE(d.CheckGroups()->isEnabled());
        d.CheckBox(1)->setChecked(false);
        d.PageControl()->setCurrentIndex(TFormExport::TabIE);
        d.BtnCancle()->click();
        return d.result();
    });
    EXPECT_TRUE(form->settings().exportDialog.chk[1]);
    EXPECT_EQ(form->settings().exportDialog.actP, TFormExport::TabIE);
}

TEST_F(FormExportTest, SelectFolderNeedsAFolderOrSeparatorSelected)
{
    const std::pair<int, bool> cases[] = {{-1, false}, {1, false}, {2, false}, {0, true}, {3, true}};
    for (const auto& [selected, enabled] : cases) {
        select(selected);
        exportWith([enabled = enabled](TFormExport& d) {
            EXPECT_EQ(d.RadioBtnSelGroup()->isEnabled(), enabled);
            return QDialog::Rejected;
        });
    }
}

TEST_F(FormExportTest, OkOnEachPageWritesWhatTheEngineWrites)
{
    select(0);
    const TfcTreeNodes& tree = form->tree();
    const ExportScope folderOnly{false, true};
    auto selectFolder = [](TFormExport& d) { d.RadioBtnSelGroup()->click(); };

    exportPage(TFormExport::TabOpera, &TFormExport::EditFNameOpera, path("hot.adr"), selectFolder);
    EXPECT_EQ(contents(path("hot.adr")), BuildOperaExport(tree, folderOnly));

    exportPage(TFormExport::TabHtml, &TFormExport::EditNameHtm, path("page.htm"), [](TFormExport& d) {
        d.RadioBtnAllFile()->click();
        d.CheckBlankHtm()->setChecked(false);
        d.MemoBegin()->setPlainText("<html>\n");
        d.MemoEnd()->setPlainText("</html>");
    });
    EXPECT_EQ(contents(path("page.htm")), BuildHtmlExport(tree, {}, {false, true, {"<html>"}, {"</html>"}}));
    EXPECT_NE(contents(path("page.htm")).find("Created 05-03-2026"), std::string::npos);

    exportPage(TFormExport::TabText, &TFormExport::EditNameTxt, path("list.txt"), [](TFormExport& d) {
        for (int i = 2; i < TFormExport::kTextFields; ++i)
            d.CheckBox(i)->setChecked(false);
    });
    EXPECT_EQ(contents(path("list.txt")), "\r\nTARGET\r\n\r\n\r\nName:\tinside\r\nLink:\t\thttp://in/\r\n\r\n"
                                          "Name:\ttop\r\nLink:\t\thttp://top/\r\n\r\nName:\tline\r\n\r\n");

    ASSERT_TRUE(QDir().mkpath(path("fav")));
    exportPage(TFormExport::TabIE, &TFormExport::EditDirIE, path("fav"), [](TFormExport& d) { d.RadioBtnAllFile()->click(); });
    EXPECT_EQ(contents(path("fav/Target/inside.url")), ShortcutFileText("http://in/"));
    EXPECT_EQ(contents(path("fav/top.url")), ShortcutFileText("http://top/"));
    EXPECT_EQ(form->settings().exportDialog.dirIE, path("fav/")); // the edit gained its separator
    EXPECT_TRUE(prompts.take().isEmpty());
    EXPECT_FALSE(form->document().modified);
}

TEST_F(FormExportTest, MessagesOfOk)
{
    struct Case {
        int page;
        EditOf edit;
        QString target;
        QStringList shown;
    };
    const Case cases[] = {
        {TFormExport::TabIE, &TFormExport::EditDirIE, QString(), {"error: Dir not found!"}},
        {TFormExport::TabIE, &TFormExport::EditDirIE, path("missing"), {"error: Dir not found!"}},
        {TFormExport::TabHtml, &TFormExport::EditNameHtm, path("missing/page.htm"), {"error: Can not save file!"}},
        {TFormExport::TabText, &TFormExport::EditNameTxt, path("missing/list.txt"), {"error: Can not save file!"}},
        {TFormExport::TabOpera, &TFormExport::EditFNameOpera, path("missing/hot.adr"), {"error: Can not save file!"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target.toStdString());
        bool closed = false;
        prompts.dialog([&](QDialog& dialog) {
            auto& d = dynamic_cast<TFormExport&>(dialog);
            d.PageControl()->setCurrentIndex(c.page);
            (d.*c.edit)()->setText(c.target);
            closed = pressOk(d) == QDialog::Accepted;
            return d.result();
        });
        form->commands().run(Cmd::Export);
        QStringList shown = prompts.take();
        if (c.page != TFormExport::TabIE) // the file and the reason follow on lines of their own
            EXPECT_TRUE(shown.value(0).contains(c.target)) << shown.value(0).toStdString();
        for (QString& line : shown)
            line = line.section(QLatin1Char('\n'), 0, 0);
        EXPECT_EQ(shown, c.shown);
        EXPECT_TRUE(closed); // OK closes the dialog whatever the export did
    }

    // Shortcuts the system refuses are counted and named: here a file stands where a folder must go.
    ASSERT_TRUE(QDir().mkpath(path("blocked")));
    QFile blocker(path("blocked/Target"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    exportPage(TFormExport::TabIE, &TFormExport::EditDirIE, path("blocked"), [](TFormExport& d) { d.RadioBtnAllFile()->click(); });
    const QStringList refused = prompts.take();
    ASSERT_EQ(refused.size(), 1);
    EXPECT_TRUE(refused[0].startsWith("warn: Shortcuts that could not be written: 1\n")) << refused[0].toStdString();
    EXPECT_TRUE(refused[0].contains(path("blocked/Target"))) << refused[0].toStdString();
    EXPECT_TRUE(QFile::exists(path("blocked/top.url")));

    // A tree of one node is not exported, and nothing says so.
    form->tree().Delete(node(0));
    form->tree().Delete(node(0));
    ASSERT_EQ(form->tree().Count(), 1);
    exportPage(TFormExport::TabText, &TFormExport::EditNameTxt, path("one.txt"));
    EXPECT_FALSE(QFile::exists(path("one.txt")));
    EXPECT_TRUE(prompts.take().isEmpty());
}

TEST_F(FormExportTest, TemplatesAreWrittenAtOnceWhenEditedAndOk)
{
    exportWith([](TFormExport& d) {
        d.MemoBegin()->setPlainText("<html>\n<body>\n");
        d.MemoBegin()->document()->setModified(true);
        return QDialog::Rejected;
    });
    EXPECT_EQ(IniFile::load(iniPath()).value("Export", "HtmlBegin"), std::nullopt);

    exportWith([](TFormExport& d) {
        d.MemoBegin()->setFocus();
        d.MemoBegin()->moveCursor(QTextCursor::End);
        QTest::keyClicks(d.MemoBegin(), "<head>");
        QTest::keyClick(d.MemoBegin(), Qt::Key_Return); // breaks no line
        QTest::keyClick(d.MemoBegin(), Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClicks(d.MemoBegin(), "<body>");
        EXPECT_EQ(d.MemoBegin()->toPlainText(), "<head>\n<body>");
        return pressOk(d);
    });
    const HtmlTemplates expected{{"<head>", "<body>"}, {}};
    const HtmlTemplates onDisk = ReadHtmlTemplates(IniFile::load(iniPath()));
    EXPECT_EQ(onDisk.begin, expected.begin);
    EXPECT_EQ(onDisk.end, expected.end);

    // The exit writes the settings file again and keeps them.
    form->MExitClick();
    EXPECT_EQ(ReadHtmlTemplates(IniFile::load(iniPath())).begin, expected.begin);
    makeForm();
    exportWith([](TFormExport& d) {
        EXPECT_EQ(d.MemoBegin()->toPlainText(), "<head>\n<body>");
        return QDialog::Rejected;
    });
}

TEST_F(FormExportTest, BrowseAndFindButtons)
{
    QTemporaryDir home;
    const ScopedVariable homeVariable("HOME", home.path());
    const ScopedVariable favorites("TARNLINK_FAVORITES", path("fav"));
    ASSERT_TRUE(QDir(home.path()).mkpath(".opera"));

    exportWith([&](TFormExport& d) {
        prompts.reply(path("page.htm"));
        d.EditNameHtmButton()->click();
        EXPECT_EQ(prompts.lastFileDialog().title, "Export");
        EXPECT_EQ(prompts.lastFileDialog().defaultSuffix, "htm");
        EXPECT_EQ(d.EditNameHtm()->text(), path("page.htm"));

        prompts.reply(QString()); // cancelled: the edit stays
        d.EditNameTxtButton()->click();
        EXPECT_EQ(prompts.lastFileDialog().defaultSuffix, "txt");
        prompts.reply(path("hot.adr"));
        d.EditFNameOperaButton()->click();
        EXPECT_EQ(prompts.lastFileDialog().filter, "Hot List File *.adr (*.adr);;*.* (*)");
        EXPECT_EQ(d.EditFNameOpera()->text(), path("hot.adr"));

        prompts.reply(path("chosen"));
        d.EditDirIEButton()->click();
        EXPECT_EQ(d.EditDirIE()->text(), path("chosen"));
        d.BtnGetDirIE()->click();
        EXPECT_EQ(d.EditDirIE()->text(), path("fav"));
        EXPECT_TRUE(d.ListBox1()->findItems(path("fav"), Qt::MatchExactly).size() == 1);

        d.BtnGetOperaFile()->click(); // none found: the field stays
        EXPECT_EQ(d.EditFNameOpera()->text(), path("hot.adr"));
        for (const char* name : {"b.adr", "a.adr", "c.txt"})
            QFile(home.filePath(QStringLiteral(".opera/") + name)).open(QIODevice::WriteOnly);
        d.BtnGetOperaFile()->click();
        EXPECT_EQ(d.EditFNameOpera()->text(), home.filePath(".opera/a.adr"));
        return QDialog::Rejected;
    });
    EXPECT_EQ(prompts.take(), (QStringList{"save: Export", "save: Export", "save: Export", "folder: Select dir for export"}));
}

TEST_F(FormExportTest, ClearFavoritesAsksAndRefusesTheHomeFolder)
{
    // Never run the dialog on these unless the rule refuses them.
    ASSERT_FALSE(MayClearFolder("/", QDir::homePath()));
    ASSERT_FALSE(MayClearFolder(QDir::homePath(), QDir::homePath()));
    ASSERT_TRUE(QDir().mkpath(path("fav/sub")));
    write("fav/sub/a.url", "x");
    const std::tuple<QString, Answer, QStringList> cases[] = {
        {QString(), Answer::Yes, {}},
        {path("fav"), Answer::No, {"ask: Clear?"}},
        {"/", Answer::Yes, {"ask: Clear?", "warn: Is not possible to clear!"}},
        {QDir::homePath(), Answer::Yes, {"ask: Clear?", "warn: Is not possible to clear!"}},
        {path("fav"), Answer::Yes, {"ask: Clear?"}},
    };
    exportWith([&](TFormExport& d) {
        for (const auto& [folder, answer, shown] : cases) {
            d.EditDirIE()->setText(folder);
            if (!folder.isEmpty())
                prompts.reply(answer);
            d.Button2()->click();
            EXPECT_EQ(prompts.take(), shown) << folder.toStdString();
        }
        return QDialog::Rejected;
    });
    EXPECT_TRUE(QDir(path("fav")).exists());
    EXPECT_TRUE(QDir(path("fav")).isEmpty());
}

TEST_F(FormExportTest, NoTextOfTheDialogIsLeftInEnglish)
{
    ExpectNoTextLeftInEnglish([](TFormMain& form) {
        return QList<QWidget*>{form.feature<InterchangeFeature>()->createExportDialog()};
    });
}

} // namespace
