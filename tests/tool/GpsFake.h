#pragma once

// gpsfake with its gpsd on a local port, playing one capture; in a process group of their own
// so both end together, and with a temporary folder of their own.

#include <chrono>
#include <csignal>
#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <stdlib.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>

#include "gps/SourceTestSupport.h"

namespace gpsfaketest {

class GpsFake {
public:
    // cycle: seconds between sentences. The capture plays over and over, so a client that
    // connects late still hears it: gpsd opens the line only when a client first watches, and
    // what was written before may be lost.
    GpsFake(std::uint16_t port, const std::string& capture, const char* cycle = "0.05")
        : GpsFake(port, capture, cycle, {}) {}

    // Plays the capture once, with gpsfake itself watching before the first sentence, and
    // its whole JSON stream into reportsFile; Ended() says when the capture is over.
    static GpsFake Once(std::uint16_t port, const std::string& capture, const char* cycle,
                        const std::string& reportsFile) {
        return GpsFake(port, capture, cycle, reportsFile);
    }
    ~GpsFake() {
        Stop();
        if (!folder_.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(folder_, ignored);
        }
    }
    GpsFake(GpsFake&& other) noexcept
        : pid_(std::exchange(other.pid_, -1)), folder_(std::exchange(other.folder_, {})) {}
    GpsFake(const GpsFake&) = delete;
    GpsFake& operator=(const GpsFake&) = delete;
    GpsFake& operator=(GpsFake&&) = delete;
    [[nodiscard]] bool Started() const { return pid_ > 0; }

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
    void Stop() {
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
        pid_ = -1;
    }

    GpsFake(std::uint16_t port, const std::string& capture, const char* cycle,
            const std::string& reportsFile) {
        const std::string portText = std::to_string(port);
        // gpsfake names gpsd's control socket after its own process number in TMPDIR and
        // leaves it behind when it is stopped. Once process numbers come round again, a new
        // gpsfake finds a dead socket of that name, takes it for its gpsd's, fails to hand it
        // the line, and its gpsd stays silent for good: a folder of its own rules that out.
        std::string folder = (std::filesystem::temp_directory_path() / "gpsfake-XXXXXX").string();
        if (::mkdtemp(folder.data()) == nullptr)
            return;
        folder_ = folder;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::setpgid(0, 0);
            ::setenv("TMPDIR", folder.c_str(), 1);
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

    pid_t pid_ = -1;
    std::string folder_;
};

inline std::uint16_t FreePort() {
    sourcetest::LocalServer probe;
    return probe.Port();
}

} // namespace gpsfaketest
