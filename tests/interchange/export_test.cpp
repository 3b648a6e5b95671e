#include "test_support.h"

#include "../file_size_limit.h"

#include "interchange/file_io.h"
#include "interchange/html_export.h"
#include "interchange/ie_export.h"
#include "interchange/text_export.h"

#include "model/errors.h"
#include "platform/clock.h"
#include "platform/file_access.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

#include <unistd.h>

using namespace tarnlink;
using namespace tarnlink::test;

namespace {

const char* const kSite = "https://tarnlink.example/";

class FixedDate : public ::testing::Test {
protected:
    void SetUp() override { Clock::install(&clock); }
    void TearDown() override { Clock::install(nullptr); }
    FixedClock clock{QDateTime(QDate(2026, 3, 5), QTime(23, 59))};
};

using HtmlExport = FixedDate;

TEST_F(HtmlExport, WritesTheWholePageByteForByte)
{
    TfcTreeNodes tree;
    Build(tree, {Link("one", "http://one/"),
                 Folder("Fav & co", {Link("<b>", "http://x/?a=1&b=\"2\""), Separator(" ")}),
                 Protected("vault", {Link("hidden", "h")}),
                 Folder("Last")});
    HtmlExportOptions options;
    options.beginLines = QStringList{"<html>", "<body>"};
    options.endLines = QStringList{"</body>"};
    const std::string site = kSite;
    const std::string jump = "</ul>\r\r\n<a href=\"#URLIndex\">Jump to Index</a>\r\r\n<br><hr>\r\r\n<ul>\r\r\n";
    const std::string expected =
        "<html>\r\n<body>\r\n"
        "\t<div align=\"right\">\r\t<dt>Created 05-03-2026 by <a href=\"" + site
        + "\" TARGET=\"_blank\">Tarnlink</a></dt>\r\t</div>\r\r\n"
          "<hr>\r\n"
          "<ul>\r\r\n"
          "<li><a href=\"http://one/\" TARGET=\"_blank\">one</a></li>\r\r\n"
          "<h3><a name=\"URL1\">Fav &amp; co</a></h3>\r\r\n"
          "<li><a href=\"http://x/?a=1&amp;b=&quot;2&quot;\" TARGET=\"_blank\">&lt;b&gt;</a></li>\r\r\n"
          "<li><a href=\"\" TARGET=\"_blank\"> </a></li>\r\r\n"
        + jump + "<h3><a name=\"URL2\">Last</a></h3>\r\r\n" + jump
        + "<a name=\"URLIndex\"><h2>Index</h2></a>\r\r\n"
          "<li><a href=\"#URL1\">Fav &amp; co</a></li>\r\r\n"
          "<li><a href=\"#URL2\">Last</a></li>\r\r\n"
          "</ul>\r\r\n<br><hr>\r\r\n<div align=\"center\">\r<dt>Thank you for using Tarnlink</dt>\r\r\n"
          "<dt><a href=\"" + site + "\" TARGET=\"_blank\">Quorvex</a></dt>\r</div>\r\r\n"
          "</body>\r\n";
    EXPECT_EQ(BuildHtmlExport(tree, {}, options), expected);

    options.showDate = false;
    options.openInNewWindow = false;
    const std::string plain = *BuildHtmlExport(tree, {}, options);
    EXPECT_TRUE(plain.starts_with("<html>\r\n<body>\r\n<hr>\r\n<ul>\r\r\n<li><a href=\"http://one/\">one</a></li>\r\r\n")) << plain;
}

// Headers and items of a page in order: "H1:name" and "I:name".
std::string sequence(const std::optional<std::string>& html)
{
    if (!html)
        return "no file";
    std::string out;
    const std::string_view text = *html;
    for (size_t pos = 0; (pos = text.find('<', pos)) != std::string_view::npos; ++pos) {
        const std::string_view rest = text.substr(pos);
        if (rest.starts_with("<h3><a name=\"URL")) {
            const size_t quote = rest.find('"', 16), close = rest.find('<', quote);
            out += "H" + std::string(rest.substr(16, quote - 16)) + ":" + std::string(rest.substr(quote + 2, close - quote - 2)) + " ";
        } else if (rest.starts_with("<li><a href=\"") && !rest.starts_with("<li><a href=\"#")) {
            const size_t open = rest.find('>', 12), close = rest.find('<', open);
            out += "I:" + std::string(rest.substr(open + 1, close - open - 1)) + " ";
        }
    }
    return out;
}

TEST_F(HtmlExport, ScopesAndProtectedFolders)
{
    struct Case {
        const char* what;
        int selected;
        ExportScope scope;
        std::string sequence;
        bool expandVault = false;
    };
    // 0 t1, 1 A, 2 a1, 3 B, 4 b1, 5 a2, 6 D, 7 d1, 8 vault, 9 p, 10 after
    const Case cases[] = {
        {"whole document", -1, {}, "I:t1 H1:A I:a1 H2:B I:b1 I:a2 H3:D I:d1 I:after "},
        {"a folder", 1, {false, true}, "H1:A I:a1 H2:B I:b1 I:a2 H3:D I:d1 "},
        {"the folder of a link", 2, {false, true}, "H1:A I:a1 H2:B I:b1 I:a2 H3:D I:d1 "},
        {"without subfolders", 1, {false, false}, "H1:A I:a1 I:a2 "},
        {"last child of its parent", 6, {false, true}, "H1:D I:d1 "},
        {"nothing selected", -1, {false, true}, ""},
        {"a top-level link", 0, {false, true}, "no file"},
        {"a locked folder", 8, {false, true}, "no file"},
        {"an opened protected folder", 8, {false, true}, "H1:vault I:p ", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TfcTreeNodes tree;
        Build(tree, {Link("t1", "1"),
                     Folder("A", {Link("a1", "1"), Folder("B", {Link("b1", "1")}), Link("a2", "2"), Folder("D", {Link("d1", "1")})}),
                     Protected("vault", {Link("p", "p")}), Link("after", "1")});
        if (c.expandVault)
            ASSERT_TRUE(tree.Expand(tree.NodeAt(8), false));
        tree.Select(c.selected >= 0 ? tree.NodeAt(c.selected) : nullptr);
        EXPECT_EQ(sequence(BuildHtmlExport(tree, c.scope, {})), c.sequence);
    }
    TfcTreeNodes empty;
    EXPECT_EQ(BuildHtmlExport(empty, {}, {}), std::nullopt);
}

TEST_F(HtmlExport, FailedWritesAreReported)
{
    TfcTreeNodes tree;
    Build(tree, {Link("a", "a"), Link("b", "b")});
    const std::string html = *BuildHtmlExport(tree, {}, {});
    FailingDevice device(100);
    try {
        WriteAll(device, "/x/page.htm", html);
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.detail(), "/x/page.htm: device full");
    }
    FailingDevice roomy(qint64(html.size()));
    EXPECT_NO_THROW(WriteAll(roomy, "/x/page.htm", html));
    EXPECT_EQ(roomy.written.toStdString(), html);

    QTemporaryDir dir;
    try {
        ExportToHtml(tree, {}, {}, dir.filePath("missing/page.htm"));
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.detail().rfind(dir.filePath("missing/page.htm").toStdString() + ": ", 0), 0u) << e.detail();
    }
    EXPECT_TRUE(ExportToHtml(tree, {}, {}, dir.filePath("page.htm")));
    EXPECT_EQ(QFileInfo(dir.filePath("page.htm")).size(), qint64(html.size()));
}

