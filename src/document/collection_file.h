#pragma once

// The collection file: a 312-byte header, then the node record stream, masked byte by byte.

#include "model/errors.h"
#include "model/tree_counts.h"

#include <QString>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace tarnlink {

class ByteReader;
class TfcTreeNodes;

inline constexpr int kCollectionHeaderSize = 312;
inline constexpr double kCollectionVersion = 1.45;
// Every body byte is XORed with this; files move only between builds with the same value.
inline constexpr uint8_t kBodyMask = 0xA5;
// Written into the header as it stands, never translated.
inline constexpr std::string_view kCollectionTitle = "tlk - Tarnlink list file v1.45";
// Every version of the program has begun its title with this.
inline constexpr std::string_view kCollectionTitlePrefix = "tlk - ";

struct CollectionHeader {
    bool present = false; // false when the file is shorter than a header
    // The title begins with kCollectionTitlePrefix. A file without it is read all the same, but
    // it was not written by the program: it must not be saved over unasked, nor imported.
    bool ours = false;
    std::string title;
    double version = 0;
    uint16_t folderCount = 0;
    uint16_t linkCount = 0;
};

// A file whose header does not name it a collection of the program.
class NotACollectionError : public Error {
public:
    explicit NotACollectionError(std::string detail = {})
        : Error("The file is not a Tarnlink list", std::move(detail))
    {
    }
};

// Bodies of versions below 1.44 (compared in extended precision) are stored plain.
bool IsMaskedVersion(double version);

// Masks (or unmasks: the same operation) from the source's position to its end onto target.
void MaskStream(ByteReader& source, std::string& target);

// What a reader does with a file whose header does not name it a collection of the program:
// read it as the format says (the window then opens it untitled), or refuse it before its body
// is read (NotACollectionError).
enum class ForeignFiles { Read, Refuse };

std::string BuildCollectionImage(TfcTreeNodes& tree, TreeCounts counts);
// Replaces the tree by the image's tree. Throws StreamReadError on a damaged body; the nodes
// read before the damage stay in the tree.
CollectionHeader ReadCollectionImage(std::string_view image, TfcTreeNodes& tree,
                                     ForeignFiles foreign = ForeignFiles::Read);

// Writes the image to a temporary file, then replaces the file atomically; a failure (FileError)
// leaves any old file as it was.
void WriteCollection(const QString& path, TfcTreeNodes& tree, TreeCounts counts);
// Throws FileError when the file cannot be read, is no regular file or is larger than
// kMaxDataFileBytes, and StreamReadError when it is damaged; the detail of either names the file.
CollectionHeader ReadCollection(const QString& path, TfcTreeNodes& tree, ForeignFiles foreign = ForeignFiles::Read);

} // namespace tarnlink
