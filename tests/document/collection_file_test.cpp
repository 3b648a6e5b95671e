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
    // 1.45 over a plain body: unmasked, the count reads as negative and no node comes back.
    TfcTreeNodes tree;
    ReadCollectionImage(plainImage(1.45), tree);
    EXPECT_EQ(tree.Count(), 0);
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

} // namespace
