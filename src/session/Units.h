#pragma once

#include <cstdint>
#include <string>

// The units the live display shows distances, speeds and heights in, and the round lengths of
// the scale bar. Text is locale-free ("1.5 km", never "1,5 km").
namespace session {

// In menu order; the stored values are stable (0, 1, 2).
enum class UnitSystem : int {
    Metric = 0,   // m, km, km/h
    Imperial = 1, // ft, mi, mph
    Nautical = 2, // m, NM, kn (heights in metres, as charts give them)
};

inline constexpr double kMetresPerFoot = 0.3048;
inline constexpr double kMetresPerMile = 1609.344;
inline constexpr double kMetresPerNauticalMile = 1852.0;

// A distance in metres as the user reads it: the short unit in whole numbers below a
// kilometre, a tenth of a mile or a tenth of a nautical mile ("850 m", "420 ft", "150 m"),
// else the long unit with two decimals below 10 and one below 100 ("1.25 km", "12.5 mi",
// "250 NM"). Negative
// distances keep their sign (a cross-track distance to the left). Not finite: "unknown".
std::string FormatDistance(double metres, UnitSystem units);
// A speed in metres per second: "5.4 km/h", "3.4 mph", "2.9 kn", one decimal.
std::string FormatSpeed(double metresPerSecond, UnitSystem units);
// A height in metres: "545 m", or whole feet in imperial ("1788 ft").
std::string FormatHeight(double metres, UnitSystem units);

// A scale bar's length: the longest round length (1, 2 or 5 times a power of ten of the short
// or the long unit) not longer than maxMetres, and its text ("500 m", "2 km", "1000 ft",
// "5 mi", "0.2 NM"). maxMetres not positive or not finite gives a length of 0 and no text.
struct ScaleLength {
    double metres = 0.0;
    std::string text;
};
ScaleLength RoundScaleLength(double maxMetres, UnitSystem units);

} // namespace session
