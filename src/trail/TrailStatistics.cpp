#include "trail/TrailStatistics.h"

#include <algorithm>
#include <optional>

#include "calib/RangeBearing.h"

namespace trail {

namespace {

// Slower than this between two fixes is standing still (receiver noise wanders that fast).
constexpr double kMovingKmh = 1.0;
// Longer than this between two fixes is a pause, even when the fixes are far apart.
constexpr double kLongestStepSeconds = 60.0;

} // namespace

TrailStatistics ComputeTrailStatistics(const std::vector<JournalEntry>& entries) {
    TrailStatistics s;
    double movingMetres = 0.0;
    std::optional<TrackPoint> previous;
    for (const JournalEntry& e : entries) {
        if (e.kind != JournalEntry::Kind::Fix) {
            previous.reset();
            continue;
        }
        const TrackPoint& p = e.point;
        ++s.fixes;
        if (p.utcMs != 0) {
            if (s.startUtcMs == 0)
                s.startUtcMs = p.utcMs;
            s.endUtcMs = p.utcMs;
        }
        if (previous) {
            const double metres = calib::RangeAndBearing(previous->position, p.position).distance;
            if (metres > 0.0) { // also false for NaN
                s.lengthM += metres;
                if (previous->utcMs != 0 && p.utcMs != 0 && p.utcMs >= previous->utcMs) {
                    const double seconds = static_cast<double>(p.utcMs - previous->utcMs) / 1000.0;
                    const double kmh = metres / std::max(seconds, 1.0) * 3.6;
                    s.topKmh = std::max(s.topKmh, kmh);
                    if (kmh >= kMovingKmh && seconds > 0.0 && seconds <= kLongestStepSeconds) {
                        s.movingSeconds += seconds;
                        movingMetres += metres;
                    }
                }
            }
        }
        previous = p;
    }
    if (s.movingSeconds > 0.0)
        s.averageKmh = movingMetres / s.movingSeconds * 3.6;
    return s;
}

} // namespace trail
