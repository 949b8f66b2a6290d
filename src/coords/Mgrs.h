#pragma once

#include "base/MapPos.h"
#include "geo/Proj.h"

#include <optional>
#include <string>

// The lettering of MGRS's 100 km squares, by its rule (the current lettering, "AA" scheme):
// the column letters run A-H, J-R, S-Z in zones 1, 2, 3 and again from zone 4, one letter per
// 100 km of easting from 100 km; the row letters run A-V without I and O, one per 100 km of
// northing, repeating every 2000 km, shifted by five letters (starting at F) in even zones.
namespace coords {

// The two letters of the square that holds easting/northing in zone (1..60); empty when the
// easting lies outside 100..900 km or the zone is out of range.
std::string SquareLetters(int zone, double easting, double northing);

// The easting of the west edge of the square whose column letter (upper case) is `column` in
// zone: 100000..800000. Nothing when the letter is not one of the zone's eight.
std::optional<double> SquareEasting(int zone, char column);

// The northing of the south edge of the square whose row letter is `row`, modulo 2000 km:
// 0..1900000. Nothing for a letter that is no row letter (I, O, W..Z).
std::optional<double> SquareNorthing(int zone, char row);

// A position on datumCrs -> "32T LR 00000 82950", to the metre: each number is truncated, so
// the reference names the metre square that holds the position, as MGRS does. Empty outside
// UTM's range.
std::string FormatMgrs(const MapPos& position, std::string_view datumCrs = map::kWgs84);

} // namespace coords
