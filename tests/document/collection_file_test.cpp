#include "../file_size_limit.h"

#include "document/collection_file.h"
#include "model/byte_stream.h"
#include "model/errors.h"
#include "model/tree_node.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <bit>
#include <cstring>

#include <sys/stat.h>

using namespace tarnlink;

namespace {

void setVersion(std::string& image, double version) { std::memcpy(image.data() + 40, &version, 8); }

// The image of a one-link tree whose body is stored plain.
std::string plainImage(double version)
{
    TfcTreeNodes tree;
    tree.AddChild(nullptr, "plain")->Link1 = "http://a";
    std::string image(kCollectionHeaderSize, '\0');
    setVersion(image, version);
    ByteWriter writer(image);
    tree.SaveToStream(writer);
    return image;
}

TEST(CollectionFile, EmptyDocumentIsHeaderAndMaskedZeroCount)
{
    TfcTreeNodes tree;
    const std::string image = BuildCollectionImage(tree, {});
    ASSERT_EQ(image.size(), 316u);
    EXPECT_EQ(uint8_t(image[0]), kCollectionTitle.size());
    EXPECT_EQ(image.substr(1, kCollectionTitle.size()), kCollectionTitle);
    EXPECT_EQ(image.substr(40, 8), std::string("\x33\x33\x33\x33\x33\x33\xF7\x3F", 8));
    EXPECT_EQ(image.substr(304, 4), std::string(4, '\0'));
    EXPECT_EQ(image.substr(312), std::string(4, char(kBodyMask)));
}

TEST(CollectionFile, VersionRuleDecidesTheMask)
{
    const double nearest144 = std::bit_cast<double>(uint64_t{0x3FF70A3D70A3D70A});
    const double above144 = std::bit_cast<double>(uint64_t{0x3FF70A3D70A3D70B});
    struct {
        double version;
        bool masked;
    } table[] = {{1.40, false}, {nearest144, false}, {0, false}, {-1, false},
                 {above144, true}, {1.45, true}, {std::nan(""), true}};
    for (const auto& c : table) {
        EXPECT_EQ(IsMaskedVersion(c.version), c.masked) << c.version;
        if (!c.masked) {
            TfcTreeNodes tree;
            const CollectionHeader header = ReadCollectionImage(plainImage(c.version), tree);
            EXPECT_TRUE(header.present);
            ASSERT_EQ(tree.Count(), 1) << c.version;
            EXPECT_EQ(tree.GetFirstNode()->Link1, "http://a");
        }
    }
    // 1.45 over a plain body: unmasked, the count reads as negative, which is damage.
    TfcTreeNodes tree;
    EXPECT_THROW(ReadCollectionImage(plainImage(1.45), tree), StreamReadError);
    EXPECT_EQ(tree.Count(), 0);
}

TEST(CollectionFile, TitleTellsTheProgramsFilesFromOthersThatStillRead)
{
    TfcTreeNodes tree;
    EXPECT_TRUE(ReadCollectionImage(BuildCollectionImage(tree, {}), tree).ours);
    const struct {
        std::string title;
        bool ours;
    } cases[] = {
        {"", false}, {"tlk - Tarnlink list file v1.20", true}, {"tlk - ", true},
        {"TLK - Tarnlink list file v1.45", false}, {"tlk -", false}, {"root:x:0:0:root:/root:/bin/bash", false},
    };
    for (const auto& c : cases) {
        std::string image = plainImage(1.40);
        image[0] = char(c.title.size());
        image.replace(1, c.title.size(), c.title);
        const CollectionHeader header = ReadCollectionImage(image, tree);
        EXPECT_EQ(header.ours, c.ours) << c.title;
        EXPECT_EQ(tree.Count(), 1) << "read as the format says";
    }
}

TEST(CollectionFile, CountsAreCutTo16BitsAndTreeRoundTrips)
{
    TfcTreeNodes tree;
    TfcTreeNode* f = tree.AddChild(nullptr, "f");
    f->Kind = KindFolder;
    for (int i = 0; i < 70000; ++i)
        tree.AddChild(f, "l")->Link1 = "http://x/" + std::to_string(i);
    const std::string image = BuildCollectionImage(tree, {1, 70000});
    TfcTreeNodes back;
    const CollectionHeader header = ReadCollectionImage(image, back);
    EXPECT_EQ(header.linkCount, 4464);
    EXPECT_EQ(header.folderCount, 1);
    EXPECT_EQ(header.version, 1.45);
    EXPECT_EQ(CountNodes(back), (TreeCounts{1, 70000}));
    EXPECT_EQ(back.GetFirstNode()->LastChild()->Link1, "http://x/69999");
}

TEST(CollectionFile, ShortOrDamagedFilesFailWithStreamReadError)
{
    TfcTreeNodes tree;
    tree.AddChild(nullptr, "a");
    const std::string image = BuildCollectionImage(tree, {0, 1});
    for (size_t size : {size_t(0), size_t(100), size_t(312), size_t(315), image.size() - 1}) {
        TfcTreeNodes back;
        EXPECT_THROW(ReadCollectionImage(std::string_view(image).substr(0, size), back), StreamReadError) << size;
    }
}

TEST(CollectionFile, TrailingBytesAreIgnored)
{
    TfcTreeNodes tree;
    tree.AddChild(nullptr, "a");
    TfcTreeNodes back;
    ReadCollectionImage(BuildCollectionImage(tree, {0, 1}) + "junk", back);
    EXPECT_EQ(back.Count(), 1);
}

TEST(CollectionFile, WriteAndReadFiles)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("c.tlk");
    TfcTreeNodes tree;
    tree.AddChild(nullptr, "a")->Password = "secret";
    WriteCollection(path, tree, CountNodes(tree));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("secret")) << "the body is masked";
    TfcTreeNodes back;
    EXPECT_EQ(ReadCollection(path, back).linkCount, 1);
    EXPECT_EQ(back.GetFirstNode()->Password, "secret");
    EXPECT_THROW(ReadCollection(dir.filePath("missing.tlk"), back), FileError);
}

