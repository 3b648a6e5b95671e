#include "linkcheck/http_protocols.h"
#include "linkcheck/link_checker.h"
#include "linkcheck/run_control.h"
#include "linkcheck/sliced_planner.h"
#include "test_server.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <set>
#include <system_error>

using namespace tarnlink;
using tarnlink::linktest::TestServer;

namespace {

struct Recorder : CheckListener {
    std::vector<CheckRow> rows;
    std::vector<QString> started;
    std::vector<int> ended;
    int runsEnded = 0;
    int rowsAtRunEnd = -1;
    std::vector<NodeHandle> described;

    void linkStarted(const QString& name, int) override { started.push_back(name); }
    void workersRunning(int) override {}
    void addRow(const CheckRow& row) override { rows.push_back(row); }
    void descriptionChanged(const NodeHandle& node) override { described.push_back(node); }
    void workerEnded(int count) override { ended.push_back(count); }
    void runEnded() override
    {
        ++runsEnded;
        rowsAtRunEnd = static_cast<int>(rows.size());
    }

    const CheckRow* row(const QString& name) const
    {
        for (const CheckRow& r : rows)
            if (r.name == name)
                return &r;
        return nullptr;
    }
};

void EnsureCoreApplication()
{
    static int argc = 1;
    static char name[] = "linkcheck_tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);
}

class LinkCheckerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureCoreApplication(); }

    void SetUp() override
    {
        // Generous for a loaded machine; tests of the time-out shorten it.
        checker.setTimeouts({std::chrono::seconds(5), std::chrono::seconds(5)});
        checker.setSettings({false, false, 8, 0});
    }

    void TearDown() override
    {
        server.release();
        LinkChecker::waitForWorkers(std::chrono::seconds(5));
        QCoreApplication::processEvents();
    }

    TfcTreeNode* link(const char* name, const std::string& address, TfcTreeNode* parent = nullptr)
    {
        TfcTreeNode* node = tree.AddChild(parent, name);
        node->Link1 = address;
        return node;
    }

    // Until the dispatcher has ended and every worker's row is in. A worker's end comes after its
    // row, and every worker of a run that was not cancelled was announced by linkStarted.
    void finish()
    {
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return recorder.runsEnded > 0 && RunningWorkers::count() == 0
                    && recorder.ended.size() >= recorder.started.size();
            },
            10000));
        QCoreApplication::processEvents();
    }
    void run()
    {
        checker.start(tree);
        finish();
    }

    TestServer server;
    TfcTreeNodes tree;
    Recorder recorder;
    LinkChecker checker{recorder};
};

TEST_F(LinkCheckerTest, ClassifiesEveryKindOfAnswer)
{
    const struct {
        const char* name;
        std::string address;
        const char* error; // nullptr: the link works
        const char* code;
    } cases[] = {
        {"ok", server.url("/ok"), nullptr, ""},
        {"found", server.url("/found"), nullptr, ""},
        {"moved", server.url("/moved"), "Moved Permanently", "301"},
        {"empty", server.url("/empty"), "Unknown", "204"},
        {"missing", server.url("/missing"), "Not Found", "404"},
        {"error", server.url("/error"), "Internal Server Error", "500"},
        {"other", server.url("/other"), "See Other", "303"},
        {"closed", "http://127.0.0.1:" + std::to_string(linktest::ClosedPort()) + "/", "Unknown", ""},
    };
    for (const auto& c : cases)
        link(c.name, c.address);
    checker.setTranslator([](const QString& text) { return text == "Not Found" ? QString("Nicht gefunden") : text; });

    run();

    int failing = 0;
    for (const auto& c : cases) {
        const CheckRow* row = recorder.row(c.name);
        if (!c.error) {
            EXPECT_EQ(row, nullptr) << c.name;
            continue;
        }
        ++failing;
        ASSERT_NE(row, nullptr) << c.name;
        EXPECT_EQ(row->error, QString(c.error) == "Not Found" ? "Nicht gefunden" : c.error) << c.name;
        EXPECT_EQ(row->code, c.code) << c.name;
        EXPECT_EQ(row->link, QString::fromStdString(c.address));
        EXPECT_EQ(row->node.get(), tree.NodeAt(row->nodeIndex));
        EXPECT_EQ(row->node.get()->Name(), c.name);
    }
    EXPECT_EQ(recorder.rows.size(), size_t(failing));
    EXPECT_EQ(server.requestsFor("/redirect-target"), 0); // redirects are not followed
    for (const std::string& agent : server.userAgents())
        EXPECT_EQ(agent, "Tarnlink");
    ASSERT_FALSE(recorder.ended.empty());
    EXPECT_EQ(recorder.runsEnded, 1);
    EXPECT_TRUE(tree.NodeAt(7)->Description.empty()); // updating moved pages is off
}

