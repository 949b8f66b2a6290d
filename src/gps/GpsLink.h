#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "gps/GpsDetailsReader.h"
#include "gps/GpsSource.h"
#include "gps/NmeaDecode.h"
#include "gps/NmeaLineAssembler.h"
#include "gps/SerialLog.h"
#include "platform/SerialPort.h"

// The link to a GPS receiver: opens a source (a serial line, gpsd, a network stream, a log,
// the simulator; see GpsSourceName.h), runs one reader thread that polls it, cuts the bytes
// into sentence lines, decodes each once, and keeps the newest GGA, RMC and GSA sentences in a
// small queue for the user-interface thread, which it tells about them through a callback. Each
// poll takes everything that has arrived, so a fast source never queues up in the kernel: the
// update rate limits what is shown, never what is read. When a source fails (a receiver unplugged,
// a server gone) the reader reopens it every retry interval until it answers again or the
// link is closed; a source that stays open but sends no sentence for the silence limit is
// reported, and a connection to a server is made anew.
namespace gps {

// What the reader thread reports after a poll: sentences is how many GGA/RMC/GSA lines the poll
// queued (1 or more; counted even when the queue had to drop older ones), bytes how many bytes
// it read. A failed read, a poll of a silent source and a change of state report (0, 0). Called on
// the reader thread: it must return at once (post an event, signal a condition) and must not call
// back into the link.
using GpsPostCallback = std::function<void(std::int32_t sentences, std::size_t bytes)>;

// Test seam: called on the reader thread after every poll (after the post), with its outcome:
// the bytes of all its reads, or the read that failed.
using GpsReadObserver = std::function<void(const platform::SerialReadResult& read)>;

// A queued sentence: its line ("$GPGGA,...", no carriage return) and the line decoded, once, on
// the reader thread.
struct QueuedSentence {
    std::string line;
    DecodedSentence decoded;
};

struct GpsLinkOptions {
    // Time between reads while reads succeed, and after a failed read. The program keeps the
    // defaults; tests shorten them.
    std::chrono::milliseconds pollInterval{750};
    std::chrono::milliseconds retryInterval{1000};
    // Where configuration failures are logged; "" is DefaultSerialLogPath().
    std::string logPath;
    // How long a source that watches for silence may send no sentence before it counts as
    // silent. Receivers send at least one epoch every 5 s (most every second, power-saving
    // and slow marine settings every 2 to 5 s), and a poll sees it up to pollInterval late:
    // 8 s is never reached by a receiver that is alive.
    std::chrono::milliseconds silenceLimit{8000};
};

class GpsLink {
public:
    static constexpr std::int32_t kDefaultMaxSentences = 5;
    static constexpr std::size_t kReadSize = 4096;
    // The most one poll reads before it posts; a source with more to give is polled again at
    // once rather than after the poll interval.
    static constexpr std::size_t kPollLimit = 1024 * 1024;

    // maxSentences: capacity of the queue (at least 1); the oldest line is dropped beyond it.
    explicit GpsLink(std::int32_t maxSentences = kDefaultMaxSentences, GpsLinkOptions options = {});
    // Stops the reader thread and closes the port.
    ~GpsLink();
    GpsLink(const GpsLink&) = delete;
    GpsLink& operator=(const GpsLink&) = delete;

    // Set before Open; each connection keeps the callback and observer it was opened with.
    void SetPostCallback(GpsPostCallback post);
    void SetReadObserver(GpsReadObserver observer);

    // Opens COM port portNumber (platform::ComPortDevicePath), or the source sourceName
    // names (a device path is a serial line set to 8N1 at baudRate, or kAutoBaud), and starts
    // the reader thread. False when a connection is already running, when the name is bad,
    // or when the source does not open (a device that is no serial line is closed again);
    // OpenError then says why in one line. Settings the driver refuses are logged ("IGNORING
    // ERROR: ...") and the connection comes up with the line as it was.
    bool Open(std::int32_t portNumber, std::int32_t baudRate);
    bool Open(const std::string& sourceName, std::int32_t baudRate);
    // Opens a source made elsewhere (a test's, a benchmark's).
    bool Open(std::unique_ptr<GpsSource> source);
    // As Open, but a source that OpensSlowly (gpsd, tcp) is opened on the reader thread: true
    // at once for a good name, IsConnecting until the first open succeeds, and failed opens
    // are retried every retry interval, each reported as a failed read ("Cannot connect to
    // ..."). The window's thread never waits on the network.
    bool OpenWithoutWaiting(const std::string& sourceName, std::int32_t baudRate);
    bool OpenWithoutWaiting(std::unique_ptr<GpsSource> source);
    // Why the last Open failed: "" after a successful one.
    [[nodiscard]] const std::string& OpenError() const { return openError_; }

