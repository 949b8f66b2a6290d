#pragma once

#include "base/MapPos.h"

namespace calib {

// The constants keep the handheld program's values so that distances and bearings agree with
// it to the last digit: pi is the 15-digit decimal, not the full-precision constant.
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kDegreesToRadians = kPi * 0.005555555555555556; // 0.017453292519943278
inline constexpr double kRadiansToDegrees = 180.0 / kPi;                // 57.29577951308238
inline constexpr double kEarthRadiusMetres = 6371008.0;                 // a sphere

// Great-circle distance and initial bearings from one position to another.
struct RangeBearing {
    double distance = 0.0;        // metres along the great circle, >= 0
    double trueBearing = 0.0;     // degrees clockwise from true north, 0 <= value <= 360
    double magneticBearing = 0.0; // degrees clockwise from magnetic north, 0 <= value <= 360
};

// Distance (spherical law of cosines on a sphere of kEarthRadiusMetres) and initial bearing
// from `from` to `to`, both latitude in y and longitude in x, decimal degrees, north and east
// positive.
//
// magVar is the magnetic variation in degrees, east positive: magnetic = true - magVar, so an
// easterly variation makes the magnetic bearing smaller.
//
// Bearings below 0 are moved up by 360 once and never reduced, so a tiny negative raw bearing
// gives 360, and magVar = -180 with a raw bearing of 180 gives a magnetic 360.
//
// Equal or nearly equal positions give a distance of 0 (or a few millimetres of rounding),
// never NaN: the cosine is clamped into [-1, 1] before acos. Antipodal positions give half the
// circumference. The bearing between equal positions is 0 (atan2(0, 0)); at the poles it
// follows atan2 on the raw terms. Non-finite input gives non-finite output.
//
// Examples: (0 N, 0 E) to (0 N, 1 E) is 111195.066 m at 90; to (1 S, 0 E) a bearing a few
// 1e-13 above 180 (the 15-digit pi).
RangeBearing RangeAndBearing(const MapPos& from, const MapPos& to, double magVar = 0.0);

} // namespace calib
