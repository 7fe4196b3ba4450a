// A tiny HTTP server on 127.0.0.1 for the tests: serves fixed pages from
// a thread of its own and records which paths were asked for.
#pragma once

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kameng::gtk::testing {

class LoopbackServer {
public:
    struct Page {
        std::string contentType = "text/html; charset=utf-8";
        std::string body;
    };

    // Serves `pages` by path; anything else is a 404. Listens on a port the
    // system picks.
    explicit LoopbackServer(std::map<std::string, Page> pages);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    int port() const { return port_; }
    std::string url(const std::string& path) const;
    std::vector<std::string> requestedPaths() const;

private:
    void serve();
    void answer(int connection);

    std::map<std::string, Page> pages_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::vector<std::string> requested_;
    std::thread thread_;
};

}  // namespace kameng::gtk::testing
