// The link monitor in the main window: one copy of many addresses, silently added to a large
// collection, as the window runs it (offscreen).

#include "bench_app.h"
#include "model/node_icons.h"
#include "model/tree_node.h"
#include "settings/settings.h"
#include "ui/capture/capture_feature.h"
#include "ui/shell/form_main.h"

#include <QApplication>
#include <QClipboard>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

using namespace tarnlink;

namespace {

QApplication& app()
{
    return bench::OffscreenApplication("capture_window_bench");
}

// A started window over 1000 folders of 1000 links each, another program active.
std::unique_ptr<TFormMain> bigWindow(const QString& ini, bool notices)
{
    Settings settings;
    settings.tips.chkShowTip = false;
    settings.options.msnPopup = notices;
    SettingsFile(ini).save(settings);
    auto form = std::make_unique<TFormMain>(ini);
    {
        UpdateGuard update(form->tree());
        for (int f = 0; f < 1000; ++f) {
            TfcTreeNode* folder = form->tree().AddChild(nullptr, "Folder " + std::to_string(f));
            folder->Kind = KindFolder;
            SetFolderIcons(*folder, false);
            for (int l = 0; l < 1000; ++l)
                form->tree().AddChild(folder, "Link")->Link1 =
                    "http://www.site" + std::to_string(f) + ".example.com/Page/" + std::to_string(l);
        }
    }
    form->show();
    form->StartUp({});
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    return form;
}

// One copy of state.range(0) new addresses; argument 1: with the "Added new link" notices.
void BM_MonitorCopy(benchmark::State& state)
{
    app();
    QTemporaryDir dir;
    auto form = bigWindow(dir.filePath(QStringLiteral("Tarnlink.ini")), state.range(1) != 0);
    int copy = 0;
    for (auto _ : state) {
        QString text;
        for (int i = 0; i < state.range(0); ++i)
            text += QStringLiteral("http://new%1.example.org/item%2\n").arg(copy).arg(i);
        ++copy;
        QGuiApplication::clipboard()->setText(text);
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_MonitorCopy)->Args({100, 0})->Args({100, 1})->Args({1000, 0})->Args({1000, 1})->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
