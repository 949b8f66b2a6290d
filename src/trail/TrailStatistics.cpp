#include "trail/TrailStatistics.h"

#include <algorithm>
#include <cmath>

#include "geo/RangeBearing.h"

namespace trail {

namespace {

constexpr double kKnotKmh = 1.852;

// The receiver's speed at a fix in km/h; NaN when it sent none (or nonsense).
double OwnKmh(const TrackPoint& p) {
    return std::isfinite(p.speedKnots) && p.speedKnots >= 0.0 ? p.speedKnots * kKnotKmh : NAN;
}

} // namespace

void TrailStatisticsBuilder::Add(const JournalEntry& e) {
    if (e.kind != JournalEntry::Kind::Fix) {
        previous_.reset();
        climbFromM_.reset();
        EndSegment();
        return;
    }
    const TrackPoint& p = e.point;
    ++s_.fixes;
    if (p.utcMs != 0) {
        if (s_.startUtcMs == 0)
            s_.startUtcMs = p.utcMs;
        s_.endUtcMs = p.utcMs;
    }
    Climb(p.heightM);
    if (previous_) {
        const double metres = calib::RangeAndBearing(previous_->position, p.position).distance;
        if (metres > 0.0) // also false for NaN
            s_.lengthM += metres;
        if (metres >= 0.0 && previous_->utcMs != 0 && p.utcMs > previous_->utcMs) {
            const double seconds = static_cast<double>(p.utcMs - previous_->utcMs) / 1000.0;
            s_.topKmh = std::max(s_.topKmh, metres / std::max(seconds, 1.0) * 3.6);
            Step(*previous_, p, seconds, metres);
        }
    }
    previous_ = p;
}

void TrailStatisticsBuilder::Step(const TrackPoint& from, const TrackPoint& to, double seconds,
                                  double metres) {
    if (seconds > kLongestStepSeconds) {
        EndSegment();
        return;
    }
    const double average = metres / seconds * 3.6;
    const double fromKmh = OwnKmh(from), toKmh = OwnKmh(to);
    if (seconds >= kStopSeconds) {
        // Long enough to hold a stop. Its end was kept for moving, so the distance was covered
        // at the end's speed; what is left of the step stood still.
        const double kmh = std::isnan(toKmh) ? average : std::max(average, toKmh);
        if (kmh < kGoingKmh) {
            EndSegment();
            return;
        }
        double movingSeconds = metres / kmh * 3.6;
        if (seconds - movingSeconds < kStopSeconds)
            movingSeconds = seconds;
        if (standing_)
            CountMoving(standingSeconds_, standingMetres_);
        standing_ = false;
        CountMoving(movingSeconds, metres);
        moving_ = std::isnan(toKmh) || toKmh >= kStillKmh;
        return;
    }
    // Only as fast as both the distance and the receiver's own speed say: a wandering fix
    // covers metres at no speed, and the fix that arrives at a stop has a speed of 0 but
    // still moved.
    const double own = std::isnan(fromKmh) ? toKmh
                       : std::isnan(toKmh) ? fromKmh
                                           : (fromKmh + toKmh) / 2.0;
    const double kmh = std::isnan(own) ? average : std::min(average, own);
    if (!moving_) {
        if (kmh >= kGoingKmh) {
            moving_ = true;
            CountMoving(seconds, metres);
        }
        return;
    }
    if (!standing_ && kmh >= kStillKmh) {
        CountMoving(seconds, metres);
        return;
    }
    if (standing_ && kmh >= kGoingKmh) {
        // Under kStopSeconds, or it would have ended moving: a pause of the journey.
        CountMoving(standingSeconds_ + seconds, standingMetres_ + metres);
        standing_ = false;
        return;
    }
    if (!standing_) {
        standing_ = true;
        standingSeconds_ = standingMetres_ = 0.0;
    }
    standingSeconds_ += seconds;
    standingMetres_ += metres;
    if (standingSeconds_ >= kStopSeconds)
        EndSegment();
}

void TrailStatisticsBuilder::CountMoving(double seconds, double metres) {
    s_.movingSeconds += seconds;
    movingMetres_ += metres;
}

void TrailStatisticsBuilder::Climb(double heightM) {
    if (!std::isfinite(heightM))
        return;
    if (!climbFromM_) {
        climbFromM_ = heightM;
    } else if (heightM - *climbFromM_ >= kClimbStepM) {
        s_.ascentM += heightM - *climbFromM_;
        climbFromM_ = heightM;
    } else if (*climbFromM_ - heightM >= kClimbStepM) {
        s_.descentM += *climbFromM_ - heightM;
        climbFromM_ = heightM;
    }
}

void TrailStatisticsBuilder::EndSegment() {
    moving_ = false;
    standing_ = false;
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
