#pragma once

// gpsfake with its gpsd on a local port, playing one capture; in a process group of their own
// so both end together.

#include <chrono>
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>

#include "gps/SourceTestSupport.h"

namespace gpsfaketest {

// A port for gpsd, which cannot be told to take any free one. A port the kernel handed out and
// took back could be handed to a test running beside this one before gpsd binds it; then that
// gpsd dies and this test talks to the other's. So the port lies below the kernel's range of
// ports for binds to port 0, and is held while the test runs.
class PortLease {
public:
    PortLease() {
        std::random_device seed;
        std::uniform_int_distribution<int> pick(20000, 32000);
        for (int attempt = 0; attempt < 200 && lock_ < 0; ++attempt) {
            const auto port = static_cast<std::uint16_t>(pick(seed));
            // The lease: a name in the abstract socket namespace, which one socket alone can
            // bind and which goes with the process, however it ends.
            lock_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
            sockaddr_un name{};
            name.sun_family = AF_UNIX;
            const std::string text = "quilo-test-port-" + std::to_string(port);
            text.copy(name.sun_path + 1, sizeof name.sun_path - 2);
            if (::bind(lock_, reinterpret_cast<const sockaddr*>(&name),
                       static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + text.size())) ==
                    0 &&
                Free(port)) {
                port_ = port;
            } else {
                ::close(lock_);
                lock_ = -1;
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
    // Nothing else (another program) listens there.
    static bool Free(std::uint16_t port) {
        sourcetest::LocalServer probe(4, port);
        return probe.Port() == port;
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
