#include "geo/RangeBearing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using calib::RangeAndBearing;

// A point `metres`-ish away from the origin on the equator at the given raw bearing; close
// enough to the origin that the sphere is flat there to far better than the tolerances below.
MapPos NearOrigin(double bearingDegrees) {
    const double r = bearingDegrees * calib::kDegreesToRadians;
    return MapPos(0.001 * std::sin(r), 0.001 * std::cos(r));
}

TEST(RangeBearingTest, EdgeCases) {
    struct Row {
        const char* legend;
        MapPos from, to; // MapPos(x = lon, y = lat)
        double magVar;
        double distance, distanceTol;
        double trueBearing, magneticBearing, bearingTol;
    };
    const Row rows[] = {
        {"one degree east on the equator", {0, 0}, {1, 0}, 0, 111195.066, 5e-4, 90, 90, 1e-9},
        {"one degree north", {0, 0}, {0, 1}, 0, 111195.066, 5e-4, 0, 0, 1e-9},
        {"one degree south", {0, 0}, {0, -1}, 0, 111195.066, 5e-4, 180, 180, 1e-9},
        {"one degree west", {0, 0}, {-1, 0}, 0, 111195.066, 5e-4, 270, 270, 1e-9},
        {"east with 5 E variation", {0, 0}, {1, 0}, 5, 111195.066, 5e-4, 90, 85, 1e-9},
        {"raw 2 with 5 E wraps to 357", {0, 0}, NearOrigin(2), 5, 111.195, 1e-3, 2, 357, 1e-6},
        {"raw -2 with 5 W gives 3", {0, 0}, NearOrigin(-2), -5, 111.195, 1e-3, 358, 3, 1e-6},
        {"raw 178 with 5 W gives 183", {0, 0}, NearOrigin(178), -5, 111.195, 1e-3, 178, 183, 1e-6},
        {"raw 180 with 180 W gives 360", {0, 0}, {0, -1}, -180, 111195.066, 5e-4, 180, 360, 1e-9},
        {"identical positions", {10, 50}, {10, 50}, 0, 0, 0, 0, 0, 0},
        {"antipodes", {0, 0}, {180, 0}, 0, calib::kPi * 6371008.0, 1e-6, 90, 90, 1e-9},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        const auto rb = RangeAndBearing(row.from, row.to, row.magVar);
        EXPECT_NEAR(rb.distance, row.distance, row.distanceTol);
        EXPECT_NEAR(rb.trueBearing, row.trueBearing, row.bearingTol);
        EXPECT_NEAR(rb.magneticBearing, row.magneticBearing, row.bearingTol);
    }
}

// The southward bearing comes out just above 180 because pi has 15 digits only; a caller
// comparing with 180 exactly would be surprised, so pin it.
TEST(RangeBearingTest, SouthIsJustAbove180) {
    const auto rb = RangeAndBearing({0, 0}, {0, -1});
    EXPECT_GT(rb.trueBearing, 180.0);
    EXPECT_LT(rb.trueBearing, 180.0 + 1e-12);
}

// Nearly coincident positions used to give NaN where rounding pushed the cosine above 1.
TEST(RangeBearingTest, CoincidentPositionsNeverNaN) {
    // Latitudes whose cos^2 + sin^2 rounds above 1 with glibc's sin and cos.
    const double lats[] = {-11.056008, -47.510968, 0.94052, 2.451356, 6.849226, -57.456396};
    const double lons[] = {0.0, -1.507593, 32.040813, 179.999999, -179.999999};
    for (double lat : lats) {
        for (double lon : lons) {
            for (double step : {0.0, 1e-12, 1e-10, 1e-9}) {
                const MapPos a(lon, lat);
                const MapPos b(lon + step, lat - step);
                const auto rb = RangeAndBearing(a, b);
                ASSERT_FALSE(std::isnan(rb.distance)) << lat << " " << lon << " " << step;
                EXPECT_GE(rb.distance, 0.0);
                EXPECT_LT(rb.distance, 1.0);
                EXPECT_GE(rb.trueBearing, 0.0);
                EXPECT_LE(rb.trueBearing, 360.0);
            }
        }
    }
}

} // namespace
