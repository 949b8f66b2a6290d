#include "trail/TrailStatistics.h"

#include <algorithm>

#include "calib/RangeBearing.h"

namespace trail {

namespace {

// Slower than this between two fixes is standing still (receiver noise wanders that fast).
constexpr double kMovingKmh = 1.0;
// Longer than this between two fixes is a pause, even when the fixes are far apart.
constexpr double kLongestStepSeconds = 60.0;

} // namespace

void TrailStatisticsBuilder::Add(const JournalEntry& e) {
    if (e.kind != JournalEntry::Kind::Fix) {
        previous_.reset();
        return;
    }
    const TrackPoint& p = e.point;
    ++s_.fixes;
    if (p.utcMs != 0) {
        if (s_.startUtcMs == 0)
            s_.startUtcMs = p.utcMs;
        s_.endUtcMs = p.utcMs;
    }
    if (previous_) {
        const double metres = calib::RangeAndBearing(previous_->position, p.position).distance;
        if (metres > 0.0) { // also false for NaN
            s_.lengthM += metres;
            if (previous_->utcMs != 0 && p.utcMs != 0 && p.utcMs >= previous_->utcMs) {
                const double seconds = static_cast<double>(p.utcMs - previous_->utcMs) / 1000.0;
                const double kmh = metres / std::max(seconds, 1.0) * 3.6;
                s_.topKmh = std::max(s_.topKmh, kmh);
                if (kmh >= kMovingKmh && seconds > 0.0 && seconds <= kLongestStepSeconds) {
                    s_.movingSeconds += seconds;
                    movingMetres_ += metres;
                }
            }
        }
    }
    previous_ = p;
}

TrailStatistics TrailStatisticsBuilder::Result() const {
    TrailStatistics s = s_;
    if (s.movingSeconds > 0.0)
        s.averageKmh = movingMetres_ / s.movingSeconds * 3.6;
    return s;
}

TrailStatisticsBuilder TrailStatisticsBuilder::Resume(const TrailStatistics& totals) {
    TrailStatisticsBuilder builder;
    builder.s_ = totals;
    builder.s_.averageKmh = 0.0;
    builder.movingMetres_ = totals.averageKmh * totals.movingSeconds / 3.6;
    return builder;
}

TrailStatistics ComputeTrailStatistics(const std::vector<JournalEntry>& entries) {
    TrailStatisticsBuilder builder;
    for (const JournalEntry& e : entries)
        builder.Add(e);
    return builder.Result();
}

} // namespace trail
