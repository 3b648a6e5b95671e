// The bookmark files of today's browsers: what each reader makes of the files browsers write,
// round trips through the writers, damaged files, what an export leaves out, and finding the
// profiles under a home folder.

#include "test_support.h"
#include "mozlz4_fixture.h"

#include "interchange/bookmark_formats.h"
#include "interchange/browser_profiles.h"
#include "model/description.h"
#include "model/errors.h"
#include "platform/visit_time_format.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tarnlink;
using namespace tarnlink::test;

namespace {

const QString kFixtures = QStringLiteral(TARNLINK_FIXTURES "/interchange/");

std::string visitAt(qint64 unixSeconds)
{
    return FormatVisitTime(QDateTime::fromSecsSinceEpoch(unixSeconds));
}

// "F name | description", "L name address | description @ visit" or "S", two blanks a level;
// descriptions with their line ends shown as "/".
std::string Detailed(const TfcTreeNodes& tree)
{
    std::string out;
    for (const TfcTreeNode* n = tree.GetFirstNode(); n; n = n->GetNext()) {
        out += std::string(size_t(2 * n->Level()), ' ');
        out += n->IsFolder() ? "F " : n->IsLink() ? "L " : "S";
        out += n->Name();
        if (n->IsLink())
            out += " " + n->Link1;
        if (!n->Description.empty()) {
            std::string description = n->Description;
            std::replace(description.begin(), description.end(), '\r', '/');
            out += " | " + description;
        }
        if (!n->Visited.empty())
            out += " @ " + n->Visited;
        out += "\n";
    }
    return out;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Imported {
    std::string outline;
    ImportSummary summary;
    TreeCounts counts;
};

Imported importFile(BookmarkFormat format, const QString& path, TfcTreeNodes& tree)
{
    TreeCounts counts;
    const ImportSummary summary = ImportBookmarkFile(format, tree, counts, path);
    EXPECT_EQ(counts, CountNodes(tree));
    return {Detailed(tree), summary, counts};
}

Imported importFile(BookmarkFormat format, const QString& path)
{
    TfcTreeNodes tree;
    return importFile(format, path, tree);
}

Imported importBytes(BookmarkFormat format, const std::string& bytes, TfcTreeNodes& tree)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("file"), QByteArray::fromStdString(bytes));
    return importFile(format, dir.filePath("file"), tree);
}

Imported importBytes(BookmarkFormat format, const std::string& bytes)
{
    TfcTreeNodes tree;
    return importBytes(format, bytes, tree);
}

ImportSummary summaryOf(int folders, int links, int separators, std::array<int, kSkipReasonCount> skipped = {})
{
    return {folders, links, separators, skipped};
}

