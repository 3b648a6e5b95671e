// The main window with its settings file, language files and tips: what the file holds after
// a close, the refusal when it cannot be written, a language switch and back, and that the
// shipped language files cover every text of our windows.

#include "gui_test_support.h"
#include "language_coverage.h"

#include "settings/ini_file.h"
#include "settings/language_folder.h"
#include "settings/language_menu.h"
#include "settings/settings.h"
#include "settings/text_file.h"
#include "ui/kit/command_map.h"
#include "ui/editing/editing_feature.h"
#include "ui/editing/form_add.h"
#include "ui/shell/document_commands.h"
#include "ui/shell/form_main.h"
#include "ui/shell/view_commands.h"
#include "ui/editing/form_password.h"
#include "ui/help/form_tips.h"
#include "ui/kit/language_actions.h"
#include "ui/kit/translate_form.h"
#include "ui/testing/scripted_prompts.h"

#include <QAction>
#include <QCheckBox>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

class SettingsWiringTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApp();
        prompts.onUnexpected = [](const QString& what) { ADD_FAILURE() << "unscripted prompt: " << what.toStdString(); };
    }
    void TearDown() override { form.reset(); }

    // A window on the settings file at path, as it is (no file: a first start).
    void open(const QString& path)
    {
        form = std::make_unique<TFormMain>(path);
        form->setPrompts(&prompts);
        ended = std::make_unique<QSignalSpy>(form.get(), &TFormMain::programEnds);
    }
    void openWith(const Settings& settings)
    {
        SettingsFile(ini()).save(settings);
        open(ini());
    }
    QString ini() const { return dir.filePath(QStringLiteral("Tarnlink.ini")); }

    QAction* languageItem(const QString& name) const
    {
        for (QAction* item : form->MenuLanguage()->actions())
            if (item->data().toString() == name)
                return item;
        return nullptr;
    }

    QTemporaryDir dir;
    ScriptedPrompts prompts;
    std::unique_ptr<TFormMain> form;
    std::unique_ptr<QSignalSpy> ended;
};

TEST_F(SettingsWiringTest, AFirstStartWritesEverySectionAtTheClose)
{
    open(ini());
    ASSERT_FALSE(QFile::exists(ini()));
    form->MExitClick();
    EXPECT_EQ(ended->count(), 1);

    const IniFile file = IniFile::load(ini());
    for (const char* section : {"Main", "Options", "ClipBoardOut", "Tips", "FindText", "Export", "FavoritesLinks",
                                "Sort", "CheckLinks"})
        EXPECT_GT(file.keyCount(QLatin1String(section)), 0) << section;
    EXPECT_EQ(file.readString("Main", "MainWStateNormal", {}), QStringLiteral("1"));
    EXPECT_EQ(file.readString("Main", "Language", {}), QStringLiteral("English"));
    EXPECT_EQ(file.readString("Tips", "ChkShowTip", {}), QStringLiteral("1"));
}

