#include "settings/ini_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace tarnlink;

namespace {

QByteArray sample()
{
    return "; kept comment\r\n"
           "[Main]\r\n"
           "Plain=some text\r\n"
           "  Spaced  =   padded value   \r\n"
           "Quoted=\"  inside quotes  \"\r\n"
           "Single='x'\r\n"
           "Half=\"open only\r\n"
           "Dup=first\r\n"
           "DUP=second\r\n"
           "Dec=42\r\n"
           "Neg=-17\r\n"
           "Hex=0x1F\r\n"
           "HexUpper=0X1f\r\n"
           "Dollar=$FF\r\n"
           "AllBits=$FFFFFFFF\r\n"
           "Junk=12abc\r\n"
           "Empty=\r\n"
           "Huge=99999999999\r\n"
           "Blank=   \r\n"
           "TwoSigns=--5\r\n"
           "Zero=0\r\n"
           "\r\n"
           "[main]\r\n"
           "Plain=from the second section\r\n"
           "Only2=hidden\r\n"
           "[Other]\r\n"
           "Key=value\r\n";
}

} // namespace

TEST(IniFile, ReadsByTheProfileRules)
{
    const IniFile ini = IniFile::fromBytes(sample());
    struct Case {
        const char* key;
        std::optional<QString> text;
    };
    const Case strings[] = {
        {"plain", QStringLiteral("some text")},  // case-insensitive, first section wins
        {"Spaced", QStringLiteral("padded value")},
        {"Quoted", QStringLiteral("  inside quotes  ")},
        {"Single", QStringLiteral("x")},
        {"Half", QStringLiteral("\"open only")},
        {"Dup", QStringLiteral("first")},
        {"Empty", QString()},
        {"Only2", std::nullopt}, // only the first [Main] is searched
        {"Missing", std::nullopt},
    };
    for (const Case& c : strings)
        EXPECT_EQ(ini.value("MAIN", c.key), c.text) << c.key;

    struct IntCase {
        const char* key;
        int expected;
    };
    const IntCase integers[] = {
        {"Dec", 42}, {"Neg", -17}, {"Hex", 31}, {"HexUpper", 31}, {"Dollar", 255},
        {"AllBits", -1}, {"Junk", 7}, {"Empty", 7}, {"Huge", 7}, {"Blank", 7},
        {"TwoSigns", 7}, {"Missing", 7}, {"Plain", 7},
    };
    for (const IntCase& c : integers)
        EXPECT_EQ(ini.readInteger("Main", c.key, 7), c.expected) << c.key;

    EXPECT_TRUE(ini.readBool("Main", "Dec", false));
    EXPECT_TRUE(ini.readBool("Main", "Neg", false));
    EXPECT_FALSE(ini.readBool("Main", "Zero", true));
    EXPECT_TRUE(ini.readBool("Main", "Junk", true));   // not a number: the default
    EXPECT_FALSE(ini.readBool("Main", "Missing", false));
    EXPECT_EQ(ini.readString("Other", "Key"), "value");
    EXPECT_EQ(ini.readString("Nowhere", "Key", "fallback"), "fallback");
}

TEST(IniFile, ValuesAreCutAt2047Characters)
{
    const QByteArray longValue(5000, 'a');
    const IniFile ini = IniFile::fromBytes("[S]\nK=" + longValue + "\n");
    EXPECT_EQ(ini.value("S", "K")->size(), kMaxProfileValueLength);
}

