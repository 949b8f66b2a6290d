#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calib/MapPos.h"
#include "coords/CoordFormat.h"
#include "gps/GpsEpoch.h"
#include "gps/GpsFix.h"

// What the map view does with a GPS update, minus the window: the rate limit, the fold of a
// batch of queued sentence lines into the GpsFix, and the status line texts. quilo-tool
// monitor runs the same code, so it prints what the view shows.
namespace gps {

class GpsLink;

// Status line texts.
std::string StatusConnected();    // "GPS: Connected."
std::string StatusDisconnected(); // "GPS: Disconnected."
std::string StatusReadError();    // "GPS: COM port read error."
std::string StatusEnded();        // "GPS: End of log."
// With fix.hasFix: "GPS: " + FormatPosition(fix.position, format) + altitude part + " S:" +
// satellites + precision part, e.g. "GPS: 11°31'0.0E 48°07'2.3N A:545m S:8 P:67%". The
// altitude part " A:545m" (whole metres) is there when fix.altitude is not 0; the precision
// part is " P:" + 100/hdop in whole percent + "%" when hdop >= 1, " P:100+%" when 0 < hdop < 1,
// nothing when hdop <= 0 (or not a number).
// Without: "GPS: Connected, no fix available. Sats:" + satellites.
std::string StatusText(const GpsFix& fix, coords::CoordFormat format);

// What a folded batch changed, for the view to act on: record newPosition in the trail and
// follow it; repaint when it changed or the fix was lost.
struct GpsBatchResult {
    bool hasNewPosition = false;
    MapPos newPosition; // latitude in y, longitude in x
    bool fixLost = false;
};

// Folds one batch of sentence lines, oldest first, into the fix. The last GGA or RMC line
// decides whether the fix is lost, the last one that carried a position gives the position,
// the last GGA or GSA gives satellites and hdop; other lines change nothing.
class GpsUpdateFold {
public:
    void Add(std::string_view line);

    // Applies the batch: a new position sets fix.position and fix.hasFix; a lost fix then
    // clears hasFix (so a batch whose last GGA/RMC had no position ends without a fix even if
    // an earlier line gave one). satellites are kept when the batch gave one of 0 or more,
    // hdop when 0.0 or more, altitude only when above 0.0; otherwise the fix keeps its values.
    GpsBatchResult ApplyTo(GpsFix& fix) const;

private:
    std::int32_t satellites_ = -1;
    double hdop_ = -1.0;
    double altitude_ = 0.0;
    bool hasPosition_ = false;
    MapPos position_;
    bool fixLost_ = false;
};

// At most one handled update per rate: the first call only starts the clock, so it is
// dropped unless rateMs is 0. Ticks are 32-bit milliseconds and wrap around after 49.7 days;
// the difference is taken modulo 2^32, so the wrap is harmless.
class GpsUpdateRateLimit {
public:
    bool Admit(std::uint32_t nowMs, std::uint32_t rateMs);

private:
    bool started_ = false;
    std::uint32_t lastUpdateTick_ = 0;
};

// Milliseconds of a monotonic clock, truncated to 32 bits.
std::uint32_t TickCountMs();

struct GpsUpdateOutcome {
    bool handled = false;   // false: too soon after the last one; nothing changed
    bool readError = false; // the link reported a failed read: queue emptied, fix dropped
    bool ended = false;     // the source's stream ended and everything queued was folded
    GpsBatchResult batch;
    // The receiver fixes this update completed, oldest first, for the trail and its journal:
    // what the view and the recorder record, each with the receiver's own time.
    std::vector<GpsEpoch> epochs;
    std::string status; // the new status line when handled
    std::string note;   // the source's note for the user, once ("Found the receiver at ...")
};

// One GPS update of a connected view: the rate limit, then either the read-error path
// ("GPS: " + the link's LostText) or the fold of everything queued in link, and the new
// status line. Once the stream has ended the rate limit no longer holds the last sentences
// back, and an update that finds nothing left says "GPS: End of log." with the fix as it was.
// The view repaints when readError, batch.hasNewPosition or batch.fixLost is set. Every
// sentence folded also goes to epochs, which keeps a fix's sentences together across updates
// (one assembler per connection); the end of the stream ends its last epoch.
GpsUpdateOutcome HandleGpsUpdate(GpsLink& link, GpsFix& fix, GpsEpochAssembler& epochs,
                                 GpsUpdateRateLimit& rateLimit, std::uint32_t nowMs,
                                 std::uint32_t rateMs, coords::CoordFormat format);
// The same for a caller that records nothing (monitor): outcome.epochs are then of no use.
GpsUpdateOutcome HandleGpsUpdate(GpsLink& link, GpsFix& fix, GpsUpdateRateLimit& rateLimit,
                                 std::uint32_t nowMs, std::uint32_t rateMs,
                                 coords::CoordFormat format);

} // namespace gps
