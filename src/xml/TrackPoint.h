#pragma once

#include <cstdint>
#include <limits>
#include <vector>

#include "base/MapPos.h"

namespace xml {

// One fix of a recording with what the receiver said about it, as the recording journal and
// GPX keep it (the trail buffer keeps only the position).
struct TrackPoint {
    static constexpr double kUnknown = std::numeric_limits<double>::quiet_NaN();

    MapPos position;           // y latitude, x longitude, decimal degrees
    std::int64_t utcMs = 0;    // UTC, milliseconds since 1970-01-01; 0 when unknown
    double heightM = kUnknown; // above mean sea level
    double speedKnots = kUnknown;
    double courseDeg = kUnknown; // true
};

// An unbroken run of fixes, oldest first; a recording is its runs, oldest first.
using TrackSegment = std::vector<TrackPoint>;
using Track = std::vector<TrackSegment>;

} // namespace xml
