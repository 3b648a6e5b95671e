#include "capture/browser_sources.h"
#include "capture/devtools_source.h"
#include "capture/firefox_session.h"
#include "mozlz4_fixture.h"
#include "test_server.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

// Readable values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace tarnlink {
inline void PrintTo(const BrowserPage& page, std::ostream* os)
{
    *os << page.address.toStdString() << " | " << page.title.toStdString();
}
} // namespace tarnlink

using namespace tarnlink;
using std::chrono::milliseconds;

// Generous, for a loaded machine; the time-out itself is tested with a short one.
constexpr milliseconds kBudget(5000);

namespace {

void writeFile(const QString& path, const QByteArray& bytes, const QDateTime& time = {})
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.flush(); // a later write would set the time again
    if (time.isValid())
        file.setFileTime(time, QFileDevice::FileModificationTime);
}

struct FakeSource : PageSource {
    QString answer;
    int asked = 0;
    explicit FakeSource(QString a) : answer(std::move(a)) {}
    QString currentPage() override
    {
        ++asked;
        return answer;
    }
};

// Two windows, the second most recently used; its second tab is selected and shows the first of
// its two history entries.
QByteArray session(const QString& selectedUrl = "https://www.example.org/Second", const QString& title = "Second page")
{
    return QStringLiteral(R"({"version":["sessionrestore",1],"selectedWindow":2,"windows":[
        {"selected":1,"tabs":[{"index":1,"entries":[{"url":"https://first.example/","title":"First"}]}]},
        {"selected":2,"tabs":[
            {"index":1,"entries":[{"url":"https://other.example/","title":"Other"}]},
            {"index":1,"entries":[{"url":"%1","title":"%2"},{"url":"https://later.example/","title":"Later"}]}]}],
        "_closedWindows":[]})")
        .arg(selectedUrl, title)
        .toUtf8();
}

} // namespace

