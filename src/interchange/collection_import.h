#pragma once

// Importing another collection file: its whole tree is copied below the import target.

#include <QString>

#include <string_view>

namespace tarnlink {

class TfcTreeNodes;
struct TreeCounts;

// The image is read into a scratch tree first, so a damaged file (StreamReadError) or a tree
// too deep to sit below the target (ImportError) leaves tree and counts unchanged.
void ImportCollectionImage(std::string_view image, TfcTreeNodes& tree, TreeCounts& counts);
// Also throws FileError when the file cannot be read.
void ImportCollectionFile(TfcTreeNodes& tree, TreeCounts& counts, const QString& fileName);

} // namespace tarnlink
