#include "node_stream.h"

#include "byte_stream.h"
#include "errors.h"
#include "tree_node.h"
#include "utf8_cut.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace tarnlink {

namespace {

enum RecordOffset {
    OffImageIndex = 0,
    OffSelectedIndex = 4,
    OffStateIndex = 8,
    OffOverlayIndex = 12,
    OffCheckboxType = 16,
    OffCheckFlags = 17,
    OffData = 22,
    OffStringLengths = 26, // eight int32 lengths
    OffClicks = 58,
    OffKind = 62,
    OffChildCount = 66,
    OffNameLength = 70,
    OffName = 71,
};

// A block is at least its size field; checking first keeps an unreadable block out of the tree.
constexpr size_t kMinBlockSize = 4;

using StringField = std::string TfcTreeNode::*;
constexpr std::array<StringField, 8> kStringOrder{
    &TfcTreeNode::Link2,    &TfcTreeNode::Link1,   &TfcTreeNode::Description,    &TfcTreeNode::Login,
    &TfcTreeNode::Password, &TfcTreeNode::Visited, &TfcTreeNode::FolderPassword, &TfcTreeNode::PicturePath,
};

void putInt32(uint8_t* record, int offset, int32_t value)
{
    const uint32_t v = static_cast<uint32_t>(value);
    record[offset] = uint8_t(v);
    record[offset + 1] = uint8_t(v >> 8);
    record[offset + 2] = uint8_t(v >> 16);
    record[offset + 3] = uint8_t(v >> 24);
}

int32_t getInt32(const uint8_t* record, int offset)
{
    const uint8_t* p = record + offset;
    return static_cast<int32_t>(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

void writeBlock(const TfcTreeNode& node, ByteWriter& stream, uint8_t* record)
{
    const std::string& name = node.Name();
    const size_t n = PrefixLengthWithin(name, kMaxStoredNameLength);
    const int32_t size = kNodeRecordFixedSize + static_cast<int32_t>(n);

    std::memset(record, 0, kNodeRecordSize);
    record[OffNameLength] = static_cast<uint8_t>(n);
    std::memcpy(record + OffName, name.data(), n);
    putInt32(record, OffImageIndex, node.ImageIndex);
    putInt32(record, OffSelectedIndex, node.SelectedIndex);
    putInt32(record, OffStateIndex, node.StateIndex);
    putInt32(record, OffOverlayIndex, node.OverlayIndex);
    record[OffCheckboxType] = node.CheckboxType;
    record[OffCheckFlags] = uint8_t((node.Checked ? 1 : 0) | (node.Grayed ? 2 : 0));
    putInt32(record, OffData, node.Data);
    for (size_t i = 0; i < kStringOrder.size(); ++i)
        putInt32(record, OffStringLengths + 4 * int(i), static_cast<int32_t>((node.*kStringOrder[i]).size()));
    putInt32(record, OffClicks, node.Clicks);
    putInt32(record, OffKind, node.Kind);
    putInt32(record, OffChildCount, node.ChildCount());

    stream.writeInt32(size);
    stream.writeBytes(record, size);
    for (StringField field : kStringOrder)
        stream.writeBytes(node.*field);
}

struct BlockTail {
    int32_t childCount;
    size_t skipAfterSubtree;
};

BlockTail readBlock(TfcTreeNode* node, ByteReader& stream, uint8_t* record, int streamVersion)
{
    const int32_t size = stream.readInt32();
    if (size < 0)
        throw StreamReadError();
    // A short record leaves the fields after it as the previous record had them.
    stream.read(record, std::min<size_t>(size, kNodeRecordSize));
    const int n = record[OffNameLength];

    for (size_t i = 0; i < kStringOrder.size(); ++i) {
        const int32_t length = getInt32(record, OffStringLengths + 4 * int(i));
        node->*kStringOrder[i] = length > 0 ? stream.readString(size_t(length)) : std::string();
    }
    node->SetName(std::string(reinterpret_cast<const char*>(record + OffName), n));
    node->Clicks = getInt32(record, OffClicks);
    node->Kind = getInt32(record, OffKind);
    node->ImageIndex = getInt32(record, OffImageIndex);
    node->SelectedIndex = getInt32(record, OffSelectedIndex);
    const int32_t stateIndex = getInt32(record, OffStateIndex);
    node->StateIndex = stateIndex == 0 ? -1 : stateIndex;
    node->OverlayIndex = getInt32(record, OffOverlayIndex);
    node->Data = getInt32(record, OffData);
    node->CheckboxType = record[OffCheckboxType];
    node->Checked = record[OffCheckFlags] & 1;
    node->Grayed = record[OffCheckFlags] & 2;

    // Negative counts are damage, as negative sizes are: no writer ever gives one.
    const int32_t childCount = getInt32(record, OffChildCount);
    if (childCount < 0)
        throw StreamReadError();
    const int64_t extra = int64_t(size) - kNodeRecordFixedSize - n;
    return {childCount, streamVersion == 1 && extra > 0 ? size_t(extra) : 0};
}

} // namespace

void WriteNode(const TfcTreeNode& node, ByteWriter& stream, uint8_t* record)
{
    // Pre-order without recursion: a block, then its children's blocks.
    writeBlock(node, stream, record);
    std::vector<const TfcTreeNode*> pending;
    for (int i = node.ChildCount() - 1; i >= 0; --i)
        pending.push_back(node.Item(i));
    while (!pending.empty()) {
        const TfcTreeNode* n = pending.back();
        pending.pop_back();
        writeBlock(*n, stream, record);
        for (int i = n->ChildCount() - 1; i >= 0; --i)
            pending.push_back(n->Item(i));
    }
}

void ReadNode(TfcTreeNode* node, ByteReader& stream, uint8_t* record)
{
    TfcTreeNodes& tree = *node->Owner();
    const int version = tree.StreamVersion();
    struct Frame {
        TfcTreeNode* node;
        int32_t childrenLeft;
        size_t skipAfterSubtree;
    };
    std::vector<Frame> stack;
    const BlockTail tail = readBlock(node, stream, record, version);
    stack.push_back({node, tail.childCount, tail.skipAfterSubtree});
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (frame.childrenLeft <= 0) {
            const size_t skip = frame.skipAfterSubtree;
            stack.pop_back();
            stream.skip(skip);
            continue;
        }
        --frame.childrenLeft;
        if (static_cast<int>(stack.size()) >= kMaxNestingDepth)
            throw StreamReadError();
        if (stream.remaining() < kMinBlockSize)
            throw StreamReadError();
        TfcTreeNode* child = tree.AddChild(frame.node, std::string());
        const BlockTail childTail = readBlock(child, stream, record, version);
        stack.push_back({child, childTail.childCount, childTail.skipAfterSubtree});
    }
}

void TfcTreeNodes::SaveToStream(ByteWriter& stream)
{
    std::array<uint8_t, kNodeRecordSize> record{};
    stream.writeInt32(TopLevelCount());
    for (const TfcTreeNode* n = GetFirstNode(); n; n = n->NextSibling())
        WriteNode(*n, stream, record.data());
    streamVersion_ = 1;
}

void TfcTreeNodes::LoadFromStream(ByteReader& stream)
{
    std::array<uint8_t, kNodeRecordSize> record{};
    UpdateGuard update(*this);
    Clear();
    const int32_t count = stream.readInt32();
    if (count < 0)
        throw StreamReadError();
    for (int32_t i = 0; i < count; ++i) {
        if (stream.remaining() < kMinBlockSize)
            throw StreamReadError();
        ReadNode(AddChild(nullptr, std::string()), stream, record.data());
    }
    streamVersion_ = 1;
}

} // namespace tarnlink
