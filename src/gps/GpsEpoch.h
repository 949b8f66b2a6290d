#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "base/MapPos.h"
#include "gps/NmeaDecode.h"

namespace gps {

// One fix of the receiver with everything its sentences said about it: what a recording keeps.
struct GpsEpoch {
    MapPos position;         // x longitude, y latitude, decimal degrees
    std::int64_t utcMs = 0;  // UTC milliseconds since 1970; 0: the receiver gave no time
    double heightM = NAN;    // GGA altitude, when one was given
    double speedKnots = NAN; // RMC
    double courseDeg = NAN;  // RMC, true
};

// Gathers the GGA and RMC sentences of one receiver fix into one epoch by their time field,
// whichever reads or batches carried them: a 4800-baud receiver spreads a fix's sentences over
// most of a second, so a read often ends between the GGA and the RMC of one fix.
//
// The epoch in progress ends when a GGA or RMC comes with another time (an empty or bad time
// field, or a sentence too short for its type, counts as a time of its own), or a type it already
// holds comes again. It is complete, and given out at once, when it holds every type the last ended
// epoch held; until one has ended (the first fix of a connection) it is given out when it ends. An
// epoch is given out once, and only when one of its sentences carried a position.
//
// The time is the RMC's (time and date). An epoch with a time of day but no date (GGA only, or
// an RMC with an empty date) takes the day nearest the last RMC date seen, or the computer's
// clock before any; only an epoch with no time at all has utcMs 0.
class GpsEpochAssembler {
public:
    // Takes one decoded sentence; other types (GSA, GSV...) change nothing.
    void Add(const DecodedSentence& sentence);
    // The stream has ended: the epoch in progress is over.
    void Finish();
    // The epochs given out since the last call, oldest first.
    std::vector<GpsEpoch> TakeCompleted();

private:
    void End();
    void GiveOut();
    [[nodiscard]] std::int64_t Dated(std::int64_t timeOfDayMs) const;

    // The epoch in progress.
    unsigned types_ = 0; // bits of the types it holds
    std::optional<std::int64_t> timeOfDayMs_;
    bool hasPosition_ = false;
    bool givenOut_ = false;
    GpsEpoch epoch_;
    std::optional<std::int64_t> rmcUtcMs_;

    unsigned lastTypes_ = 0; // the types of the last epoch that ended; 0 before the first
    std::optional<std::int64_t> lastDateUtcMs_;
    std::vector<GpsEpoch> completed_;
};

} // namespace gps
