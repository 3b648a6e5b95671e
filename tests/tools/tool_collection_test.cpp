#include "document/collection_file.h"
#include "model/byte_stream.h"
#include "model/tree_node.h"
#include "tool_run.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tarnlink;

namespace {

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
        {{"dump", dir.path()}, {}},
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

TEST(ToolCollection, DumpRefusesWhatIsNotACollectionAndNamesADamagedFile)
{
    QTemporaryDir dir;
    QFile passwd(dir.filePath("passwd.tlk"));
    ASSERT_TRUE(passwd.open(QIODevice::WriteOnly));
    passwd.write(QByteArray("root:x:0:0:root:/root:/bin/bash\n").repeated(20));
    passwd.close();
    TfcTreeNodes tree;
    tree.AddChild(nullptr, "a");
    const std::string image = BuildCollectionImage(tree, {0, 1});
    QFile cut(dir.filePath("cut.tlk"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(image.data(), qint64(image.size() - 1));
    cut.close();
    const std::pair<QString, QString> cases[] = {
        {passwd.fileName(), "tarnlink-tool: The file is not a Tarnlink list: " + passwd.fileName() + "\n"},
        {cut.fileName(), "tarnlink-tool: Stream read error: " + cut.fileName() + "\n"},
    };
    for (const auto& [path, line] : cases) {
        const ToolRun r = tool({"dump", path});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err.toStdString(), line.toStdString());
        EXPECT_TRUE(r.out.isEmpty());
    }
}

// Memory in proportion to the input: the tree's own nodes and little more, however the input is
// shaped. Before, 100,000 four-byte records took some 450 MB to dump and 5 MB of empty lines some
// 200 MB to import.
TEST(ToolCollection, MemoryStaysInProportionToTheInput)
{
    QTemporaryDir dir;
    constexpr int nodes = 100000;
    TfcTreeNodes empty;
    std::string image = BuildCollectionImage(empty, {});
    image.resize(size_t(kCollectionHeaderSize));
    std::string body;
    ByteWriter writer(body, kBodyMask);
    writer.writeInt32(nodes);
    for (int i = 0; i < nodes; ++i)
        writer.writeInt32(0); // a record of no bytes: a node with every field empty
    QFile collection(dir.filePath("short.tlk"));
    ASSERT_TRUE(collection.open(QIODevice::WriteOnly));
    collection.write((image + body).data(), qint64(image.size() + body.size()));
    collection.close();
    QFile lines(dir.filePath("empty.txt"));
    ASSERT_TRUE(lines.open(QIODevice::WriteOnly));
    lines.write(QByteArray(5000000, '\n'));
    lines.close();

    constexpr rlim_t limit = 150 << 20;
    const ToolRun dump = tool({"dump", collection.fileName()}, {}, limit);
    EXPECT_EQ(dump.status, 0) << dump.err.toStdString();
    EXPECT_EQ(dump.out.count("\"name\""), nodes);
    for (const char* format : {"text", "opera"}) {
        const ToolRun import = tool({"import", format, lines.fileName(), dir.filePath("c.tlk")}, {}, limit);
        EXPECT_EQ(import.status, 0) << format << ": " << import.err.toStdString();
    }
}

} // namespace
