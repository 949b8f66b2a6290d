#include "session/Ruler.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using session::UnitSystem;

// One degree of latitude on the sphere the program measures with.
constexpr double kDegreeM = 111'195.0;

TEST(Ruler, SaysItsLastLegAndTheTotal) {
    const MapPos start(11.0, 48.0);
    const MapPos north(11.0, 48.0 + 350 / kDegreeM);
    const MapPos east(11.0 + 850 / (kDegreeM * 0.66913), 48.0 + 350 / kDegreeM);
    const struct {
        const char* legend;
        std::vector<MapPos> points;
        double magVar;
        UnitSystem units;
        const char* text;
    } rows[] = {
        {"no point yet", {}, 0, UnitSystem::Metric, "Ruler: tap the map to start"},
        {"one point", {start}, 0, UnitSystem::Metric, "Ruler: tap the next point"},
        {"due north",
         {start, north},
         0,
         UnitSystem::Metric,
         "Leg 1: 350 m 0\u00b0T 0\u00b0M, total 350 m"},
        // An easterly variation makes the magnetic bearing smaller; 0 - 2 wraps to 358.
        {"due north, 2 degrees east",
         {start, north},
         2,
         UnitSystem::Metric,
         "Leg 1: 350 m 0\u00b0T 358\u00b0M, total 350 m"},
        {"then east",
         {start, north, east},
         -3,
         UnitSystem::Metric,
         "Leg 2: 850 m 90\u00b0T 93\u00b0M, total 1.20 km"},
        {"in nautical miles",
         {start, north, east},
         0,
         UnitSystem::Nautical,
         "Leg 2: 0.46 NM 90\u00b0T 90\u00b0M, total 0.65 NM"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(session::RulerText(row.points, row.magVar, row.units), row.text) << row.legend;
    const auto legs = session::RulerLegs({start, north, east, start}, 0);
    ASSERT_EQ(legs.size(), 3u);
    EXPECT_NEAR(legs[2].totalMetres, 350 + 850 + 919.2, 1) << "back to the start";
}

} // namespace