class TextExport : public ::testing::Test {
protected:
    void SetUp() override
    {
        Build(tree, {Folder("Top", {Link("Site", "http://s/"), Folder("Deep", {Separator(" ")}), Separator()}),
                     Protected("vault", {Link("secret", "s")}), Link("K\xC3\xB6ln", "p")});
        TfcTreeNode& site = *tree.NodeAt(1);
        site.Description = "d";
        site.Login = "me";
        site.Password = "pw";
        site.Clicks = 3;
        site.Visited = "05.03.2026 10:00:00";
    }
    TfcTreeNodes tree;
};

TEST_F(TextExport, WritesTitlesAndBlocks)
{
    EXPECT_EQ(BuildTextExport(tree, {}, {}),
              "\r\nTOP\r\n\r\n\r\n"
              "Name:\tSite\r\nLink:\t\thttp://s/\r\nDescription:\td\r\nLogin:\tme\r\nPassword:\tpw\r\nClicks:\t3\r\n"
              "Visit:\t05.03.2026 10:00:00\r\n\r\n"
              "DEEP\r\n\r\n"
              "Name:\t \r\n\r\n"
              "\r\n"
              "Name:\tK\xC3\xB6ln\r\nLink:\t\tp\r\n\r\n");
}

TEST_F(TextExport, FieldsCaptionsAndDosPage)
{
    TextExportOptions options;
    options.fields.fill(false);
    options.fields[TextExportOptions::Link] = true;
    options.fields[TextExportOptions::Clicks] = true;
    options.captions[TextExportOptions::Link] = QString::fromUtf8("Adresse");
    EXPECT_EQ(BuildTextExport(tree, {}, options),
              "Adresse:\t\thttp://s/\r\nClicks:\t3\r\n\r\n\r\n\r\nAdresse:\t\tp\r\n\r\n");

    TextExportOptions dos;
    dos.dosPage = true;
    dos.captions[TextExportOptions::Name] = QString::fromUtf8("Nämn");
    const std::string text = *BuildTextExport(tree, {}, dos);
    EXPECT_NE(text.find("N\x84mn:\tK\x94ln\r\n"), std::string::npos);
}

