#pragma once

#include "base/MapPos.h"
#include "map/formats/GdalLibrary.h"

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

// One of the maps a file of several holds (a PDF's pages, GDAL's subdatasets): the path that
// opens it, "FILE#N" (N from 1), and GDAL's name for it.
struct MapChoice {
    std::string path;
    std::string name;
};

// How a raster placed by kSplinePoints or more control points has them fitted: by the polynomial
// of their number, or through every one by thin plate splines, as GDAL's transformer is asked to.
enum class ControlPointFit { Polynomial, ThinPlateSpline };
inline constexpr int kSplinePoints = 10;
// The fit of every raster read from now on, in this process (the viewer's setting, quilo-tool's
// --tps); the polynomial until set.
void SetControlPointFit(ControlPointFit fit);

// The reader row of every raster GDAL opens: placed by its geotransform and coordinate system,
// or by its control points fitted as GDAL's own transformer fits them (first order from three
// points, second order from six, or as SetControlPointFit asks from kSplinePoints), with their
// residuals in the warnings. A file GDAL opens but
// nothing places opens uncalibrated, as an image does. A GeoPDF's neat line becomes the map's
// outline. Of a file of several maps, the one its path chooses ("FILE#N") is shown, else the
// first, with a warning, and source.maps lists them.
MapSourceResult ReadGdalRaster(MapSource source, const std::function<bool()>& cancelled);

// The neat line of the open dataset (a GeoPDF's, in GDAL's NEATLINE) in pixel positions;
// empty when it has none.
std::vector<MapPos> GdalNeatLinePixels(void* dataset);

} // namespace map
