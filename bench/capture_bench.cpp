// The link monitor on a large copy against a large collection, and reading a large session store.

#include "capture/capture_run.h"
#include "capture/firefox_session.h"
#include "mozlz4_fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

using namespace tarnlink;

namespace {

constexpr int kFolders = 1000;
constexpr int kLinksPerFolder = 1000;
constexpr int kCopiedAddresses = 10'000;
constexpr int kCopySize = 1024 * 1024;

std::string storedAddress(int folder, int link)
{
    return "http://host" + std::to_string(folder) + ".example/path/" + std::to_string(link) + "?q=Value";
}

const TfcTreeNodes& collection()
{
    static const std::unique_ptr<TfcTreeNodes> tree = [] {
        auto t = std::make_unique<TfcTreeNodes>();
        for (int f = 0; f < kFolders; ++f) {
            TfcTreeNode* folder = t->AddChild(nullptr, "Folder " + std::to_string(f));
            folder->Kind = KindFolder;
            for (int l = 0; l < kLinksPerFolder; ++l) {
                TfcTreeNode* link = t->AddChild(folder, "Link " + std::to_string(l));
                link->Link1 = storedAddress(f, l);
                if (l % 10 == 0)
                    link->Link2 = "https://mirror" + std::to_string(f) + ".example/" + std::to_string(l);
            }
        }
        return t;
    }();
    return *tree;
}

// One address a line among ordinary words; every second address is held by the collection.
QString copiedText()
{
    const std::string filler = " is the page we talked about, have a look when you can, see you tomorrow ";
    std::string text;
    text.reserve(kCopySize);
    const size_t line = kCopySize / kCopiedAddresses;
    for (int i = 0; i < kCopiedAddresses; ++i) {
        const int folder = (i * 7919) % kFolders;
        const int link = (i * 104'729) % kLinksPerFolder;
        std::string address = i % 2 ? "https://new" + std::to_string(i) + ".example/Article/" + std::to_string(link)
                                    : storedAddress(folder, link);
        std::string words = address + filler;
        words.resize(line - 1, '.');
        text += words + '\n';
    }
    return QString::fromStdString(text);
}

void BM_MonitorRunWithUniqueUrl(benchmark::State& state)
{
    const TfcTreeNodes& tree = collection();
    const QString text = copiedText();
    size_t toAdd = 0;
    for (auto _ : state) {
        CaptureRun run(text, {{"ads"}, true, true}, tree);
        toAdd = 0;
        while (run.next())
            ++toAdd;
    }
    state.counters["added"] = double(toAdd);
    state.SetBytesProcessed(state.iterations() * text.size());
}

// A session of 20 MiB of JSON: windows of tabs with long histories, with random identifiers so
// it compresses about as well as a real one.
QByteArray largeSession()
{
    QByteArray json = R"({"version":["sessionrestore",1],"selectedWindow":3,"windows":[)";
    const QByteArray entry =
        R"({"url":"https://www.example.org/articles/2024/a-rather-long-path/with-parts?id=%1","title":"Article %1 of the series","cacheKey":0,"ID":%1,"docshellUUID":"{%2}","referrerInfo":"%3","hasUserInteraction":true,"persist":true})";
    std::mt19937 random(1);
    const auto noise = [&](int length) {
        QByteArray text(length, ' ');
        for (char& c : text)
            c = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ+/"[random() % 64];
        return text;
    };
    int id = 0;
    for (int w = 0; json.size() < 20 * 1024 * 1024; ++w) {
        json += w ? ",{" : "{";
        json += R"("selected":2,"tabs":[)";
        for (int t = 0; t < 50; ++t) {
            json += t ? ",{" : "{";
            json += R"("index":3,"entries":[)";
            for (int e = 0; e < 20; ++e)
                json += (e ? "," : "") + QByteArray(entry).replace("%1", QByteArray::number(++id)).replace("%2", noise(36)).replace("%3", noise(60));
            json += "]}";
        }
        json += "]}";
    }
    json += R"(],"_closedWindows":[]})";
    return json;
}

void BM_ReadSessionStore(benchmark::State& state)
{
    QTemporaryDir home;
    const QString folder = home.filePath(".mozilla/firefox/abc.default/sessionstore-backups");
    QDir().mkpath(folder);
    const QByteArray json = largeSession();
    QFile file(folder + "/recovery.jsonlz4");
    file.open(QIODevice::WriteOnly);
    file.write(test::MozLz4(json));
    file.close();
    FirefoxSessionSource source(home.path());
    for (auto _ : state)
        benchmark::DoNotOptimize(source.currentPage());
    state.counters["json_MiB"] = double(json.size()) / (1024 * 1024);
    state.counters["file_MiB"] = double(file.size()) / (1024 * 1024);
}

} // namespace

BENCHMARK(BM_MonitorRunWithUniqueUrl)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadSessionStore)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