TEST(BrowserFormats, ReadTheFilesBrowsersWrite)
{
    QTemporaryDir dir;
    const QString compressed = dir.filePath("bookmarks-2024-01-02_3_abc.jsonlz4");
    writeFile(compressed, MozLz4(readFile(kFixtures + "places.json")));
    const std::string firefox = "F Bookmarks Menu\n"
                                "  L Caf\xC3\xA9 & more https://cafe.example/?a=1&b=2 | Line one/line two/ @ "
                                + visitAt(1700003600) + "\n"
                                "  S\n"
                                "  F Work\n    F Sub\n      L Wiki http://wiki.example/Page\n    F Empty\n"
                                "F Bookmarks Toolbar\n  L News https://news.example/\n"
                                "F Mobile Bookmarks\n  L Phone link https://m.example/\n";
    struct Case {
        BookmarkFormat format;
        QString file;
        std::string outline;
        ImportSummary summary;
    };
    const Case cases[] = {
        {BookmarkFormat::Netscape, kFixtures + "bookmarks.html",
         "S\n"
         "F Reisen & K\xC3\xBC" "che | Trips and recipes\n"
         "  L \xD0\xA1\xD1\x83\xD0\xBF <\xD0\xB1\xD0\xBE\xD1\x80\xD1\x89> https://search.example/?q=a&lang=de"
         " | Two lines:/the second/ @ " + visitAt(1700003600) + "\n"
         "  F Level two\n    F Level three\n      L deep link http://deep.example/ @ " + visitAt(1700007200) + "\n"
         "  F Empty\n"
         "F Bookmarks Toolbar\n  L Unclosed entry https://unclosed.example/\n",
         summaryOf(5, 3, 1, {1, 1, 0})},
        {BookmarkFormat::Firefox, kFixtures + "places.json", firefox, summaryOf(6, 4, 1, {1, 0, 0})},
        {BookmarkFormat::Firefox, compressed, firefox, summaryOf(6, 4, 1, {1, 0, 0})},
        {BookmarkFormat::Chromium, kFixtures + "chromium-Bookmarks",
         "F Bookmarks Toolbar\n"
         "  L Stra\xC3\x9F" "e \"quoted\" https://strasse.example/?x=1&y=2 | Noted @ " + visitAt(1700003600) + "\n"
         "  F Folder\n    F Empty\n"
         "F Other Bookmarks\n  L Later https://later.example/\n",
         summaryOf(4, 2, 0, {0, 1, 0})},
        {BookmarkFormat::Xbel, kFixtures + "bookmarks.xbel",
         "F Projekte & Ideen | Folder note\n"
         "  L \xC3\x9Cn\xC3\xAF" "code https://xbel.example/?a=1&b=2 | First/Second/ @ " + visitAt(1700003600) + "\n"
         "  S\n  F Empty\nL Top http://top.example/\n",
         summaryOf(2, 2, 1, {0, 0, 1})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        const Imported imported = importFile(c.format, c.file);
        EXPECT_EQ(imported.outline, c.outline);
        EXPECT_EQ(imported.summary, c.summary);
        EXPECT_EQ(imported.counts, (TreeCounts{c.summary.folders, c.summary.links}));
    }
}

TEST(BrowserFormats, ImportLandsBelowTheSelectedFolder)
{
    TfcTreeNodes tree;
    Build(tree, {Folder("Target", {Link("old", "http://old/")}), Link("after", "http://after/")});
    TreeCounts counts = CountNodes(tree);
    tree.Select(tree.NodeAt(0));
    ImportBookmarkFile(BookmarkFormat::Xbel, tree, counts, kFixtures + "bookmarks.xbel");
    EXPECT_EQ(Outline(tree), "F Target\n  L old http://old/\n  F Projekte & Ideen\n"
                             "    L \xC3\x9Cn\xC3\xAF" "code https://xbel.example/?a=1&b=2\n    S \n    F Empty\n"
                             "  L Top http://top.example/\nL after http://after/\n");
    EXPECT_EQ(counts, CountNodes(tree));
}

// A tree with every field each writer keeps: names outside ASCII and with markup characters,
// an "&" in an address, descriptions of one and of two lines, visits, a separator, an empty
// folder and three levels of folders.
void buildRichTree(TfcTreeNodes& tree)
{
    Build(tree, {Folder("K\xC3\xBC" "che & <Haus>", {Link("first \"one\"", "https://a.example/?x=1&y=2"), Separator(),
                                                    Folder("two", {Folder("three", {Link("deep", "http://deep/")})}),
                                                    Folder("empty")}),
                 Link("\xD0\x9C\xD0\xB8\xD1\x80", "http://mir.example/")});
    TfcTreeNode* folder = tree.NodeAt(0);
    folder->Description = "folder note";
    TfcTreeNode* first = tree.NodeAt(1);
    first->Description = EncodeDescription({"line one", "line <two>"});
    first->Visited = "2024-03-10 10:11:12";
    tree.NodeAt(5)->Visited = "2023-12-31 23:59:59";
}

TEST(BrowserFormats, RoundTripsKeepEveryFieldTheFormatHolds)
{
    TfcTreeNodes tree;
    buildRichTree(tree);
    const std::string original = Detailed(tree);
    for (const BookmarkFormat format : {BookmarkFormat::Netscape, BookmarkFormat::Xbel}) {
        SCOPED_TRACE(BookmarkFormatName(format));
        const Imported back = importBytes(format, *BuildBookmarkExport(format, tree, {}));
        EXPECT_EQ(back.outline, original);
        EXPECT_EQ(back.summary, summaryOf(4, 3, 1));
    }

    // Chromium has no separators, and its roots are folders of their own: the exported nodes come
    // back in the bookmark bar's folder, and that tree written again gives the same file's tree.
    TfcTreeNodes fromFile;
    const Imported chromium =
        importBytes(BookmarkFormat::Chromium, *BuildBookmarkExport(BookmarkFormat::Chromium, tree, {}), fromFile);
    std::string expected = "F Bookmarks Toolbar\n";
    for (const QString& line : QString::fromStdString(original).split('\n', Qt::SkipEmptyParts))
        if (line.trimmed() != "S")
            expected += "  " + line.toStdString() + "\n";
    EXPECT_EQ(chromium.outline, expected);
    EXPECT_EQ(importBytes(BookmarkFormat::Chromium, *BuildBookmarkExport(BookmarkFormat::Chromium, fromFile, {})).outline,
              chromium.outline);
}

TEST(BrowserFormats, WritersEncodeTextAsTheFormatsWant)
{
    TfcTreeNodes tree;
    Build(tree, {Folder("a", {Link("\xE9t\xE9 <&\">", "http://x/?a=1&b=\"2\"")})}); // Windows-1252 "été"
    const std::string html = *BuildBookmarkExport(BookmarkFormat::Netscape, tree, {});
    EXPECT_NE(html.find("<!DOCTYPE NETSCAPE-Bookmark-file-1>"), std::string::npos);
    EXPECT_NE(html.find("<DT><A HREF=\"http://x/?a=1&amp;b=&quot;2&quot;\">\xC3\xA9t\xC3\xA9 &lt;&amp;&quot;&gt;</A>"),
              std::string::npos)
        << html;
    const std::string xml = *BuildBookmarkExport(BookmarkFormat::Xbel, tree, {});
    EXPECT_NE(xml.find("<title>\xC3\xA9t\xC3\xA9 &lt;&amp;&quot;&gt;</title>"), std::string::npos) << xml;
    for (const BookmarkFormat format : {BookmarkFormat::Netscape, BookmarkFormat::Chromium, BookmarkFormat::Xbel}) {
        SCOPED_TRACE(BookmarkFormatName(format));
        const std::string outline = importBytes(format, *BuildBookmarkExport(format, tree, {})).outline;
        EXPECT_NE(outline.find("L \xC3\xA9t\xC3\xA9 <&\"> http://x/?a=1&b=\"2\"\n"), std::string::npos) << outline;
    }
    // Control characters have no place in XML 1.0; they are dropped, not written as damage.
    tree.NodeAt(1)->SetName("bell\x07 tab\t");
    EXPECT_NE(importBytes(BookmarkFormat::Xbel, *BuildBookmarkExport(BookmarkFormat::Xbel, tree, {})).outline.find("L bell tab\t "),
              std::string::npos);
    // Line breaks and tabs come back as they were written, in a title and in an address alike;
    // the two non-characters are dropped.
    tree.NodeAt(1)->SetName("cr\r lf\n \xEF\xBF\xBE\xEF\xBF\xBF end");
    tree.NodeAt(1)->Link1 = "http://x/\ta\r\nb";
    EXPECT_NE(importBytes(BookmarkFormat::Xbel, *BuildBookmarkExport(BookmarkFormat::Xbel, tree, {}))
                  .outline.find("L cr\r lf\n  end http://x/\ta\r\nb\n"),
              std::string::npos);
}

TEST(BrowserFormats, ChromiumExportIsAFileTheBrowserLoads)
{
    TfcTreeNodes tree;
    Build(tree, {Folder("Other Bookmarks", {Link("o", "http://o/")}), Link("top", "http://top/"), Separator(),
                 Folder("Bookmarks Toolbar", {Link("t", "http://t/"), Folder("sub")}), Folder("Other Bookmarks")});
    const QJsonDocument file = QJsonDocument::fromJson(QByteArray::fromStdString(*BuildBookmarkExport(BookmarkFormat::Chromium, tree, {})));
    ASSERT_TRUE(file.isObject());
    EXPECT_EQ(file["checksum"].toString(), "");
    EXPECT_EQ(file["version"].toInt(), 1);
    const QJsonObject roots = file["roots"].toObject();
    const auto names = [](const QJsonValue& folder) {
        QStringList out;
        for (const QJsonValue child : folder["children"].toArray())
            out << child["name"].toString() + ":" + child["type"].toString();
        return out;
    };
    // The first folder of each root's name fills that root; the second "Other Bookmarks" is a folder.
    EXPECT_EQ(names(roots["bookmark_bar"]), QStringList({"top:url", "t:url", "sub:folder", "Other Bookmarks:folder"}));
    EXPECT_EQ(names(roots["other"]), QStringList({"o:url"}));
    EXPECT_EQ(names(roots["synced"]), QStringList());

    QSet<QString> ids, guids;
    int nodes = 0;
    std::vector<QJsonObject> pending;
    for (const char* root : {"bookmark_bar", "other", "synced"})
        pending.push_back(roots[root].toObject());
    const QRegularExpression guid("^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[89ab][0-9a-f]{3}-[0-9a-f]{12}$");
    while (!pending.empty()) {
        const QJsonObject node = pending.back();
        pending.pop_back();
        ++nodes;
        ids << node["id"].toString();
        guids << node["guid"].toString();
        EXPECT_TRUE(guid.match(node["guid"].toString()).hasMatch()) << node["guid"].toString().toStdString();
        EXPECT_FALSE(node["date_added"].toString().isEmpty());
        for (const QJsonValue child : node["children"].toArray())
            pending.push_back(child.toObject());
    }
    EXPECT_EQ(nodes, 8);
    EXPECT_EQ(ids.size(), nodes);
    EXPECT_EQ(guids.size(), nodes);
}

TEST(BrowserFormats, DamagedFilesGiveAClearErrorNamingTheFile)
{
    const std::string deepHtml = [] {
        std::string html = "<DL>";
        for (int i = 0; i < kMaxNestingDepth + 10; ++i)
            html += "<DT><H3>f</H3><DL>";
        return html;
    }();
    const std::string deepXbel = [] {
        std::string xml = "<xbel>";
        for (int i = 0; i < kMaxNestingDepth + 10; ++i)
            xml += "<folder>";
        return xml;
    }();
    const std::string deepJson = [] {
        std::string json = R"({"root":"placesRoot","children":[)";
        for (int i = 0; i < kMaxNestingDepth + 10; ++i)
            json += R"({"type":"text/x-moz-place-container","children":[)";
        for (int i = 0; i < kMaxNestingDepth + 10; ++i)
            json += "]}";
        return json + "]}";
    }();
    const std::string huge(kMaxBookmarkFieldBytes + 1, 'a');
    const QByteArray jsonText = readFile(kFixtures + "places.json");
    const QByteArray gibClaim = MozLz4WithSize(jsonText, 1u << 30);
    struct Case {
        BookmarkFormat format;
        std::string bytes;
        std::string error;
    };
    const Case cases[] = {
        {BookmarkFormat::Netscape, "Dear diary, <b>no</b> bookmarks here", "The file is not a bookmark file of this kind"},
        {BookmarkFormat::Netscape, deepHtml, "Folders are nested too deeply to be imported"},
        {BookmarkFormat::Netscape, "<DL><DT><A HREF=\"http://" + huge + "\">x</A>", "A bookmark in the file is too large to be imported"},
        {BookmarkFormat::Firefox, gibClaim.toStdString(), "The compressed bookmark backup is damaged"},
        {BookmarkFormat::Firefox, std::string("mozLz40\0\x10\0\0\0garbage", 19), "The compressed bookmark backup is damaged"},
        {BookmarkFormat::Firefox, jsonText.left(jsonText.size() / 2).toStdString(), "The bookmark file is damaged"},
        {BookmarkFormat::Firefox, readFile(kFixtures + "chromium-Bookmarks").toStdString(), "The file is not a Firefox bookmark backup"},
        {BookmarkFormat::Firefox, deepJson, "Folders are nested too deeply to be imported"},
        {BookmarkFormat::Chromium, "[]", "The file is not a Chromium bookmark file"},
        {BookmarkFormat::Chromium, R"({"roots":{"other":{"children":[1,]}}})", "The bookmark file is damaged"},
        {BookmarkFormat::Chromium, R"({"roots":{}} x)", "The bookmark file is damaged"},
        {BookmarkFormat::Chromium, R"({"roots" {}})", "The bookmark file is damaged"},
        {BookmarkFormat::Chromium, R"({"roots":{"a":"\u12G4"}})", "The bookmark file is damaged"},
        {BookmarkFormat::Chromium, "{\"roots\":{\"a\":\"\x01\"}}", "The bookmark file is damaged"},
        {BookmarkFormat::Chromium, R"({"roots":{"a":[-, 1., tru]}})", "The bookmark file is damaged"},
        {BookmarkFormat::Chromium, R"({"roots":{"a":"open)", "The bookmark file is damaged"},
        {BookmarkFormat::Chromium, jsonText.toStdString(), "The file is not a Chromium bookmark file"},
        {BookmarkFormat::Chromium, R"({"roots":{"other":{"children":[{"type":"url","name":")" + huge + R"("}]}}})",
         "A bookmark in the file is too large to be imported"},
        {BookmarkFormat::Xbel, "<html><body/></html>", "The file is not an XBEL bookmark file"},
        {BookmarkFormat::Xbel, "<xbel><folder><title>cut", "The bookmark file is damaged"},
        {BookmarkFormat::Xbel, "", "The bookmark file is damaged"},
        {BookmarkFormat::Xbel, deepXbel, "Folders are nested too deeply to be imported"},
        {BookmarkFormat::Xbel,
         "<?xml version=\"1.0\"?><!DOCTYPE xbel [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">]>"
         "<xbel><bookmark href=\"http://x/\"><title>&b;</title></bookmark></xbel>",
         "The file declares entities of its own, which are not read"},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("damaged");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(BookmarkFormatName(c.format)) + ": " + c.bytes.substr(0, 60));
        writeFile(path, QByteArray::fromStdString(c.bytes));
        TfcTreeNodes tree;
        TreeCounts counts;
        try {
            ImportBookmarkFile(c.format, tree, counts, path);
            ADD_FAILURE() << "no error";
        } catch (const ImportError& e) {
            EXPECT_EQ(e.what(), c.error);
            EXPECT_EQ(e.detail(), QDir::toNativeSeparators(path).toStdString());
        }
        EXPECT_EQ(counts, CountNodes(tree));
    }
}

