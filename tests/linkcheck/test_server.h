#pragma once

// A cpp-httplib server on 127.0.0.1 (ephemeral port) that answers the check's cases and records
// what it was asked. The link check benchmark uses it too.

#include <httplib.h>

#include <QtGlobal>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tarnlink::linktest {

// cpp-httplib listens with a backlog of 5: a burst of more connections loses SYNs, and each
// lost one costs a second. Listening again on the same socket widens the queue.
template <class Bind> void WidenBacklog(httplib::Server& server, Bind bind)
{
    int socket = -1;
    server.set_socket_options([&socket](int sock) {
        const int on = 1;
        ::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        socket = sock;
    });
    bind();
    ::listen(socket, 1024);
}

class TestServer {
public:
    TestServer()
    {
        // No proxy between the checker and this server.
        for (const char* name : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            qunsetenv(name);
        server_.new_task_queue = [] { return new httplib::ThreadPool(128); };
        answer("/ok", 200);
        answer("/moved", 301);
        answer("/empty", 204);
        answer("/missing", 404);
        answer("/error", 500);
        server_.Get("/found", [this](const httplib::Request& request, httplib::Response& response) {
            record(request);
            response.status = 302;
            response.set_header("Location", "/redirect-target");
        });
        server_.Get("/other", [this](const httplib::Request& request, httplib::Response& response) {
            record(request);
            response.status = 303;
            response.set_header("Location", "http://new.example/page");
        });
        // Answers 200 only after release(), or after 3 s: past any short time-out.
        server_.Get("/slow", [this](const httplib::Request& request, httplib::Response& response) {
            record(request);
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
            while (!released_ && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
        });
        // An answer whose body never ends: a checker that read bodies would time out on it.
        for (const auto& [path, status] : {std::pair{"/endless", 200}, std::pair{"/endless-missing", 404}}) {
            server_.Get(path, [this, status = status](const httplib::Request& request, httplib::Response& response) {
                record(request);
                response.status = status;
                response.set_chunked_content_provider("text/plain", [](size_t, httplib::DataSink& sink) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(5));
                    return sink.write(std::string(4096, 'x').data(), 4096);
                });
            });
        }
        // 200 after the latency set by setLatency().
        server_.Get("/latency", [this](const httplib::Request& request, httplib::Response& response) {
            record(request);
            std::this_thread::sleep_for(std::chrono::milliseconds(latencyMs_));
            response.status = 200;
        });
        // Held until release(): answers 404 then.
        server_.Get("/hold", [this](const httplib::Request& request, httplib::Response& response) {
            record(request);
            const int now = ++inFlight_;
            for (int seen = maxInFlight_; now > seen && !maxInFlight_.compare_exchange_weak(seen, now);) {
            }
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            while (!released_ && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            std::this_thread::sleep_for(std::chrono::milliseconds(holdMs_));
            --inFlight_;
            response.status = 404;
        });
        WidenBacklog(server_, [this] { port_ = server_.bind_to_any_port("127.0.0.1"); });
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }

    ~TestServer()
    {
        release();
        server_.stop();
        thread_.join();
    }

    std::string url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }
    std::string hostPort() const { return "127.0.0.1:" + std::to_string(port_); }

    // /hold answers at once, after ms, instead of waiting for release().
    void releaseHoldAfter(int ms)
    {
        holdMs_ = ms;
        release();
    }
    void release() { released_ = true; }
    void setLatency(int ms) { latencyMs_ = ms; }
    int maxInFlight() const { return maxInFlight_; }

    std::vector<std::string> paths() const
    {
        std::lock_guard lock(mutex_);
        return paths_;
    }
    int requestsFor(const std::string& path) const
    {
        const auto all = paths();
        return static_cast<int>(std::count(all.begin(), all.end(), path));
    }
    std::vector<std::string> userAgents() const
    {
        std::lock_guard lock(mutex_);
        return agents_;
    }

private:
    void answer(const std::string& path, int status)
    {
        server_.Get(path, [this, status](const httplib::Request& request, httplib::Response& response) {
            record(request);
            response.status = status;
        });
    }
    void record(const httplib::Request& request)
    {
        std::lock_guard lock(mutex_);
        paths_.push_back(request.path);
        agents_.push_back(request.get_header_value("User-Agent"));
    }

    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
    std::atomic<bool> released_{false};
    std::atomic<int> holdMs_{0};
    std::atomic<int> latencyMs_{0};
    std::atomic<int> inFlight_{0};
    std::atomic<int> maxInFlight_{0};
    mutable std::mutex mutex_;
    std::vector<std::string> paths_;
    std::vector<std::string> agents_;
};

// A loopback port nothing listens on.
inline int ClosedPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

} // namespace tarnlink::linktest
