#include "geo/RangeBearing.h"

#include <algorithm>
#include <cmath>

namespace calib {

RangeBearing RangeAndBearing(const MapPos& from, const MapPos& to, double magVar) {
    const double k = kDegreesToRadians;
    const double lat1 = from.y * k;
    const double lon1 = from.x * k;
    const double lat2 = to.y * k;
    const double lon2 = to.x * k;

    const double s1 = std::sin(lat1);
    const double s2 = std::sin(lat2);
    const double c1 = std::cos(lat1);
    const double c2 = std::cos(lat2);
    const double dLon = lon2 - lon1;
    const double cd = std::cos(dLon);

    // Rounding can push the cosine of two coincident positions just above 1, where acos is NaN;
    // the trail's minimum-distance test and the cursor line need a number.
    const double cosine = std::clamp((cd * c2) * c1 + s2 * s1, -1.0, 1.0);
    const double distance = std::acos(cosine) * kEarthRadiusMetres;

    const double sd = std::sin(dLon);
    const double theta = std::atan2(c2 * sd, s2 * c1 - (cd * c2) * s1);
    double trueBearing = theta * kRadiansToDegrees;
    // The magnetic bearing comes from the raw bearing, before either is moved into 0..360.
    double magneticBearing = trueBearing - magVar;
    if (trueBearing < 0)
        trueBearing += 360.0;
    if (magneticBearing < 0)
        magneticBearing += 360.0;
    return {distance, trueBearing, magneticBearing};
}

} // namespace calib
