#pragma once

#include "base/MapPos.h"

#include <optional>
#include <string>
#include <string_view>

namespace coords {

// One position typed as one text, in any form the Enter Coordinates dialog takes: decimal
// degrees ("46.5 7.25", "46.5N 7.25E"), degrees and minutes, degrees minutes and seconds, UTM
// ("32T 500000 4982950", "32 N 500000 4982950") or MGRS ("32TLR0000082950"). The numbers are on
// datumCrs (a geographic CRS, see map::DatumCrs); the result is WGS 84, latitude in y and
// longitude in x. Nothing, with *error naming the text and what is wrong, otherwise.
std::optional<MapPos> ParsePosition(std::string_view text, std::string_view datumCrs,
                                    std::string* error);

// One position typed in a map's named grid (gridCrs: any CRS PROJ knows, "EPSG:2056"): its
// easting and northing ("2600000 1200000", "2600000, 1200000"), or for a geographic grid its
// longitude and latitude, in the grid's own axis order after PROJ's normalisation. The result is
// WGS 84. Nothing, with *error naming the text and what is wrong, otherwise.
std::optional<MapPos> ParseGridPosition(std::string_view text, std::string_view gridCrs,
                                        std::string* error);

} // namespace coords
