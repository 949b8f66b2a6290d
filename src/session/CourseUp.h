#pragma once

#include <cstdint>
#include <deque>
#include <optional>

// The course a course-up map turns to: the receiver's course averaged over a few seconds, held
// while too slow for the course to mean anything, and moved only by more than a small step,
// so the map neither jitters nor swings round when a car stops at a light.
namespace session {

class CourseSmoother {
public:
    // Below kStopMps the course is noise (a receiver standing still reports any course);
    // turning starts again only from kStartMps, so a speed hovering at the limit does not
    // make the map start and stop.
    static constexpr double kStopMps = 1.0;
    static constexpr double kStartMps = 1.5;
    // The map turns only when the average has moved this far from the course it shows.
    static constexpr double kStepDeg = 3.0;
    static constexpr int kMinWindowS = 1;
    static constexpr int kMaxWindowS = 60;

    // windowS: the seconds averaged, clamped to [kMinWindowS, kMaxWindowS].
    explicit CourseSmoother(int windowS = 5);

    // One receiver update at timeMs (any monotonic milliseconds, such as the fix's UTC): the
    // speed in m/s and the course in degrees true, each none when the update lacks it. A time
    // going backwards (a replay restarted) starts the average afresh.
    void Add(std::int64_t timeMs, std::optional<double> speedMps, std::optional<double> courseDeg);
    // The course to put up, in [0, 360); none until the receiver first moved fast enough.
    [[nodiscard]] std::optional<double> Course() const { return shown_; }
    [[nodiscard]] bool Moving() const { return moving_; }
    void Reset();

private:
    struct Sample {
        std::int64_t timeMs;
        double east; // unit vector of the course
        double north;
    };
    std::int64_t windowMs_;
    std::deque<Sample> samples_;
    bool moving_ = false;
    std::optional<double> shown_;
};

} // namespace session
