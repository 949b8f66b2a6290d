#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "gps/GpsEpoch.h"
#include "gps/GpsFix.h"
#include "gps/GpsLink.h"
#include "gps/GpsUpdate.h"
#include "gps/GpsUpdateFold.h"

// A GPS link with what its owner's thread does with it: the rate limit, the fold of the
// queued sentences into the fix, the receiver fixes for the trail. Taking an update gives a
// GpsUpdate value. The window takes one per posted event (wake); a command-line tool, a
// benchmark or a test waits on the feed instead, so the reader thread's posts are counted and
// waited for here and nowhere else.
namespace gps {

// What the reader thread reported since the feed was made.
struct GpsFeedCounts {
    std::int64_t posts = 0;
    std::int64_t sentences = 0;   // queued lines, summed over the posts
    std::int64_t emptyPosts = 0;  // posts of a failed read or a change of state
    std::int64_t reads = 0;       // polls that read (0 bytes or more)
    std::int64_t failedReads = 0; // polls whose read failed
};

class GpsFeed {
public:
    using Clock = std::chrono::steady_clock;

    explicit GpsFeed(GpsLinkOptions options = {},
                     std::int32_t maxSentences = GpsLink::kDefaultMaxSentences);
    // Closes the link.
    ~GpsFeed();
    GpsFeed(const GpsFeed&) = delete;
    GpsFeed& operator=(const GpsFeed&) = delete;

    // Called on the reader thread after each post (the window posts an event to itself); it
    // must return at once. Set before Open.
    void SetWake(std::function<void()> wake);
    // Test seam: told every read of the reader thread (see GpsReadObserver). Set before Open.
    void SetReadObserver(GpsReadObserver observer);
    // A new link with these options, an open one closed first; the fix and the rate clock stay.
    void SetLinkOptions(GpsLinkOptions options);

    // Opens the source sourceName names at baudRate (or kAutoBaud), and starts the reader.
    // Open waits for the source; OpenWithoutWaiting leaves a server (gpsd, tcp) to the reader
    // thread, which says so in connectingText until it answers. A new connection starts
    // gathering receiver fixes afresh.
    GpsOpening Open(const std::string& sourceName, std::int32_t baudRate);
    GpsOpening OpenWithoutWaiting(const std::string& sourceName, std::int32_t baudRate);
    GpsOpening Open(std::unique_ptr<GpsSource> source);
    // Closes the link: the fix is no longer live (hasFix false); the rest of it stays.
    void Close();

    // One update: the rate limit (at most one per rateMs, on a 32-bit millisecond clock nowMs,
    // the first one only starting the clock unless rateMs is 0), then either the read-error
    // path or the fold of everything queued. Once the stream has ended the rate limit no
    // longer holds the last sentences back, and an update that finds nothing left is kEnded
    // with the fix as it was. The end of the stream ends its last receiver fix.
    GpsUpdate TakeUpdate(std::uint32_t nowMs, std::uint32_t rateMs);

    // Waits until until() holds for the counts, or deadline passes; the counts then.
    GpsFeedCounts WaitUntil(Clock::time_point deadline,
                            const std::function<bool(const GpsFeedCounts&)>& until);
    // Waits for a post that no call here has returned yet, or the deadline; how many came
    // since the last call (0 at the deadline). One update is taken per post, as the window
    // takes one per event.
    std::int64_t WaitForPosts(Clock::time_point deadline);
    [[nodiscard]] GpsFeedCounts Counts();

    [[nodiscard]] const GpsFix& Fix() const { return fix_; }
    // The link itself, for what watches it (its state, its queue in the link's own tests).
    [[nodiscard]] GpsLink& Link() { return *link_; }

private:
    void MakeLink(GpsLinkOptions options);
    GpsOpening Opened(bool ok);

    std::int32_t maxSentences_;
    std::unique_ptr<GpsLink> link_;
    std::function<void()> wake_;
    GpsReadObserver observer_;
    GpsFix fix_;
    GpsUpdateRateLimit rateLimit_;
    GpsEpochAssembler epochs_; // of the current connection
    UsedSatellites used_;      // of the current connection

    std::mutex countsLock_;
    std::condition_variable counted_;
    GpsFeedCounts counts_;
    std::int64_t postsWaited_ = 0;
};

} // namespace gps
