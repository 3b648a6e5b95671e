// Today's browsers in the main window: the File > Import items with their summary, the dialog of
// the browsers found on this computer, and the export pages that say what they leave out.

#include "interchange_support.h"
#include "language_coverage.h"

#include "model/node_icons.h"
#include "settings/language_folder.h"
#include "ui/interchange/bookmark_export_page.h"
#include "ui/interchange/form_browser_import.h"
#include "ui/interchange/form_export.h"
#include "ui/kit/command_map.h"
#include "ui/kit/translate.h"
#include "ui/tree/tree_model.h"

#include <QApplication>
#include <QDir>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

const QString kFixtures = QStringLiteral(TARNLINK_FIXTURES "/interchange/");
const std::string kBefore = "F Target\n  L inside http://in/\n";
const std::string kAfter = "L top http://top/\nS line\n";

// Keeps the texts of the messages, which the scripted prompts log by their titles only.
class SummaryPrompts : public DialogPrompts {
public:
    void inform(const QString& title, const QString& text) override
    {
        DialogPrompts::inform(title, text);
        texts << text;
    }
    QStringList texts;
};

class BrowserBookmarksTest : public InterchangeTest {
protected:
    void SetUp() override { fresh(); }
    // A new window over the small tree, answering through shown.
    void fresh()
    {
        makeForm();
        form->setPrompts(&shown);
    }
    void TearDown() override
    {
        InterchangeTest::TearDown();
        EXPECT_TRUE(shown.exhausted()) << "scripted replies left over";
        EXPECT_TRUE(shown.dialogsDone()) << "scripted dialogs left over";
    }

    // A home with one Firefox profile and one Chromium profile, as the browsers leave them.
    QString fakeHome()
    {
        const QString home = path("home");
        const auto copy = [&](const QString& fixture, const QString& relative) {
            EXPECT_TRUE(QDir().mkpath(QFileInfo(home + "/" + relative).path()));
            EXPECT_TRUE(QFile::copy(kFixtures + fixture, home + "/" + relative));
        };
        copy("places.json", ".mozilla/firefox/x1.default-release/bookmarkbackups/bookmarks-2024-05-01_9_k.json");
        EXPECT_TRUE(QDir().mkpath(home + "/.config/chromium"));
        write("home/.mozilla/firefox/profiles.ini", "[Profile0]\nName=default-release\nIsRelative=1\nPath=x1.default-release\n");
        write("home/.config/chromium/Local State", "{}");
        copy("chromium-Bookmarks", ".config/chromium/Default/Bookmarks");
        return home;
    }

    SummaryPrompts shown;
};

