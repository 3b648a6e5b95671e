#include "model/byte_stream.h"
#include "model/errors.h"
#include "model/node_stream.h"
#include "model/tree_node.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace tarnlink;

namespace {

std::string save(TfcTreeNodes& tree)
{
    std::string bytes;
    ByteWriter writer(bytes);
    tree.SaveToStream(writer);
    return bytes;
}

int32_t int32At(const std::string& bytes, size_t offset)
{
    int32_t v;
    std::memcpy(&v, bytes.data() + offset, 4);
    return v;
}

void putInt32(std::string& bytes, size_t offset, int32_t v) { std::memcpy(bytes.data() + offset, &v, 4); }

TEST(NodeStream, EmptyTreeIsAZeroCount)
{
    TfcTreeNodes tree;
    EXPECT_EQ(save(tree), std::string(4, '\0'));
    EXPECT_EQ(tree.StreamVersion(), 1);
}

TEST(NodeStream, RecordLayoutOfALinkWithOneString)
{
    TfcTreeNodes tree;
    TfcTreeNode* n = tree.AddChild(nullptr, "Example");
    n->Link1 = "0123456789";
    n->ImageIndex = 10;
    n->SelectedIndex = 15;
    n->Clicks = 3;
    n->Checked = true;
    n->Grayed = true;
    const std::string bytes = save(tree);
    ASSERT_EQ(bytes.size(), 4u + 4 + 78 + 10);
    EXPECT_EQ(int32At(bytes, 0), 1);
    EXPECT_EQ(int32At(bytes, 4), 78);
    const size_t r = 8;
    EXPECT_EQ(int32At(bytes, r + 0), 10);
    EXPECT_EQ(int32At(bytes, r + 4), 15);
    EXPECT_EQ(int32At(bytes, r + 8), -1);
    EXPECT_EQ(int32At(bytes, r + 12), -1);
    EXPECT_EQ(bytes[r + 17], 3);
    EXPECT_EQ(int32At(bytes, r + 26), 0);  // Link2
    EXPECT_EQ(int32At(bytes, r + 30), 10); // Link1
    EXPECT_EQ(int32At(bytes, r + 58), 3);
    EXPECT_EQ(int32At(bytes, r + 66), 0);
    EXPECT_EQ(bytes[r + 70], 7);
    EXPECT_EQ(bytes.substr(r + 71, 7), "Example");
    EXPECT_EQ(bytes.substr(r + 78), "0123456789");
}

TEST(NodeStream, LongNameIsCutTo255BytesAndUtf8IsNotSplit)
{
    TfcTreeNodes tree;
    tree.AddChild(nullptr, std::string(300, 'n'));
    std::string euros;
    for (int i = 0; i < 100; ++i)
        euros += "\xE2\x82\xAC"; // 300 bytes of three-byte characters
    tree.AddChild(nullptr, euros);
    const std::string bytes = save(tree);
    EXPECT_EQ(int32At(bytes, 4), 326);
    TfcTreeNodes back;
    ByteReader reader(bytes);
    back.LoadFromStream(reader);
    EXPECT_EQ(back.TopLevelItem(0)->Name(), std::string(255, 'n'));
    EXPECT_EQ(back.TopLevelItem(1)->Name(), euros.substr(0, 255)); // 85 whole characters
    // Windows-1252 text is not UTF-8 and is cut at the byte limit.
    EXPECT_EQ(back.TopLevelItem(1)->Name().size(), 255u);
}

TEST(NodeStream, FolderBlocksComeInPreOrder)
{
    TfcTreeNodes tree;
    TfcTreeNode* f = tree.AddChild(nullptr, "F");
    f->Kind = KindFolder;
    TfcTreeNode* c = tree.AddChild(f, "c");
    tree.AddChild(c, "g");
    tree.AddChild(f, "")->Kind = KindSeparator;
    const std::string bytes = save(tree);
    // F, c, g, separator: four blocks back to back.
    size_t pos = 4;
    const char* names[] = {"F", "c", "g", ""};
    for (const char* name : names) {
        const int32_t s = int32At(bytes, pos);
        EXPECT_EQ(bytes.substr(pos + 4 + 71, s - 71), name);
        pos += 4 + s;
    }
    EXPECT_EQ(pos, bytes.size());
}

TEST(NodeStream, RoundTripKeepsEveryField)
{
    TfcTreeNodes tree;
    TfcTreeNode* f = tree.AddChild(nullptr, "Folder");
    f->Kind = KindFolder;
    f->FolderPassword = "3132";
    f->PicturePath = "/pics/a.jpg";
    f->Description = "line\r\r";
    TfcTreeNode* l = tree.AddChild(f, "Link");
    l->Link1 = "http://a.example/Path";
    l->Link2 = "http://b.example";
    l->Login = "me";
    l->Password = "secret";
    l->Visited = "01.02.2026 10:00:00";
    l->Clicks = 42;
    l->ImageIndex = 12;
    l->SelectedIndex = 17;
    l->StateIndex = 0; // read back as -1
    l->OverlayIndex = 5;
    l->Data = 77;
    l->CheckboxType = 2;
    l->Grayed = true;
    std::string bytes = save(tree);
    TfcTreeNodes back;
    back.AddChild(nullptr, "old"); // loading clears first
    ByteReader reader(bytes);
    back.LoadFromStream(reader);
    EXPECT_EQ(reader.remaining(), 0u);
    ASSERT_EQ(back.Count(), 2);
    const TfcTreeNode* bf = back.GetFirstNode();
    const TfcTreeNode* bl = bf->FirstChild();
    EXPECT_EQ(bf->Name(), "Folder");
    EXPECT_EQ(bf->FolderPassword, "3132");
    EXPECT_EQ(bf->PicturePath, "/pics/a.jpg");
    EXPECT_EQ(bf->Description, "line\r\r");
    EXPECT_EQ(bl->Link1, l->Link1);
    EXPECT_EQ(bl->Link2, l->Link2);
    EXPECT_EQ(bl->Login, "me");
    EXPECT_EQ(bl->Password, "secret");
    EXPECT_EQ(bl->Visited, l->Visited);
    EXPECT_EQ(bl->Clicks, 42);
    EXPECT_EQ(bl->ImageIndex, 12);
    EXPECT_EQ(bl->SelectedIndex, 17);
    EXPECT_EQ(bl->StateIndex, -1);
    EXPECT_EQ(bl->OverlayIndex, 5);
    EXPECT_EQ(bl->Data, 77);
    EXPECT_EQ(bl->CheckboxType, 2);
    EXPECT_FALSE(bl->Checked);
    EXPECT_TRUE(bl->Grayed);
    l->StateIndex = -1;
    EXPECT_EQ(save(back), save(tree));
}

std::string twoLinks()
{
    TfcTreeNodes tree;
    TfcTreeNode* f = tree.AddChild(nullptr, "F");
    tree.AddChild(f, "a")->Link1 = "http://a";
    tree.AddChild(f, "b")->Link1 = "http://b";
    return save(tree);
}

TEST(NodeStream, TruncatedBodyFailsAndKeepsNodesReadSoFar)
{
    const std::string bytes = twoLinks();
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        TfcTreeNodes tree;
        ByteReader reader(bytes.data(), cut);
        EXPECT_THROW(tree.LoadFromStream(reader), StreamReadError) << cut;
        EXPECT_LE(tree.Count(), 3);
    }
    // Cut inside the second link's address: F and a are complete.
    TfcTreeNodes tree;
    ByteReader reader(bytes.data(), bytes.size() - 2);
    EXPECT_THROW(tree.LoadFromStream(reader), StreamReadError);
    ASSERT_GE(tree.Count(), 2);
    EXPECT_EQ(tree.GetFirstNode()->FirstChild()->Link1, "http://a");
}