TEST_F(TextExport, Scopes)
{
    ExportScope selectFolder{false, true};
    tree.Select(tree.NodeAt(2)); // Deep, below the top level
    EXPECT_EQ(BuildTextExport(tree, selectFolder, {}), "DEEP\r\n\r\nName:\t \r\n\r\n");
    tree.Select(tree.NodeAt(7)); // a top-level link
    EXPECT_EQ(BuildTextExport(tree, selectFolder, {}), std::nullopt);
    tree.Select(nullptr);
    EXPECT_EQ(BuildTextExport(tree, selectFolder, {}), "");

    // Without subfolders only the folder's own links and separators, also when a damaged file
    // puts nodes under one of those links.
    tree.AddChild(tree.NodeAt(1), "held");
    tree.Select(tree.NodeAt(0));
    TextExportOptions names;
    names.fields.fill(false);
    names.fields[TextExportOptions::Name] = true;
    EXPECT_EQ(BuildTextExport(tree, {false, false}, names), "\r\nTOP\r\n\r\n\r\nName:\tSite\r\n\r\n\r\n");
}

class IeExport : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(base.isValid());
        ASSERT_TRUE(QDir(base.path()).mkdir("fav"));
        folder = base.filePath("fav");
        Build(tree, {Link("top", "http://t/"),
                     Folder("Folder", {Link("inner", "http://first/"), Link("inner", "http://second/"), Link("no address"),
                                       Separator("s"), Link(".", "x"), Link("..", "x"), Link("a/b", "x"),
                                       Folder("..", {Link("escape", "e")}), Folder("x/y", {Link("z", "z")}),
                                       Folder("Sub", {Link("leaf", "l")})}),
                     Protected("vault", {Link("secret", "s")}), Link("back\\slash", "b")});
    }

    // Every path below the base folder, relative to it.
    std::vector<std::string> files() const
    {
        std::vector<std::string> out;
        QDirIterator it(base.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            out.push_back(QDir(base.path()).relativeFilePath(it.next()).toStdString());
        std::sort(out.begin(), out.end());
        return out;
    }

    static std::string contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(none)";
    }

    QTemporaryDir base;
    QString folder;
    TfcTreeNodes tree;
};

TEST_F(IeExport, WritesShortcutsOnlyInsideTheFolder)
{
    EXPECT_EQ(ExportToIE(tree, {}, folder).written, 4);
    const std::vector<std::string> expected{"fav", "fav/Folder", "fav/Folder/Sub", "fav/Folder/Sub/leaf.url",
                                            "fav/Folder/inner.url", "fav/back\\slash.url", "fav/top.url"};
    EXPECT_EQ(files(), expected);
    EXPECT_EQ(contents(folder + "/top.url"), std::string("; Created with Tarnlink - ") + kSite
                                                 + "\r\n[InternetShortcut]\r\nURL=http://t/\r\n");
    EXPECT_EQ(contents(folder + "/Folder/inner.url"), ShortcutFileText("http://first/"));

    // Again, with a changed address: existing files stay as they are.
    tree.GetFirstNode()->Link1 = "http://changed/";
    EXPECT_EQ(ExportToIE(tree, {}, folder + "/").written, 0);
    EXPECT_EQ(files(), expected);
    EXPECT_EQ(contents(folder + "/top.url"), ShortcutFileText("http://t/"));
}

