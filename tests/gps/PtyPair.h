#pragma once

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <functional>
#include <mutex>
#include <pty.h>
#include <string>
#include <string_view>
#include <sys/ioctl.h>
#include <unistd.h>

// A pseudo-terminal standing in for a serial line: bytes written to the master arrive at the
// slave device, which the code under test opens by path. The test keeps its own slave
// descriptor open so the line stays alive between connections and so it can see how many
// bytes wait unread.
class PtyPair {
public:
    PtyPair() {
        char name[256] = {};
        if (::openpty(&master_, &slave_, name, nullptr, nullptr) == 0) {
            path_ = name;
            // A child process (the tool under test) must not keep the line alive.
            ::fcntl(master_, F_SETFD, FD_CLOEXEC);
            ::fcntl(slave_, F_SETFD, FD_CLOEXEC);
        }
    }
    ~PtyPair() {
        HangUp();
        if (slave_ >= 0)
            ::close(slave_);
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    [[nodiscard]] bool Ok() const { return !path_.empty(); }
    [[nodiscard]] const std::string& Path() const { return path_; }

    bool Write(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t n = ::write(master_, bytes.data(), bytes.size());
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
        return true;
    }

    // Bytes that reached the slave side and wait to be read.
    [[nodiscard]] int Pending() const {
        int n = 0;
        return ::ioctl(slave_, FIONREAD, &n) == 0 ? n : -1;
    }

    // Closing the master hangs the line up, as unplugging a receiver does.
    void HangUp() {
        if (master_ >= 0)
            ::close(master_);
        master_ = -1;
    }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string path_;
};

// Waits until pred holds, re-testing it whenever cv is notified; false after timeout. The
// timeout is a safety net for a broken build, far beyond what a passing run needs.
template <typename Pred>
bool WaitFor(std::unique_lock<std::mutex>& lock, std::condition_variable& cv, Pred pred,
             std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    return cv.wait_for(lock, timeout, pred);
}
