// Checking N links against a local server that answers each after a fixed latency, with
// ThreadsAmount 50 and DelayThreads 0. "ratio" compares the wall time with the ideal
// N x latency / threads.

#include "linkcheck/check_plan.h"
#include "linkcheck/link_checker.h"
#include "model/tree_node.h"
#include "test_server.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <benchmark/benchmark.h>

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
    void descriptionChanged(TfcTreeNode&) override {}
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

// What a run takes from the tree on the GUI thread before its dispatcher starts.
void BM_PlanWholeTree(benchmark::State& state)
{
    TfcTreeNodes tree;
    {
        UpdateGuard update(tree);
        TfcTreeNode* folder = nullptr;
        for (int i = 0; i < state.range(0); ++i) {
            if (i % 50 == 0) {
                folder = tree.AddChild(nullptr, "Folder number " + std::to_string(i / 50));
                folder->Kind = KindFolder;
            }
            tree.AddChild(folder, "A link name of about thirty bytes " + std::to_string(i))->Link1 =
                "http://www.example.com/a/path/of/about/sixty/bytes/page" + std::to_string(i) + ".html";
        }
    }
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
