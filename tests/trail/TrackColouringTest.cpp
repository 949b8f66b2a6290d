#include "trail/TrackColouring.h"
#include "trail/TrackSet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using trail::ColourBy;
using trail::TrackPoint;

constexpr double kMetre = 1.0 / 111'195.0;
constexpr std::int64_t kT0 = 1'765'188'000'000;

// Northward, a point every 10 s: 10 m steps (3.6 km/h), then 50 m steps (18 km/h) climbing
// 5 m a step; the receiver sent a speed only at the last point.
trail::Track Walk() {
    trail::TrackSegment s;
    double north = 0, height = 100;
    for (int i = 0; i < 6; ++i) {
        const bool fast = i >= 3;
        if (i > 0) {
            north += fast ? 50 : 10;
            height += fast ? 5 : 0;
        }
        s.push_back({MapPos(11, 48 + north * kMetre), kT0 + i * 10'000, height});
    }
    s.back().speedKnots = 10;
    return {s};
}

TEST(TrackColouring, ValuesByMeasure) {
    const double n = NAN;
    const struct {
        ColourBy by;
        std::vector<double> expected;
    } rows[] = {
        // The first point takes its first step's speed; the last the receiver's own.
        {ColourBy::Speed, {3.6, 3.6, 3.6, 18, 18, 18.52}},
        {ColourBy::Elevation, {100, 100, 100, 105, 110, 115}},
        // Over the shortest run of at least 20 m back: none until 20 m are behind.
        {ColourBy::Slope, {n, n, 0, 10, 10, 10}},
        {ColourBy::Time, {0, 10, 20, 30, 40, 50}},
        {ColourBy::Plain, {n, n, n, n, n, n}},
    };
    for (const auto& row : rows) {
        const auto values = trail::ValuesOf(Walk(), row.by);
        ASSERT_EQ(values.size(), 1u);
        ASSERT_EQ(values[0].size(), row.expected.size());
        for (std::size_t i = 0; i < row.expected.size(); ++i) {
            if (std::isnan(row.expected[i]))
                EXPECT_TRUE(std::isnan(values[0][i])) << static_cast<int>(row.by) << " " << i;
            else
                EXPECT_NEAR(values[0][i], row.expected[i], 0.01)
                    << static_cast<int>(row.by) << " " << i;
        }
    }
}

TEST(TrackColouring, ValuesToColours) {
    const trail::ValueLimits limits{10, 30};
    const struct {
        const char* legend;
        double value;
        std::uint32_t colour;
    } rows[] = {
        {"the low limit is blue", 10, 0x0000FF},   {"below it too", -5, 0x0000FF},
        {"a quarter along is cyan", 15, 0x00C8FF}, {"the middle green", 20, 0x00C800},
        {"three quarters yellow", 25, 0xFFDC00},   {"the high limit red", 30, 0xE60000},
        {"above it too", 1e9, 0xE60000},           {"halfway from green to yellow", 22.5, 0x80D200},
        {"no value is grey", NAN, 0x808080},
    };
    for (const auto& row : rows)
        EXPECT_EQ(trail::RampColour(trail::FractionOf(row.value, limits)), row.colour)
            << row.legend;
    EXPECT_EQ(trail::FractionOf(7, {7, 7}), 0.5) << "equal limits";
    EXPECT_EQ(trail::LimitsOf(trail::ValuesOf(Walk(), ColourBy::Elevation)),
              (trail::ValueLimits{100, 115}));
    EXPECT_FALSE(trail::LimitsOf(trail::ValuesOf(Walk(), ColourBy::Plain)));
    // The live trail's fading: black at the oldest level, 242/255 at the newest.
    EXPECT_EQ(trail::FadedColour(0xFF8000, 0, 20), 0x000000u);
    EXPECT_EQ(trail::FadedColour(0xFF8000, 19, 20), 0xF27900u);
}

TEST(TrackSet, TracksTakeColoursInTurnAndTheirFigures) {
    trail::TrackSet set;
    for (int i = 0; i < 9; ++i)
        set.Add({"/t" + std::to_string(i % 2) + ".gpx", "t", Walk()});
    EXPECT_EQ(set.All()[0].colour, trail::TrackSet::kPalette[0]);
    EXPECT_EQ(set.All()[8].colour, trail::TrackSet::kPalette[0]) << "the palette goes round";
    EXPECT_NEAR(set.All()[0].statistics.lengthM, 170, 0.01);
    set.Remove(0);
    set.Add({"/t2.gpx", "t", Walk()});
    EXPECT_EQ(set.All().back().colour, trail::TrackSet::kPalette[1]) << "not back to the first";
    EXPECT_EQ(set.Paths(), (std::vector<std::string>{"/t1.gpx", "/t0.gpx", "/t2.gpx"}));
    const auto bounds = trail::BoundsOf(Walk());
    ASSERT_TRUE(bounds);
    EXPECT_NEAR((bounds->northEast.y - bounds->southWest.y) / kMetre, 170, 1e-6);
    EXPECT_FALSE(trail::BoundsOf({{}}));
}

} // namespace
