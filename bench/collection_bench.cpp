// Saving, loading and walking collections of 10,000 to 1,000,000 links in folders of 50.

#include "document/collection_file.h"
#include "model/byte_stream.h"
#include "model/node_icons.h"
#include "model/tree_counts.h"
#include "model/tree_node.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

using namespace tarnlink;

namespace {

// Realistic sizes: a name of about 30 bytes, an address of about 60, a description of about 80.
void fill(TfcTreeNodes& tree, int links)
{
    UpdateGuard update(tree);
    TfcTreeNode* folder = nullptr;
    for (int i = 0; i < links; ++i) {
        if (i % 50 == 0) {
            folder = tree.AddChild(nullptr, "Folder number " + std::to_string(i / 50));
            folder->Kind = KindFolder;
            SetFolderIcons(*folder, i % 5000 == 0);
            if (i % 5000 == 0)
                folder->FolderPassword = "3132333435";
        }
        const std::string n = std::to_string(i);
        TfcTreeNode* link = tree.AddChild(folder, "A bookmark named after site " + n);
        link->Link1 = "https://www.example-bookmarks.org/articles/2026/12/page-" + n + ".html";
        link->Description = "Notes about this page, written by its owner when the link was saved: " + n;
        link->Visited = "11.12.2026 10:15:00";
        SetLinkRating(*link, i % 6);
    }
}

double peakMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

void BM_SaveCollection(benchmark::State& state)
{
    TfcTreeNodes tree;
    fill(tree, int(state.range(0)));
    const TreeCounts counts = CountNodes(tree);
    QTemporaryDir dir;
    const QString path = dir.filePath("bench.tlk");
    for (auto _ : state)
        WriteCollection(path, tree, counts);
    state.counters["links"] = double(state.range(0));
    state.counters["file_MiB"] = QFile(path).size() / 1048576.0;
    state.counters["peak_MiB"] = peakMiB();
}

void BM_LoadCollection(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("bench.tlk");
    {
        TfcTreeNodes tree;
        fill(tree, int(state.range(0)));
        WriteCollection(path, tree, CountNodes(tree));
    }
    for (auto _ : state) {
        auto tree = std::make_unique<TfcTreeNodes>();
        ReadCollection(path, *tree);
        benchmark::DoNotOptimize(tree->Count());
        state.PauseTiming(); // freeing the tree is not part of loading
        tree.reset();
        state.ResumeTiming();
    }
    state.counters["peak_MiB"] = peakMiB();
    state.counters["links"] = double(state.range(0));
}

// The in-memory part of saving and loading, without the file system.
void BM_StreamOut(benchmark::State& state)
{
    TfcTreeNodes tree;
    fill(tree, int(state.range(0)));
    std::string buffer;
    for (auto _ : state) {
        ByteWriter writer(buffer, kBodyMask);
        writer.setSpill(1 << 20, [](std::string& chunk) { benchmark::DoNotOptimize(chunk.data()); });
        tree.SaveToStream(writer);
        writer.flush();
    }
    state.counters["links"] = double(state.range(0));
}

void BM_ReadImage(benchmark::State& state)
{
    std::string image;
    {
        TfcTreeNodes tree;
        fill(tree, int(state.range(0)));
        image = BuildCollectionImage(tree, CountNodes(tree));
    }
    for (auto _ : state) {
        auto tree = std::make_unique<TfcTreeNodes>();
        ReadCollectionImage(image, *tree);
        state.PauseTiming();
        tree.reset();
        state.ResumeTiming();
    }
    state.counters["links"] = double(state.range(0));
}

void BM_ProtectedWalk(benchmark::State& state)
{
    TfcTreeNodes tree;
    fill(tree, int(state.range(0)));
    for (auto _ : state) {
        int visited = 0;
        for (TfcTreeNode* n = tree.GetFirstNode(); n; n = n->GetNextUnlocked())
            ++visited;
        benchmark::DoNotOptimize(visited);
    }
    state.counters["links"] = double(state.range(0));
}

} // namespace

BENCHMARK(BM_SaveCollection)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadCollection)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StreamOut)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadImage)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProtectedWalk)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
