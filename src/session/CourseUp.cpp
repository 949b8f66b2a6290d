#include "session/CourseUp.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace session {

namespace {

constexpr double kRadPerDeg = std::numbers::pi / 180.0;

// The smaller angle between two courses, degrees in [0, 180].
double Apart(double a, double b) {
    return std::abs(std::remainder(a - b, 360.0));
}

} // namespace

CourseSmoother::CourseSmoother(int windowS)
    : windowMs_(std::int64_t{std::clamp(windowS, kMinWindowS, kMaxWindowS)} * 1000) {}

void CourseSmoother::Reset() {
    samples_.clear();
    moving_ = false;
    shown_.reset();
}

void CourseSmoother::Add(std::int64_t timeMs, std::optional<double> speedMps,
                         std::optional<double> courseDeg) {
    if (!samples_.empty() && timeMs < samples_.back().timeMs)
        samples_.clear();
    const bool known = speedMps && std::isfinite(*speedMps);
    if (!known || *speedMps < kStopMps)
        moving_ = false;
    else if (*speedMps >= kStartMps)
        moving_ = true;
    if (!moving_) {
        // A stop ends the average: the course after it starts from what the receiver says then.
        samples_.clear();
        return;
    }
    if (!courseDeg || !std::isfinite(*courseDeg))
        return;
    const double c = *courseDeg * kRadPerDeg;
    samples_.push_back({timeMs, std::sin(c), std::cos(c)});
    while (timeMs - samples_.front().timeMs >= windowMs_)
        samples_.pop_front();
    // The mean of unit vectors: 359 and 1 average to 0, not 180.
    double east = 0.0;
    double north = 0.0;
    for (const Sample& s : samples_) {
        east += s.east;
        north += s.north;
    }
    // Courses spread all round (circling) say nothing about up: hold.
    if (std::hypot(east, north) < 0.25 * static_cast<double>(samples_.size()))
        return;
    double mean = std::atan2(east, north) / kRadPerDeg;
    if (mean < 0.0)
        mean += 360.0;
    if (mean >= 360.0) // -1e-17 + 360
        mean = 0.0;
    if (!shown_ || Apart(mean, *shown_) > kStepDeg)
        shown_ = mean;
}

} // namespace session
