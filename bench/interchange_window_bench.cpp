// The window's side of importing 100,000 links (100 folders of 1,000) in every format, from the
// command to the tree shown, and of printing 10,000 links to a PDF file. Compare the imports
// with interchange_bench, which times the engines alone.

#include "bench_app.h"

#include "document/collection_file.h"
#include "interchange/ie_export.h"
#include "interchange/opera_export.h"
#include "interchange_samples.h"
#include "model/tree_counts.h"
#include "model/tree_node.h"
#include "settings/settings.h"
#include "ui/interchange/interchange_feature.h"
#include "ui/kit/command_map.h"
#include "ui/shell/form_main.h"
#include "ui/testing/scripted_prompts.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace tarnlink;
using namespace tarnlink::bench;

namespace {

QTemporaryDir& workFolder()
{
    static QTemporaryDir dir;
    return dir;
}

// The main window, shown, with scripted prompts.
struct Window {
    testing::ScriptedPrompts prompts;
    std::unique_ptr<TFormMain> form;

    Window()
    {
        const QString ini = workFolder().filePath(QStringLiteral("Tarnlink.ini"));
        Settings settings;
        settings.tips.chkShowTip = false;
        SettingsFile(ini).save(settings);
        form = std::make_unique<TFormMain>(ini);
        form->setPrompts(&prompts);
        form->setSelectionDelay(0);
        form->show();
        QCoreApplication::processEvents();
    }
    void clear()
    {
        form->clearDocument();
        form->document().modified = false;
        QCoreApplication::processEvents();
    }
};

QString writeFile(const char* name, const std::string& bytes)
{
    const QString path = workFolder().filePath(QLatin1String(name));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes.data(), qint64(bytes.size()));
    return path;
}

// Runs the import command with the file or folder the dialog answers, until the window has
// painted the new tree.
void importThroughWindow(benchmark::State& state, Cmd command, const QString& chosen)
{
    Window window;
    for (auto _ : state) {
        state.PauseTiming();
        window.clear();
        state.ResumeTiming();
        window.prompts.reply(chosen);
        window.form->commands().run(command);
        QCoreApplication::processEvents();
    }
    if (window.form->document().counts.LinkCount != kFolders * kLinksPerFolder)
        state.SkipWithError("the import did not add every link");
    state.SetItemsProcessed(state.iterations() * kFolders * kLinksPerFolder);
}

void BM_WindowImportOpera(benchmark::State& state)
{
    importThroughWindow(state, Cmd::ImportOpera, writeFile("sample.adr", BuildOperaExport(sampleTree(), {})));
}

void BM_WindowImportText(benchmark::State& state)
{
    importThroughWindow(state, Cmd::ImportText, writeFile("sample.txt", sampleText()));
}

void BM_WindowImportCollection(benchmark::State& state)
{
    TfcTreeNodes& source = const_cast<TfcTreeNodes&>(sampleTree());
    importThroughWindow(state, Cmd::ImportTarnlink, writeFile("sample.tlk", BuildCollectionImage(source, CountNodes(source))));
}

void BM_WindowImportIE(benchmark::State& state)
{
    const QString folder = workFolder().filePath(QStringLiteral("favorites"));
    if (!QFile::exists(folder)) {
        QDir().mkpath(folder);
        ExportToIE(sampleTree(), {}, folder);
    }
    importThroughWindow(state, Cmd::ImportIE, folder);
}

// 10 folders of 1,000 links, printed through File > Print into a PDF file.
void BM_WindowPrint10000Links(benchmark::State& state)
{
    Window window;
    TfcTreeNodes& tree = window.form->tree();
    {
        const UpdateGuard update(tree);
        for (int f = 0; f < 10; ++f) {
            TfcTreeNode* folder = tree.AddChild(nullptr, "Folder " + std::to_string(f));
            folder->Kind = KindFolder;
            for (int l = 0; l < kLinksPerFolder; ++l)
                tree.AddChild(folder, linkName(f, l))->Link1 = address(f, l);
        }
    }
    QPrinter& printer = window.form->feature<InterchangeFeature>()->printing().printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(workFolder().filePath(QStringLiteral("print.pdf")));
    for (auto _ : state) {
        window.prompts.reply(int(QDialog::Accepted));
        window.form->commands().run(Cmd::Print);
    }
    state.counters["bytes"] = double(QFile(printer.outputFileName()).size());
    state.SetItemsProcessed(state.iterations() * 10 * kLinksPerFolder);
}

} // namespace

BENCHMARK(BM_WindowImportOpera)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowImportText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowImportCollection)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowImportIE)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WindowPrint10000Links)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    bench::OffscreenApplication("interchange_window_bench");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
