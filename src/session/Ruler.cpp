#include "session/Ruler.h"

#include "base/Number.h"
#include "base/Translatable.h"

#include <cmath>

namespace session {

std::vector<RulerLeg> RulerLegs(const std::vector<MapPos>& points, double magVar) {
    std::vector<RulerLeg> legs;
    double total = 0.0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const calib::RangeBearing leg = calib::RangeAndBearing(points[i - 1], points[i], magVar);
        total += leg.distance;
        legs.push_back({leg, total});
    }
    return legs;
}

std::string RulerText(const std::vector<MapPos>& points, double magVar, UnitSystem units) {
    if (points.empty())
        return QUILO_TRANSLATABLE("core", "Ruler: tap the map to start");
    const std::vector<RulerLeg> legs = RulerLegs(points, magVar);
    if (legs.empty())
        return QUILO_TRANSLATABLE("core", "Ruler: tap the next point");
    const RulerLeg& last = legs.back();
    // Whole degrees, 360 shown as 0: a bearing of 359.7 reads 0, as a compass shows it.
    const auto degrees = [](double bearing) {
        return std::to_string(static_cast<int>(std::lround(bearing)) % 360) + "\u00b0";
    };
    return "Leg " + std::to_string(legs.size()) + ": " + FormatDistance(last.leg.distance, units) +
           " " + degrees(last.leg.trueBearing) + "T " + degrees(last.leg.magneticBearing) +
           "M, total " + FormatDistance(last.totalMetres, units);
}

} // namespace session
