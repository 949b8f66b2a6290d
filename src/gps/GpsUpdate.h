#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gps/GpsDetails.h"
#include "gps/GpsEpoch.h"
#include "gps/GpsFix.h"

// What a GPS feed hands its owner, as values: the result of opening a source and of taking
// one update. No link, no thread: whoever applies them (the session, quilo-tool) needs
// nothing else.
namespace gps {

// How opening a source went.
struct GpsOpening {
    bool ok = false;
    // Why not, in one line ("/dev/ttyUSB0: No such file or directory"); "" when ok.
    std::string error;
    // "Connecting to HOST:PORT..." while a server is being connected to in the background;
    // "" when the source is open already.
    std::string connectingText;
};

// One update taken from the feed: what happened, as bits of what, and what it left.
struct GpsUpdate {
    enum What : std::uint32_t {
        kPosition = 1u << 0,  // a sentence gave a position: fix.position is new, fix.hasFix set
        kFixLost = 1u << 1,   // the last GGA or RMC had no position: fix.hasFix is false
        kReadError = 1u << 2, // the link failed or is silent: its queue and the fix are dropped
        kEnded = 1u << 3,     // the replayed log ended and nothing was left to fold
        kNote = 1u << 4,      // the source has a note for the user
    };
    [[nodiscard]] bool Has(What bit) const { return (what & bit) != 0; }

    // False when the rate limit held the update back (or nothing was open): nothing changed.
    bool handled = false;
    // The monotonic millisecond tick it was taken at (wraps around).
    std::uint32_t takenMs = 0;
    std::uint32_t what = 0;
    // The fix after the update; satellites, hdop and altitude as the fold keeps them.
    GpsFix fix;
    // The receiver details after the update, read from every line the link received (not
    // only the five the fold keeps); filled on every update, held back or not.
    GpsDetails details;
    // The receiver fixes this update completed, oldest first, each with the receiver's own
    // time: the points to record. None after a read error.
    std::vector<GpsEpoch> epochs;
    // With kReadError: the link's words for it ("COM port read error.", "Connection lost,
    // retrying.", "No data is arriving.").
    std::string lostText;
    // With kNote: the note, once ("Found the receiver at 9600 baud.").
    std::string note;
};

} // namespace gps