TEST_F(LinkCheckerTest, SlowAnswersAreCutOffAndBodiesNeverAwaited)
{
    // A checker that read bodies would run into the time-out on both endless answers.
    link("slow", server.url("/slow"));
    link("endless", server.url("/endless"));
    link("endless-missing", server.url("/endless-missing"));
    checker.setTimeouts({std::chrono::seconds(1), std::chrono::seconds(1)});
    run();
    ASSERT_EQ(recorder.rows.size(), 2u);
    EXPECT_EQ(recorder.row("slow")->error, "Unknown");
    EXPECT_EQ(recorder.row("slow")->code, "");
    EXPECT_EQ(recorder.row("endless-missing")->code, "404");
}

TEST_F(LinkCheckerTest, SchemesAndLocalPaths)
{
    link("bare", server.hostPort() + "/missing");
    link("caps", "HTTP://" + server.hostPort() + "/error");
    link("tls", "HTTPS://" + server.hostPort() + "/ok");      // spoken as TLS to a plain server
    link("ftp", "ftp://" + server.hostPort() + "/?http://x"); // never spoken at all
    TfcTreeNode* local = link("local", "c:\\dir\\page.html");
    run();

    EXPECT_EQ(recorder.row("bare")->code, "404");
    EXPECT_EQ(recorder.row("bare")->link, QString::fromStdString(server.hostPort() + "/missing"));
    EXPECT_EQ(recorder.row("caps")->code, "500");
    for (const char* unanswered : {"tls", "ftp"}) {
        ASSERT_NE(recorder.row(unanswered), nullptr) << unanswered;
        EXPECT_EQ(recorder.row(unanswered)->code, "") << unanswered;
        EXPECT_EQ(recorder.row(unanswered)->error, "Unknown") << unanswered;
    }
    EXPECT_EQ(server.requestsFor("/ok"), 0);
    EXPECT_EQ(recorder.row("local"), nullptr); // local paths stay home in whole-tree mode

    // ...but a selected one is sent out with "http://" in front and fails.
    recorder = Recorder();
    checker.setSettings({true, false, 8, 0});
    tree.Select(local);
    run();
    ASSERT_EQ(recorder.rows.size(), 1u);
    EXPECT_EQ(recorder.rows[0].link, "c:\\dir\\page.html");
    EXPECT_EQ(recorder.rows[0].error, "Unknown");
    EXPECT_EQ(recorder.rows[0].code, "");
}

TEST_F(LinkCheckerTest, OneThreadMeansOneRequestAfterTheOther)
{
    server.releaseHoldAfter(20);
    for (int i = 0; i < 5; ++i)
        link("hold", server.url("/hold"));
    checker.setSettings({false, false, 0, 0}); // clamped to 1
    run();
    EXPECT_EQ(server.requestsFor("/hold"), 5);
    EXPECT_EQ(server.maxInFlight(), 1);
    EXPECT_EQ(recorder.rows.size(), 5u);
    EXPECT_EQ(recorder.ended, (std::vector<int>{0, 0, 0, 0, 0}));
}

TEST_F(LinkCheckerTest, SeeOtherAppendsTheNewAddressOnEveryRun)
{
    TfcTreeNode* described = link("described", server.url("/other"));
    described->Description = "old";
    TfcTreeNode* blank = link("blank", server.url("/other"));
    checker.setSettings({false, true, 8, 0});
    run();
    EXPECT_EQ(described->Description, "old http://new.example/page");
    EXPECT_EQ(blank->Description, " http://new.example/page");
    ASSERT_EQ(recorder.described.size(), 2u);
    for (const NodeHandle& handle : recorder.described)
        EXPECT_TRUE(handle == described->Handle() || handle == blank->Handle());
    EXPECT_FALSE(recorder.described[0] == recorder.described[1]);
    EXPECT_EQ(recorder.row("blank")->error, "See Other");

    recorder = Recorder();
    run();
    EXPECT_EQ(described->Description, "old http://new.example/page http://new.example/page");
}