    // Stops the reader thread and waits for it to end (it wakes at once, so this takes
    // microseconds), closes the port, empties the queue and clears the read error. A link that
    // is not open is left as it is. Must not be called from the post callback.
    void Close();

    // Takes the oldest queued sentence; false when none is queued.
    bool PopSentence(QueuedSentence& sentence);
    void ClearSentences();
    // The receiver details as of the last line read: every line of the connection is read
    // into them as it arrives, whatever the queue keeps.
    [[nodiscard]] GpsDetails Details() const;

    // True after a failed read until the next successful one, Open or Close, and while the
    // source is silent: the fix it gave is no longer live.
    [[nodiscard]] bool HasReadError() const { return readError_.load() || silent_.load(); }
    [[nodiscard]] bool IsSilent() const { return silent_.load(); }
    [[nodiscard]] bool IsConnecting() const { return connecting_.load(); }
    [[nodiscard]] bool IsRunning() const { return running_.load(); }
    // The status text (after "GPS: ") while the link delivers nothing. After a failed read:
    // "COM port read error." for a serial line, "Connection lost, retrying." for a network
    // source, "Cannot connect to HOST:PORT: reason. Retrying." before it ever connected.
    // While silent: "No data is arriving." ("..., reconnecting." for a server).
    [[nodiscard]] std::string LostText() const;
    // "Connecting to HOST:PORT...": what the source is doing while IsConnecting.
    [[nodiscard]] std::string ConnectingText() const;
    // True once the source's stream has ended (a replayed log came to its end): the reader
    // has stopped; the link stays open until Close.
    [[nodiscard]] bool HasEnded() const { return ended_.load(); }
    // A note from the source for the user (the baud rate it found), once; "" when none.
    std::string TakeNote();

private:
    bool Start(std::unique_ptr<GpsSource> source, bool openHere);
    // The source sourceName names, or null with the reason in openError_.
    std::unique_ptr<GpsSource> MakeSource(const std::string& sourceName, std::int32_t baudRate);
    void ReaderThread(GpsPostCallback post, GpsReadObserver observer, bool opened);
    // Feeds bytes of a read to the assembler, decodes every line, reads it into the details and
    // queues the GGA, RMC and GSA sentences; how many it queued.
    std::int32_t Queue(NmeaLineAssembler& assembler, const char* bytes, std::size_t count);
    void SetLostText(std::string text);
    // Waits for interval or until Close; false when the link is to stop.
    bool Pause(std::chrono::milliseconds interval);

    GpsPostCallback post_;
    GpsReadObserver observer_;
    std::atomic<bool> readError_{false};
    std::deque<QueuedSentence> sentences_;
    std::atomic<std::size_t> sentenceCount_{0}; // PopSentence's early exit reads it unlocked
    std::atomic<bool> running_{false};
    std::atomic<bool> ended_{false};
    std::atomic<bool> silent_{false};
    std::atomic<bool> connecting_{false};
    std::thread thread_;
    std::unique_ptr<GpsSource> source_;
    std::string openError_;
    mutable std::mutex textLock_; // the reader thread changes the texts while connecting
    std::string lostText_;
    std::string silentText_;
    std::string connectingText_;
    std::mutex noteLock_;
    std::string note_;
    std::size_t maxSentences_;
    std::mutex sentencesLock_;
    mutable std::mutex detailsLock_;
    GpsDetailsReader details_;

    GpsLinkOptions options_;
    SerialLog log_;
    std::mutex wakeMutex_;
    std::condition_variable wake_;
};

} // namespace gps