TEST_F(SettingsWiringTest, TheLiveWindowIsWrittenAndRestored)
{
    openWith(quietSettings());
    form->showMaximized();
    form->ToolBar(1)->hide();
    form->view().setLargeIcons(false);
    form->commands().setChecked(Cmd::LinkMonitor, false);
    form->PageControlView()->setCurrentIndex(1);
    form->view().setTabShown(form->PageControlEditor(), 0, false);
    const QString collection = dir.filePath(QStringLiteral("a.tlk"));
    writeSmallCollection(collection);
    form->documents().OpenDocument(collection);
    form->MExitClick();
    ASSERT_EQ(ended->count(), 1);

    const IniFile file = IniFile::load(ini());
    EXPECT_EQ(file.readString("Main", "MainWStateNormal", {}), QStringLiteral("0"));
    EXPECT_EQ(file.readString("Main", "LargeIconsBar", {}), QStringLiteral("0"));
    EXPECT_EQ(file.readString("Options", "ClipBoard", {}), QStringLiteral("0"));

    open(ini());
    EXPECT_TRUE(form->windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(form->ToolBar(1)->isHidden());
    EXPECT_FALSE(form->ToolBar(0)->isHidden());
    EXPECT_FALSE(form->view().largeIcons());
    EXPECT_FALSE(form->commands().isChecked(Cmd::LinkMonitor));
    EXPECT_EQ(form->PageControlView()->currentIndex(), 1);
    EXPECT_FALSE(form->PageControlEditor()->isTabVisible(0));
    EXPECT_TRUE(form->PageControlEditor()->isTabVisible(1));
    EXPECT_EQ(form->recentFiles().entries(), QStringList{collection});
    EXPECT_EQ(form->settings().form.text(QStringLiteral("OpenDialog1.InitialDir")), dir.path());
}

TEST_F(SettingsWiringTest, AnUnwritableFileRefusesTheClose)
{
    // A folder below a regular file cannot be made, whoever runs the test.
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = dir.filePath(QStringLiteral("file/home/Tarnlink.ini"));
    open(path);
    form->show();
    form->MExitClick();
    EXPECT_EQ(prompts.take(), QStringList{QStringLiteral("error: Unable to write to ") + path});
    EXPECT_EQ(ended->count(), 0);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(SettingsWiringTest, SwitchingToGermanAndBackRestoresEveryCaption)
{
    openWith(quietSettings());
    ASSERT_NE(languageItem("German"), nullptr) << "no German.lng beside the test";
    TFormAdd* add = form->feature<EditingFeature>()->addDialog();
    const QStringList mainTexts = WindowTexts(form.get());
    const QStringList addTexts = WindowTexts(add);

    languageItem("German")->trigger();
    EXPECT_EQ(form->settings().main.language, QStringLiteral("German"));
    EXPECT_TRUE(languageItem("German")->isChecked());
    EXPECT_EQ(form->Menu("&File")->title(), QStringLiteral("&Datei"));
    EXPECT_NE(WindowTexts(form.get()), mainTexts);
    EXPECT_NE(WindowTexts(add), addTexts);
    EXPECT_TRUE(form->StatusPanel(0)->text().startsWith(QStringLiteral("Ordner gesamt:"))) // the totals too
        << form->StatusPanel(0)->text().toStdString();

    languageItem("English")->trigger();
    EXPECT_EQ(WindowTexts(form.get()), mainTexts);
    EXPECT_EQ(WindowTexts(add), addTexts);
    EXPECT_FALSE(languageItem("German")->isChecked());

    // The choice is kept, and the next start comes up in it, the add dialog too.
    languageItem("German")->trigger();
    const QStringList germanAddTexts = WindowTexts(add);
    form->MExitClick();
    open(ini());
    EXPECT_EQ(form->Menu("&File")->title(), QStringLiteral("&Datei"));
    EXPECT_TRUE(languageItem("German")->isChecked());
    EXPECT_EQ(WindowTexts(form->feature<EditingFeature>()->addDialog()), germanAddTexts);
}

TEST_F(SettingsWiringTest, TheTipWindowOpensAtStartOnlyWhenWantedAndOnF2)
{
    Settings settings;
    openWith(settings);
    form->setGeometry(30, 40, 700, 500);
    form->StartUp({});
    auto tipWindows = [this] { return form->findChildren<TFormTips*>().size(); };
    EXPECT_EQ(tipWindows(), 1);
    TFormTips* tip = form->findChild<TFormTips*>();
    EXPECT_EQ(tip->LabTip()->text(), TADTip::builtInTips().value(0));
    // It opens over the shown window, in its middle, and takes the focus.
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(tip));
    EXPECT_LE((tip->frameGeometry().center() - form->frameGeometry().center()).manhattanLength(), 2);

    settings.tips.chkShowTip = false;
    openWith(settings);
    form->StartUp({});
    EXPECT_EQ(tipWindows(), 0);
    QAction* tips = form->commands().action(Cmd::TipOfTheDay);
    EXPECT_EQ(tips->shortcut(), QKeySequence(Qt::Key_F2));
    tips->trigger();
    ASSERT_EQ(tipWindows(), 1);
    EXPECT_EQ(form->findChild<TFormTips*>()->windowTitle(), QStringLiteral("Tip of the day"));
}

TEST_F(SettingsWiringTest, ATipWindowLeftOpenAtTheExitStillStoresItsChoice)
{
    openWith(Settings());
    form->StartUp({});
    auto* tip = form->findChild<TFormTips*>();
    ASSERT_NE(tip, nullptr);
    tip->CheckShowTip()->setChecked(false);
    form->MExitClick();
    ASSERT_EQ(ended->count(), 1);
    const IniFile file = IniFile::load(ini());
    EXPECT_EQ(file.readString("Tips", "ChkShowTip", {}), QStringLiteral("0"));
    EXPECT_EQ(file.readString("Tips", "TipNum", {}), QStringLiteral("1"));
}

// ---- the language files cover our windows -------------------------------------------------

// The literal English texts the program's code passes through Translate.
QStringList translatedLiterals()
{
    QStringList texts;
    static const QRegularExpression literal(QStringLiteral(R"re(Translate\("((?:[^"\\]|\\.)*)"\))re"));
    QDirIterator files(QStringLiteral(TARNLINK_SOURCE_DIR "/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                       QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        const QString code = QString::fromUtf8(file.readAll());
        for (auto it = literal.globalMatch(code); it.hasNext();)
            texts << it.next().captured(1);
    }
    return texts;
}

TEST_F(SettingsWiringTest, EveryLanguageFileHasTheSameEntriesAndEveryMessage)
{
    const QStringList literals = translatedLiterals();
    const LanguageMenu languages(languageFolder(), QStringLiteral("English"));
    ASSERT_GE(languages.languages().size(), 3);
    const QSet<QString> englishSources = sourcesOf(languages.filePath(QStringLiteral("English")));
    for (const QString& language : languages.languages()) {
        SCOPED_TRACE(language.toStdString());
        const QSet<QString> sources = sourcesOf(languages.filePath(language));
        EXPECT_EQ(sources, englishSources);
        for (const QString& text : literals)
            EXPECT_TRUE(sources.contains(text.trimmed().toCaseFolded())) << "message not in the file: " << text.toStdString();
    }
}

// The main window with its add dialog and properties editor, and the dialogs created then,
// translating themselves.
TEST_F(SettingsWiringTest, NoTextOfTheMainWindowsIsLeftInEnglish)
{
    TipsSection tipSettings;
    ExpectNoTextLeftInEnglish([&tipSettings](TFormMain& form) {
        const QString& language = form.settings().main.language;
        const LanguageMenu languages(languageFolder(), language);
        auto* tips = TFormTips::open(tipSettings, form.LanguageLoader, languages.filePath(language),
                                     form.commands().caption(Cmd::TipOfTheDay), &form);
        auto* password = new TPasswordDlg(TPasswordDlg::Mode::Change, true, &form);
        TranslateForm(password, form.LanguageLoader);
        return QList<QWidget*>{&form, tips, password, form.feature<EditingFeature>()->addDialog()};
    });
}

} // namespace
