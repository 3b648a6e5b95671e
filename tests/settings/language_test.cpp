#include "settings/language_menu.h"
#include "settings/language_table.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace tarnlink;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

ZIREdozudurOdozed tableOf(QStringList lines)
{
    ZIREdozudurOdozed table;
    table.loadLines(std::move(lines));
    return table;
}

} // namespace

TEST(Translate, WholeTextTrimmedKeyCaseIgnoredFirstLineWins)
{
    const auto table = tableOf({"File=Datei", "Save file?=", "Twice=Erste", "twice=Zweite",
                                " Padded =Gepolstert", "a=b=c", "no equals sign", "=Leer",
                                QString::fromUtf8("\u00dcber=Over")});
    struct Case {
        QString text, expected;
    };
    const Case cases[] = {
        {"File", "Datei"},
        {"file", "Datei"},
        {"  File  ", "Datei"},      // the key is trimmed, the translation replaces the whole text
        {"&File", "&File"},         // needs a line of its own
        {"Files", "Files"},         // parts of texts are never replaced
        {"  Files ", "  Files "},   // an untranslated text keeps its blanks
        {"Save file?", "Save file?"}, // empty translation: stays English
        {"TWICE", "Erste"},
        {"Padded", "Padded"},       // source texts are not trimmed
        {" Padded ", " Padded "},
        {"a", "b=c"},
        {"a=b", "a=b"},             // a source with "=" can never match
        {"no equals sign", "no equals sign"},
        {"", ""},
        {"   ", "   "},            // blanks are not looked up, not even against "=Leer"
        {QString::fromUtf8("\u00fcBER"), "Over"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(table.Translate(c.text), c.expected) << c.text.toStdString();
}

TEST(Translate, ReverseTableMapsBack)
{
    auto table = tableOf({"&File=&Datei", "Edit=Bearbeiten", "Open=Datei", "x=y=z", "plain"});
    table.ReverseTable();
    EXPECT_EQ(table.Translate("&Datei"), "&File");
    EXPECT_EQ(table.Translate("Bearbeiten"), "Edit");
    EXPECT_EQ(table.Translate("Datei"), "Open");
    EXPECT_EQ(table.lines(), QStringList({"&Datei=&File", "Bearbeiten=Edit", "Datei=Open", "y=z=x", "plain"}));
    table.ReverseTable();
    EXPECT_EQ(table.Translate("&File"), "&Datei");
    EXPECT_EQ(table.lines()[3], "z=x=y"); // a translation with "=" does not come back exactly
    EXPECT_EQ(table.Translate("x"), "x");
}

TEST(LanguageTable, LoadingFilesAndTheOneLineRule)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("one.lng"), "File=Datei");
    writeFile(dir.filePath("two.lng"), "File=Fichier\r\nEdit=\xc9" "dition\r\n"); // Windows-1252
    ZIREdozudurOdozed table;
    ASSERT_TRUE(table.LoadLanguageFile(dir.filePath("one.lng")));
    EXPECT_EQ(table.Translate("file"), "Datei");
    EXPECT_FALSE(table.translatesWindows());

    ASSERT_TRUE(table.LoadLanguageFile(dir.filePath("two.lng")));
    EXPECT_EQ(table.Translate("File"), "Fichier"); // the load replaced the table
    EXPECT_EQ(table.Translate("Edit"), QString::fromUtf8("\u00c9dition"));
    EXPECT_TRUE(table.translatesWindows());

    EXPECT_TRUE(table.LoadLanguageFile(QString())); // an empty path changes nothing
    EXPECT_EQ(table.Translate("File"), "Fichier");

    EXPECT_FALSE(table.LoadLanguageFile(dir.filePath("missing.lng")));
    EXPECT_TRUE(table.lines().isEmpty());

    writeFile(dir.filePath("marked.lng"), "\xEF\xBB\xBF" "File=Datei\r\nEdit=Bearbeiten\r\n");
    ASSERT_TRUE(table.LoadLanguageFile(dir.filePath("marked.lng")));
    EXPECT_EQ(table.Translate("File"), "Datei"); // the byte-order mark is no part of the first line

    const QString fifo = dir.filePath("fifo.lng");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(table.LoadLanguageFile(fifo)); // at once, without waiting for a writer
}

namespace {

class RecordingWindows : public LanguageWindows {
public:
    QStringList calls;
    void translateWindows(const ZIREdozudurOdozed& table) override
    {
        calls << "translate " + table.Translate("&File");
    }
    void processPendingEvents() override { calls << "repaint"; }
    void refreshDerivedTexts() override { calls << "refresh"; }
};

} // namespace

TEST(LanguageMenu, ListsFilesSortedWithoutRegardToCase)
{
    QTemporaryDir dir;
    for (const char* name : {"russian.lng", "German.lng", "Greek.lng", "english.LNG", "notes.txt", "My.Lang.lng"})
        writeFile(dir.filePath(name), "x=y\n");
    const LanguageMenu menu(dir.path(), "German");
    EXPECT_EQ(menu.languages(), QStringList({"english", "German", "Greek", "My.Lang", "russian"}));
    EXPECT_EQ(menu.checked(), "German");
    EXPECT_TRUE(menu.hasFile("english"));
    EXPECT_EQ(LanguageMenu(dir.path(), "german").checked(), QString()); // exact match only
    EXPECT_TRUE(LanguageMenu(dir.filePath("nowhere"), "English").languages().isEmpty());
    EXPECT_EQ(LanguageMenu::caption("R&D"), "R&&D");
}

TEST(LanguageMenu, StartAndSwitching)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("German.lng"), "&File=&Datei\nEdit=Bearbeiten\n");
    writeFile(dir.filePath("French.lng"), "&File=&Fichier\nEdit=Edition\n");
    LanguageMenu menu(dir.path(), "German");
    ZIREdozudurOdozed table;
    ASSERT_TRUE(menu.loadAtStart("German", table));
    EXPECT_FALSE(menu.loadAtStart("Klingon", table)); // missing: nothing loaded, table kept
    EXPECT_EQ(table.Translate("&File"), "&Datei");

    RecordingWindows windows;
    QString stored = "German";
    EXPECT_FALSE(menu.choose("German", stored, table, windows)); // already checked
    EXPECT_TRUE(windows.calls.isEmpty());

    EXPECT_TRUE(menu.choose("French", stored, table, windows));
    EXPECT_EQ(stored, "French");
    EXPECT_EQ(menu.checked(), "French");
    // Back to English through the reversed German table, then French.
    EXPECT_EQ(windows.calls, QStringList({"translate &File", "repaint", "translate &Fichier", "refresh"}));

    windows.calls.clear();
    menu.switchTo("Klingon", table, windows); // no file: the windows stay English
    EXPECT_EQ(windows.calls, QStringList({"translate &File", "repaint", "refresh"}));

    windows.calls.clear();
    menu.switchTo("", table, windows);
    EXPECT_TRUE(windows.calls.isEmpty());
}
