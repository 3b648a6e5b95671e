// Importing and exporting 100,000 links (100 folders of 1,000) in every format.

#include "document/collection_file.h"
#include "interchange/collection_import.h"
#include "interchange/favorites_import.h"
#include "interchange/html_export.h"
#include "interchange/ie_export.h"
#include "interchange/import_sink.h"
#include "interchange/opera_export.h"
#include "interchange/opera_hotlist.h"
#include "interchange/text_export.h"
#include "interchange/text_import.h"
#include "interchange_samples.h"
#include "model/tree_counts.h"
#include "model/tree_node.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace tarnlink;
using namespace tarnlink::bench;

namespace {

template <typename Read>
void importInto(benchmark::State& state, Read read)
{
    for (auto _ : state) {
        TfcTreeNodes tree;
        TreeCounts counts;
        read(tree, counts);
        benchmark::DoNotOptimize(counts);
    }
    state.SetItemsProcessed(state.iterations() * kFolders * kLinksPerFolder);
}

void BM_ImportOpera(benchmark::State& state)
{
    const std::string hotlist = BuildOperaExport(sampleTree(), {});
    importInto(state, [&](TfcTreeNodes& tree, TreeCounts& counts) {
        ImportSink sink(tree, counts, nullptr);
        UpdateGuard update(tree);
        TImportOpera::ImportText(hotlist, sink);
    });
}

void BM_ImportText(benchmark::State& state)
{
    const std::string text = sampleText();
    importInto(state, [&](TfcTreeNodes& tree, TreeCounts& counts) {
        ImportSink sink(tree, counts, nullptr);
        UpdateGuard update(tree);
        ReadTextImport(text, sink);
    });
}

void BM_ImportCollection(benchmark::State& state)
{
    TfcTreeNodes& source = const_cast<TfcTreeNodes&>(sampleTree());
    const std::string image = BuildCollectionImage(source, CountNodes(source));
    importInto(state, [&](TfcTreeNodes& tree, TreeCounts& counts) { ImportCollectionImage(image, tree, counts); });
}

void BM_ImportIE(benchmark::State& state)
{
    QTemporaryDir dir;
    ExportToIE(sampleTree(), {}, dir.path());
    importInto(state, [&](TfcTreeNodes& tree, TreeCounts& counts) { ImportFromIEFavorites(tree, counts, dir.path()); });
}

template <typename Build>
void exportAll(benchmark::State& state, Build build)
{
    size_t bytes = 0;
    for (auto _ : state) {
        const auto out = build();
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * kFolders * kLinksPerFolder);
    state.counters["bytes"] = double(bytes);
}

void BM_ExportHtml(benchmark::State& state)
{
    exportAll(state, [] { return *BuildHtmlExport(sampleTree(), {}, {}); });
}

void BM_ExportText(benchmark::State& state)
{
    exportAll(state, [] { return *BuildTextExport(sampleTree(), {}, {}); });
}

void BM_ExportTextDos(benchmark::State& state)
{
    TextExportOptions dos;
    dos.dosPage = true;
    exportAll(state, [&] { return *BuildTextExport(sampleTree(), {}, dos); });
}

void BM_ExportOpera(benchmark::State& state)
{
    exportAll(state, [] { return BuildOperaExport(sampleTree(), {}); });
}

void BM_ExportIE(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto dir = std::make_unique<QTemporaryDir>();
        state.ResumeTiming();
        benchmark::DoNotOptimize(ExportToIE(sampleTree(), {}, dir->path()));
        state.PauseTiming();
        dir.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kFolders * kLinksPerFolder);
}

} // namespace

BENCHMARK(BM_ImportOpera)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportCollection)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportIE)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExportHtml)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportTextDos)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportOpera)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportIE)->Unit(benchmark::kMillisecond)->Iterations(2);

BENCHMARK_MAIN();