TEST_F(LinkCheckerTest, CancelStartsNoFurtherWorkerAndLateRowsStillArrive)
{
    for (int i = 0; i < 10; ++i)
        link("hold", server.url("/hold"));
    checker.setSettings({false, false, 2, 0});
    checker.start(tree);
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.requestsFor("/hold") == 2; }, 5000));

    checker.cancel();
    EXPECT_FALSE(checker.running());
    EXPECT_TRUE(checker.dispatching());
    ASSERT_TRUE(QTest::qWaitFor([&] { return recorder.runsEnded == 1; }, 3000));
    EXPECT_FALSE(checker.dispatching());
    EXPECT_EQ(recorder.rowsAtRunEnd, 0);

    server.release();
    finish();
    EXPECT_EQ(recorder.rows.size(), 2u); // after the run had ended
    EXPECT_EQ(server.requestsFor("/hold"), 2);
    EXPECT_EQ(recorder.runsEnded, 1);
}

TEST_F(LinkCheckerTest, CancelledDispatcherNeitherGoesOnNorEndsTheNextRun)
{
    for (int i = 0; i < 10; ++i)
        link("hold", server.url("/hold"));
    checker.setSettings({false, false, 2, 0});
    checker.start(tree);
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.requestsFor("/hold") == 2; }, 5000));

    // Cancel, then Check again before the cancelled dispatcher has ended.
    checker.cancel();
    tree.Clear();
    link("ok", server.url("/ok"));
    link("missing", server.url("/missing"));
    checker.start(tree);
    QTest::qWait(150); // the cancelled dispatcher ends meanwhile; its end must not count
    EXPECT_EQ(recorder.runsEnded, 0);
    EXPECT_TRUE(checker.running());

    server.release(); // frees the slots the old workers hold
    finish();
    EXPECT_EQ(recorder.runsEnded, 1);
    EXPECT_EQ(server.requestsFor("/hold"), 2);
    EXPECT_EQ(server.requestsFor("/ok"), 1);
    ASSERT_EQ(recorder.rows.size(), 1u); // the old workers' nodes are gone: their rows are dropped
    EXPECT_EQ(recorder.rows[0].name, "missing");
}

TEST_F(LinkCheckerTest, CancelCutsThePauseShort)
{
    for (int i = 0; i < 3; ++i)
        link("ok", server.url("/ok"));
    checker.setSettings({false, false, 5, 1000});
    checker.start(tree);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !recorder.started.empty(); }, 1000));
    QElapsedTimer clock;
    clock.start();
    checker.cancel();
    finish();
    EXPECT_LT(clock.elapsed(), 800); // the pause is 1000 ms
    EXPECT_EQ(server.requestsFor("/ok"), 1);
}

TEST_F(LinkCheckerTest, RowOfADeletedNodeIsDropped)
{
    TfcTreeNode* node = link("hold", server.url("/hold"));
    checker.start(tree);
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.requestsFor("/hold") == 1; }, 5000));
    tree.Delete(node);
    server.release();
    finish();
    EXPECT_TRUE(recorder.rows.empty());
    EXPECT_EQ(recorder.ended, (std::vector<int>{0}));
}

TEST_F(LinkCheckerTest, RunWithNothingToCheckEndsAtOnce)
{
    run(); // empty tree
    TfcTreeNode* folder = tree.AddChild(nullptr, "folder");
    folder->Kind = KindFolder;
    link("no address", "", folder);
    recorder = Recorder();
    run();
    EXPECT_EQ(recorder.runsEnded, 1);
    EXPECT_TRUE(recorder.rows.empty());
    EXPECT_TRUE(recorder.ended.empty());
    EXPECT_TRUE(server.paths().empty());
}

TEST_F(LinkCheckerTest, ShutdownEndsACancelledRunWhoseServerNeverAnswers)
{
    for (int i = 0; i < 3; ++i)
        link("hold", server.url("/hold")); // held for 10 s
    auto listener = std::make_unique<Recorder>();
    auto owner = std::make_unique<LinkChecker>(*listener);
    owner->setTimeouts({std::chrono::seconds(30), std::chrono::seconds(30)});
    owner->setSettings({false, false, 2, 0});
    owner->start(tree);
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.requestsFor("/hold") == 2; }, 5000));
    owner->cancel();

    // Only requests that give up at once can end within the bound.
    EXPECT_TRUE(owner->shutdown(kShutdownWait));
    EXPECT_EQ(RunningWorkers::count(), 0);
    EXPECT_FALSE(owner->dispatching());
    owner->start(tree); // refused once shut down
    EXPECT_FALSE(owner->dispatching());
    QCoreApplication::processEvents();
    EXPECT_EQ(listener->runsEnded, 0); // nothing reaches the listener after shutdown
    EXPECT_TRUE(listener->ended.empty());
    EXPECT_TRUE(listener->rows.empty());

    // No thread is left to touch what goes now.
    owner.reset();
    listener.reset();
    tree.Clear();
    QCoreApplication::processEvents();
    EXPECT_EQ(server.requestsFor("/hold"), 2);
}

