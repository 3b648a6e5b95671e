#pragma once

// The byte format of the whole tree: a count of top-level nodes, then one block per node (record
// size, record, strings, children) in pre-order.

#include <cstdint>

namespace tarnlink {

class TfcTreeNode;
class ByteReader;
class ByteWriter;

inline constexpr int kNodeRecordSize = 326;
inline constexpr int kNodeRecordFixedSize = 71; // the record without its name bytes
inline constexpr int kMaxStoredNameLength = 255;

// Writes the node's block and, after it, its whole subtree. record is a shared 326-byte buffer.
void WriteNode(const TfcTreeNode& node, ByteWriter& stream, uint8_t* record);

// Reads a block into node and adds its children below it. Throws StreamReadError on a block
// that runs past the end, holds a negative size or child count, or nests deeper than
// kMaxNestingDepth; nodes read so far stay.
void ReadNode(TfcTreeNode* node, ByteReader& stream, uint8_t* record);

} // namespace tarnlink
