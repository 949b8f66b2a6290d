#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "trail/Journal.h"

namespace trail {

// What View > Trail Statistics, the trip meter and `quilo-tool stats` show of a recording.
// Only fixes from the receiver count (samples of a loaded trail file have no time), and only
// within a segment: a break is no journey.
struct TrailStatistics {
    std::size_t fixes = 0;
    double lengthM = 0.0;        // along the segments, great-circle
    double movingSeconds = 0.0;  // by the moving rule of TrailStatisticsBuilder
    double averageKmh = 0.0;     // of the moving parts; 0 without any
    double topKmh = 0.0;         // between two fixes (time steps under a second count as one)
    std::int64_t startUtcMs = 0; // of the first fix with a time; 0 when none has one
    std::int64_t endUtcMs = 0;   // of the last
    double ascentM = 0.0;        // climbs and drops of the fixes' heights, by steps of at least
    double descentM = 0.0;       // kClimbStepM, so a GPS height's wander is not counted as one
};

// The statistics taken one entry at a time, oldest first, for a journal read in pieces.
//
// The moving rule, one for every figure shown: the speed of a step between two fixes is the
// distance over the time, and no more than the receiver's own speed at its ends where it sent
// one (a parked receiver's positions wander metres, its Doppler speed does not). Moving stops
// when it falls below kStillKmh and starts again only from kGoingKmh, so crawling in a queue
// stays moving and a wandering fix does not start it. Standing still for kStopSeconds or
// longer is a stop and its time is not moving time; a shorter pause is part of the journey.
// A recording keeps a fix only when it has moved its minimum distance, so one long step may
// hold a whole stop: the step moved only for the time its distance takes at the speed its end
// fix has. A step over kLongestStepSeconds is a gap in the recording: no moving time.
class TrailStatisticsBuilder {
public:
    static constexpr double kStillKmh = 1.0;
    static constexpr double kGoingKmh = 2.0;
    static constexpr double kStopSeconds = 5.0;
    static constexpr double kLongestStepSeconds = 60.0;
    static constexpr double kClimbStepM = 5.0;

    void Add(const JournalEntry& entry);
    [[nodiscard]] TrailStatistics Result() const;
    // Goes on from totals kept earlier (a trip meter across restarts): the next fix starts a
    // new segment.
    static TrailStatisticsBuilder Resume(const TrailStatistics& totals);

private:
    void Step(const TrackPoint& from, const TrackPoint& to, double seconds, double metres);
    void CountMoving(double seconds, double metres);
    void Climb(double heightM);
    void EndSegment();

    TrailStatistics s_;
    double movingMetres_ = 0.0;
    std::optional<TrackPoint> previous_;
    bool moving_ = false;
    bool standing_ = false;                               // while moving: below kStillKmh since...
    double standingSeconds_ = 0.0, standingMetres_ = 0.0; // ...this long, not yet a stop
    std::optional<double> climbFromM_; // the height the next climb or drop is measured from
};

TrailStatistics ComputeTrailStatistics(const std::vector<JournalEntry>& entries);

} // namespace trail
