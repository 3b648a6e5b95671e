#include "document/collection_file.h"
#include "model/tree_counts.h"
#include "model/tree_node.h"
#include "test_server.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tarnlink;

namespace {

struct ToolRun {
    int status;
    QStringList lines;
    QByteArray err;
};

ToolRun check(const QStringList& args)
{
    QProcess p;
    p.start(TARNLINK_TOOL, QStringList{"check"} + args);
    p.waitForFinished(30000);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    return {p.exitCode(), out.split('\n', Qt::SkipEmptyParts), p.readAllStandardError()};
}

class ToolCheckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = dir.filePath("c.tlk");
        add(nullptr, "ok", server.url("/ok"));
        add(nullptr, "missing", server.url("/missing")).Description = "kept";
        add(nullptr, "other", server.url("/other")).Description = "was";
        TfcTreeNode* locked = tree.AddChild(nullptr, "locked");
        locked->Kind = KindFolder;
        locked->FolderPassword = "70";
        add(locked, "inside", server.url("/error"));
        WriteCollection(path, tree, CountNodes(tree));
    }

    TfcTreeNode& add(TfcTreeNode* parent, std::string name, const std::string& address)
    {
        TfcTreeNode* node = tree.AddChild(parent, std::move(name));
        node->Link1 = address;
        return *node;
    }

    linktest::TestServer server;
    QTemporaryDir dir;
    QString path;
    TfcTreeNodes tree;
};

TEST_F(ToolCheckTest, PrintsReportLinesAndSavesMovedPages)
{
    const ToolRun run = check({path, "--threads", "4", "--delay", "0", "--update-moved"});
    ASSERT_EQ(run.status, 2) << run.err.toStdString();
    QStringList lines = run.lines;
    lines.sort();
    EXPECT_EQ(lines, (QStringList{"missing\t" + QString::fromStdString(server.url("/missing")) + "\tNot Found\t404",
                                  "other\t" + QString::fromStdString(server.url("/other")) + "\tSee Other\t303"}));
    EXPECT_EQ(server.requestsFor("/error"), 0); // inside the locked folder

    TfcTreeNodes saved;
    ReadCollection(path, saved);
    EXPECT_EQ(saved.NodeAt(2)->Description, "was http://new.example/page");
    EXPECT_EQ(saved.NodeAt(1)->Description, "kept");
}

TEST_F(ToolCheckTest, TabsAndLineBreaksInANameOrAddressStayOnTheRow)
{
    add(nullptr, "two\tparts\r\nname", server.url("/missing") + "\r\nX-Injected: 1");
    add(nullptr, std::string("nul\0inside", 10), server.url("/missing"));
    WriteCollection(path, tree, CountNodes(tree));
    const ToolRun run = check({path, "--threads", "4", "--delay", "0"});
    ASSERT_EQ(run.status, 2) << run.err.toStdString();
    QStringList lines = run.lines;
    lines.sort();
    const QString missing = QString::fromStdString(server.url("/missing"));
    EXPECT_EQ(lines, (QStringList{"missing\t" + missing + "\tNot Found\t404",
                                  QString("nul") + QChar(0) + "inside\t" + missing + "\tNot Found\t404",
                                  "other\t" + QString::fromStdString(server.url("/other")) + "\tSee Other\t303",
                                  "two parts  name\t" + missing + "  X-Injected: 1\tUnknown\t"}));
}

TEST_F(ToolCheckTest, SelectedNodesAndExitStatus)
{
    const ToolRun working = check({path, "--selected", "0", "--delay", "0"});
    EXPECT_EQ(working.status, 0) << working.err.toStdString();
    EXPECT_TRUE(working.lines.isEmpty());

    const ToolRun some = check({path, "--selected", "0,1,2", "--delay", "0"});
    EXPECT_EQ(some.status, 2);
    EXPECT_EQ(some.lines.size(), 2);

    // Without --update-moved nothing is written.
    check({path, "--selected", "2", "--delay", "0"});
    TfcTreeNodes saved;
    ReadCollection(path, saved);
    EXPECT_EQ(saved.NodeAt(2)->Description, "was");

    for (const QStringList& bad : {QStringList{path, "--selected", "9"}, QStringList{path, "--threads", "x"},
                                   QStringList{dir.filePath("none.tlk")}, QStringList{}})
        EXPECT_EQ(check(bad).status, 1) << bad.join(' ').toStdString();
}

TEST_F(ToolCheckTest, RefusesAFileItDidNotWrite)
{
    // A collection whose title does not name it ours: read as one, it would be checked and, with
    // a moved page, saved over.
    std::string image = BuildCollectionImage(tree, CountNodes(tree));
    const size_t title = image.find(kCollectionTitlePrefix);
    ASSERT_NE(title, std::string::npos);
    image.replace(title, 3, "xyz");
    QFile foreign(path);
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.write(image.data(), qint64(image.size()));
    foreign.close();

    const ToolRun run = check({path, "--delay", "0", "--update-moved"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.toStdString(), "tarnlink-tool: The file is not a Tarnlink list: " + path.toStdString() + "\n");
    EXPECT_TRUE(run.lines.isEmpty());
    EXPECT_TRUE(server.paths().empty());
    ASSERT_TRUE(foreign.open(QIODevice::ReadOnly));
    EXPECT_EQ(foreign.readAll().toStdString(), image);
}

} // namespace
