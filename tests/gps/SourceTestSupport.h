#pragma once

#include "gps/GpsFeed.h"
#include "gps/GpsLink.h"

#include <algorithm>
#include <arpa/inet.h>
#include <chrono>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace sourcetest {

using namespace std::chrono_literals;

// A feed whose link has a queue large enough to keep every sentence, polled often, and what
// the link queued, gathered on the test's thread.
class LinkWatch {
public:
    explicit LinkWatch(gps::GpsLinkOptions options = {5ms, 1000ms, "/dev/null", 8000ms})
        : feed(options, 100000), link(feed.Link()) {}
    ~LinkWatch() { link.Close(); }

    // Gathers queued lines until at least n have come (true) or timeout passes (false).
    bool WaitLines(std::size_t n, std::chrono::steady_clock::duration timeout) {
        return WaitUntil([&] { return lines.size() >= n; }, timeout);
    }
    // Waits for the reader to report a failure ("lost") or the end of the stream.
    bool WaitFailure(std::chrono::steady_clock::duration timeout) {
        return WaitUntil([&] { return link.HasReadError() || link.HasEnded(); }, timeout);
    }

    template <typename Pred>
    bool WaitUntil(Pred pred, std::chrono::steady_clock::duration timeout) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        for (;;) {
            Drain();
            if (pred())
                return true;
            if (std::chrono::steady_clock::now() >= deadline)
                return false;
            // Woken by a post, or after a while for predicates that act (write to a line).
            feed.WaitForPosts(std::min(deadline, std::chrono::steady_clock::now() + 20ms));
        }
    }

    void Drain() {
        gps::QueuedSentence sentence;
        while (link.PopSentence(sentence))
            lines.push_back(sentence.line);
    }

    gps::GpsFeed feed;
    gps::GpsLink& link;
    std::vector<std::string> lines;
};

// Sends bytes as one datagram to a numeric address (IPv4 or IPv6) and port.
inline bool SendDatagram(const std::string& address, std::uint16_t port, std::string_view bytes) {
    addrinfo hints{};
    hints.ai_socktype = SOCK_DGRAM;
    hints.ai_flags = AI_NUMERICHOST | AI_NUMERICSERV;
    addrinfo* to = nullptr;
    if (::getaddrinfo(address.c_str(), std::to_string(port).c_str(), &hints, &to) != 0)
        return false;
    const int fd = ::socket(to->ai_family, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    const ssize_t n = ::sendto(fd, bytes.data(), bytes.size(), 0, to->ai_addr, to->ai_addrlen);
    ::close(fd);
    ::freeaddrinfo(to);
    return n == static_cast<ssize_t>(bytes.size());
}

// A TCP server on 127.0.0.1 with a port of the kernel's choosing, one client at a time.
class LocalServer {
public:
    explicit LocalServer(int backlog = 4) {
        listen_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (listen_ < 0 || ::bind(listen_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            ::listen(listen_, backlog) != 0 ||
            ::getsockname(listen_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
            return;
        port_ = ntohs(address.sin_port);
    }
    ~LocalServer() {
        Drop();
        for (const int fd : waiting_)
            ::close(fd);
        if (listen_ >= 0)
            ::close(listen_);
    }
    [[nodiscard]] std::uint16_t Port() const { return port_; }

    // Connects clients that are never taken until the kernel drops further handshakes, as a
    // server that stopped accepting does; true when a connect then stays pending.
    bool FillAcceptQueue() {
        for (int i = 0; i < 16; ++i) {
            const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
            sockaddr_in address{};
            address.sin_family = AF_INET;
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            address.sin_port = htons(port_);
            waiting_.push_back(fd);
            if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0)
                continue;
            pollfd p{fd, POLLOUT, 0};
            if (errno == EINPROGRESS && ::poll(&p, 1, 200) == 0)
                return true;
        }
        return false;
    }

    // Waits up to timeout for the next client.
    bool Accept(std::chrono::milliseconds timeout) {
        Drop();
        pollfd p{listen_, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(timeout.count())) != 1)
            return false;
        client_ = ::accept4(listen_, nullptr, nullptr, SOCK_CLOEXEC);
        return client_ >= 0;
    }
    bool Send(const std::string& bytes) {
        return client_ >= 0 && ::send(client_, bytes.data(), bytes.size(), MSG_NOSIGNAL) ==
                                   static_cast<ssize_t>(bytes.size());
    }
    // Reads what the client sent within timeout.
    std::string Receive(std::chrono::milliseconds timeout) {
        pollfd p{client_, POLLIN, 0};
        if (client_ < 0 || ::poll(&p, 1, static_cast<int>(timeout.count())) != 1)
            return {};
        char buffer[512];
        const ssize_t n = ::recv(client_, buffer, sizeof buffer, MSG_DONTWAIT);
        return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
    }
    // The server goes away: the client connection closes and no new one is taken.
    void Drop() {
        if (client_ >= 0)
            ::close(client_);
        client_ = -1;
    }

private:
    int listen_ = -1;
    int client_ = -1;
    std::vector<int> waiting_;
    std::uint16_t port_ = 0;
};

} // namespace sourcetest
