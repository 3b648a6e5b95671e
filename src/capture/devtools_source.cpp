#include "devtools_source.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <curl/curl.h>

#include <algorithm>
#include <memory>
#include <mutex>

namespace tarnlink {

namespace {

// Profile folders under the home folder.
const char* const kBrowserFolders[] = {
    ".config/chromium",
    ".config/google-chrome",
    ".config/google-chrome-beta",
    ".config/google-chrome-unstable",
    ".config/BraveSoftware/Brave-Browser",
    ".config/microsoft-edge",
    ".config/vivaldi",
    ".config/opera",
    "snap/chromium/common/chromium",
};

// A tab list is a few hundred bytes a tab; more than this is not one.
constexpr size_t kMaxAnswer = 8 * 1024 * 1024;

struct EasyDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};

size_t collect(char* data, size_t size, size_t count, void* user)
{
    auto& body = *static_cast<QByteArray*>(user);
    const size_t length = size * count;
    if (size_t(body.size()) + length > kMaxAnswer)
        return 0; // ends the transfer
    body.append(data, qsizetype(length));
    return length;
}

// The body of a 200 answer from a loopback port, or nothing.
std::optional<QByteArray> fetchLoopback(int port, const char* path, std::chrono::milliseconds timeout)
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    const std::unique_ptr<CURL, EasyDeleter> curl(curl_easy_init());
    if (!curl)
        return std::nullopt;
    const std::string url = "http://127.0.0.1:" + std::to_string(port) + path;
    QByteArray body;
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    curl_easy_setopt(c, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, long(timeout.count()));
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, collect);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &body);
    long status = 0;
    if (curl_easy_perform(c) != CURLE_OK || curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status) != CURLE_OK
        || status != 200)
        return std::nullopt;
    return body;
}

// The port on the first line of a DevToolsActivePort file; 0 when there is none.
int activePort(const QString& folder)
{
    QFile file(folder + QStringLiteral("/DevToolsActivePort"));
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
        return 0;
    bool ok = false;
    const int port = file.readLine(16).trimmed().toInt(&ok);
    return ok && port > 0 && port < 65536 ? port : 0;
}

} // namespace

std::optional<BrowserPage> FirstPageTarget(const QByteArray& json)
{
    for (const QJsonValue& value : QJsonDocument::fromJson(json).array()) {
        const QJsonObject target = value.toObject();
        if (target[QLatin1String("type")].toString() != QLatin1String("page"))
            continue;
        const QString address = target[QLatin1String("url")].toString();
        if (address.isEmpty())
            return std::nullopt;
        return BrowserPage{address, target[QLatin1String("title")].toString()};
    }
    return std::nullopt;
}

DevToolsSource::DevToolsSource(QString home, int defaultPort, std::chrono::milliseconds budget)
    : home_(std::move(home)), defaultPort_(defaultPort), budget_(budget)
{
}

std::vector<int> DevToolsSource::ports() const
{
    std::vector<int> ports;
    const auto addPort = [&](int port) {
        if (port && std::find(ports.begin(), ports.end(), port) == ports.end())
            ports.push_back(port);
    };
    for (const char* folder : kBrowserFolders)
        addPort(activePort(home_ + u'/' + QLatin1String(folder)));
    addPort(defaultPort_);
    return ports;
}

QString DevToolsSource::currentPage()
{
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + budget_;
    for (const int port : ports()) {
        const auto left = duration_cast<milliseconds>(deadline - steady_clock::now());
        if (left <= milliseconds(0))
            break;
        if (const auto answer = fetchLoopback(port, "/json/list", left))
            if (const auto page = FirstPageTarget(*answer))
                return PageAnswer(page->address, page->title);
    }
    return {};
}

} // namespace tarnlink