TEST_F(IeExport, NeverWritesThroughLinks)
{
    const QString outside = base.filePath("outside.txt");
    ASSERT_TRUE(QFile::link(outside, folder + "/top.url"));     // dangling
    ASSERT_TRUE(QDir(base.path()).mkdir("elsewhere"));
    ASSERT_TRUE(QFile::link(base.filePath("elsewhere"), folder + "/Folder"));
    ExportToIE(tree, {}, folder);
    EXPECT_FALSE(QFile::exists(outside));
    EXPECT_TRUE(QDir(base.filePath("elsewhere")).isEmpty());
    EXPECT_EQ(contents(folder + "/back\\slash.url"), ShortcutFileText("b"));
}

TEST_F(IeExport, NodesHeldByALinkGiveNothing)
{
    // Only a damaged or foreign file puts nodes under a link; no directory stands for a link.
    TfcTreeNode* top = tree.GetFirstNode();
    tree.AddChild(top, "held")->Link1 = "http://held/";
    TfcTreeNode* box = tree.AddChild(top, "box");
    box->Kind = KindFolder;
    tree.AddChild(box, "deep")->Link1 = "http://deep/";
    EXPECT_EQ(ExportToIE(tree, {}, folder).written, 4);
    const std::vector<std::string> expected{"fav", "fav/Folder", "fav/Folder/Sub", "fav/Folder/Sub/leaf.url",
                                            "fav/Folder/inner.url", "fav/back\\slash.url", "fav/top.url"};
    EXPECT_EQ(files(), expected);
}

TEST_F(IeExport, SelectFolderBuildsTheAncestorsPath)
{
    tree.Select(tree.NodeAt(14)); // leaf, in Folder/Sub
    EXPECT_EQ(ExportToIE(tree, {false, true}, folder).written, 1);
    const std::vector<std::string> expected{"fav", "fav/Folder", "fav/Folder/Sub", "fav/Folder/Sub/leaf.url"};
    EXPECT_EQ(files(), expected);

    tree.Select(tree.NodeAt(15)); // the locked folder
    EXPECT_EQ(ExportToIE(tree, {false, true}, folder).written, 0);
    tree.Select(tree.NodeAt(1));
    EXPECT_EQ(ExportToIE(tree, {false, false}, folder).written, 1); // inner; Sub is passed over
}

TEST_F(IeExport, CountsWhatCouldNotBeWritten)
{
    // What exists already, and names that may give no file, are no failures.
    EXPECT_EQ(ExportToIE(tree, {}, folder).failed, 0);
    EXPECT_EQ(ExportToIE(tree, {}, folder).failed, 0);
    ASSERT_TRUE(QDir(folder).removeRecursively() && QDir(base.path()).mkdir("fav"));

    // A file where Folder's directory belongs: its shortcuts, and Sub's, have nowhere to go.
    QFile blocking(folder + "/Folder");
    ASSERT_TRUE(blocking.open(QIODevice::WriteOnly));
    blocking.close();
    const IeExportResult blocked = ExportToIE(tree, {}, folder);
    EXPECT_EQ(std::tuple(blocked.written, blocked.failed), std::tuple(2, 3)); // inner twice, leaf
    EXPECT_EQ(blocked.firstFailure, folder + "/Folder: File exists");
    ASSERT_TRUE(QDir(folder).removeRecursively() && QDir(base.path()).mkdir("fav"));

    // A disk that fills up: each shortcut is cut short, and none is left behind half written.
    const IeExportResult full = [&] {
        const FileSizeLimit limit(10);
        return ExportToIE(tree, {}, folder);
    }();
    EXPECT_EQ(std::tuple(full.written, full.failed), std::tuple(0, 5)); // inner twice: the first left no file
    EXPECT_EQ(full.firstFailure, folder + "/top.url: File too large");
    const std::vector<std::string> folders{"fav", "fav/Folder", "fav/Folder/Sub"};
    EXPECT_EQ(files(), folders);

    if (geteuid() != 0) { // the super-user writes anywhere
        ASSERT_TRUE(QDir(folder).removeRecursively() && QDir(base.path()).mkdir("fav"));
        ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        const IeExportResult readOnly = ExportToIE(tree, {}, folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(std::tuple(readOnly.written, readOnly.failed), std::tuple(0, 5));
        EXPECT_EQ(readOnly.firstFailure, folder + "/top.url: Permission denied");
    }
}

} // namespace
