#include "document/collection_file.h"
#include "model/tree_node.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tarnlink;

namespace {

struct ToolRun {
    int status;
    QByteArray out, err;
};

ToolRun tool(const QStringList& args, const QByteArray& input = {})
{
    QProcess p;
    p.start(TARNLINK_TOOL, args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(30000);
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

TEST(ToolCollection, BuildThenDumpKeepsEveryFieldAndRecounts)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("c.tlk");
    const QByteArray json = R"({"header": {"linkCount": 99}, "nodes": [
        {"name": "Folder", "kind": 1, "imageIndex": 4, "selectedIndex": 5, "folderPassword": "3132",
         "children": [{"name": "Caf\u00e9", "link1": "http://a.example/Path", "link2": "l2",
                       "description": "a\r\rb\r", "login": "me", "password": "pw",
                       "visited": "1/2/2026 10:00:00 AM", "picturePath": "/p.jpg", "clicks": 3,
                       "imageIndex": 10, "selectedIndex": 15, "stateIndex": 2, "overlayIndex": 1,
                       "data": 7, "checkboxType": 1, "checked": true, "grayed": true}]},
        {"kind": 7}]})";
    const ToolRun build = tool({"build", path}, json);
    ASSERT_EQ(build.status, 0) << build.err.toStdString();

    const ToolRun dump = tool({"dump", path});
    ASSERT_EQ(dump.status, 0) << dump.err.toStdString();
    const QJsonObject root = QJsonDocument::fromJson(dump.out).object();
    EXPECT_EQ(root["header"]["linkCount"].toInt(), 1);
    EXPECT_EQ(root["header"]["version"].toDouble(), 1.45);
    EXPECT_EQ(root["header"]["title"].toString(), "tlk - Tarnlink list file v1.45");
    EXPECT_EQ(root["folderCount"].toInt(), 1);
    const QJsonArray nodes = root["nodes"].toArray();
    ASSERT_EQ(nodes.size(), 2);
    EXPECT_EQ(nodes[1]["name"].toString(), "");
    EXPECT_EQ(nodes[1]["stateIndex"].toInt(), -1);
    const QJsonObject link = nodes[0]["children"][0].toObject();
    const QJsonObject expected = QJsonDocument::fromJson(json)["nodes"][0]["children"][0].toObject();
    for (auto it = expected.begin(); it != expected.end(); ++it)
        EXPECT_EQ(link[it.key()], it.value()) << it.key().toStdString();

    TfcTreeNodes tree;
    ReadCollection(path, tree);
    EXPECT_EQ(tree.GetFirstNode()->FirstChild()->Name(), "Caf\xC3\xA9");
}

TEST(ToolCollection, ErrorsAreOneLineAndWriteNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("c.tlk");
    QFile damaged(dir.filePath("damaged.tlk"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(320, '\x01'));
    damaged.close();
    const struct {
        QStringList args;
        QByteArray input;
    } cases[] = {
        {{"build", path}, "{bad"},
        {{"build", path}, "[1]"},
        {{"build", path}, R"({"nodes": [{"kind": "x"}]})"},
        {{"build", path}, R"({"nodes": [{"children": 3}]})"},
        {{"dump", dir.filePath("missing.tlk")}, {}},
        {{"dump", damaged.fileName()}, {}},
        {{"nosuchcommand"}, {}},
    };
    for (const auto& c : cases) {
        const ToolRun r = tool(c.args, c.input);
        EXPECT_EQ(r.status, 1) << c.args.join(' ').toStdString();
        if (c.args[0] != "nosuchcommand") {
            EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
        }
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
