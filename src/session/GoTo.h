#pragma once

#include "base/MapPos.h"

#include <optional>
#include <string>

// Going to a point: where it is from the GPS position, when the user gets there at the speed
// now, and how far off the line from where the go-to started the user has wandered. All on
// the same sphere as calib::RangeAndBearing, so the numbers agree with the cursor line's.
namespace session {

// Slower than this the receiver's course wanders and a time of arrival means nothing: the
// heading arrow and the ETA need at least this speed.
inline constexpr double kMovingSpeedMps = 1.0;

struct GoToTarget {
    std::string name; // the map point's name, or the typed position as text
    MapPos point;     // latitude in y, longitude in x
    // Where the GPS was when the go-to started; none until it has a position.
    std::optional<MapPos> start;
    double arrivalRadiusM = 50.0;
};

struct GoToReading {
    double distanceM = 0.0;
    double trueBearing = 0.0;     // degrees, [0, 360]
    double magneticBearing = 0.0; // degrees, [0, 360]
    // Seconds to the point at speedMps; none below kMovingSpeedMps or without a speed.
    std::optional<double> etaSeconds;
    // Metres off the great circle from start through the point, right of it positive; none
    // without a start or when start and point are one place.
    std::optional<double> crossTrackM;
    bool arrived = false; // within the target's arrival radius
};

// The reading at position (latitude in y), magVar degrees east positive.
GoToReading ReadGoTo(const GoToTarget& target, const MapPos& position,
                     std::optional<double> speedMps, double magVar);

// "Arrived at NAME." for the status line's neighbour.
std::string ArrivalNote(const GoToTarget& target);

} // namespace session
