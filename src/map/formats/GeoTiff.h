#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace map {

struct MapSource;
struct MapSourceResult;

// What a GeoTIFF's tags and GeoKeys say, before any pixel is decoded.
struct GeoTiffHeader {
    int width = 0;
    int height = 0;
    // The grid its pixels are placed in, as PROJ takes it: "EPSG:32632" for a coded system, a
    // PROJ string ending in "+type=crs" for one the keys describe. Empty when the file places
    // its pixels nowhere this program can follow; warning then says why.
    std::string crs;
    // Pixels to the grid in a world file's order (GridGeoreference::FromAffine): the file's
    // pixel scale and tie point or its transformation matrix, PixelIsPoint files shifted so
    // that the values give the centre of the upper left pixel either way.
    std::array<double, 6> worldFile{};
    std::string warning; // plain English, without the path
    int bits = 8;        // per sample: more than 8 (a 16-bit scan) shows better through GDAL
};

struct GeoTiffHeaderResult {
    std::optional<GeoTiffHeader> header;
    std::string error; // plain English, without the path, when there is no header
};

// Reads the first image of the TIFF file fd (read with pread only) and its georeference. A
// file that is no TIFF, holds samples that are no picture, or whose size is 0 is an error; a
// file that is not georeferenced, or whose coordinate system is user-defined in a way PROJ
// cannot be told, is a header with an empty crs and a warning.
GeoTiffHeaderResult ReadGeoTiffHeader(int fd);

// The reader row of a TIFF: a GeoTIFF its tags place; else, like any image, by the calibration
// or world file beside it, or uncalibrated with the tags' reason.
MapSourceResult ReadGeoTiff(MapSource source, const std::function<bool()>& cancelled);

} // namespace map
