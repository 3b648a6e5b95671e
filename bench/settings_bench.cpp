// The settings file with a long link monitor exclusion list, and translating long texts.

#include "settings/language_table.h"
#include "settings/settings.h"

#include <benchmark/benchmark.h>

using namespace tarnlink;

namespace {

QByteArray settingsWithExclusions(int lines)
{
    IniFile ini;
    Settings s = readSettings(ini, {});
    for (int i = 0; i < lines; ++i)
        s.clipBoardOut.append(QStringLiteral("excluded-host-%1.example").arg(i));
    writeSettings(s, ini);
    return ini.toBytes();
}

void BM_RestoreAndSave(benchmark::State& state)
{
    const QByteArray bytes = settingsWithExclusions(int(state.range(0)));
    for (auto _ : state) {
        IniFile ini = IniFile::fromBytes(bytes);
        const Settings s = readSettings(ini, {});
        writeSettings(s, ini);
        benchmark::DoNotOptimize(ini.toBytes());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_RestoreAndSave)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_Translate(benchmark::State& state)
{
    QStringList lines;
    for (int i = 0; i < state.range(0); ++i)
        lines.append(QStringLiteral("Source text %1=Translated text %1").arg(i));
    ZIREdozudurOdozed table;
    table.loadLines(lines);
    const QString text = QStringLiteral("  source TEXT 777 ");
    for (auto _ : state)
        benchmark::DoNotOptimize(table.Translate(text));
}
BENCHMARK(BM_Translate)->Arg(100)->Arg(100000);

} // namespace

BENCHMARK_MAIN();
