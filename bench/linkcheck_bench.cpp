// BM_CheckLinks: checking N links against a local server that answers each after a fixed
// latency, with ThreadsAmount 50 and DelayThreads 0. "ratio" compares the wall time with the
// ideal N x latency / threads.
//
// BM_StartRun: what the start of a run costs the GUI thread on a tree of N links: "longest_ms" is
// the longest time the event loop was held (start() itself, or one slice of the walk), in wall
// time and "longest_cpu_ms" in the GUI thread's own CPU time (on a loaded machine the wall time
// also holds the time the thread waited for a core); "turns" counts the event loop's turns; the
// time is from start() until the dispatcher announced the first link, i.e. until the plan was
// complete.
//
// BM_PlanWholeTree: the walk made at once, for comparison.

#include "bench_trees.h"
#include "linkcheck/check_plan.h"
#include "linkcheck/link_checker.h"
#include "model/tree_node.h"
#include "test_server.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>

using namespace tarnlink;

namespace {

constexpr int kThreads = 50;

// Ends the loop when the dispatcher and every worker are done.
class Waiter : public CheckListener {
public:
    explicit Waiter(QEventLoop& loop) : loop_(loop) {}
    int rows = 0;
    void linkStarted(const QString&, int) override {}
    void workersRunning(int) override {}
    void addRow(const CheckRow&) override { ++rows; }
    void descriptionChanged(const NodeHandle&) override {}
    void workerEnded(int count) override
    {
        if (count == 0 && dispatched_)
            loop_.quit();
    }
    void runEnded() override
    {
        dispatched_ = true;
        if (LinkChecker::waitForWorkers(std::chrono::milliseconds(0)))
            loop_.quit();
    }
    void reset() { dispatched_ = false; }

private:
    QEventLoop& loop_;
    bool dispatched_ = false;
};

void BM_CheckLinks(benchmark::State& state)
{
    const int links = static_cast<int>(state.range(0));
    const int latencyMs = static_cast<int>(state.range(1));
    linktest::TestServer server;
    server.setLatency(latencyMs);
    TfcTreeNodes tree;
    for (int i = 0; i < links; ++i)
        tree.AddChild(nullptr, "Link " + std::to_string(i))->Link1 = server.url("/latency");

    QEventLoop loop;
    Waiter waiter(loop);
    LinkChecker checker(waiter);
    checker.setSettings({false, false, kThreads, 0});
    const double ideal = double(links) * latencyMs / kThreads / 1000.0;
    double seconds = 0;
    for (auto _ : state) {
        waiter.reset();
        QElapsedTimer clock;
        clock.start();
        checker.start(tree);
        loop.exec();
        seconds = clock.nsecsElapsed() / 1e9;
        state.SetIterationTime(seconds);
    }
    state.counters["ideal_s"] = ideal;
    state.counters["ratio"] = seconds / ideal;
    state.counters["rows"] = waiter.rows;
}

BENCHMARK(BM_CheckLinks)
    ->Args({1000, 20})
    ->Args({10000, 20})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseManualTime();

// One folder "All" holding folders of 50 links each.
void fillTree(TfcTreeNodes& tree, int links, const std::string& address)
{
    TfcTreeNode* all = tree.AddChild(nullptr, "All");
    all->Kind = KindFolder;
    bench::FillFoldersOfLinks(tree, all, links, [&address](int i) {
        return address + "/a/path/of/about/sixty/bytes/page" + std::to_string(i) + ".html";
    });
}

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Quits the loop at the first link the dispatcher hands to a worker.
class FirstLink : public CheckListener {
public:
    explicit FirstLink(QEventLoop& loop) : loop_(loop) {}
    void linkStarted(const QString&, int) override { loop_.quit(); }
    void workersRunning(int) override {}
    void addRow(const CheckRow&) override {}
    void descriptionChanged(const NodeHandle&) override {}
    void workerEnded(int) override {}
    void runEnded() override { loop_.quit(); }

private:
    QEventLoop& loop_;
};

void BM_StartRun(benchmark::State& state)
{
    const bool selected = state.range(1) != 0;
    TfcTreeNodes tree;
    fillTree(tree, static_cast<int>(state.range(0)), "http://127.0.0.1:" + std::to_string(linktest::ClosedPort()));
    if (selected)
        tree.Select(tree.GetFirstNode());

    QEventLoop loop;
    FirstLink listener(loop);
    double longestMs = 0;
    double longestCpuMs = 0;
    int turns = 0;
    for (auto _ : state) {
        LinkChecker checker(listener);
        checker.setSettings({selected, false, 1, 0});
        QElapsedTimer sinceTick;
        double cpuAtTick = 0;
        QTimer ticker; // fires whenever the event loop gets a turn
        ticker.setInterval(0);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            longestMs = std::max(longestMs, sinceTick.nsecsElapsed() / 1e6);
            longestCpuMs = std::max(longestCpuMs, threadCpuMs() - cpuAtTick);
            ++turns;
            sinceTick.restart();
            cpuAtTick = threadCpuMs();
        });
        QElapsedTimer clock;
        QTimer::singleShot(0, [&] {
            clock.start();
            const double cpuAtStart = threadCpuMs();
            checker.start(tree);
            longestMs = std::max(longestMs, clock.nsecsElapsed() / 1e6);
            longestCpuMs = std::max(longestCpuMs, threadCpuMs() - cpuAtStart);
            sinceTick.start();
            cpuAtTick = threadCpuMs();
            ticker.start();
        });
        loop.exec();
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        ticker.stop();
        checker.shutdown();
    }
    state.counters["longest_ms"] = longestMs;
    state.counters["longest_cpu_ms"] = longestCpuMs;
    state.counters["turns"] = turns / double(state.iterations());
}

BENCHMARK(BM_StartRun)
    ->ArgNames({"links", "selected"})
    ->Args({1000000, 0})
    ->Args({1000000, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseManualTime();

void BM_PlanWholeTree(benchmark::State& state)
{
    TfcTreeNodes tree;
    fillTree(tree, static_cast<int>(state.range(0)), "http://www.example.com");
    for (auto _ : state)
        benchmark::DoNotOptimize(PlanWholeTree(tree));
}

BENCHMARK(BM_PlanWholeTree)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
