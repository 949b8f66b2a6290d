#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "trail/Journal.h"

namespace trail {

// What View > Trail Statistics shows of a recording. Only fixes from the receiver count
// (samples of a loaded trail file have no time), and only within a segment: a break is no
// journey.
struct TrailStatistics {
    std::size_t fixes = 0;
    double lengthM = 0.0;        // along the segments, great-circle
    double movingSeconds = 0.0;  // between fixes at least 1 km/h apart, a minute apart at most
    double averageKmh = 0.0;     // of the moving parts; 0 without any
    double topKmh = 0.0;         // between two fixes (time steps under a second count as one)
    std::int64_t startUtcMs = 0; // of the first fix with a time; 0 when none has one
    std::int64_t endUtcMs = 0;   // of the last
};

// The statistics taken one entry at a time, oldest first, for a journal read in pieces.
class TrailStatisticsBuilder {
public:
    void Add(const JournalEntry& entry);
    [[nodiscard]] TrailStatistics Result() const;
    // Goes on from totals kept earlier (a trip meter across restarts): the next fix starts a
    // new segment.
    static TrailStatisticsBuilder Resume(const TrailStatistics& totals);

private:
    TrailStatistics s_;
    double movingMetres_ = 0.0;
    std::optional<TrackPoint> previous_;
};

TrailStatistics ComputeTrailStatistics(const std::vector<JournalEntry>& entries);

} // namespace trail
