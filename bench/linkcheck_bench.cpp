// Checking N links against a local server that answers each after a fixed latency, with
// ThreadsAmount 50 and DelayThreads 0. "ratio" compares the wall time with the ideal
// N x latency / threads.

#include "linkcheck/link_checker.h"
#include "model/tree_node.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <benchmark/benchmark.h>
#include <httplib.h>

#include <chrono>
#include <thread>

using namespace tarnlink;

namespace {

constexpr int kThreads = 50;

class LatencyServer {
public:
    explicit LatencyServer(int latencyMs)
    {
        server_.new_task_queue = [] { return new httplib::ThreadPool(2 * kThreads); };
        server_.Get("/page", [latencyMs](const httplib::Request&, httplib::Response& response) {
            std::this_thread::sleep_for(std::chrono::milliseconds(latencyMs));
            response.status = 200;
        });
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ~LatencyServer()
    {
        server_.stop();
        thread_.join();
    }
    std::string url() const { return "http://127.0.0.1:" + std::to_string(port_) + "/page"; }

private:
    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
};

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
    for (const char* name : {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"})
        qunsetenv(name);
    LatencyServer server(latencyMs);
    TfcTreeNodes tree;
    for (int i = 0; i < links; ++i)
        tree.AddChild(nullptr, "Link " + std::to_string(i))->Link1 = server.url();

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

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