TEST(CollectionFile, SaveReplacesTheFileInsteadOfTruncatingIt)
{
    // A reader that still has the old file open sees it whole: the new image went to a new file
    // that was renamed over the old name, so no moment existed with a partial collection.
    QTemporaryDir dir;
    const QString path = dir.filePath("c.tlk");
    TfcTreeNodes tree;
    tree.AddChild(nullptr, "old");
    WriteCollection(path, tree, CountNodes(tree));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    for (int i = 0; i < 1000; ++i)
        tree.AddChild(nullptr, "new");
    WriteCollection(path, tree, CountNodes(tree));
    const QByteArray oldBytes = old.readAll();
    TfcTreeNodes back;
    ReadCollectionImage(std::string_view(oldBytes.constData(), size_t(oldBytes.size())), back);
    EXPECT_EQ(back.Count(), 1);
    ReadCollection(path, back);
    EXPECT_EQ(back.Count(), 1001);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"c.tlk"}) << "no temporary file left";
}

TEST(CollectionFile, SaveIntoAMissingFolderFails)
{
    QTemporaryDir dir;
    TfcTreeNodes tree;
    EXPECT_THROW(WriteCollection(dir.filePath("no/such/folder/c.tlk"), tree, {}), FileError);
}

TEST(CollectionFile, ErrorsNameTheFileAndTheCause)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("c.tlk");
    TfcTreeNodes tree;
    for (int i = 0; i < 100; ++i)
        tree.AddChild(nullptr, "link")->Link1 = std::string(100, 'a');
    WriteCollection(path, tree, CountNodes(tree));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.resize(file.size() - 1));
    file.close();
    try {
        ReadCollection(path, tree);
        ADD_FAILURE() << "a truncated file reads";
    } catch (const StreamReadError& e) {
        EXPECT_STREQ(e.what(), "Stream read error"); // the fixed, translated text
        EXPECT_EQ(e.detail(), path.toStdString());
    }
    EXPECT_GE(tree.Count(), 99) << "what was read stays";

    // A disk that fills up: the file takes the first bytes, then the system refuses the rest.
    const test::FileSizeLimit full(2000);
    try {
        WriteCollection(dir.filePath("full.tlk"), tree, CountNodes(tree));
        ADD_FAILURE() << "the write went through";
    } catch (const FileError& e) {
        EXPECT_STREQ(e.what(), "Cannot write file");
        EXPECT_EQ(e.detail(), dir.filePath("full.tlk").toStdString() + ": File too large");
    }
}

TEST(CollectionFile, OnlyRegularFilesOfASaneSizeAreRead)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo"), huge = dir.filePath("huge.tlk");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QFile sparse(huge);
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.resize((qint64(2) << 30) + 1));
    sparse.close();
    for (const QString& path : {fifo, QStringLiteral("/dev/zero"), dir.path(), huge}) {
        TfcTreeNodes tree;
        try {
            ReadCollection(path, tree);
            ADD_FAILURE() << "read " << path.toStdString();
        } catch (const FileError& e) {
            EXPECT_EQ(e.detail().rfind(path.toStdString() + ": ", 0), 0u) << e.detail();
        }
    }
}

} // namespace
