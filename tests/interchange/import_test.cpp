#include "test_support.h"

#include "platform/address_case.h"
#include "interchange/collection_import.h"
#include "interchange/import_sink.h"
#include "interchange/text_import.h"

#include "document/collection_file.h"
#include "interchange/favorites_import.h"
#include "interchange/opera_hotlist.h"
#include "model/errors.h"
#include "platform/file_access.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>

using namespace tarnlink;
using namespace tarnlink::test;

namespace {

struct NameCase {
    std::string source;
    std::string folder;
    std::string link;
};

TEST(ImportSink, NameRules)
{
    const NameCase cases[] = {
        {"my LINKS", "My links", "MY LINKS"},
        {"News Site", "News site", "NEWS SITE"},
        {" leading blank", "leading blank", "LEADING BLANK"}, // the blank is capitalised, then trimmed
        {"\xC3\x89" "COLE  ", "\xC3\x89" "cole", "\xC3\x89" "COLE"},   // UTF-8
        {"\xC9" "COLE", "\xC9" "cole", "\xC9" "COLE"},               // Windows-1252 stays so
        {"\x01tab\tEND\x1a", "tab\tend", "TAB\tEND"}, // control characters go, like the blank
        {"", "", ""},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(CapitalisedFolderName(c.source), c.folder);
        TfcTreeNodes tree;
        TreeCounts counts;
        ImportSink sink(tree, counts, nullptr);
        EXPECT_EQ(sink.AddImportedLink(c.source, "a", "d")->Name(), c.link);
    }
}

TEST(ImportSink, TargetNodesAndCounters)
{
    struct Case {
        int selected; // AbsoluteIndex of the selected node, -1 for none
        std::string outline;
    };
    // Tree: F box, L inside (in box), L top, S line
    const Case cases[] = {
        {-1, "F box\n  L inside i\nL top t\nS line\nF Got\n  L LINK x\n"},
        {2, "F box\n  L inside i\nL top t\nS line\nF Got\n  L LINK x\n"},    // a link: the top level
        {0, "F box\n  L inside i\n  F Got\n    L LINK x\nL top t\nS line\n"}, // a folder: inside it
        {3, "F box\n  L inside i\nL top t\nS line\n  F Got\n    L LINK x\n"}, // a separator holds it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selected);
        TfcTreeNodes tree;
        Build(tree, {Folder("box", {Link("inside", "i")}), Link("top", "t"), Separator("line")});
        if (c.selected >= 0)
            tree.Select(tree.NodeAt(c.selected));
        TreeCounts counts = CountNodes(tree);
        ImportSink sink(tree, counts, ImportTargetFor(tree.Selected()));
        TfcTreeNode* const target = sink.ImportParent();
        TfcTreeNode* folder = sink.AddImportedFolder("got", "about");
        EXPECT_EQ(sink.ImportParent(), folder);
        TfcTreeNode* link = sink.AddImportedLink("link", "x", "note");
        sink.LeaveImportedFolder();
        EXPECT_EQ(sink.ImportParent(), target);
        EXPECT_EQ(Outline(tree), c.outline);
        EXPECT_EQ(counts, CountNodes(tree));
        EXPECT_EQ(folder->Description, "about");
        EXPECT_EQ(std::tuple(folder->Kind, folder->ImageIndex, folder->SelectedIndex), std::tuple(int(KindFolder), 2, 3));
        EXPECT_EQ(std::tuple(link->Kind, link->ImageIndex, link->SelectedIndex), std::tuple(int(KindLink), 0, 1));
        EXPECT_EQ(link->Description, "note");
        EXPECT_TRUE(link->Link2.empty() && link->Login.empty() && link->Password.empty());
    }
}

TEST(ImportSink, FolderEndsNeverLeaveTheTarget)
{
    TfcTreeNodes tree;
    Build(tree, {Folder("outer", {Folder("inner")})});
    TreeCounts counts;
    for (TfcTreeNode* target : {tree.NodeAt(1), static_cast<TfcTreeNode*>(nullptr)}) {
        ImportSink sink(tree, counts, target);
        sink.AddImportedFolder("opened", "");
        for (int extra = 0; extra < 3; ++extra)
            sink.LeaveImportedFolder();
        EXPECT_EQ(sink.ImportParent(), target);
        sink.AddImportedLink("x", "y", "");
    }
    EXPECT_EQ(Outline(tree), "F outer\n  F inner\n    F Opened\n    L X y\nF Opened\nL X y\n");
}

TEST(ImportSink, RefusesNodesDeeperThanACollectionFileCanHold)
{
    TfcTreeNodes tree;
    TreeCounts counts;
    ImportSink sink(tree, counts, nullptr);
    for (int level = 0; level < kMaxNestingDepth; ++level)
        sink.AddImportedFolder("f", "");
    EXPECT_THROW(sink.AddImportedLink("too deep", "x", ""), ImportError);
    EXPECT_THROW(sink.AddImportedFolder("too deep", ""), ImportError);
    sink.LeaveImportedFolder();
    EXPECT_NO_THROW(sink.AddImportedLink("deepest", "x", ""));

    // What the sink accepted can be saved and opened again.
    const std::string image = BuildCollectionImage(tree, counts);
    TfcTreeNodes reopened;
    EXPECT_NO_THROW(ReadCollectionImage(image, reopened));
    EXPECT_EQ(reopened.Count(), tree.Count());
}

TEST(AddressCase, OnlySchemeAndHostAreLowered)
{
    const std::pair<std::string, std::string> cases[] = {
        {"HTTP://Example.COM/Watch?V=AbC#Top", "http://example.com/Watch?V=AbC#Top"},
        {"WWW.Example.COM/Path", "www.example.com/Path"},
        {"Example.COM?Q=X", "example.com?Q=X"},
        {"HTTPS://HOST.example", "https://host.example"},
        {"MAILTO:Someone@Example.COM", "mailto:someone@example.com"},
        {"", ""},
    };
    for (const auto& [address, expected] : cases)
        EXPECT_EQ(LowerSchemeAndHost(address), expected) << address;
}

std::string readFixture(const char* name)
{
    QFile file(QStringLiteral(TARNLINK_FIXTURES "/interchange/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll().toStdString();
}

TEST(TextImport, ReadsLinksFoldersAndIgnoredLines)
{
    TfcTreeNodes tree;
    TreeCounts counts;
    ImportSink sink(tree, counts, nullptr);
    ReadTextImport(readFixture("import.txt"), sink);
    EXPECT_EQ(Outline(tree), "L Start page http://example.com/Home?Q=A\n"
                             "F Work\n"
                             "  L Intranet http://intra.example/Wiki\n"
                             "  L  http://noname.example\n"
                             "F Folder2\n"
                             "  L [Unclosed [unclosed\n"
                             "  L Just Text just text\n"
                             "F Play\n");
    EXPECT_EQ(counts, (TreeCounts{3, 5}));
    const TfcTreeNode& intranet = *tree.NodeAt(2);
    EXPECT_EQ(intranet.Login, "jane");
    EXPECT_EQ(intranet.Password, "secret");
    EXPECT_EQ(intranet.Description, "Team wiki");
    EXPECT_EQ(std::tuple(intranet.ImageIndex, intranet.SelectedIndex), std::tuple(0, 1));
}

TEST(TextImport, LinkLineFields)
{
    struct Case {
        std::string line;
        std::vector<std::string> fields; // name, Link1, login, password, description
    };
    const Case cases[] = {
        {"Only Text", {"Only Text", "only text", "", "", ""}},
        {"n \t HTTP://A.example/B \t", {"n", "http://a.example/B", "", "", ""}},
        {"n\ta\tl\tp\td\tsixth", {"n", "a", "l", "p", "d"}},
        {"dos\thttp://e.example/\x1a", {"dos", "http://e.example/", "", "", ""}},
        {"\t\t\t\t", {"", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        TfcTreeNodes tree;
        TreeCounts counts;
        ImportSink sink(tree, counts, nullptr);
        ReadTextImport(c.line, sink);
        ASSERT_EQ(tree.Count(), 1) << c.line;
        const TfcTreeNode& n = *tree.GetFirstNode();
        EXPECT_EQ((std::vector<std::string>{n.Name(), n.Link1, n.Login, n.Password, n.Description}), c.fields) << c.line;
    }
}

TEST(TextImport, ByteOrderMarkIsNoPartOfTheFirstLine)
{
    TfcTreeNodes tree;
    TreeCounts counts;
    ImportSink sink(tree, counts, nullptr);
    ReadTextImport("\xEF\xBB\xBF[Folder]\r\nx\r\n", sink);
    EXPECT_EQ(Outline(tree), "F Folder\n  L x x\n");
}

TEST(TextImport, FolderWordNumbersAfterTheDocumentsFoldersBelowTheTarget)
{
    TfcTreeNodes tree;
    Build(tree, {Folder("a"), Folder("b"), Folder("target"), Link("l", "x")});
    tree.Select(tree.NodeAt(2));
    TreeCounts counts = CountNodes(tree);
    ImportSink sink(tree, counts, ImportTargetFor(tree.Selected()));
    ReadTextImport("[]\nin first\n[]\n", sink, {QStringLiteral("Ordner")});
    EXPECT_EQ(Outline(tree), "F a\nF b\nF target\n  F Ordner4\n    L in first in first\n  F Ordner5\nL l x\n");
}

class CollectionImport : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Build(source, {Link("first", "http://a/"), Protected("vault", {Link("secret", "s")}),
                       Folder("f", {Separator(" "), Link("deep", "d")})});
        source.NodeAt(0)->Clicks = 7;
        source.NodeAt(0)->Password = "pw";
        path = dir.filePath("source.tlk");
        WriteCollection(path, source, CountNodes(source));
        Build(tree, {Folder("here"), Link("there", "t")});
        counts = CountNodes(tree);
    }
    QTemporaryDir dir;
    TfcTreeNodes source, tree;
    TreeCounts counts;
    QString path;
};

TEST_F(CollectionImport, AddsTheWholeTreeBelowTheTarget)
{
    tree.Select(tree.NodeAt(0));
    ImportCollectionFile(tree, counts, path);
    EXPECT_EQ(Outline(tree), "F here\n  L first http://a/\n  F vault\n    L secret s\n  F f\n    S  \n    L deep d\n"
                             "L there t\n");
    EXPECT_EQ(counts, CountNodes(tree));
    const TfcTreeNode& first = *tree.NodeAt(1);
    EXPECT_EQ(std::tuple(first.Clicks, first.Password), std::tuple(7, std::string("pw")));
    const TfcTreeNode& vault = *tree.NodeAt(2);
    EXPECT_EQ(vault.FolderPassword, "0badc0de");
    EXPECT_EQ(std::tuple(vault.ImageIndex, vault.SelectedIndex), std::tuple(4, 5));
}

TEST_F(CollectionImport, UnreadableFileLeavesTheCollectionUnchanged)
{
    const std::string before = Outline(tree);
    const TreeCounts countsBefore = counts;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.resize(file.size() - 10);
    file.close();
    try {
        ImportCollectionFile(tree, counts, path);
        ADD_FAILURE() << "a truncated file imports";
    } catch (const StreamReadError& e) {
        EXPECT_EQ(e.detail(), path.toStdString());
    }
    EXPECT_THROW(ImportCollectionFile(tree, counts, dir.filePath("missing.tlk")), FileError);
    EXPECT_EQ(Outline(tree), before);
    EXPECT_EQ(counts, countsBefore);
}

TEST_F(CollectionImport, RefusesAFileThatIsNotACollection)
{
    // Read as the format says, the file would give nodes; it is refused before any reaches the tree.
    std::string image = BuildCollectionImage(source, CountNodes(source));
    image.replace(1, 6, "passwd");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(image.data(), qint64(image.size()));
    file.close();
    const std::string before = Outline(tree);
    try {
        ImportCollectionFile(tree, counts, path);
        ADD_FAILURE() << "a foreign file imports";
    } catch (const NotACollectionError& e) {
        EXPECT_EQ(e.detail(), path.toStdString());
    }
    EXPECT_EQ(Outline(tree), before);
}

TEST(ImportFiles, OnlyRegularFilesOfASaneSizeAreRead)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo"), huge = dir.filePath("huge");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QFile sparse(huge);
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.resize(kMaxDataFileBytes + 1));
    sparse.close();
    const std::function<void(TfcTreeNodes&, TreeCounts&, const QString&)> imports[] = {
        [](TfcTreeNodes& t, TreeCounts& c, const QString& p) { ImportTextFile(t, c, p); },
        ImportOperaHotlist,
        ImportCollectionFile,
    };
    for (const QString& path : {fifo, QStringLiteral("/dev/zero"), dir.path(), huge}) {
        for (const auto& import : imports) {
            TfcTreeNodes tree;
            TreeCounts counts;
            EXPECT_THROW(import(tree, counts, path), FileError) << path.toStdString();
        }
        EXPECT_EQ(ReadShortcutUrl(path), "");
    }
}

TEST_F(CollectionImport, RefusesATreeThatWouldNestTooDeeply)
{
    TfcTreeNodes deep;
    TfcTreeNode* parent = nullptr;
    for (int level = 0; level < kMaxNestingDepth; ++level)
        parent = deep.AddChild(parent, "f");
    const std::string image = BuildCollectionImage(deep, CountNodes(deep));
    tree.Select(tree.NodeAt(0));
    const std::string before = Outline(tree);
    EXPECT_THROW(ImportCollectionImage(image, tree, counts), ImportError);
    EXPECT_EQ(Outline(tree), before);
    tree.Select(nullptr);
    EXPECT_NO_THROW(ImportCollectionImage(image, tree, counts));
}

} // namespace
