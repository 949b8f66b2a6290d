#pragma once

#include "base/MapPos.h"
#include "geo/RangeBearing.h"
#include "session/Units.h"

#include <string>
#include <vector>

// The ruler: legs tapped on a calibrated map, each with its distance and its bearing from true
// and from magnetic north, and the distance along all of them.
namespace session {

struct RulerLeg {
    calib::RangeBearing leg;  // from the leg's start to its end
    double totalMetres = 0.0; // along every leg up to this one's end
};

// The legs between points (latitude in y) in order, on the sphere geo/RangeBearing.h measures
// on, magnetic bearings by magVar (degrees, east positive). None for fewer than two points.
[[nodiscard]] std::vector<RulerLeg> RulerLegs(const std::vector<MapPos>& points, double magVar);

// What the ruler says of its last leg and the whole: "Ruler: tap the map to start" with no
// point, "Ruler: tap the next point" with one, else "Leg 2: 350 m 45°T 44°M, total 1.20 km".
[[nodiscard]] std::string RulerText(const std::vector<MapPos>& points, double magVar,
                                    UnitSystem units);

} // namespace session
