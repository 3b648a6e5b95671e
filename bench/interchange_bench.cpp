// Importing and exporting 100,000 links (100 folders of 1,000) in every format.

#include "document/collection_file.h"
#include "interchange/bookmark_formats.h"
#include "interchange/chromium_bookmarks.h"
#include "interchange/collection_import.h"
#include "interchange/favorites_import.h"
#include "interchange/firefox_backup.h"
#include "interchange/html_export.h"
#include "interchange/ie_export.h"
#include "interchange/import_sink.h"
#include "interchange/netscape_bookmarks.h"
#include "interchange/opera_export.h"
#include "interchange/opera_hotlist.h"
#include "interchange/text_export.h"
#include "interchange/text_import.h"
#include "interchange/xbel.h"
#include "interchange_samples.h"
#include "mozlz4_fixture.h"
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

// The browsers' formats carry visits: every link of their sample has one.
const TfcTreeNodes& visitedTree()
{
    static const std::unique_ptr<TfcTreeNodes> tree = buildSampleTree(
        [](TfcTreeNode& link, int l) { link.Visited = "2024-03-10 10:11:" + std::to_string(10 + l % 50); });
    return *tree;
}

// A backup as Firefox writes it: the places root, the menu root, the folders and their places.
QByteArray firefoxBackup()
{
    std::string json = R"({"guid":"root________","title":"","type":"text/x-moz-place-container","root":"placesRoot","children":[)"
                       R"({"guid":"menu________","title":"menu","type":"text/x-moz-place-container","root":"bookmarksMenuFolder","children":[)";
    for (int f = 0; f < kFolders; ++f) {
        json += (f ? "," : "") + std::string(R"({"guid":"folder)") + std::to_string(f)
                + R"(","title":"Folder )" + std::to_string(f) + R"(","type":"text/x-moz-place-container","children":[)";
        for (int l = 0; l < kLinksPerFolder; ++l)
            json += (l ? "," : "") + std::string(R"({"guid":"link)") + std::to_string(l) + R"(","title":")" + linkName(f, l)
                    + R"(","dateAdded":1700000000000000,"lastModified":1710065470000000,"id":)" + std::to_string(l)
                    + R"(,"typeCode":1,"type":"text/x-moz-place","uri":")" + address(f, l) + "\"}";
        json += "]}";
    }
    return QByteArray::fromStdString(json + "]}]}");
}

template <typename Read>
void importBookmarks(benchmark::State& state, Read read)
{
    importInto(state, [&](TfcTreeNodes& tree, TreeCounts& counts) {
        ImportSink sink(tree, counts, nullptr);
        UpdateGuard update(tree);
        read(sink);
    });
}

void BM_ImportNetscape(benchmark::State& state)
{
    const std::string html = *BuildNetscapeExport(visitedTree(), {});
    importBookmarks(state, [&](ImportEvents& sink) { ReadNetscapeBookmarks(html, sink); });
}

void BM_ImportFirefoxJson(benchmark::State& state)
{
    const QByteArray json = firefoxBackup();
    importBookmarks(state, [&](ImportEvents& sink) { ReadFirefoxBackup(json, sink); });
}

void BM_ImportFirefoxJsonlz4(benchmark::State& state)
{
    const QByteArray compressed = test::MozLz4(firefoxBackup());
    importBookmarks(state, [&](ImportEvents& sink) { ReadFirefoxBackup(compressed, sink); });
}

void BM_ImportChromium(benchmark::State& state)
{
    const QByteArray json = QByteArray::fromStdString(*BuildChromiumExport(visitedTree(), {}));
    importBookmarks(state, [&](ImportEvents& sink) { ReadChromiumBookmarks(json, sink); });
}

void BM_ImportXbel(benchmark::State& state)
{
    const QByteArray xml = QByteArray::fromStdString(*BuildXbelExport(visitedTree(), {}));
    importBookmarks(state, [&](ImportEvents& sink) { ReadXbel(xml, sink); });
}

void BM_ExportNetscape(benchmark::State& state)
{
    exportAll(state, [] { return *BuildNetscapeExport(visitedTree(), {}); });
}

void BM_ExportChromium(benchmark::State& state)
{
    exportAll(state, [] { return *BuildChromiumExport(visitedTree(), {}); });
}

void BM_ExportXbel(benchmark::State& state)
{
    exportAll(state, [] { return *BuildXbelExport(visitedTree(), {}); });
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
BENCHMARK(BM_ImportNetscape)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportFirefoxJson)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportFirefoxJsonlz4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportChromium)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportXbel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportNetscape)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportChromium)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportXbel)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
