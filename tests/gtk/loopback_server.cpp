#include "loopback_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace kameng::gtk::testing {

LoopbackServer::LoopbackServer(std::map<std::string, Page> pages) : pages_(std::move(pages)) {
    listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listener_ < 0) throw std::runtime_error("no socket");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener_, 16) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        close(listener_);
        throw std::runtime_error("cannot listen on 127.0.0.1");
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { serve(); });
}

LoopbackServer::~LoopbackServer() {
    stopping_ = true;
    thread_.join();
    close(listener_);
}

std::string LoopbackServer::url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::vector<std::string> LoopbackServer::requestedPaths() const {
    std::lock_guard lock(mutex_);
    return requested_;
}

void LoopbackServer::serve() {
    while (!stopping_) {
        pollfd waiting{listener_, POLLIN, 0};
        if (poll(&waiting, 1, 50) <= 0) continue;
        int connection = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0) continue;
        answer(connection);
        close(connection);
    }
}

void LoopbackServer::answer(int connection) {
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
        pollfd readable{connection, POLLIN, 0};
        if (poll(&readable, 1, 2000) <= 0) return;
        ssize_t n = read(connection, buffer, sizeof buffer);
        if (n <= 0) return;
        request.append(buffer, static_cast<std::size_t>(n));
    }
    const auto firstSpace = request.find(' ');
    const auto secondSpace = request.find(' ', firstSpace + 1);
    if (firstSpace == std::string::npos || secondSpace == std::string::npos) return;
    const std::string path = request.substr(firstSpace + 1, secondSpace - firstSpace - 1);
    {
        std::lock_guard lock(mutex_);
        requested_.push_back(path);
    }
    auto found = pages_.find(path);
    const bool ok = found != pages_.end();
    const std::string body = ok ? found->second.body : "not here";
    std::string response = std::string("HTTP/1.1 ") + (ok ? "200 OK" : "404 Not Found") +
                           "\r\nContent-Type: " +
                           (ok ? found->second.contentType : "text/plain") +
                           "\r\nContent-Length: " + std::to_string(body.size()) +
                           "\r\nCache-Control: no-store\r\nConnection: close\r\n\r\n" + body;
    std::size_t sent = 0;
    while (sent < response.size()) {
        ssize_t n = send(connection, response.data() + sent, response.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return;
        sent += static_cast<std::size_t>(n);
    }
}

}  // namespace kameng::gtk::testing
