#include "session/AlarmCircle.h"

#include "geo/RangeBearing.h"

#include <algorithm>
#include <cmath>

namespace session {

void AlarmWatch::Set(const AlarmCircle& circle) {
    AlarmCircle c = circle;
    c.radiusM = std::isfinite(c.radiusM) ? std::max(c.radiusM, 1.0) : 1.0;
    c.graceFixes = std::clamp(c.graceFixes, 1, kMaxGraceFixes);
    *this = AlarmWatch();
    circle_ = c;
}

void AlarmWatch::Clear() {
    *this = AlarmWatch();
}

bool AlarmWatch::Add(const MapPos& position) {
    if (!circle_)
        return false;
    const double d = calib::RangeAndBearing(circle_->centre, position).distance;
    if (!std::isfinite(d))
        return false; // a position that is no place says nothing either way
    distanceM_ = d;
    const bool outside = d > circle_->radiusM;
    const bool wrongSide = circle_->kind == AlarmCircle::Kind::Leave ? outside : !outside;
    if (!wrongSide) {
        wrongSideRun_ = 0;
        silenced_ = false;
        return false;
    }
    ++wrongSideRun_;
    if (sounding_ || silenced_ || wrongSideRun_ < circle_->graceFixes)
        return false;
    sounding_ = true;
    return true;
}

void AlarmWatch::Silence() {
    if (sounding_)
        silenced_ = true;
    sounding_ = false;
}

} // namespace session
