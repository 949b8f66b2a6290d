#include "session/GoTo.h"

#include "geo/RangeBearing.h"

#include <cmath>

namespace session {

GoToReading ReadGoTo(const GoToTarget& target, const MapPos& position,
                     std::optional<double> speedMps, double magVar) {
    GoToReading reading;
    const calib::RangeBearing toPoint = calib::RangeAndBearing(position, target.point, magVar);
    reading.distanceM = toPoint.distance;
    reading.trueBearing = toPoint.trueBearing;
    reading.magneticBearing = toPoint.magneticBearing;
    reading.arrived = toPoint.distance <= target.arrivalRadiusM;
    if (speedMps && *speedMps >= kMovingSpeedMps)
        reading.etaSeconds = toPoint.distance / *speedMps;
    if (target.start) {
        const calib::RangeBearing track = calib::RangeAndBearing(*target.start, target.point);
        const calib::RangeBearing gone = calib::RangeAndBearing(*target.start, position);
        if (track.distance > 0.0) {
            // The angular distance gone, and the angle between the track and the way gone.
            const double delta = gone.distance / calib::kEarthRadiusMetres;
            const double theta = (gone.trueBearing - track.trueBearing) * calib::kDegreesToRadians;
            reading.crossTrackM =
                std::asin(std::sin(delta) * std::sin(theta)) * calib::kEarthRadiusMetres;
        }
    }
    return reading;
}

std::string ArrivalNote(const GoToTarget& target) {
    return "Arrived at " + target.name + ".";
}

} // namespace session