TEST_F(BrowserBookmarksTest, EachBrowserFileLandsBelowTheSelectionWithItsSummary)
{
    struct Case {
        Cmd command;
        QString file;
        QString dialog;
        std::string firstAdded; // the first node below the target's old contents
        QString summary;
    };
    const Case cases[] = {
        {Cmd::ImportNetscape, kFixtures + "bookmarks.html", "open: Import from an HTML bookmark file", "  S \n",
         "Folders read: 5\nLinks read: 3\nSeparators read: 1\nSaved searches passed over: 1\n"
         "Browser-internal and script addresses passed over: 1"},
        {Cmd::ImportFirefox, kFixtures + "places.json", "open: Import from a Firefox bookmark backup",
         "  F Bookmarks Menu\n", "Folders read: 6\nLinks read: 4\nSeparators read: 1\nSaved searches passed over: 1"},
        {Cmd::ImportChromium, kFixtures + "chromium-Bookmarks", "open: Import from Chromium bookmarks",
         "  F Bookmarks Toolbar\n",
         "Folders read: 4\nLinks read: 2\nSeparators read: 0\nBrowser-internal and script addresses passed over: 1"},
        {Cmd::ImportXbel, kFixtures + "bookmarks.xbel", "open: Import from XBEL bookmarks", "  F Projekte & Ideen\n",
         "Folders read: 2\nLinks read: 2\nSeparators read: 1\nEntries of other kinds passed over: 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dialog.toStdString());
        fresh();
        select(0);
        QSignalSpy resets(&form->treeModel(), &QAbstractItemModel::modelReset);
        shown.reply(c.file);
        form->commands().run(c.command);
        EXPECT_EQ(shown.take(), (QStringList{c.dialog, "inform: " + CaptionFromMenu(form->commands().caption(c.command))}));
        EXPECT_EQ(shown.texts.takeLast(), "Imported from: " + QDir::toNativeSeparators(c.file) + "\n\n" + c.summary);
        const std::string after = outline();
        EXPECT_TRUE(after.starts_with(kBefore + c.firstAdded)) << after;
        EXPECT_TRUE(after.ends_with(kAfter)) << after;
        EXPECT_EQ(form->document().counts, CountNodes(form->tree()));
        EXPECT_TRUE(form->document().modified);
        EXPECT_EQ(resets.count(), 1);
    }
}

TEST_F(BrowserBookmarksTest, CancelledOrDamagedFilesChangeNothing)
{
    shown.reply(QString());
    form->commands().run(Cmd::ImportXbel);
    write("cut.xbel", "<xbel><folder><title>cut short");
    shown.reply(path("cut.xbel"));
    form->commands().run(Cmd::ImportXbel);
    EXPECT_EQ(shown.take(), (QStringList{"open: Import from XBEL bookmarks", "open: Import from XBEL bookmarks",
                                         "error: The bookmark file is damaged\n" + QDir::toNativeSeparators(path("cut.xbel"))}));
    EXPECT_EQ(outline(), kBefore + kAfter);
    EXPECT_FALSE(form->document().modified);
}

TEST_F(BrowserBookmarksTest, TheBrowsersFoundImportInTwoClicks)
{
    feature->imports().setHome(fakeHome());
    QStringList rows;
    bool importReady = false;
    shown.dialog([&](QDialog& dialog) {
        auto& found = dynamic_cast<TFormBrowserImport&>(dialog);
        for (int i = 0; i < found.ListProfiles()->topLevelItemCount(); ++i)
            rows << found.ListProfiles()->topLevelItem(i)->text(0);
        importReady = found.BtnImport()->isEnabled() && found.LabNone()->isHidden();
        found.ListProfiles()->setCurrentItem(found.ListProfiles()->topLevelItem(1));
        found.BtnImport()->click();
        return found.result();
    });
    select(-1);
    form->commands().run(Cmd::ImportBrowsers);
    EXPECT_EQ(rows, QStringList({"Firefox - default-release", "Chromium - Default"}));
    EXPECT_TRUE(importReady); // the first profile is chosen already
    EXPECT_EQ(shown.take(), QStringList{"inform: From installed browsers"});
    EXPECT_TRUE(shown.texts.takeLast().startsWith("Imported from: Chromium - Default\n\nFolders read: 4\n"));
    EXPECT_TRUE(outline().starts_with(kBefore + kAfter + "F Bookmarks Toolbar\n")) << outline();

    // Nothing found: the dialog says so and offers nothing to import; cancelling adds nothing.
    feature->imports().setHome(path("empty home"));
    bool explained = false;
    shown.dialog([&](QDialog& dialog) {
        auto& found = dynamic_cast<TFormBrowserImport&>(dialog);
        explained = !found.LabNone()->isHidden() && !found.BtnImport()->isEnabled() && !found.chosen();
        return int(QDialog::Rejected);
    });
    const int count = form->tree().Count();
    form->commands().run(Cmd::ImportBrowsers);
    EXPECT_TRUE(explained);
    EXPECT_EQ(form->tree().Count(), count);
    EXPECT_TRUE(shown.take().isEmpty());
}

TEST_F(BrowserBookmarksTest, ExportPagesWriteTheirFilesAndSayWhatIsLeftOut)
{
    node(1)->Password = "secret";
    struct Case {
        TFormExport::Page page;
        const char* file;
        QString leftOut;         // the whole document
        QString leftOutOfTarget; // "Select folder" on Target
        QString (ExportSection::*stored);
    };
    const QString header = "This format cannot hold these, so they are not written:\n";
    const Case cases[] = {
        {TFormExport::TabNetscape, "out.html", header + "Passwords: 1", header + "Passwords: 1",
         &ExportSection::fileNameNetscape},
        {TFormExport::TabChromium, "Bookmarks", header + "Passwords: 1\nSeparators: 1", header + "Passwords: 1",
         &ExportSection::fileNameChromium},
        {TFormExport::TabXbel, "out.xbel", header + "Passwords: 1", header + "Passwords: 1", &ExportSection::fileNameXbel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        select(0);
        QString wholeText, targetText;
        shown.dialog([&](QDialog& dialog) {
            auto& exporting = dynamic_cast<TFormExport&>(dialog);
            exporting.PageControl()->setCurrentIndex(c.page);
            BookmarkExportPage* page = exporting.BookmarkPage(c.page);
            exporting.RadioBtnAllFile()->setChecked(true);
            wholeText = page->LabLeftOut()->text();
            exporting.RadioBtnSelGroup()->setChecked(true);
            targetText = page->LabLeftOut()->text();
            exporting.RadioBtnAllFile()->setChecked(true);
            shown.reply(path(c.file));
            page->browseButton()->click();
            exporting.BtnOk()->click();
            return exporting.result();
        });
        form->commands().run(Cmd::Export);
        EXPECT_EQ(shown.take(), QStringList{"save: Export"});
        EXPECT_EQ(wholeText, c.leftOut);
        EXPECT_EQ(targetText, c.leftOutOfTarget);
        EXPECT_EQ(form->settings().exportDialog.*c.stored, path(c.file));
        EXPECT_EQ(form->settings().exportDialog.actP, int(c.page));
        QFile written(path(c.file));
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();
        EXPECT_TRUE(bytes.contains("http://in/") && bytes.contains("http://top/"));
        EXPECT_FALSE(bytes.contains("secret"));
    }
    EXPECT_TRUE(QJsonDocument::fromJson([&] {
                    QFile file(path("Bookmarks"));
                    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
                }()).isObject());
}

TEST_F(BrowserBookmarksTest, NothingToLoseAndALockedFolderAreSaidToo)
{
    QStringList texts;
    const auto xbelPage = [&](bool selectFolder) {
        shown.dialog([&, selectFolder](QDialog& dialog) {
            auto& exporting = dynamic_cast<TFormExport&>(dialog);
            exporting.PageControl()->setCurrentIndex(TFormExport::TabXbel);
            exporting.RadioBtnSelGroup()->setChecked(selectFolder);
            texts << exporting.BookmarkPage(TFormExport::TabXbel)->LabLeftOut()->text();
            exporting.BookmarkPage(TFormExport::TabXbel)->edit()->setText(path("out.xbel"));
            exporting.BtnOk()->click();
            return exporting.result();
        });
        form->commands().run(Cmd::Export);
    };
    xbelPage(false);
    EXPECT_TRUE(QFile::remove(path("out.xbel")));
    // A locked folder chosen as the folder to export is not written at all.
    node(0)->FolderPassword = "0badc0de";
    SetIconsForKind(*node(0));
    form->tree().Select(node(0));
    xbelPage(true);
    EXPECT_EQ(texts, (QStringList{"Everything exported fits this format.",
                                  "This format cannot hold these, so they are not written:\nLocked folders: 1\n"
                                  "A locked folder is written only when it is the folder exported, opened with its password."}));
    EXPECT_EQ(shown.take(), QStringList{"warn: Nothing in this choice can be exported; no file was written."});
    EXPECT_FALSE(QFile::exists(path("out.xbel")));
}

// Controls below the pages stay where they are whichever page is chosen.
TEST_F(BrowserBookmarksTest, TheExportDialogKeepsItsSizeOnEveryPage)
{
    QList<QSize> sizes;
    shown.dialog([&](QDialog& dialog) {
        auto& exporting = dynamic_cast<TFormExport&>(dialog);
        exporting.show();
        for (int page = 0; page < TFormExport::PageCount; ++page) {
            exporting.PageControl()->setCurrentIndex(page);
            QApplication::processEvents();
            sizes << exporting.size();
        }
        return int(QDialog::Rejected);
    });
    form->commands().run(Cmd::Export);
    ASSERT_EQ(sizes.size(), int(TFormExport::PageCount));
    EXPECT_EQ(sizes.count(sizes.first()), sizes.size()) << sizes.first().width() << "x" << sizes.first().height();
}

TEST(BrowserBookmarksTexts, EveryCountedTextIsInEveryLanguageFile)
{
    ImportSummary summary{1, 1, 1, {}};
    summary.skipped.fill(1);
    ExportLosses losses;
    losses.counts.fill(1);
    std::vector<SummaryLine> lines = SummaryLines(summary);
    const std::vector<SummaryLine> lost = LossLines(losses);
    lines.insert(lines.end(), lost.begin(), lost.end());
    ASSERT_EQ(lines.size(), size_t(3 + kSkipReasonCount + kLostFieldCount));
    const LanguageMenu languages(languageFolder(), QStringLiteral("English"));
    for (const QString& language : languages.languages()) {
        SCOPED_TRACE(language.toStdString());
        const QSet<QString> sources = sourcesOf(languages.filePath(language));
        for (const SummaryLine& line : lines)
            EXPECT_TRUE(sources.contains(QString::fromUtf8(line.text).toCaseFolded())) << line.text;
    }
}

TEST(BrowserBookmarksTexts, NoTextOfTheNewWindowsIsLeftInEnglish)
{
    ExpectNoTextLeftInEnglish([](TFormMain& form) {
        auto* found = new TFormBrowserImport({{BookmarkFormat::Chromium, "Chromium - Default", "/b"}}, &form);
        auto* none = new TFormBrowserImport({}, &form);
        for (QWidget* dialog : {static_cast<QWidget*>(found), static_cast<QWidget*>(none)})
            TranslateForm(dialog, form.LanguageLoader);
        return QList<QWidget*>{&form, found, none};
    });
}

} // namespace
