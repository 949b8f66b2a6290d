#pragma once

// gpsfake with its gpsd on a local port, playing one capture; in a process group of their own
// so both end together.

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <fcntl.h>
#include <netinet/in.h>
#include <random>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace gpsfaketest {

// A port for gpsd, which cannot be told to take any free one. A port the kernel handed out and
// took back could be handed to a test running beside this one before gpsd binds it; then that
// gpsd dies and this test talks to the other's. So the port lies below the kernel's range of
// ports for binds to port 0, and is held while the test runs.
class PortLease {
public:
    PortLease() {
        std::random_device seed;
        std::uniform_int_distribution<int> pick(kFirst, kLast);
        for (int attempt = 0; attempt < 200 && lock_ < 0; ++attempt) {
            const auto port = static_cast<std::uint16_t>(pick(seed));
            // The lock: a name in the abstract socket namespace, which only one socket can
            // bind and which goes with the process, however it ends.
            const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
            sockaddr_un name{};
            name.sun_family = AF_UNIX;
            const std::string text = "quilo-test-port-" + std::to_string(port);
            text.copy(name.sun_path + 1, sizeof name.sun_path - 2);
            const auto size =
                static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + text.size());
            if (fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr*>(&name), size) == 0 &&
                Bindable(port)) {
                lock_ = fd;
                port_ = port;
            } else if (fd >= 0) {
                ::close(fd);
            }
        }
    }
    ~PortLease() {
        if (lock_ >= 0)
            ::close(lock_);
    }
    PortLease(PortLease&& other) noexcept
        : lock_(std::exchange(other.lock_, -1)), port_(std::exchange(other.port_, 0)) {}
    PortLease(const PortLease&) = delete;
    PortLease& operator=(const PortLease&) = delete;
    PortLease& operator=(PortLease&&) = delete;
    [[nodiscard]] std::uint16_t Port() const { return port_; }

private:
    static constexpr int kFirst = 20000;
    static constexpr int kLast = 32000;

    // gpsd listens on both loopbacks and dies when it can bind neither.
    static bool Bindable(std::uint16_t port) {
        sockaddr_in v4{};
        v4.sin_family = AF_INET;
        v4.sin_port = htons(port);
        v4.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        sockaddr_in6 v6{};
        v6.sin6_family = AF_INET6;
        v6.sin6_port = htons(port);
        v6.sin6_addr = in6addr_loopback;
        return Binds(AF_INET, reinterpret_cast<const sockaddr*>(&v4), sizeof v4) &&
               Binds(AF_INET6, reinterpret_cast<const sockaddr*>(&v6), sizeof v6, true);
    }
    static bool Binds(int family, const sockaddr* address, socklen_t size,
                      bool missingIsFine = false) {
        const int fd = ::socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return missingIsFine; // no IPv6 here: gpsd makes do with IPv4
        const int on = 1;
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        const bool bound =
            ::bind(fd, address, size) == 0 || (missingIsFine && errno == EADDRNOTAVAIL);
        ::close(fd);
        return bound;
    }

    int lock_ = -1;
    std::uint16_t port_ = 0;
};

class GpsFake {
public:
    // cycle: seconds between sentences. The capture plays over and over, so a client that
    // connects late still hears it: gpsd opens the line only when a client first watches, and
    // what was written before may be lost.
    explicit GpsFake(const std::string& capture, const char* cycle = "0.05")
        : GpsFake(capture, cycle, {}) {}

    // Plays the capture once, with gpsfake itself watching before the first sentence, and
    // its whole JSON stream into reportsFile; Ended() says when the capture is over.
    static GpsFake Once(const std::string& capture, const char* cycle,
                        const std::string& reportsFile) {
        return GpsFake(capture, cycle, reportsFile);
    }
    ~GpsFake() {
        if (pid_ <= 0)
            return;
        // gpsfake tidies up on SIGTERM, but may linger after its capture ended: then the whole
        // group is killed.
        ::kill(-pid_, SIGTERM);
        int status = 0;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (::waitpid(pid_, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                ::kill(-pid_, SIGKILL);
                ::waitpid(pid_, &status, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    GpsFake(GpsFake&& other) noexcept
        : port_(std::move(other.port_)), pid_(std::exchange(other.pid_, -1)) {}
    GpsFake(const GpsFake&) = delete;
    GpsFake& operator=(const GpsFake&) = delete;
    GpsFake& operator=(GpsFake&&) = delete;
    [[nodiscard]] bool Started() const { return pid_ > 0; }
    // gpsd's port on 127.0.0.1.
    [[nodiscard]] std::uint16_t Port() const { return port_.Port(); }

    // Whether gpsfake has ended, waiting at most until deadline.
    bool Ended(std::chrono::steady_clock::time_point deadline) {
        int status = 0;
        while (pid_ > 0 && ::waitpid(pid_, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        pid_ = -1;
        return true;
    }

private:
    GpsFake(const std::string& capture, const char* cycle, const std::string& reportsFile) {
        if (port_.Port() == 0)
            return;
        const std::string portText = std::to_string(port_.Port());
        pid_ = ::fork();
        if (pid_ == 0) {
            ::setpgid(0, 0);
            if (reportsFile.empty()) {
                ::execlp("gpsfake", "gpsfake", "-q", "-c", cycle, "-P", portText.c_str(),
                         capture.c_str(), static_cast<char*>(nullptr));
            } else {
                const int out = ::open(reportsFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
                ::dup2(out, STDOUT_FILENO);
                // -W: gives up 10 s after the capture if gpsd never says the device went away.
                ::execlp("gpsfake", "gpsfake", "-q", "-1", "-p", "-W", "10", "-c", cycle, "-P",
                         portText.c_str(), capture.c_str(), static_cast<char*>(nullptr));
            }
            ::_exit(127);
        }
        if (pid_ > 0)
            ::setpgid(pid_, pid_);
    }

    PortLease port_;
    pid_t pid_ = -1;
};

} // namespace gpsfaketest
