#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "gps/SerialLog.h"
#include "platform/SerialPort.h"

// The serial link to a GPS receiver: opens the port read-only, runs one reader thread that
// polls it, cuts the bytes into sentence lines and keeps the newest GGA, RMC and GSA lines in a
// small queue for the user-interface thread, which it tells about them through a callback.
namespace gps {

// What the reader thread reports after a read: sentences is how many GGA/RMC/GSA lines the read
// queued (1 or more; counted even when the queue had to drop older ones), bytes how many bytes
// it returned. A failed read reports (0, 0). Called on the reader thread: it must return at
// once (post an event, signal a condition) and must not call back into the link.
using GpsPostCallback = std::function<void(std::int32_t sentences, std::size_t bytes)>;

// Test seam: called on the reader thread after every read (after the post), with its outcome.
using GpsReadObserver = std::function<void(const platform::SerialReadResult& read)>;

struct GpsLinkOptions {
    // Time between reads while reads succeed, and after a failed read. The program keeps the
    // defaults; tests shorten them.
    std::chrono::milliseconds pollInterval{750};
    std::chrono::milliseconds retryInterval{1000};
    // Where configuration failures are logged; "" is DefaultSerialLogPath().
    std::string logPath;
};

class GpsLink {
public:
    static constexpr std::int32_t kDefaultMaxSentences = 5;
    static constexpr std::size_t kReadSize = 4096;

    // maxSentences: capacity of the queue (at least 1); the oldest line is dropped beyond it.
    explicit GpsLink(std::int32_t maxSentences = kDefaultMaxSentences, GpsLinkOptions options = {});
    // Stops the reader thread and closes the port.
    ~GpsLink();
    GpsLink(const GpsLink&) = delete;
    GpsLink& operator=(const GpsLink&) = delete;

    // Set before Open; each connection keeps the callback and observer it was opened with.
    void SetPostCallback(GpsPostCallback post);
    void SetReadObserver(GpsReadObserver observer);

    // Opens COM port portNumber (platform::ComPortDevicePath), or the device at path, sets
    // 8N1 at baudRate and starts the reader thread. False when a connection is already
    // running, when the device does not open, or when it is no serial line (its settings
    // cannot be read; the device is closed again). Settings the driver refuses are logged
    // ("IGNORING ERROR: ...") and the connection comes up with the line as it was.
    bool Open(std::int32_t portNumber, std::int32_t baudRate);
    bool Open(const std::string& devicePath, std::int32_t baudRate);
    // Why the last Open failed (errno: ENOENT, EACCES, ENOTTY for no serial line...); 0 after
    // one that succeeded.
    [[nodiscard]] int OpenError() const { return openError_; }

    // Stops the reader thread and waits for it to end (it wakes at once, so this takes
    // microseconds), closes the port, empties the queue and clears the read error. A link that
    // is not open is left as it is. Must not be called from the post callback.
    void Close();

    // Takes the oldest queued line ("$GPGGA,...", no carriage return); false when none is
    // queued.
    bool PopSentence(std::string& line);
    void ClearSentences();

    // True after a failed read until the next successful one, Open or Close.
    [[nodiscard]] bool HasReadError() const { return readError_.load(); }
    [[nodiscard]] bool IsRunning() const { return running_.load(); }

private:
    void ReaderThread(GpsPostCallback post, GpsReadObserver observer);
    // Waits for interval or until Close; false when the link is to stop.
    bool Pause(std::chrono::milliseconds interval);

    GpsPostCallback post_;
    GpsReadObserver observer_;
    std::atomic<bool> readError_{false};
    int openError_ = 0;
    std::deque<std::string> sentences_;
    std::atomic<std::size_t> sentenceCount_{0}; // PopSentence's early exit reads it unlocked
    std::atomic<bool> running_{false};
    std::thread thread_;
    platform::SerialPort port_;
    std::size_t maxSentences_;
    std::mutex sentencesLock_;

    GpsLinkOptions options_;
    SerialLog log_;
    std::mutex wakeMutex_;
    std::condition_variable wake_;
};

} // namespace gps