TEST(NodeStream, HugeLengthsAndCountsOrNegativeCountsFailWithoutAllocating)
{
    const std::string good = twoLinks();
    struct Case {
        size_t offset;
        int32_t value;
    } cases[] = {
        {0, 0x7fffffff},              // top-level count
        {4 + 4 + 66, 0x7fffffff},     // F's child count
        {4 + 4 + 30, 0x7ffffff0},     // F's Link1 length
        {4, -5},                      // negative record size
        {0, -1},                      // negative top-level count
        {4 + 4 + 66, -1},             // negative child count
    };
    for (const Case& c : cases) {
        std::string bytes = good;
        putInt32(bytes, c.offset, c.value);
        TfcTreeNodes tree;
        ByteReader reader(bytes);
        EXPECT_THROW(tree.LoadFromStream(reader), StreamReadError) << c.offset;
    }
}

TEST(NodeStream, NestingTooDeepIsDamage)
{
    TfcTreeNodes tree;
    TfcTreeNode* parent = nullptr;
    for (int i = 0; i <= kMaxNestingDepth; ++i)
        parent = tree.AddChild(parent, "d");
    const std::string bytes = save(tree);
    TfcTreeNodes back;
    ByteReader reader(bytes);
    EXPECT_THROW(back.LoadFromStream(reader), StreamReadError);
}

