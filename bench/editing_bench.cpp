// The walks of the editing commands over a large collection: the duplicate check that every
// added link runs, and the folder picker that every opening of the add dialog rebuilds.

#include "model/folder_picker.h"
#include "model/node_icons.h"
#include "model/tree_node.h"
#include "ui/editing/add_operations.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace tarnlink;

namespace {

// 1000 folders of 1000 links each, every tenth folder with a subfolder.
TfcTreeNodes& bigTree()
{
    static TfcTreeNodes tree;
    if (tree.Count() == 0) {
        UpdateGuard update(tree);
        for (int f = 0; f < 1000; ++f) {
            TfcTreeNode* folder = tree.AddChild(nullptr, "Folder " + std::to_string(f));
            folder->Kind = KindFolder;
            SetFolderIcons(*folder, false);
            if (f % 10 == 0) {
                TfcTreeNode* sub = tree.AddChild(folder, "Sub");
                sub->Kind = KindFolder;
            }
            for (int l = 0; l < 1000; ++l) {
                TfcTreeNode* link = tree.AddChild(folder, "Link");
                link->Link1 = "http://www.site" + std::to_string(f) + ".example.com/Page/" + std::to_string(l);
            }
        }
    }
    return tree;
}

void BM_FindDuplicateLinkMiss(benchmark::State& state)
{
    TfcTreeNodes& tree = bigTree();
    for (auto _ : state)
        benchmark::DoNotOptimize(FindDuplicateLink(tree, "http://nowhere.example.org/"));
    state.SetItemsProcessed(state.iterations() * tree.Count());
}
BENCHMARK(BM_FindDuplicateLinkMiss)->Unit(benchmark::kMillisecond);

void BM_CollectPickerFolders(benchmark::State& state)
{
    TfcTreeNodes& tree = bigTree();
    for (auto _ : state)
        benchmark::DoNotOptimize(CollectPickerFolders(tree));
    state.SetItemsProcessed(state.iterations() * tree.Count());
}
BENCHMARK(BM_CollectPickerFolders)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