TEST(IniFile, WritingKeepsEverythingElseAndRoundTrips)
{
    IniFile ini = IniFile::fromBytes(sample());
    ini.writeString("main", "dup", "changed");
    ini.writeString("Main", "NewKey", "added");
    ini.writeInteger("Fresh", "Count", 3);
    ini.writeBool("Fresh", "On", true);
    // Values that reading would change (blanks or quotes at the ends) are written quoted.
    for (const QString& tricky : {QStringLiteral("  blanks  "), QStringLiteral("\"quoted\""),
                                  QStringLiteral("'single'"), QStringLiteral("a\"b")}) {
        ini.writeString("Fresh", "Tricky", tricky);
        EXPECT_EQ(IniFile::fromBytes(ini.toBytes()).value("Fresh", "Tricky"), tricky);
    }

    // A line break in a value must not make a line of its own (it could inject a section), and a
    // NUL must not end the text that is read back.
    ini.writeString("Fresh", "Broken", "one\n[Main]\nPlain=evil");
    ini.writeString("Fresh", "Nul", QStringLiteral("a") + QChar(0) + QStringLiteral("b"));
    EXPECT_FALSE(ini.toBytes().contains('\0'));
    const IniFile back = IniFile::fromBytes(ini.toBytes());
    EXPECT_EQ(back.value("Main", "Plain"), "some text");
    EXPECT_EQ(back.value("Main", "Dup"), "changed");
    EXPECT_EQ(back.value("Main", "NewKey"), "added");
    EXPECT_EQ(back.readInteger("Fresh", "Count", 0), 3);
    EXPECT_TRUE(back.readBool("Fresh", "On", false));
    EXPECT_EQ(back.value("Fresh", "Nul"), "a b");
    EXPECT_EQ(back.value("Main", "Only2"), std::nullopt);

    const QByteArray bytes = ini.toBytes();
    EXPECT_TRUE(bytes.startsWith("; kept comment\r\n[Main]\r\nPlain=some text\r\n"));
    EXPECT_TRUE(bytes.contains("DUP=second\r\n"));
    EXPECT_TRUE(bytes.contains("[main]\r\nPlain=from the second section\r\nOnly2=hidden\r\n"));
    // New keys go after the section's last entry, before the blank line that ends it.
    EXPECT_TRUE(bytes.contains("Zero=0\r\nNewKey=added\r\n\r\n[main]"));
}

TEST(IniFile, ReadsAnyLineEndingAndWindows1252)
{
    const IniFile ini = IniFile::fromBytes("\xEF\xBB\xBF[A]\rK1=x\nK2=M\xfc" "ller\r\nK3=z");
    EXPECT_EQ(ini.value("A", "K1"), "x");
    EXPECT_EQ(ini.value("A", "K2"), QString::fromUtf8("M\u00fcller"));
    EXPECT_EQ(ini.value("A", "K3"), "z");
}

TEST(IniFile, NumberedListReadsOnlyTheCountAndKeepsLeftovers)
{
    IniFile ini = IniFile::fromBytes("[ClipBoardOut]\nLine=2\nLine0=a\nLine1=b\nLine2=c\nLine3=d\nLine4=e\n");
    EXPECT_EQ(readNumberedList(ini, "ClipBoardOut", "Line", "Line"), QStringList({"a", "b"}));

    writeNumberedList(ini, "ClipBoardOut", "Line", "Line", {"new"});
    EXPECT_EQ(ini.readInteger("ClipBoardOut", "Line", -1), 1);
    EXPECT_EQ(ini.value("ClipBoardOut", "Line0"), "new");
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(ini.value("ClipBoardOut", QStringLiteral("Line%1").arg(i)), QString(QChar(u'a' + i)));

    // A damaged count does not make the list grow beyond what the section holds.
    const IniFile damaged = IniFile::fromBytes("[L]\nLine=2000000000\nLine0=x\n");
    EXPECT_EQ(readNumberedList(damaged, "L", "Line", "Line"), QStringList({"x", ""}));
    EXPECT_TRUE(readNumberedList(IniFile::fromBytes("[L]\nLine=-3\n"), "L", "Line", "Line").isEmpty());
}

TEST(IniFile, SaveCreatesTheFolderAndReportsTheFullPath)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("sub/Tarnlink.ini");
    IniFile ini;
    ini.writeString("Main", "Key", "v");
    ini.save(path);
    EXPECT_EQ(IniFile::load(path).value("Main", "Key"), "v");
    EXPECT_EQ(QDir(dir.filePath("sub")).entryList(QDir::Files), QStringList({"Tarnlink.ini"}));

    // A folder where the file should be cannot be replaced, whatever the user's rights.
    QDir(dir.path()).mkpath("blocked/Tarnlink.ini");
    const QString blocked = dir.filePath("blocked/Tarnlink.ini");
    try {
        ini.save(blocked);
        FAIL() << "no error";
    } catch (const SettingsWriteError& e) {
        EXPECT_EQ(e.path(), QFileInfo(blocked).absoluteFilePath());
        EXPECT_EQ(std::string(e.what()), ("Unable to write to " + e.path()).toStdString());
        EXPECT_EQ(e.message("Kann %s nicht schreiben"), "Kann " + e.path() + " nicht schreiben");
    }
}

TEST(IniFile, MissingOrUnreadableFileReadsEmpty)
{
    QTemporaryDir dir;
    EXPECT_FALSE(IniFile::load(dir.filePath("none.ini")).hasSection("Main"));
    EXPECT_FALSE(IniFile::load(dir.path()).hasSection("Main")); // a folder
    const QString fifo = dir.filePath("fifo.ini");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(IniFile::load(fifo).hasSection("Main")); // at once, without waiting for a writer
}
