#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "trail/TrackPoint.h"

// Colouring a track by what it measures: a value for each point, the limits the values are
// spread between, and the colour of a value within them.
namespace trail {

enum class ColourBy { Plain, Speed, Elevation, Slope, Time };

struct ColourByName {
    ColourBy by;
    std::string_view name; // as the legend and the settings say it
    std::string_view unit;
};

inline constexpr ColourByName kColourByNames[] = {
    {ColourBy::Plain, "Plain", ""},          {ColourBy::Speed, "Speed", "km/h"},
    {ColourBy::Elevation, "Elevation", "m"}, {ColourBy::Slope, "Slope", "%"},
    {ColourBy::Time, "Time", "s"},
};

// A step shorter than this gives no slope of its own: a few metres of GPS height wander over
// a metre walked would read as a cliff. The slope at a point is over the last kSlopeRunM.
inline constexpr double kSlopeRunM = 20.0;

// One value per point, in the shape of track; NaN where the point does not have it:
//   Speed     km/h: the receiver's own speed, else the step's distance over its time (the first
//             point of a segment takes its first step's);
//   Elevation metres, the point's height;
//   Slope     percent, the climb over at least the last kSlopeRunM of the segment (positive up);
//   Time      seconds since the first point of the track with a time;
//   Plain     NaN everywhere.
[[nodiscard]] std::vector<std::vector<double>> ValuesOf(const Track& track, ColourBy by);

struct ValueLimits {
    double low = 0.0;
    double high = 0.0;
    friend bool operator==(const ValueLimits&, const ValueLimits&) = default;
};

// The lowest and highest finite value; none when there is none.
[[nodiscard]] std::optional<ValueLimits> LimitsOf(const std::vector<std::vector<double>>& values);

// Where value lies between the limits, 0..1, clamped; NaN for NaN. Equal limits give 0.5.
[[nodiscard]] double FractionOf(double value, const ValueLimits& limits);

// The colour (0xRRGGBB) at fraction along the ramp blue, cyan, green, yellow, red; grey for
// NaN. Equal steps of the fraction are equal steps along the ramp.
[[nodiscard]] std::uint32_t RampColour(double fraction);

// The colour as the live trail fades it with age: level 0 (oldest) black up to level
// levels - 1 at 242/255 of it, as the plain trail's shades are.
[[nodiscard]] std::uint32_t FadedColour(std::uint32_t rgb, int level, int levels);

} // namespace trail
