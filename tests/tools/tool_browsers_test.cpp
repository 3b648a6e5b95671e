// The tool on the bookmark files of today's browsers: import with its summary, export with what
// it leaves out, errors, and the profiles it finds.

#include "tool_run.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tarnlink;

namespace {

const QString kFixtures = QStringLiteral(TARNLINK_FIXTURES "/interchange/");

TEST(ToolBrowsers, ImportPrintsTheSummaryAndExportWhatItLeavesOut)
{
    QTemporaryDir dir;
    const QString collection = dir.filePath("c.tlk");
    const ToolRun imported = tool({"import", "netscape", kFixtures + "bookmarks.html", collection});
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
    EXPECT_EQ(imported.out, "Folders read: 5\nLinks read: 3\nSeparators read: 1\nSaved searches passed over: 1\n"
                            "Browser-internal and script addresses passed over: 1\n");
    const ToolRun into = tool({"import", "xbel", kFixtures + "bookmarks.xbel", collection, "--into", "1"});
    ASSERT_EQ(into.status, 0) << into.err.toStdString();

    const QString target = dir.filePath("Bookmarks");
    const ToolRun exported = tool({"export", "chromium", collection, target, "--folder", "1"});
    ASSERT_EQ(exported.status, 0) << exported.err.toStdString();
    EXPECT_EQ(exported.err, "Separators: 1\n"); // the one the XBEL file brought
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QJsonDocument::fromJson(file.readAll()).isObject());
    for (const char* format : {"netscape", "xbel"}) {
        const ToolRun written = tool({"export", format, collection, dir.filePath(format)});
        EXPECT_EQ(written.status, 0) << written.err.toStdString();
        EXPECT_EQ(written.err, "") << format;
    }
}

TEST(ToolBrowsers, ErrorsAreOneLineAndWriteNothing)
{
    QTemporaryDir dir;
    const QString collection = dir.filePath("c.tlk");
    QFile damaged(dir.filePath("damaged.xbel"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("<xbel><folder>");
    damaged.close();
    struct Case {
        QStringList args;
        QByteArray error;
    };
    const Case cases[] = {
        {{"import", "xbel", damaged.fileName(), collection},
         "tarnlink-tool: The bookmark file is damaged: " + damaged.fileName().toUtf8() + "\n"},
        {{"import", "firefox", dir.filePath("missing.jsonlz4"), collection},
         "tarnlink-tool: Cannot open file: " + dir.filePath("missing.jsonlz4").toUtf8() + ": No such file or directory\n"},
        {{"export", "firefox", collection, dir.filePath("out")},
         "tarnlink-tool: Cannot open file: " + collection.toUtf8() + ": No such file or directory\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const ToolRun r = tool(c.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, c.error);
        EXPECT_FALSE(QFile::exists(collection));
    }
    ASSERT_EQ(tool({"import", "netscape", kFixtures + "bookmarks.html", collection}).status, 0);
    const ToolRun firefox = tool({"export", "firefox", collection, dir.filePath("out")});
    EXPECT_EQ(firefox.status, 1);
    EXPECT_TRUE(firefox.err.startsWith("tarnlink-tool: unknown export format firefox")) << firefox.err.toStdString();
}

TEST(ToolBrowsers, BrowsersListsTheProfilesFoundOneALine)
{
    QTemporaryDir home;
    const auto file = [&](const QString& relative, const QByteArray& bytes) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(home.filePath(relative)).path()));
        QFile out(home.filePath(relative));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    };
    file(".mozilla/firefox/profiles.ini", "[Profile0]\nName=default\nPath=p.default\n");
    file(".mozilla/firefox/p.default/bookmarkbackups/bookmarks-2024-01-01_1_x.jsonlz4", "");
    file(".config/chromium/Local State", "{}");
    file(".config/chromium/Default/Bookmarks", "{}");
    const ToolRun r = tool({"browsers", "--home", home.path()});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "firefox\tFirefox - default\t" + home.filePath(".mozilla/firefox/p.default/bookmarkbackups/"
                                                                    "bookmarks-2024-01-01_1_x.jsonlz4").toUtf8()
                         + "\nchromium\tChromium - Default\t" + home.filePath(".config/chromium/Default/Bookmarks").toUtf8()
                         + "\n");
    const ToolRun none = tool({"browsers", "--home", home.filePath("empty")});
    EXPECT_EQ(std::tuple(none.status, none.out), std::tuple(0, QByteArray()));
}

} // namespace