TEST(BrowserFormats, JsonStringsAreDecodedAsJsonWritesThem)
{
    const std::string file = R"({"roots":{"other":{"children":[
        {"type":"url","name":"\u00e9\ud83d\ude00 \"q\" \\ \/ \t","url":"http://a/"},
        {"type":"url","name":"lone \ud800 surrogate","url":"http://b/","date_last_used":"not a number"},
        {"type":"folder","name":"no children"},
        {"type":"folder","name":"odd children","children":"none"},
        {"type":"unknown","name":"x"}, 7, "text"]}}})";
    const Imported imported = importBytes(BookmarkFormat::Chromium, file);
    EXPECT_EQ(imported.outline, "F Other Bookmarks\n"
                                "  L \xC3\xA9\xF0\x9F\x98\x80 \"q\" \\ / \t http://a/\n"
                                "  L lone \xEF\xBF\xBD surrogate http://b/\n"
                                "  F no children\n  F odd children\n");
    EXPECT_EQ(imported.summary, summaryOf(3, 2, 0, {0, 0, 1}));
}

// A file in UTF-8, with or without its mark, or in the encoding its declaration names.
TEST(BrowserFormats, XbelIsReadInTheEncodingItDeclares)
{
    const std::string body = "<xbel><bookmark href=\"a\"><title>\xC3\xA9t\xC3\xA9</title></bookmark></xbel>";
    const std::string latin1 = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><xbel><bookmark href=\"a\"><title>\xE9t\xE9</title></bookmark></xbel>";
    for (const std::string& file : {body, "<?xml version='1.0' encoding='utf-8'?>" + body, "\xEF\xBB\xBF" + body, latin1}) {
        SCOPED_TRACE(file);
        EXPECT_EQ(importBytes(BookmarkFormat::Xbel, file).outline, "L \xC3\xA9t\xC3\xA9 a\n");
    }
}

