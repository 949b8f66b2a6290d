#include "platform/Socket.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "base/Number.h"

namespace platform {

namespace {

std::string Where(const std::string& host, std::uint16_t port) {
    const bool v6 = host.find(':') != std::string::npos;
    return (v6 ? "[" + host + "]" : host) + ":" + base::FormatPadded(port, 0);
}

struct AddrInfoList {
    addrinfo* head = nullptr;
    ~AddrInfoList() {
        if (head)
            ::freeaddrinfo(head);
    }
};

// A lookup that runs on a thread of its own, so that a resolver that never answers holds no
// caller: the caller stops waiting after its bound, or when cancelled, and the thread ends by
// itself whenever the resolver gives up, freeing what it found.
struct Lookup {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    int rc = 0;
    addrinfo* head = nullptr;
    ~Lookup() {
        if (head)
            ::freeaddrinfo(head);
    }
};

constexpr std::chrono::milliseconds kCancelCheck{20};

// Resolves host for a socket type; "" or the resolver's reason. A numeric address (and ""
// for a passive socket) is read at once, a name looked up within Socket::kLookupTimeout.
std::string Resolve(const std::string& host, std::uint16_t port, int type, bool passive,
                    AddrInfoList& list, const Cancelled& cancelled = {}) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = type;
    hints.ai_flags = AI_NUMERICSERV | AI_NUMERICHOST | (passive ? AI_PASSIVE : 0);
    const std::string service = base::FormatPadded(port, 0);
    const char* node = host.empty() ? nullptr : host.c_str();
    int rc = ::getaddrinfo(node, service.c_str(), &hints, &list.head);
    if (rc == EAI_NONAME && node != nullptr) {
        hints.ai_flags &= ~AI_NUMERICHOST;
        auto lookup = std::make_shared<Lookup>();
        try {
            std::thread([lookup, host, service, hints] {
                addrinfo* head = nullptr;
                const int result = ::getaddrinfo(host.c_str(), service.c_str(), &hints, &head);
                std::lock_guard lock(lookup->mutex);
                lookup->rc = result;
                lookup->head = head;
                lookup->finished = true;
                lookup->done.notify_all();
            }).detach();
        } catch (const std::system_error&) {
            return Where(host, port) + ": no thread for the name lookup";
        }
        const auto deadline = std::chrono::steady_clock::now() + Socket::kLookupTimeout;
        std::unique_lock lock(lookup->mutex);
        while (!lookup->finished) {
            if (cancelled && cancelled())
                return Where(host, port) + ": cancelled";
            if (std::chrono::steady_clock::now() >= deadline)
                return Where(host, port) + ": the name lookup got no answer";
            lookup->done.wait_for(lock, kCancelCheck);
        }
        rc = lookup->rc;
        list.head = std::exchange(lookup->head, nullptr);
    }
    if (rc != 0)
        return Where(host, port) + ": " + ::gai_strerror(rc);
    return {};
}

UniqueFd OpenSocket(const addrinfo& ai) {
    return UniqueFd(
        ::socket(ai.ai_family, ai.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, ai.ai_protocol));
}

// Waits for a non-blocking connect; 0 or errno (ECANCELED once cancelled).
int FinishConnect(int fd, std::chrono::milliseconds timeout, const Cancelled& cancelled) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (cancelled && cancelled())
            return ECANCELED;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() < 0)
            return ETIMEDOUT;
        pollfd p{fd, POLLOUT, 0};
        const int n = ::poll(&p, 1, static_cast<int>(std::min(left, kCancelCheck).count()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            continue;
        int error = 0;
        socklen_t size = sizeof error;
        if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0)
            return errno;
        return error;
    }
}

} // namespace

std::string Socket::ConnectTcp(const std::string& host, std::uint16_t port,
                               std::chrono::milliseconds timeout, const Cancelled& cancelled) {
    Close();
    AddrInfoList list;
    if (std::string error = Resolve(host, port, SOCK_STREAM, false, list, cancelled);
        !error.empty())
        return error;
    int lastError = EADDRNOTAVAIL;
    for (const addrinfo* ai = list.head; ai != nullptr; ai = ai->ai_next) {
        UniqueFd fd = OpenSocket(*ai);
        if (!fd.Valid()) {
            lastError = errno;
            continue;
        }
        int error = 0;
        if (::connect(fd.Get(), ai->ai_addr, ai->ai_addrlen) != 0)
            error = errno == EINPROGRESS ? FinishConnect(fd.Get(), timeout, cancelled) : errno;
        if (error == 0) {
            fd_ = std::move(fd);
            datagram_ = false;
            return {};
        }
        lastError = error;
        if (error == ECANCELED)
            break;
    }
    return Where(host, port) + ": " + std::strerror(lastError);
}

