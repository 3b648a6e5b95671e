#include "test_support.h"

#include "commands.h"
#include "tool_support.h"

#include "document/collection_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <new>

using namespace tarnlink;
using namespace tarnlink::test;

namespace {

class Tool : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString path(const char* name) const { return dir.filePath(name); }

    static int run(int (*command)(const QStringList&), const QStringList& args)
    {
        return tool::guarded([&] { return command(args); });
    }

    void write(const char* name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray read(const char* name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }

    std::string outline(const char* name) const
    {
        TfcTreeNodes tree;
        const CollectionHeader header = ReadCollection(path(name), tree);
        const TreeCounts counts = CountNodes(tree);
        EXPECT_EQ(std::tuple(int(header.folderCount), int(header.linkCount)), std::tuple(counts.FolderCount, counts.LinkCount));
        return Outline(tree);
    }

    void writeCollection(const char* name, const std::vector<NodeShape>& shapes) const
    {
        TfcTreeNodes tree;
        Build(tree, shapes);
        WriteCollection(path(name), tree, CountNodes(tree));
    }

    QTemporaryDir dir;
};

TEST_F(Tool, ImportsIntoANewCollectionAndBelowAnIndex)
{
    write("links.txt", "[Work]\nWiki\tHTTP://WIKI.example/Page\n");
    write("hot.adr", "#URL\n\tNAME=news\n\tURL=http://n/\n\t\n\t\n\t\n\tDESCRIPTION=\n");
    ASSERT_TRUE(QDir(dir.path()).mkpath("fav/Sub"));
    write("fav/Sub/a.url", "[InternetShortcut]\nURL=http://a/\n");
    EXPECT_EQ(run(tool::runImport, {"text", path("links.txt"), path("c.tlk")}), 0);
    EXPECT_EQ(run(tool::runImport, {"opera", path("hot.adr"), path("c.tlk"), "--into", "0"}), 0);
    EXPECT_EQ(run(tool::runImport, {"ie", path("fav"), path("c.tlk"), "--into", "1"}), 0); // a link: top level
    writeCollection("other.tlk", {Folder("copied", {Link("x", "y")})});
    EXPECT_EQ(run(tool::runImport, {"tlk", path("other.tlk"), path("c.tlk")}), 0);
    EXPECT_EQ(outline("c.tlk"), "F Work\n  L Wiki http://wiki.example/Page\n  L NEWS http://n/\n"
                                "F Sub\n  L A http://a/\nF copied\n  L x y\n");
}

TEST_F(Tool, FailedImportLeavesTheCollectionAlone)
{
    writeCollection("c.tlk", {Link("kept", "k")});
    const QByteArray before = read("c.tlk");
    write("cut.adr", "#URL\n\tNAME=x\n");
    const QStringList failing[] = {
        {"opera", path("cut.adr"), path("c.tlk")},
        {"opera", path("missing.adr"), path("c.tlk")},
        {"ie", path("missing"), path("c.tlk")},
        {"text", path("cut.adr"), path("c.tlk"), "--into", "5"},
        {"text", path("cut.adr"), path("c.tlk"), "--into"},
        {"html", path("cut.adr"), path("c.tlk")},
        {"text", path("cut.adr")},
        {"text", path("cut.adr"), path("c.tlk"), "--bogus"},
    };
    for (const QStringList& args : failing) {
        EXPECT_EQ(run(tool::runImport, args), 1) << args.join(' ').toStdString();
        EXPECT_EQ(read("c.tlk"), before);
    }
}

TEST_F(Tool, ExportsEveryFormat)
{
    writeCollection("c.tlk", {Link("top", "http://t/"), Folder("box", {Link("in", "http://i/"), Folder("sub", {Link("deep", "d")})}),
                              Protected("vault", {Link("secret", "s")})});
    write("begin.html", "<html>\n<body>\n");
    EXPECT_EQ(run(tool::runExport, {"html", path("c.tlk"), path("all.htm"), "--no-date", "--no-new-window", "--begin", path("begin.html")}), 0);
    EXPECT_TRUE(read("all.htm").startsWith("<html>\r\n<body>\r\n<hr>\r\n<ul>\r\r\n<li><a href=\"http://t/\">top</a>"));
    EXPECT_EQ(run(tool::runExport, {"text", path("c.tlk"), path("box.txt"), "--folder", "1", "--no-subfolders", "--fields", "Name,Link"}), 0);
    EXPECT_EQ(read("box.txt"), "\r\nBOX\r\n\r\n\r\nName:\tin\r\nLink:\t\thttp://i/\r\n\r\n");
    ASSERT_TRUE(QDir(dir.path()).mkdir("fav"));
    EXPECT_EQ(run(tool::runExport, {"ie", path("c.tlk"), path("fav")}), 0);
    EXPECT_TRUE(QFile::exists(path("fav/box/sub/deep.url")));
    EXPECT_FALSE(QFile::exists(path("fav/vault")));

    // The hotlist reads back into the same structure; the protected folder comes back empty.
    EXPECT_EQ(run(tool::runExport, {"opera", path("c.tlk"), path("c.adr")}), 0);
    EXPECT_EQ(run(tool::runImport, {"opera", path("c.adr"), path("back.tlk")}), 0);
    EXPECT_EQ(outline("back.tlk"), "L TOP http://t/\nF Box\n  L IN http://i/\n  F Sub\n    L DEEP d\nF Vault\n");
}

TEST_F(Tool, ExportRefusals)
{
    writeCollection("c.tlk", {Link("top", "t"), Protected("vault", {Link("secret", "s")})});
    writeCollection("one.tlk", {Link("alone", "a")});
    const QStringList failing[] = {
        {"html", path("c.tlk"), path("v.htm"), "--folder", "1"}, // locked: nothing to write
        {"text", path("c.tlk"), path("v.txt"), "--folder", "0"}, // a top-level link: no folder
        {"html", path("one.tlk"), path("one.htm")},               // fewer than two nodes
        {"ie", path("c.tlk"), path("no-such-dir")},
        {"text", path("c.tlk"), path("f.txt"), "--fields", "Name,Colour"},
        {"pdf", path("c.tlk"), path("x.pdf")},
        {"html", path("missing.tlk"), path("x.htm")},
        {"html", path("c.tlk"), path("no/dir/x.htm")},
    };
    for (const QStringList& args : failing)
        EXPECT_EQ(run(tool::runExport, args), 1) << args.join(' ').toStdString();
    EXPECT_FALSE(QFile::exists(path("v.htm")));
    EXPECT_FALSE(QFile::exists(path("v.txt")));
}

TEST_F(Tool, RefusesFilesThatAreNotCollections)
{
    writeCollection("c.tlk", {Link("kept", "k")});
    write("passwd.tlk", QByteArray("root:x:0:0:root:/root:/bin/bash\n").repeated(20));
    write("links.txt", "a\tb\n");
    const QByteArray before = read("c.tlk"), foreign = read("passwd.tlk");
    testing::internal::CaptureStderr();
    EXPECT_EQ(run(tool::runImport, {"tlk", path("passwd.tlk"), path("c.tlk")}), 1);
    EXPECT_EQ(run(tool::runImport, {"text", path("links.txt"), path("passwd.tlk")}), 1);
    EXPECT_EQ(run(tool::runExport, {"text", path("passwd.tlk"), path("out.txt")}), 1);
    const std::string line = "tarnlink-tool: The file is not a Tarnlink list: " + path("passwd.tlk").toStdString() + "\n";
    EXPECT_EQ(testing::internal::GetCapturedStderr(), line + line + line);
    EXPECT_EQ(read("c.tlk"), before);
    EXPECT_EQ(read("passwd.tlk"), foreign);
    EXPECT_FALSE(QFile::exists(path("out.txt")));
}

TEST_F(Tool, ExportIeSaysHowManyShortcutsCouldNotBeWritten)
{
    writeCollection("c.tlk", {Link("top", "http://t/"), Folder("box", {Link("a", "http://a/"), Link("b", "http://b/")})});
    ASSERT_TRUE(QDir(dir.path()).mkdir("fav"));
    write("fav/box", ""); // a file where the folder's directory belongs
    testing::internal::CaptureStderr();
    EXPECT_EQ(run(tool::runExport, {"ie", path("c.tlk"), path("fav")}), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "tarnlink-tool: 2 shortcuts could not be written below " + path("fav").toStdString() + " ("
                  + path("fav/box").toStdString() + ": File exists)\n");
    EXPECT_TRUE(QFile::exists(path("fav/top.url")));
}

TEST_F(Tool, ErrorsNameTheFileAndTheCause)
{
    writeCollection("c.tlk", {Link("a", std::string(100, 'x'))});
    QByteArray cut = read("c.tlk");
    cut.chop(1);
    write("cut.tlk", cut);
    const struct {
        std::function<int()> command;
        std::string line;
    } cases[] = {
        {[&] { return run(tool::runImport, {"tlk", path("cut.tlk"), path("c.tlk")}); },
         "Stream read error: " + path("cut.tlk").toStdString()},
        {[&] { return run(tool::runImport, {"opera", path("none.adr"), path("c.tlk")}); },
         "Cannot open file: " + path("none.adr").toStdString() + ": No such file or directory"},
        {[&] { return run(tool::runExport, {"text", path("cut.tlk"), path("out.txt")}); },
         "Stream read error: " + path("cut.tlk").toStdString()},
        {[] { return tool::guarded([]() -> int { throw std::bad_alloc(); }); }, "Out of memory"},
    };
    for (const auto& c : cases) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(c.command(), 1);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "tarnlink-tool: " + c.line + "\n");
    }
}

} // namespace
