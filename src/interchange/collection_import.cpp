#include "collection_import.h"

#include "file_io.h"
#include "import_sink.h"

#include "document/collection_file.h"
#include "model/tree_counts.h"
#include "model/tree_node.h"
#include "platform/file_access.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tarnlink {

namespace {

// Number of levels in the tree: 0 when empty, 1 for top-level nodes only.
int levelCount(const TfcTreeNodes& tree)
{
    std::vector<std::pair<const TfcTreeNode*, int>> pending;
    for (int i = 0; i < tree.TopLevelCount(); ++i)
        pending.emplace_back(tree.TopLevelItem(i), 1);
    int deepest = 0;
    while (!pending.empty()) {
        const auto [node, levels] = pending.back();
        pending.pop_back();
        deepest = std::max(deepest, levels);
        for (int i = 0; i < node->ChildCount(); ++i)
            pending.emplace_back(node->Item(i), levels + 1);
    }
    return deepest;
}

} // namespace

void AppendScratchTree(const TfcTreeNodes& scratch, TfcTreeNodes& tree, TfcTreeNode* target)
{
    const int targetLevels = target ? target->Level() + 1 : 0;
    if (targetLevels + levelCount(scratch) > kMaxNestingDepth)
        throw NestedTooDeeplyError();
    UpdateGuard update(tree);
    for (int i = 0; i < scratch.TopLevelCount(); ++i)
        CopySubtree(*scratch.TopLevelItem(i), tree, target);
}

void ImportCollectionImage(std::string_view image, TfcTreeNodes& tree, TreeCounts& counts)
{
    TfcTreeNodes scratch;
    ReadCollectionImage(image, scratch, ForeignFiles::Refuse);
    AppendScratchTree(scratch, tree, ImportTargetFor(tree.Selected()));
    counts += CountNodes(scratch);
}

void ImportCollectionFile(TfcTreeNodes& tree, TreeCounts& counts, const QString& fileName)
{
    const QByteArray image = ReadImportFile(fileName);
    NamingFile(fileName, [&] { ImportCollectionImage(std::string_view(image.constData(), size_t(image.size())), tree, counts); });
}

} // namespace tarnlink
