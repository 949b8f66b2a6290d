#pragma once

#include <cstdint>
#include <string>

#include "base/MapPos.h"
#include "base/Number.h"

// Coordinate text: splitting decimal degrees into degrees, minutes and seconds, joining them
// back, and the three text formats shown in the status line, the cursor line and the map point
// dialog. All text is UTF-8; the degree mark is U+00B0. Nothing here depends on the process
// locale: a comma-decimal locale still gets "51.4778".
namespace coords {

// In menu order; the values are stable (0, 1, 2, 3, 4).
enum class CoordFormat : int {
    Dms = 0,  // 51°28'40.1N
    Dm = 1,   // 51°28.67'N
    Deg = 2,  // 51.4778°N
    Utm = 3,  // 32T 500000 4982950, a whole position only
    Mgrs = 4, // 32T LR 00000 82950, a whole position only
};

// The program multiplies by these; it never divides by 60 or 3600, so results match the
// handheld's to the last bit.
inline constexpr double K60 = 0.016666666666666666;    // nearest double to 1/60
inline constexpr double K3600 = 0.0002777777777777778; // nearest double to 1/3600

struct DmsParts {
    std::int32_t degrees = 0;
    std::int32_t minutes = 0;
    double seconds = 0.0;
};

struct DmParts {
    std::int32_t degrees = 0;
    double minutes = 0.0;
};

// Splits |angle| (decimal degrees; the sign is dropped, so -0.5 gives 0, 30, 0.0). Degrees and
// minutes are truncated, the seconds keep the rest unrounded: 1.2 gives 1, 11,
// 59.99999999999989. minutes is 0..59; seconds are never negative (a rounding residue below
// zero is returned as 0). A non-finite angle counts as 0 and magnitudes are capped at 1e9
// degrees, so the integer conversions stay defined for any input.
DmsParts SplitDms(double angle);

// Splits |angle| into truncated degrees and unrounded decimal minutes in [0, 60).
DmParts SplitDm(double angle);

// The same splits with the last field rounded to `decimals` places (0..17) as it will be
// printed, and a rounded 60 carried into minutes and degrees: 1.2 with 1 decimal gives 1, 12,
// 0.0 (not 1, 11, 60.0); 51.999999 with 2 decimals gives 52, 0.0. Use these wherever the parts
// are shown as text.
DmsParts SplitDmsRounded(double angle, int decimals);
DmParts SplitDmRounded(double angle, int decimals);

// (minutes * K60 + seconds * K3600) + degrees: not negative for non-negative inputs; the caller
// applies the hemisphere's sign. DmsToDegrees(51, 28, 40.08) == 51.4778.
double DmsToDegrees(std::int32_t degrees, std::int32_t minutes, double seconds);
// minutes * K60 + degrees. DmToDegrees(51, 28.668) == 51.4778.
double DmToDegrees(std::int32_t degrees, double minutes);

// Latitude text, hemisphere "S" below 0, else "N" (so negative zero is "N"):
//   Dms  51°28'40.1N   degrees unpadded, minutes two digits, seconds one decimal, unpadded
//   Dm   51°28.67'N    decimal minutes two decimals, unpadded
//   Deg  51.4778°N     absolute value, four decimals
// The last field is rounded and a rounded 60 carries: 1.2 prints 1°12'0.0N.
std::string FormatLatitude(double angle, CoordFormat format);
// Longitude text, the same shapes with "W" below 0, else "E": 0°00'5.0W for -0.0014.
std::string FormatLongitude(double angle, CoordFormat format);
// Utm and Mgrs name no single angle: FormatLatitude and FormatLongitude give the Deg text for them.
//
// FormatLongitude(position.x), one space, FormatLatitude(position.y); the longitude always
// comes first: "0°00'5.0W 51°28'40.1N". Utm and Mgrs give the position (WGS 84) in its zone,
// FormatUtm and FormatMgrs, and the Deg text where UTM does not reach (beyond 80°S and 84°N).
std::string FormatPosition(const MapPos& position, CoordFormat format);

// The locale-free "%.<decimals>f" and "%0<width>d", under the names the view knows them by.
using base::FormatFixed;
using base::FormatPadded;

} // namespace coords