TEST_F(LinkCheckerTest, AThreadThatCannotBeMadeGivesItsSlotBack)
{
    for (int i = 0; i < 5; ++i)
        link("missing", server.url("/missing"));
    const struct {
        std::set<int> failing; // starts that fail; the first start makes the dispatcher
        size_t rows;
        size_t workersEnded;
    } cases[] = {
        {{2, 3}, 3, 5}, // one slot only: a slot lost by a failed start would stall the run
        {{1}, 0, 0},
    };
    for (const auto& c : cases) {
        int starts = 0;
        Recorder listener;
        LinkChecker failing(listener, [&starts, &c](std::function<void()> body) {
            if (c.failing.count(++starts))
                throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
            StartDetachedThread(std::move(body));
        });
        failing.setSettings({false, false, 1, 0});
        failing.start(tree);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return listener.runsEnded == 1 && listener.ended.size() == c.workersEnded; }, 10000))
            << *c.failing.begin();
        EXPECT_EQ(listener.rows.size(), c.rows);
        EXPECT_EQ(RunningWorkers::count(), 0);
        EXPECT_TRUE(listener.ended.empty() || listener.ended.back() == 0);
        EXPECT_TRUE(failing.shutdown(kShutdownWait));
    }
}

TEST(HttpProtocols, NamesFirstThenTheMaskOfAnOlderLibcurl)
{
    const struct {
        CURLcode names;
        CURLcode mask;
        bool restricted;
        long maskGiven; // -1: not tried
    } cases[] = {
        {CURLE_OK, CURLE_OK, true, -1},
        {CURLE_UNKNOWN_OPTION, CURLE_OK, true, CURLPROTO_HTTP | CURLPROTO_HTTPS},
        {CURLE_BAD_FUNCTION_ARGUMENT, CURLE_OK, true, CURLPROTO_HTTP | CURLPROTO_HTTPS},
        {CURLE_UNKNOWN_OPTION, CURLE_UNKNOWN_OPTION, false, CURLPROTO_HTTP | CURLPROTO_HTTPS},
    };
    for (const auto& c : cases) {
        std::string names;
        long mask = -1;
        const ProtocolSetters set{[&](const char* given) { return names = given, c.names; },
                                  [&](long given) { return mask = given, c.mask; }};
        EXPECT_EQ(RestrictToHttp(set), c.restricted) << c.names << " " << c.mask;
        EXPECT_EQ(names, "http,https");
        EXPECT_EQ(mask, c.maskGiven) << c.names << " " << c.mask;
    }

    // The mask alone, as an older libcurl gets it, keeps a request off every other scheme.
    CURL* curl = curl_easy_init();
    ProtocolSetters older = ProtocolSettersOf(curl);
    older.byNames = [](const char*) { return CURLE_UNKNOWN_OPTION; };
    ASSERT_TRUE(RestrictToHttp(older));
    curl_easy_setopt(curl, CURLOPT_URL, "file:///etc/hostname");
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, +[](char*, size_t size, size_t count, void*) { return size * count; });
    EXPECT_EQ(curl_easy_perform(curl), CURLE_UNSUPPORTED_PROTOCOL);
    curl_easy_cleanup(curl);
}

// A walk that plans one pace step per slice, three slices in all.
class ThreeSlices : public CheckWalk {
public:
    bool advance(SliceBudget) override
    {
        plan_.steps.emplace_back();
        return plan_.steps.size() < 3;
    }
};

TEST(SlicedPlannerTest, TheEventLoopRunsBetweenSlicesAndStopHandsOverWhatIsPlanned)
{
    EnsureCoreApplication();
    std::vector<size_t> planned;
    SlicedPlanner planner;
    planner.start(std::make_unique<ThreeSlices>(), [&](CheckPlan plan) { planned.push_back(plan.steps.size()); });
    EXPECT_TRUE(planned.empty()); // one slice so far
    ASSERT_TRUE(QTest::qWaitFor([&] { return !planned.empty(); }, 1000));
    EXPECT_EQ(planned, std::vector<size_t>{3});

    planner.start(std::make_unique<ThreeSlices>(), [&](CheckPlan plan) { planned.push_back(plan.steps.size()); });
    planner.stop();
    EXPECT_EQ(planned, (std::vector<size_t>{3, 1}));
    planner.stop();
    QCoreApplication::processEvents();
    EXPECT_EQ(planned.size(), 2u);
}

} // namespace
