#include "app/DemoReceiver.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace demo {

DemoReceiver::DemoReceiver(Options options) : options_(options) {}

DemoReceiver::~DemoReceiver() {
    Stop();
}

bool DemoReceiver::Start(std::string* error) {
    if (thread_.joinable()) {
        if (error)
            *error = "the demo receiver is already running";
        return false;
    }
    std::array<char, 256> name{};
    if (openpty(&master_, &slave_, name.data(), nullptr, nullptr) != 0) {
        if (error)
            *error = std::string("no pseudo-terminal: ") + std::strerror(errno);
        master_ = slave_ = -1;
        return false;
    }
    // Raw, so the slave hands over exactly the bytes written, with no echo back to us.
    termios tio{};
    if (tcgetattr(slave_, &tio) == 0) {
        cfmakeraw(&tio);
        tcsetattr(slave_, TCSANOW, &tio);
    }
    // Nobody may be reading yet: a full line buffer must drop sentences, not stall the thread.
    const int flags = fcntl(master_, F_GETFL);
    if (flags >= 0)
        fcntl(master_, F_SETFL, flags | O_NONBLOCK);
    fcntl(master_, F_SETFD, FD_CLOEXEC);
    fcntl(slave_, F_SETFD, FD_CLOEXEC);
    devicePath_ = name.data();
    {
        std::lock_guard lock(mutex_);
        stopping_ = false;
    }
    thread_ = std::thread([this] { Run(); });
    return true;
}

void DemoReceiver::Stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
    if (master_ >= 0)
        close(master_);
    if (slave_ >= 0)
        close(slave_);
    master_ = slave_ = -1;
}

void DemoReceiver::Run() {
    const RouteDriver driver(options_.speedMetresPerSecond);
    const auto start = std::chrono::steady_clock::now();
    auto next = start;
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const std::time_t now = std::time(nullptr);
        std::tm utc{};
        gmtime_r(&now, &utc);
        const std::string bytes = MakeSentences(driver.At(seconds), utc);
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = write(master_, bytes.data() + done, bytes.size() - done);
            if (n > 0) {
                done += static_cast<std::size_t>(n);
            } else if (n < 0 && errno == EINTR) {
                continue;
            } else {
                break; // buffer full or line gone: this second is lost, like on a real cable
            }
        }
        batches_.fetch_add(1);
        next += options_.period;
        wake_.wait_until(lock, next, [this] { return stopping_; });
    }
}

} // namespace demo
