// The link check window in the main window (offscreen), as a user runs it.
//
// BM_CheckThroughWindow: N links against a local server that answers each after a fixed latency,
// with ThreadsAmount 50 and DelayThreads 0; "dead" 1 makes every link answer 404 after the
// latency, so every link becomes a row of the list. "ratio" compares the wall time with the ideal
// N x latency / threads; "paint_gap_ms" is the longest time during the run in which no control of
// the check window was painted, and "loop_gap_ms" the longest time the event loop took to come
// round to a 10 ms timer, beyond its 10 ms.
//
// BM_StartThroughWindow: Check pressed on a tree of N links: "longest_ms" is the longest time the
// event loop was held between the click and the first link handed to a worker (the click itself
// included, "click_ms" alone), "turns" how often it came round meanwhile.

#include "bench_app.h"
#include "bench_trees.h"
#include "model/tree_node.h"
#include "settings/settings.h"
#include "test_server.h"
#include "ui/kit/command_map.h"
#include "ui/linkcheck/form_check_sw.h"
#include "ui/linkcheck/link_check_feature.h"
#include "ui/shell/form_main.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>

using namespace tarnlink;

namespace {

constexpr int kThreads = 50;

QApplication& app()
{
    return bench::OffscreenApplication("linkcheck_window_bench");
}

// A shown main window with the check window open, ThreadsAmount 50 and DelayThreads 0.
std::unique_ptr<TFormMain> checkingWindow(const QString& ini)
{
    Settings settings;
    settings.tips.chkShowTip = false;
    settings.checkLinks = {false, false, kThreads, 0};
    SettingsFile(ini).save(settings);
    auto form = std::make_unique<TFormMain>(ini);
    form->show();
    form->StartUp({});
    form->commands().run(Cmd::CheckLinks);
    QCoreApplication::processEvents();
    return form;
}

// The longest pause between two paints of the check window's controls.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget& window) : window_(window) { qApp->installEventFilter(this); }
    ~PaintWatch() override { qApp->removeEventFilter(this); }
    void start() { sincePaint_.start(); }
    double longestGapMs() const { return longestMs_; }
    int paints() const { return paints_; }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && sincePaint_.isValid() && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window() == &window_) {
            longestMs_ = std::max(longestMs_, sincePaint_.nsecsElapsed() / 1e6);
            sincePaint_.restart();
            ++paints_;
        }
        return false;
    }

private:
    QWidget& window_;
    QElapsedTimer sincePaint_;
    double longestMs_ = 0;
    int paints_ = 0;
};

// The longest time the event loop took to come round to a timer, beyond the timer's interval.
class LoopWatch {
public:
    explicit LoopWatch(int intervalMs)
    {
        ticker_.setInterval(intervalMs);
        QObject::connect(&ticker_, &QTimer::timeout, [this, intervalMs] {
            longestMs_ = std::max(longestMs_, sinceTick_.nsecsElapsed() / 1e6 - intervalMs);
            sinceTick_.restart();
            ++turns_;
        });
    }
    void start()
    {
        sinceTick_.start();
        ticker_.start();
    }
    void stop() { ticker_.stop(); }
    double longestMs() const { return longestMs_; }
    int turns() const { return turns_; }

private:
    QTimer ticker_;
    QElapsedTimer sinceTick_;
    double longestMs_ = 0;
    int turns_ = 0;
};

// Runs the event loop until done() holds.
template <typename Done>
void runUntil(Done done)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (done())
            loop.quit();
    });
    poll.start(5);
    loop.exec();
}

void BM_CheckThroughWindow(benchmark::State& state)
{
    app();
    const int links = static_cast<int>(state.range(0));
    const int latencyMs = static_cast<int>(state.range(1));
    const bool dead = state.range(2) != 0;
    linktest::TestServer server;
    server.setLatency(latencyMs);
    server.releaseHoldAfter(latencyMs);
    QTemporaryDir dir;
    auto form = checkingWindow(dir.filePath(QStringLiteral("Tarnlink.ini")));
    const std::string address = server.url(dead ? "/hold" : "/latency");
    bench::FillFoldersOfLinks(form->tree(), nullptr, links, [&address](int) { return address; });
    TFormCheck_SW& window = form->feature<LinkCheckFeature>()->window();

    const double ideal = double(links) * latencyMs / kThreads / 1000.0;
    double seconds = 0;
    PaintWatch paints(window);
    LoopWatch loop(10);
    for (auto _ : state) {
        window.ProgressBarThreads()->setToolTip(QString());
        QElapsedTimer clock;
        clock.start();
        paints.start();
        loop.start();
        window.BtnCheck()->click();
        runUntil([&] { return !window.dispatching() && window.ProgressBarThreads()->toolTip() == QLatin1String("0"); });
        seconds = clock.nsecsElapsed() / 1e9;
        loop.stop();
        state.SetIterationTime(seconds);
    }
    state.counters["ideal_s"] = ideal;
    state.counters["ratio"] = seconds / ideal;
    state.counters["rows"] = window.results().rowCount();
    state.counters["paints"] = paints.paints();
    state.counters["paint_gap_ms"] = paints.longestGapMs();
    state.counters["loop_gap_ms"] = loop.longestMs();
}

BENCHMARK(BM_CheckThroughWindow)
    ->ArgNames({"links", "latency_ms", "dead"})
    ->Args({10000, 20, 0})
    ->Args({10000, 20, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseManualTime();

void BM_StartThroughWindow(benchmark::State& state)
{
    app();
    QTemporaryDir dir;
    auto form = checkingWindow(dir.filePath(QStringLiteral("Tarnlink.ini")));
    const std::string address = "http://127.0.0.1:" + std::to_string(linktest::ClosedPort()) + "/";
    bench::FillFoldersOfLinks(form->tree(), nullptr, static_cast<int>(state.range(0)), [&address](int) { return address; });
    QCoreApplication::processEvents();
    TFormCheck_SW& window = form->feature<LinkCheckFeature>()->window();

    LoopWatch loop(0);
    double clickMs = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        window.BtnCheck()->click();
        clickMs = std::max(clickMs, clock.nsecsElapsed() / 1e6);
        loop.start();
        runUntil([&] { return !window.Label1()->text().isEmpty(); });
        loop.stop();
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        window.BtnCheck()->click(); // Cancel
        runUntil([&] { return !window.dispatching(); });
    }
    state.counters["click_ms"] = clickMs;
    state.counters["longest_ms"] = std::max(clickMs, loop.longestMs());
    state.counters["turns"] = loop.turns() / double(state.iterations());
}

BENCHMARK(BM_StartThroughWindow)
    ->ArgNames({"links"})
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseManualTime();

} // namespace

int main(int argc, char** argv)
{
    app();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
