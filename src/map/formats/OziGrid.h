#pragma once

#include "map/formats/OziMapFile.h"

#include <optional>
#include <string>
#include <string_view>

namespace map {

// The geographic CRS, as a PROJ definition, of a datum named as OziExplorer names it ("WGS 84",
// "European 1950", "Ord Srvy Grt Britn"; case and blanks at the ends ignored): its ellipsoid and
// its three-parameter shift to WGS 84, as the format's own datum list gives them. Nothing, with
// *error ("Datum XY: unknown datum"), for a name not in the list.
std::optional<std::string> OziDatumCrs(std::string_view name, std::string* error);

// The CRS, as a PROJ definition, of the grid the file's points and pixels are related in: its
// projection with the setup line's parameters (or the fixed ones of a national grid) on its
// datum; Latitude/Longitude is the datum's geographic CRS. UTM takes its zone and hemisphere
// from the first grid point that names them, else from the points' mean position. Nothing,
// with *error naming the projection or datum, when it is not one that is read.
std::optional<std::string> OziGridCrs(const OziMapFile& file, std::string* error);

} // namespace map