// A number no whole number holds names no type and no time: the entry is passed over as an
// unknown one, the time left empty.
TEST(BrowserFormats, FirefoxNumbersBeyondAnyIntegerAreNoTypeAndNoTime)
{
    const std::string file = R"({"type":"text/x-moz-place-container","root":"placesRoot","children":[
        {"type":"text/x-moz-place-container","root":"unfiledBookmarksFolder","title":"unfiled","children":[
            {"typeCode":1e300,"title":"huge type","uri":"http://a/"},
            {"typeCode":-1e300,"title":"negative type","uri":"http://b/"},
            {"type":"text/x-moz-place","title":"huge time","uri":"http://c/","lastModified":1e300},
            {"type":"text/x-moz-place","title":"negative time","uri":"http://d/","lastModified":-1e300}]}]})";
    TfcTreeNodes tree;
    const Imported imported = importBytes(BookmarkFormat::Firefox, file, tree);
    EXPECT_EQ(imported.outline, "F Other Bookmarks\n  L huge time http://c/\n  L negative time http://d/\n");
    for (const TfcTreeNode* n = tree.GetFirstNode(); n; n = n->GetNext())
        EXPECT_EQ(n->Visited, "") << n->Name();
}

TEST(BrowserFormats, LooseHtmlIsReadAsBrowsersMeantIt)
{
    struct Case {
        std::string html;
        std::string outline;
    };
    const Case cases[] = {
        // No doctype, tags in lower case, a folder whose list never closes, a "&" that is no entity.
        {"<dl><dt><h3>A &amp B &#x263A; &#0; &bogus;</h3><dl><dt><a href=x>y</a>",
         "F A &amp B \xE2\x98\xBA &#0; &bogus;\n  L y x\n"},
        // A folder without a list of its own is empty; a stray "</DL>" closes nothing.
        {"<!DOCTYPE NETSCAPE-Bookmark-file-1></DL><DT><H3>lonely</H3><DT><A HREF=\"u\">after</A></DL></DL>",
         "F lonely\nL after u\n"},
        // A link cut short by the end of the file, a "<" that starts no tag, a comment left open.
        {"<DL><DT><A HREF=\"http://cut", "L  http://cut\n"},
        {"<DL><DT><A HREF=a>1 < 2</A><!-- <DT><A HREF=b>hidden</A>", "L 1 < 2 a\n"},
        // Separators outside any list and descriptions with nothing to describe are passed over.
        {"<HR><DD>nothing<DL><DT><A HREF=a>x</A><DD>one<BR>two</DL>", "L x a | one/two/\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.html);
        EXPECT_EQ(importBytes(BookmarkFormat::Netscape, c.html).outline, c.outline);
    }
}

TEST(BrowserFormats, ExportSaysWhatItLeavesOutAndNeverWritesALockedFolder)
{
    TfcTreeNodes tree;
    Build(tree, {Link("full", "http://full/"), Separator(), Protected("Locked", {Link("secret", "http://secret/")}),
                 Folder("Open", {Link("two", "http://two/"), Protected("Inner", {Link("hidden", "http://hidden/")})})});
    TfcTreeNode* full = tree.NodeAt(0);
    full->Password = "pw";
    full->Login = "me";
    full->Link2 = "http://mirror/";
    SetLinkRating(*full, 3);
    tree.NodeAt(5)->Login = "you";

    const auto losses = [&](BookmarkFormat format, const ExportScope& scope) {
        std::string out;
        for (const SummaryLine& line : LossLines(ExportLossesFor(format, tree, scope)))
            out += std::string(line.text) + std::to_string(line.count) + " ";
        return out;
    };
    EXPECT_EQ(losses(BookmarkFormat::Netscape, {}), "Passwords:1 Logins:2 Ratings:1 Second addresses:1 Locked folders:2 ");
    EXPECT_EQ(losses(BookmarkFormat::Chromium, {}),
              "Passwords:1 Logins:2 Ratings:1 Second addresses:1 Separators:1 Locked folders:2 ");
    tree.Select(tree.NodeAt(4)); // "Open"
    EXPECT_EQ(losses(BookmarkFormat::Xbel, {false, true}), "Logins:1 Locked folders:1 ");
    EXPECT_EQ(losses(BookmarkFormat::Xbel, {false, false}), "Logins:1 "); // no folder is written at all
    tree.Select(tree.NodeAt(2)); // "Locked", not opened
    EXPECT_EQ(losses(BookmarkFormat::Xbel, {false, true}), "Locked folders:1 ");

    for (const BookmarkFormat format : {BookmarkFormat::Netscape, BookmarkFormat::Chromium, BookmarkFormat::Xbel}) {
        SCOPED_TRACE(BookmarkFormatName(format));
        EXPECT_FALSE(BuildBookmarkExport(format, tree, {false, true}).has_value());
        const std::string whole = *BuildBookmarkExport(format, tree, {});
        for (const char* hidden : {"secret", "hidden", "Locked", "Inner", "pw", "mirror"})
            EXPECT_EQ(whole.find(hidden), std::string::npos) << hidden;
        EXPECT_NE(whole.find("http://two/"), std::string::npos);
    }
}

// The table of the zone's offsets gives what the system's local time gives; ctest runs this in a
// zone with summer time too.
TEST(VisitTimes, TheZonesTableAgreesWithLocalTime)
{
    for (qint64 seconds = 1672531200; seconds < 1767225600; seconds += 3607) { // 2023 to 2025
        const std::string visit = VisitFromUnixSeconds(seconds);
        ASSERT_EQ(visit, FormatVisitTime(QDateTime::fromSecsSinceEpoch(seconds))) << seconds;
        ASSERT_EQ(UnixSecondsOfVisit(visit), ParseVisitTime(visit).toSecsSinceEpoch()) << visit;
    }
    EXPECT_EQ(VisitFromUnixSeconds(0), "");
    EXPECT_EQ(VisitFromUnixSeconds(253402300800), ""); // after 9999
    EXPECT_EQ(UnixSecondsOfVisit("yesterday"), std::nullopt);
    EXPECT_EQ(UnixSecondsOfVisit(""), std::nullopt);
}

TEST(BrowserFormats, FindsTheProfilesOfAHome)
{
    QTemporaryDir dir;
    const QString home = dir.path();
    const auto file = [&](const QString& relative, const QByteArray& bytes = "{}") {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(home + "/" + relative).path()));
        writeFile(home + "/" + relative, bytes);
    };
    const QString elsewhere = home + "/elsewhere/work";
    file(".mozilla/firefox/profiles.ini",
         "[Install4F96D1932A9F858E]\r\nDefault=abc.default-release\r\n\r\n"
         "[Profile1]\r\nName=work\r\nIsRelative=0\r\nPath=" + elsewhere.toUtf8() + "\r\n\r\n"
         "[Profile0]\r\nName=default-release\r\nIsRelative=1\r\nPath=abc.default-release\r\nDefault=1\r\n\r\n"
         "[Profile2]\r\nName=unused\r\nIsRelative=1\r\nPath=never.used\r\n\r\n[General]\r\nStartWithLastProfile=1\r\n");
    file(".mozilla/firefox/abc.default-release/bookmarkbackups/bookmarks-2024-01-01_10_a.jsonlz4");
    file(".mozilla/firefox/abc.default-release/bookmarkbackups/bookmarks-2024-02-01_12_b.jsonlz4");
    file("elsewhere/work/bookmarkbackups/bookmarks-2023-05-05_1_c.jsonlz4");
    ASSERT_TRUE(QDir().mkpath(home + "/.mozilla/firefox/never.used/bookmarkbackups"));
    file("snap/firefox/common/.mozilla/firefox/profiles.ini", "[Profile0]\nName=snappy\nPath=s.default\n");
    file("snap/firefox/common/.mozilla/firefox/s.default/bookmarkbackups/bookmarks-2024-03-03_1_d.jsonlz4");
    file(".var/app/org.mozilla.firefox/.mozilla/firefox/profiles.ini", "[Profile0]\nName=flat\nPath=f.default\n");
    file(".var/app/org.mozilla.firefox/.mozilla/firefox/f.default/bookmarkbackups/bookmarks-2024-04-04_1_e.json");
    file(".config/google-chrome/Local State");
    file(".config/google-chrome/Default/Bookmarks");
    file(".config/google-chrome/Profile 1/Bookmarks");
    ASSERT_TRUE(QDir().mkpath(home + "/.config/google-chrome/System Profile"));
    file(".config/BraveSoftware/Brave-Browser/Local State");
    file(".config/BraveSoftware/Brave-Browser/Default/Bookmarks");
    file(".config/opera/Local State");
    file(".config/opera/Bookmarks");
    file(".config/notabrowser/Default/Bookmarks"); // no "Local State": not a browser's folder
    file("snap/chromium/common/chromium/Local State");
    file("snap/chromium/common/chromium/Default/Bookmarks");
    file(".var/app/org.chromium.Chromium/config/chromium/Local State");
    file(".var/app/org.chromium.Chromium/config/chromium/Default/Bookmarks");

    const auto at = [&](const char* relative) { return home + "/" + relative; };
    const std::vector<BrowserProfile> expected{
        {BookmarkFormat::Firefox, "Firefox - work", elsewhere + "/bookmarkbackups/bookmarks-2023-05-05_1_c.jsonlz4"},
        {BookmarkFormat::Firefox, "Firefox - default-release",
         at(".mozilla/firefox/abc.default-release/bookmarkbackups/bookmarks-2024-02-01_12_b.jsonlz4")},
        {BookmarkFormat::Firefox, "Firefox (snap) - snappy",
         at("snap/firefox/common/.mozilla/firefox/s.default/bookmarkbackups/bookmarks-2024-03-03_1_d.jsonlz4")},
        {BookmarkFormat::Firefox, "Firefox (flatpak) - flat",
         at(".var/app/org.mozilla.firefox/.mozilla/firefox/f.default/bookmarkbackups/bookmarks-2024-04-04_1_e.json")},
        {BookmarkFormat::Chromium, "Brave - Default", at(".config/BraveSoftware/Brave-Browser/Default/Bookmarks")},
        {BookmarkFormat::Chromium, "Google Chrome - Default", at(".config/google-chrome/Default/Bookmarks")},
        {BookmarkFormat::Chromium, "Google Chrome - Profile 1", at(".config/google-chrome/Profile 1/Bookmarks")},
        {BookmarkFormat::Chromium, "Opera", at(".config/opera/Bookmarks")},
        {BookmarkFormat::Chromium, "Chromium (snap) - Default", at("snap/chromium/common/chromium/Default/Bookmarks")},
        {BookmarkFormat::Chromium, "Chromium (flatpak) - Default",
         at(".var/app/org.chromium.Chromium/config/chromium/Default/Bookmarks")},
    };
    const std::vector<BrowserProfile> found = FindBrowserProfiles(home);
    ASSERT_EQ(found.size(), expected.size());
    for (size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].browser, expected[i].browser);
        EXPECT_EQ(found[i].path, expected[i].path);
        EXPECT_EQ(found[i].format, expected[i].format);
    }
    EXPECT_TRUE(FindBrowserProfiles(home + "/nothing here").empty());
}

} // namespace