TEST(PageAnswer, ParsedAsTheBrowsersGaveIt)
{
    const struct {
        QString answer;
        std::optional<BrowserPage> page;
    } cases[] = {
        {PageAnswer("http://a.example/x", "A page"), BrowserPage{"http://a.example/x", "A page"}},
        {PageAnswer("http://a.example/", ""), BrowserPage{"http://a.example/", ""}},
        {R"("http://a.example/","Say "hi" now")", BrowserPage{"http://a.example/", "Say "}},
        {R"("http://a.example/")", BrowserPage{"http://a.example/", ""}},
        {"", std::nullopt},
        {"about:blank", std::nullopt},
        {PageAnswer("about:blank", ""), std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParsePageAnswer(c.answer), c.page) << c.answer.toStdString();
}

TEST(PageAnswer, SourcesAreAskedInOrderUntilOneYieldsAPage)
{
    PageSources sources;
    for (const char* answer : {"", "about:blank", R"("http://b.example/","B")", R"("http://c.example/","C")"})
        sources.push_back(std::make_unique<FakeSource>(answer));
    EXPECT_EQ(AskPageSources(sources), (BrowserPage{"http://b.example/", "B"}));
    EXPECT_EQ(static_cast<FakeSource&>(*sources[3]).asked, 0);

    sources.resize(2);
    EXPECT_EQ(AskPageSources(sources), std::nullopt);
}

TEST(FirefoxSession, SelectedTabOfTheMostRecentWindow)
{
    EXPECT_EQ(SelectedSessionPage(session()), (BrowserPage{"https://www.example.org/Second", "Second page"}));

    const struct {
        const char* json;
        std::optional<BrowserPage> page;
    } cases[] = {
        // Without positions: the first window and tab, the newest entry.
        {R"({"windows":[{"tabs":[{"entries":[{"url":"http://a/"},{"url":"http://b/","title":"B"}]}]}]})",
         BrowserPage{"http://b/", "B"}},
        {R"({"selectedWindow":9,"windows":[{"selected":0,"tabs":[{"index":7,"entries":[{"url":"http://a/"}]}]}]})",
         BrowserPage{"http://a/", ""}},
        {R"({"windows":[{"tabs":[{"entries":[]}]}]})", std::nullopt},
        {R"({"windows":[]})", std::nullopt},
        {R"({"windows":{"tabs":1}})", std::nullopt},
        {R"([1,2,3])", std::nullopt},
        {R"({"windows":[{"tabs":[{"entries":[{"url":"http://a/"}])", std::nullopt},
        {"\xFF\xFE garbage", std::nullopt},
        {"", std::nullopt},
        // Damage outside the selected tab counts too.
        {R"({"windows":[{"tabs":[{"entries":[{"url":"http://a/"}]}]}],"_closedWindows":[{"a":1]})", std::nullopt},
        {R"({"windows":[{"tabs":[{"entries":[{"url":"http://a/"}]}]}],"x":"unterminated})", std::nullopt},
        {R"({"windows":[{"tabs":[{"entries":[{"url":"http://a/"}]}]}]} trailing)", std::nullopt},
        {R"({"windows":[{"tabs":[{"entries":[{"url":"http://a/"}]}]}] "x":1})", std::nullopt},
        {R"({"windows" [{"tabs":[{"entries":[{"url":"http://a/"}]}]}]})", std::nullopt},
        {R"({"windows":[{"tabs":[{"entries":[{"url":"http://a/"}]},]}]})", std::nullopt},
        {R"({"windows":[{"tabs":[{"entries":[{"url":"http://a/"}]}]}],"x":"\")", std::nullopt},
        // Brackets and escaped quotes inside strings are text.
        {R"({"windows":[{"title":"a \"]}\" b","tabs":[{"entries":[{"url":"http://a/?q=]}","title":"[{"}]}]}]})",
         BrowserPage{"http://a/?q=]}", "[{"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SelectedSessionPage(c.json), c.page) << c.json;
}

TEST(FirefoxSession, ReadsTheNewestProfileAndGivesNothingForDamage)
{
    QTemporaryDir home;
    const QString older = home.filePath(".mozilla/firefox/abc.default/sessionstore-backups/recovery.jsonlz4");
    const QString newer = home.filePath("snap/firefox/common/.mozilla/firefox/xyz.default/sessionstore-backups/recovery.jsonlz4");
    const QDateTime now = QDateTime::currentDateTime();
    FirefoxSessionSource source(home.path());
    EXPECT_EQ(source.currentPage(), QString());

    writeFile(older, test::MozLz4(session("http://older.example/", "Older")), now.addSecs(-60));
    writeFile(newer, test::MozLz4(session()), now);
    EXPECT_EQ(NewestSessionFile(home.path()), newer);
    EXPECT_EQ(source.currentPage(), PageAnswer("https://www.example.org/Second", "Second page"));

    const QByteArray good = test::MozLz4(session());
    const struct {
        const char* what;
        QByteArray file;
    } damaged[] = {
        {"cut", good.left(good.size() - 20)},
        {"huge size field", test::MozLz4WithSize(session(), 0xFFFFFFF0)},
        {"invalid JSON", test::MozLz4("{\"windows\":[")},
        {"not compressed", session()},
    };
    for (const auto& d : damaged) {
        writeFile(newer, d.file, now);
        EXPECT_EQ(source.currentPage(), QString()) << d.what;
    }

    // A blank tab yields nothing, so the next source is asked.
    writeFile(newer, test::MozLz4(session("about:blank", "")), now);
    PageSources sources;
    sources.push_back(std::make_unique<FirefoxSessionSource>(home.path()));
    sources.push_back(std::make_unique<FakeSource>(R"("http://next.example/","Next")"));
    EXPECT_EQ(AskPageSources(sources), (BrowserPage{"http://next.example/", "Next"}));
}

namespace {

// Stands in for a browser's debugging endpoint; answers /json/list with the text set.
class DebugEndpoint {
public:
    DebugEndpoint()
    {
        server_.Get("/json/list", [this](const httplib::Request&, httplib::Response& response) {
            while (hold_ && !released_)
                std::this_thread::sleep_for(milliseconds(2));
            ++answered_;
            response.status = status_;
            response.set_content(body_, "application/json");
        });
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running())
            std::this_thread::sleep_for(milliseconds(1));
    }
    ~DebugEndpoint()
    {
        released_ = true;
        server_.stop();
        thread_.join();
    }

    int port() const { return port_; }
    void answer(std::string body, int status = 200)
    {
        body_ = std::move(body);
        status_ = status;
    }
    // Keeps every request waiting until the endpoint is destroyed.
    void hold() { hold_ = true; }
    int answered() const { return answered_; }

private:
    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
    std::string body_;
    int status_ = 200;
    std::atomic<bool> hold_{false};
    std::atomic<bool> released_{false};
    std::atomic<int> answered_{0};
};

const char* const kTargets = R"([
    {"id":"1","type":"service_worker","title":"Worker","url":"chrome-extension://x/worker.js"},
    {"id":"2","type":"page","title":"Current \u00e9 page","url":"https://www.example.org/Current"},
    {"id":"3","type":"page","title":"Other","url":"https://other.example/"}])";

} // namespace

TEST(DevToolsSource, FirstPageTargetOfTheNamedOrDefaultPort)
{
    DebugEndpoint endpoint;
    endpoint.answer(kTargets);
    const QString expected = PageAnswer("https://www.example.org/Current", QString::fromUtf8("Current é page"));
    QTemporaryDir home;

    EXPECT_EQ(DevToolsSource(home.path(), endpoint.port(), kBudget).currentPage(), expected);

    writeFile(home.filePath(".config/google-chrome/DevToolsActivePort"),
              QByteArray::number(endpoint.port()) + "\n/devtools/browser/0f1e\n");
    writeFile(home.filePath(".config/chromium/DevToolsActivePort"), "not a port\n");
    DevToolsSource source(home.path(), linktest::ClosedPort(), kBudget);
    EXPECT_EQ(source.ports().front(), endpoint.port());
    EXPECT_EQ(source.currentPage(), expected);
}

TEST(DevToolsSource, GarbageOrNoAnswerGivesNothing)
{
    QTemporaryDir home;
    EXPECT_EQ(DevToolsSource(home.path(), linktest::ClosedPort()).currentPage(), QString());

    DebugEndpoint endpoint;
    const struct {
        const char* what;
        std::string body;
        int status;
    } cases[] = {
        {"garbage", "\x01\x02 not json", 200},
        {"an object", R"({"type":"page","url":"http://a/"})", 200},
        {"no page", R"([{"type":"iframe","url":"http://a/"}])", 200},
        {"not found", kTargets, 404},
    };
    for (const auto& c : cases) {
        endpoint.answer(c.body, c.status);
        EXPECT_EQ(DevToolsSource(home.path(), endpoint.port(), kBudget).currentPage(), QString()) << c.what;
    }

    // An endpoint that never answers: the source gives up before the answer comes.
    endpoint.answer(kTargets);
    endpoint.hold();
    EXPECT_EQ(DevToolsSource(home.path(), endpoint.port(), milliseconds(200)).currentPage(), QString());
    EXPECT_EQ(endpoint.answered(), 4);
}

TEST(BrowserPageSources, FirefoxBeforeChromium)
{
    QTemporaryDir home;
    const PageSources sources = BrowserPageSources(home.path());
    ASSERT_EQ(sources.size(), 2u);
    EXPECT_NE(dynamic_cast<FirefoxSessionSource*>(sources[0].get()), nullptr);
    EXPECT_NE(dynamic_cast<DevToolsSource*>(sources[1].get()), nullptr);
}
