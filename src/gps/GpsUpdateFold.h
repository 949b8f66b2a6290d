#pragma once

#include <cstdint>
#include <string_view>

#include "base/MapPos.h"
#include "gps/GpsFix.h"
#include "gps/NmeaDecode.h"
#include "gps/UsedSatellites.h"

// The steps of a GPS update that need no link: the rate limit and the fold of a batch of
// queued sentences, decoded once on the reader thread, into the GpsFix (GpsFeed runs them on what
// its link queued).
namespace gps {

// What a folded batch changed: a new position, or the fix lost.
struct GpsBatchResult {
    bool hasNewPosition = false;
    MapPos newPosition; // latitude in y, longitude in x
    bool fixLost = false;
};

// Folds one batch of sentences, oldest first, into the fix. The last GGA or RMC decides
// whether the fix is lost, the last one that carried a position gives the position, the last
// GGA or GSA gives satellites and hdop (a GSA the satellites its receiver fix used in all
// systems so far, gathered in used); other sentences change nothing. A GGA's empty satellites,
// hdop or altitude keeps the batch's value so far; a GSA's empty hdop counts as 0.0.
class GpsUpdateFold {
public:
    explicit GpsUpdateFold(UsedSatellites& used) : used_(used) {}
    void Add(const DecodedSentence& sentence);

    // Applies the batch: a new position sets fix.position and fix.hasFix; a lost fix then
    // clears hasFix (so a batch whose last GGA/RMC had no position ends without a fix even if
    // an earlier line gave one). satellites are kept when the batch gave one of 0 or more,
    // hdop when 0.0 or more, altitude only when above 0.0; otherwise the fix keeps its values.
    GpsBatchResult ApplyTo(GpsFix& fix) const;

private:
    bool TakePosition(const DecodedSentence& sentence);

    UsedSatellites& used_;
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

} // namespace gps
