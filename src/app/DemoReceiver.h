#pragma once

#include "gps/DemoTown.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace demo {

// A simulated GPS receiver on a pseudo-terminal: once a period it writes GGA, RMC and GSA for
// its place on the demo route into the master side, so the program reads the slave side
// through the same serial path as a real receiver.
class DemoReceiver {
public:
    struct Options {
        std::chrono::milliseconds period{1000};
        double speedMetresPerSecond = 16.0;
    };

    DemoReceiver() : DemoReceiver(Options{}) {}
    explicit DemoReceiver(Options options);
    ~DemoReceiver();
    DemoReceiver(const DemoReceiver&) = delete;
    DemoReceiver& operator=(const DemoReceiver&) = delete;

    // Opens the pseudo-terminal pair and starts writing. False with *error set when no
    // pseudo-terminal can be had. Starting twice is refused.
    bool Start(std::string* error);
    // Stops the writer and closes both sides; safe to call more than once.
    void Stop();

    // Path of the slave side ("/dev/pts/7"): the device to connect to.
    [[nodiscard]] const std::string& DevicePath() const { return devicePath_; }
    // Number of one-second batches written so far.
    [[nodiscard]] int BatchesWritten() const { return batches_.load(); }

private:
    void Run();

    Options options_;
    int master_ = -1;
    // Held open so that the line stays up while the program connects and disconnects.
    int slave_ = -1;
    std::string devicePath_;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false; // guarded by mutex_
    std::atomic<int> batches_{0};
};

} // namespace demo
