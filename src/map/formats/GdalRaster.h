#pragma once

#include "base/MapPos.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace map {

struct MapSource;
struct MapSourceResult;

// True for a file GDAL reads that none of the program's own readers does: a GeoPDF, a BSB/KAP
// chart, JPEG 2000, a GeoPackage, a VRT, ERDAS IMG, RMF, elevation grids; told by its first
// bytes where it has a signature, else by its extension.
bool IsGdalRaster(std::string_view head, std::string_view extension);

// The reader row of every raster GDAL opens: placed by its geotransform and coordinate system,
// or by its control points fitted as GDAL's own transformer fits them (first order from three
// points, second order from six), with their residuals in the warnings. A file GDAL opens but
// nothing places opens uncalibrated, as an image does. A GeoPDF's neat line becomes the map's
// outline; of a file of several maps, the first is shown, with a warning.
MapSourceResult ReadGdalRaster(MapSource source, const std::function<bool()>& cancelled);

// The neat line of the open dataset (a GeoPDF's, in GDAL's NEATLINE) in pixel positions;
// empty when it has none.
std::vector<MapPos> GdalNeatLinePixels(void* dataset);

} // namespace map
