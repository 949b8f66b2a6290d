#pragma once

#include "base/MapPos.h"

#include <optional>

// The alarm circle: an anchor watch that sounds when the boat drags out of a circle round where
// it anchored, or a circle round any point that sounds when the receiver comes into it. One
// jumpy fix must never sound it: only a run of fixes on the wrong side, each one a fix the
// update fold already let through its jump filter.
namespace session {

struct AlarmCircle {
    enum class Kind {
        Leave, // the anchor: sounds outside the circle
        Enter, // a point to keep off: sounds inside it
    };
    Kind kind = Kind::Leave;
    MapPos centre;         // latitude in y, longitude in x
    double radiusM = 50.0; // > 0
    int graceFixes = 3;    // fixes on the wrong side in a row before it sounds, >= 1
    friend bool operator==(const AlarmCircle&, const AlarmCircle&) = default;
};

class AlarmWatch {
public:
    static constexpr int kMaxGraceFixes = 60;

    // Watches circle from now on (radius below 1 m counts as 1 m, grace clamped to
    // [1, kMaxGraceFixes]); nothing sounds yet.
    void Set(const AlarmCircle& circle);
    void Clear();
    [[nodiscard]] const std::optional<AlarmCircle>& Circle() const { return circle_; }

    // One receiver position with a fix (latitude in y). Returns true when this fix starts the
    // alarm sounding. A fix on the right side resets the run; a silenced alarm stays silent
    // until a fix is on the right side again, then watches afresh.
    bool Add(const MapPos& position);
    // A tap on the notice: quiet until the receiver is back on the right side.
    void Silence();

    [[nodiscard]] bool Sounding() const { return sounding_; }
    // Metres from the centre at the last fix; none before one.
    [[nodiscard]] std::optional<double> DistanceM() const { return distanceM_; }

private:
    std::optional<AlarmCircle> circle_;
    int wrongSideRun_ = 0;
    bool sounding_ = false;
    bool silenced_ = false;
    std::optional<double> distanceM_;
};

} // namespace session
