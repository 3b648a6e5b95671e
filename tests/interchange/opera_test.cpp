#include "test_support.h"

#include "interchange/import_sink.h"
#include "interchange/opera_export.h"
#include "interchange/opera_hotlist.h"

#include "model/errors.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

using namespace tarnlink;
using namespace tarnlink::test;

namespace {

QString fromUcs4(std::initializer_list<char32_t> codePoints)
{
    const std::u32string text(codePoints);
    return QString::fromUcs4(text.data(), qsizetype(text.size()));
}

TEST(HotlistCodec, DecodesTheWayTheReaderTakesUtf8)
{
    const std::pair<std::string, QString> cases[] = {
        {"plain", "plain"},
        {"\xD0\x90\xD0\x91", fromUcs4({0x410, 0x411})},
        {"\xE2\x82\xAC", fromUcs4({0x20AC})},
        {"\xE0\x81\x81", "A"},                       // overlong forms are accepted
        {"a\x80\xBF" "b\xF8\xFF", "ab"},             // stray bytes are dropped
        {"caf\xE9", "caf"},                          // Windows-1252: a sequence cut short
        {"\xE9 x", fromUcs4({0x9838})},              // ... or merged into a wrong character
        {"\xF0\x9F\x98\x80!", fromUcs4({0x1F600, '!'})}, // four-byte characters are kept
        {"x\xC3", "x"},
        {"", ""},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(DecodeUtf8Text(bytes), text) << bytes;
}

TEST(HotlistCodec, EncodesOneToFourBytes)
{
    EXPECT_EQ(EncodeUtf8Text(fromUcs4({'A', 0x410, 0x20AC, 0x1F600})), "A\xD0\x90\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(EncodeUtf8Text(QString()), "");
}

TEST(HotlistCodec, ValueIsTextAfterTheFirstEqualsSign)
{
    EXPECT_EQ(HotlistValue("\tNAME=a=b"), "a=b");
    EXPECT_EQ(HotlistValue("\tNAME="), "");
    EXPECT_EQ(HotlistValue("no sign"), "no sign");
}

TEST(HotlistCodec, LineBreaksTravelAsTwoControlCharacters)
{
    EXPECT_EQ(EscapeHotlistBreaks("a\rb\r\nc\n"), "a\x02\x02" "b\x02\x02" "c\x02\x02");
    EXPECT_EQ(UnescapeHotlistBreaks("a\x02\x02" "b\x02" "c"), "a\rb\x02" "c");
}

TEST(HotlistReader, ReadsRecordsByPosition)
{
    QTemporaryDir dir;
    TImportOpera reader;
    reader.FileName = QStringLiteral(TARNLINK_FIXTURES "/interchange/hotlist.adr");
    TfcTreeNodes tree;
    Build(tree, {Folder("target"), Link("after", "z")});
    TreeCounts counts = CountNodes(tree);
    ImportSink sink(tree, counts, tree.GetFirstNode());
    reader.Import(sink);
    // The fixture's folder carries an ID line first, so its name is the ID's value. A marker
    // indented, or in other letter case, is no marker; the last "-" closes nothing visible.
    EXPECT_EQ(Outline(tree), "F target\n  F 1\n    L K\xC3\x96LN = CITY http://koeln.example/\n  F Empty\nL after z\n");
    EXPECT_EQ(tree.NodeAt(1)->Description, "Books");
    EXPECT_EQ(tree.NodeAt(2)->Description, "Dom");
    EXPECT_EQ(counts, CountNodes(tree));
    EXPECT_EQ(sink.ImportParent(), tree.GetFirstNode()) << "a folder end too many stays in the target";
}

TEST(HotlistReader, FolderEndsTooManyKeepLaterRecordsInTheTarget)
{
    TfcTreeNodes tree;
    Build(tree, {Folder("target"), Link("after", "z")});
    TreeCounts counts = CountNodes(tree);
    ImportSink sink(tree, counts, tree.GetFirstNode());
    TImportOpera::ImportText("\xEF\xBB\xBF#FOLDER\n\tNAME=in\n\t\n\t\n\t\n\t\n\t\n-\n-\n-\n"
                             "#URL\n\tNAME=late\n\tURL=http://l/\n\t\n\t\n\t\n\t\n\t\n", sink);
    EXPECT_EQ(Outline(tree), "F target\n  F In\n  L LATE http://l/\nL after z\n");
}

TEST(HotlistReader, RecordCutShortStopsTheImportKeepingWhatWasRead)
{
    const std::string complete = "#FOLDER\n\tNAME=kept\n\t\n\t\n\t\n\tDESCRIPTION=\n";
    const std::string cases[] = {
        complete + "#URL\n\tNAME=x\n\tURL=y\n\t\n\t\n\t\n",  // five lines after #URL
        complete + "#FOLDER\n\tNAME=x\n\t\n\t\n\t\n",       // four lines after #FOLDER
    };
    for (const std::string& text : cases) {
        TfcTreeNodes tree;
        TreeCounts counts;
        {
            ImportSink sink(tree, counts, nullptr);
            UpdateGuard update(tree);
            EXPECT_THROW(TImportOpera::ImportText(text, sink), ImportError);
        }
        EXPECT_FALSE(tree.Updating());
        EXPECT_EQ(Outline(tree), "F Kept\n");
    }
    // Just long enough is fine.
    TfcTreeNodes tree;
    TreeCounts counts;
    ImportSink sink(tree, counts, nullptr);
    TImportOpera::ImportText("#URL\n1\n2\n3\n4\n5\n6", sink);
    EXPECT_EQ(Outline(tree), "L 1 2\n");
    EXPECT_EQ(tree.GetFirstNode()->Description, "6");
}

TEST(HotlistReader, MissingFileFailsAndEmptyNameReadsNothing)
{
    ImportEvents ignore;
    TImportOpera reader;
    EXPECT_NO_THROW(reader.Import(ignore));
    reader.FileName = "/nonexistent/file.adr";
    EXPECT_THROW(reader.Import(ignore), FileError);
}

TEST(HotlistWriter, WritesTheRecordLayout)
{
    TfcTreeNodes tree;
    Build(tree, {Link("Site", "http://s/"), Folder("Box", {Separator()})});
    tree.GetFirstNode()->Description = "about";
    EXPECT_EQ(BuildOperaExport(tree, {}),
              "Opera Hotlist version 2.0\r\nOptions:encoding=utf8,version=3\r\n\r\n"
              "#URL\r\n\tNAME=Site\r\n\tURL=http://s/\r\n\tCREATED=0\r\n\tVISITED=0\r\n\tORDER=-1\r\n"
              "\tDESCRIPTION=about\r\n\tSHORT NAME=\r\n\r\n"
              "#FOLDER\r\n\tNAME=Box\r\n\tCREATED=0\r\n\tVISITED=0\r\n\tORDER=-1\r\n\tDESCRIPTION=\r\n"
              "\tSHORT NAME=\r\n\r\n"
              "#URL\r\n\tNAME=\r\n\tURL=\r\n\tCREATED=0\r\n\tVISITED=0\r\n\tORDER=-1\r\n\tDESCRIPTION=\r\n"
              "\tSHORT NAME=\r\n\r\n"
              "-\r\n-\r\n");
}

TEST(HotlistWriter, CodePagesBecomeUtf8)
{
    TfcTreeNodes tree;
    Build(tree, {Link("\xD0\x90", "u"), Link("caf\xE9", "u")}); // UTF-8, then Windows-1252
    const std::string hotlist = BuildOperaExport(tree, {});
    EXPECT_NE(hotlist.find("\tNAME=\xD0\x90\r\n"), std::string::npos); // letter 1040: bytes 208, 144
    EXPECT_NE(hotlist.find("\tNAME=caf\xC3\xA9\r\n"), std::string::npos);
}

std::string readBack(const std::string& hotlist)
{
    TfcTreeNodes tree;
    TreeCounts counts;
    ImportSink sink(tree, counts, nullptr);
    TImportOpera::ImportText(hotlist, sink);
    return Outline(tree);
}

TEST(HotlistWriter, OwnHotlistReadsBackIntoTheSameStructure)
{
    TfcTreeNodes tree;
    Build(tree, {Link("top link", "http://t/"),
                 Folder("MUSIC and more", {Link("Band", "http://b/"), Folder("live", {Link("gig", "g")}), Separator("-")}),
                 Protected("vault", {Link("secret", "s")}),
                 Link("smile \xF0\x9F\x98\x80", "http://e/")});
    // Lines that are markers by themselves must not break the records apart.
    tree.NodeAt(2)->Description = "first\r-\r#URL\r";
    const std::string hotlist = BuildOperaExport(tree, {});
    EXPECT_EQ(readBack(hotlist), "L TOP LINK http://t/\n"
                                 "F Music and more\n"
                                 "  L BAND http://b/\n"
                                 "  F Live\n"
                                 "    L GIG g\n"
                                 "  L - \n"
                                 "F Vault\n"
                                 "L SMILE \xF0\x9F\x98\x80 http://e/\n");
    TfcTreeNodes back;
    TreeCounts counts;
    ImportSink sink(back, counts, nullptr);
    TImportOpera::ImportText(hotlist, sink);
    EXPECT_EQ(back.NodeAt(2)->Description, tree.NodeAt(2)->Description);
}

TEST(HotlistWriter, Scopes)
{
    struct Case {
        const char* what;
        int selected;
        ExportScope scope;
        std::string outline;
    };
    const Case cases[] = {
        {"whole document", 1, {true, false}, "L A a\nF Box\n  L IN i\n  F Sub\n    L DEEP d\nL B b\nF Second\n"},
        {"folder of the selected link", 2, {false, true}, "F Box\n  L IN i\n  F Sub\n    L DEEP d\n"},
        {"without subfolders", 1, {false, false}, "F Box\n  L IN i\n  F Sub\n"},
        {"nothing selected", -1, {false, true}, "L A a\nF Box\n  L IN i\n  F Sub\n    L DEEP d\n"},
        {"top-level link selected", 5, {false, true}, "L B b\nF Second\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TfcTreeNodes tree;
        Build(tree, {Link("a", "a"), Folder("box", {Link("in", "i"), Folder("sub", {Link("deep", "d")})}), Link("b", "b"),
                     Folder("second")});
        tree.Select(c.selected >= 0 ? tree.NodeAt(c.selected) : nullptr);
        EXPECT_EQ(readBack(BuildOperaExport(tree, c.scope)), c.outline);
    }
}

TEST(HotlistWriter, SavesInOnePieceOrNotAtAll)
{
    QTemporaryDir dir;
    TfcTreeNodes tree;
    Build(tree, {Link("a", "a"), Link("b", "b")});
    const QString path = dir.filePath("out.adr");
    ExportToOpera(tree, {}, path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), BuildOperaExport(tree, {}));
    EXPECT_THROW(ExportToOpera(tree, {}, dir.filePath("missing/out.adr")), FileError);
}

TEST(HotlistReader, DamagedInputEndsCleanly)
{
    // Random lines of markers, key lines and stray bytes: the reader either finishes or reports
    // the record cut short; the tree stays consistent with the counters either way.
    using namespace std::string_view_literals;
    const std::string_view pieces[] = {"#FOLDER", "#URL", "-", "\tNAME=\xF0\x9F", "\xC3", "\x02\x02", "=", "\0"sv, "\r", ""};
    std::mt19937 random(42);
    for (int round = 0; round < 300; ++round) {
        std::string text;
        for (int line = int(random() % 40); line > 0; --line)
            text.append(pieces[random() % std::size(pieces)]).append(random() % 2 ? "\n" : "\r\n");
        TfcTreeNodes tree;
        TreeCounts counts;
        ImportSink sink(tree, counts, nullptr);
        try {
            TImportOpera::ImportText(text, sink);
        } catch (const ImportError&) {
        }
        EXPECT_EQ(counts, CountNodes(tree));
    }
}

} // namespace
