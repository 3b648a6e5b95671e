#pragma once

// The collection file: a 312-byte header, then the node record stream, masked byte by byte.

#include "model/tree_counts.h"

#include <QString>

#include <cstdint>
#include <string>
#include <string_view>

namespace tarnlink {

class ByteReader;
class TfcTreeNodes;

inline constexpr int kCollectionHeaderSize = 312;
inline constexpr double kCollectionVersion = 1.45;
// Every body byte is XORed with this; files move only between builds with the same value.
inline constexpr uint8_t kBodyMask = 0xA5;
// Written into the header as it stands, never translated.
inline constexpr std::string_view kCollectionTitle = "tlk - Tarnlink list file v1.45";

struct CollectionHeader {
    bool present = false; // false when the file is shorter than a header
    std::string title;
    double version = 0;
    uint16_t folderCount = 0;
    uint16_t linkCount = 0;
};

// Bodies of versions below 1.44 (compared in extended precision) are stored plain.
bool IsMaskedVersion(double version);

// Masks (or unmasks: the same operation) from the source's position to its end onto target.
void MaskStream(ByteReader& source, std::string& target);

std::string BuildCollectionImage(TfcTreeNodes& tree, TreeCounts counts);
// Replaces the tree by the image's tree. Throws StreamReadError on a damaged body; the nodes
// read before the damage stay in the tree.
CollectionHeader ReadCollectionImage(std::string_view image, TfcTreeNodes& tree);

// Builds the whole image in memory, then replaces the file atomically; a failure (FileError)
// leaves any old file as it was.
void WriteCollection(const QString& path, TfcTreeNodes& tree, TreeCounts counts);
// Throws FileError when the file cannot be read, StreamReadError when it is damaged.
CollectionHeader ReadCollection(const QString& path, TfcTreeNodes& tree);

} // namespace tarnlink