std::string Socket::BindUdp(const std::string& address, std::uint16_t port) {
    Close();
    AddrInfoList list;
    if (std::string error = Resolve(address, port, SOCK_DGRAM, true, list); !error.empty())
        return error;
    // Every address: the IPv6 wildcard first, taking IPv4 too (its datagrams arrive as
    // ::ffff:a.b.c.d); where the kernel has no IPv6 the IPv4 wildcard alone.
    std::vector<const addrinfo*> order;
    for (const addrinfo* ai = list.head; ai != nullptr; ai = ai->ai_next)
        if (address.empty() && ai->ai_family == AF_INET6)
            order.push_back(ai);
    for (const addrinfo* ai = list.head; ai != nullptr; ai = ai->ai_next)
        if (!address.empty() || ai->ai_family != AF_INET6)
            order.push_back(ai);
    int lastError = EADDRNOTAVAIL;
    for (const addrinfo* ai : order) {
        UniqueFd fd = OpenSocket(*ai);
        if (!fd.Valid()) {
            lastError = errno;
            continue;
        }
        // Several listeners (a chart plotter beside us) may share a multiplexer's port.
        const int on = 1;
        (void)::setsockopt(fd.Get(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        const int off = 0;
        if (address.empty() && ai->ai_family == AF_INET6)
            (void)::setsockopt(fd.Get(), IPPROTO_IPV6, IPV6_V6ONLY, &off, sizeof off);
        if (::bind(fd.Get(), ai->ai_addr, ai->ai_addrlen) == 0) {
            fd_ = std::move(fd);
            datagram_ = true;
            return {};
        }
        lastError = errno;
    }
    return Where(address.empty() ? "*" : address, port) + ": " + std::strerror(lastError);
}

bool Socket::Send(std::string_view bytes) {
    // A command of a few dozen bytes into a fresh connection: the buffer never fills, but a
    // peer that reads nothing must not hold us, so a full buffer gives up after a second.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (!bytes.empty() && fd_.Valid()) {
        const ssize_t n = ::send(fd_.Get(), bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (n > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) &&
            std::chrono::steady_clock::now() < deadline) {
            pollfd p{fd_.Get(), POLLOUT, 0};
            (void)::poll(&p, 1, 100);
            continue;
        }
        return false;
    }
    return bytes.empty();
}

SerialReadResult Socket::Read(char* buffer, std::size_t capacity) {
    SerialReadResult result;
    if (!fd_.Valid()) {
        result.ok = false;
        result.error = EBADF;
        return result;
    }
    // MSG_TRUNC gives a datagram's whole length; on a stream it would throw the bytes away.
    const ssize_t n =
        ::recv(fd_.Get(), buffer, capacity, MSG_DONTWAIT | (datagram_ ? MSG_TRUNC : 0));
    if (n > 0) {
        // Only capacity bytes of a longer datagram were stored.
        result.bytes = std::min(static_cast<std::size_t>(n), capacity);
        return result;
    }
    if (n == 0 && !datagram_) {
        result.ok = false;
        result.error = EPIPE;
        return result;
    }
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
        result.ok = false;
        result.error = errno;
    }
    return result;
}

std::uint16_t Socket::LocalPort() const {
    if (!fd_.Valid())
        return 0;
    sockaddr_storage address{};
    socklen_t size = sizeof address;
    if (::getsockname(fd_.Get(), reinterpret_cast<sockaddr*>(&address), &size) != 0)
        return 0;
    if (address.ss_family == AF_INET)
        return ntohs(reinterpret_cast<const sockaddr_in*>(&address)->sin_port);
    if (address.ss_family == AF_INET6)
        return ntohs(reinterpret_cast<const sockaddr_in6*>(&address)->sin6_port);
    return 0;
}

} // namespace platform
