#pragma once

// Importing another collection file: its whole tree is copied below the import target.

#include <QString>

#include <string_view>

namespace tarnlink {

class TfcTreeNode;
class TfcTreeNodes;
struct TreeCounts;

// Copies the top level of a tree read apart below the target (null: the top level) in one update
// bracket. Throws NestedTooDeeplyError, copying nothing, when its folders would lie deeper than
// a collection can hold.
void AppendScratchTree(const TfcTreeNodes& scratch, TfcTreeNodes& tree, TfcTreeNode* target);

// The image is read into a scratch tree first, so a damaged file (StreamReadError), a file that
// is not a collection of the program (NotACollectionError) or a tree too deep to sit below the
// target (ImportError) leaves tree and counts unchanged.
void ImportCollectionImage(std::string_view image, TfcTreeNodes& tree, TreeCounts& counts);
// Also throws FileError when the file cannot be read; every error's detail names the file.
void ImportCollectionFile(TfcTreeNodes& tree, TreeCounts& counts, const QString& fileName);

} // namespace tarnlink
