#pragma once

// gpsfake with its gpsd on a local port, playing one capture once; in a process group of
// their own so both end together.

#include <chrono>
#include <csignal>
#include <cstdint>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "gps/SourceTestSupport.h"

namespace gpsfaketest {

class GpsFake {
public:
    // cycle: seconds between sentences.
    GpsFake(std::uint16_t port, const std::string& capture, const char* cycle = "0.05") {
        const std::string portText = std::to_string(port);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::setpgid(0, 0);
            ::execlp("gpsfake", "gpsfake", "-q", "-1", "-c", cycle, "-P", portText.c_str(),
                     capture.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        if (pid_ > 0)
            ::setpgid(pid_, pid_);
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
    GpsFake(const GpsFake&) = delete;
    GpsFake& operator=(const GpsFake&) = delete;
    [[nodiscard]] bool Started() const { return pid_ > 0; }

private:
    pid_t pid_ = -1;
};

inline std::uint16_t FreePort() {
    sourcetest::LocalServer probe;
    return probe.Port();
}

} // namespace gpsfaketest