TEST(NodeStream, ShortRecordKeepsTheFieldsOfThePreviousOne)
{
    // Second record has S = 26: everything from the string lengths on comes from the first.
    TfcTreeNodes tree;
    TfcTreeNode* a = tree.AddChild(nullptr, "abc");
    a->Clicks = 9;
    a->Kind = KindFolder;
    tree.AddChild(nullptr, "xyz")->ImageIndex = 8;
    std::string bytes = save(tree);
    const size_t second = 4 + 4 + 74;
    std::string shortened = bytes.substr(0, second);
    std::string rec = bytes.substr(second + 4, 26);
    ByteWriter w(shortened);
    w.writeInt32(26);
    w.writeBytes(rec);
    TfcTreeNodes back;
    ByteReader reader(shortened);
    back.LoadFromStream(reader);
    ASSERT_EQ(back.TopLevelCount(), 2);
    const TfcTreeNode* b = back.TopLevelItem(1);
    EXPECT_EQ(b->ImageIndex, 8);
    EXPECT_EQ(b->Name(), "abc");
    EXPECT_EQ(b->Clicks, 9);
    EXPECT_EQ(b->Kind, KindFolder);
}

TEST(NodeStream, OversizedRecordIsSkippedAfterItsSubtreeOnceTheVersionIsSet)
{
    // A folder record with 5 extra bytes; the extra bytes follow its child.
    TfcTreeNodes tree;
    TfcTreeNode* f = tree.AddChild(nullptr, "F");
    tree.AddChild(f, "c");
    tree.AddChild(nullptr, "G");
    const std::string plain = save(tree);
    const size_t fBlock = 4, fSize = 72, cBlockEnd = fBlock + 4 + fSize + 4 + 72;
    std::string bytes = plain.substr(0, fBlock);
    ByteWriter w(bytes);
    w.writeInt32(fSize + 5);
    w.writeBytes(plain.substr(fBlock + 4, fSize));
    w.writeBytes("\x01\x02\x03\x04\x05", 5); // read into the record's unused name area
    w.writeBytes(plain.substr(fBlock + 4 + fSize, cBlockEnd - fBlock - 4 - fSize));
    w.writeBytes("SKIPS", 5); // skipped after F's subtree
    w.writeBytes(plain.substr(cBlockEnd));

    TfcTreeNodes back;
    back.SaveToStream(*std::make_unique<ByteWriter>(*std::make_unique<std::string>()));
    ASSERT_EQ(back.StreamVersion(), 1);
    ByteReader reader(bytes);
    back.LoadFromStream(reader);
    ASSERT_EQ(back.TopLevelCount(), 2);
    EXPECT_EQ(back.TopLevelItem(0)->FirstChild()->Name(), "c");
    EXPECT_EQ(back.TopLevelItem(1)->Name(), "G");
    EXPECT_EQ(reader.remaining(), 0u);
}

} // namespace
