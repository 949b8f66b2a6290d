#pragma once

#include "map/formats/ImageDecoder.h"
#include "map/pyramid/MapPyramid.h"
#include "map/pyramid/PyramidTarget.h"

#include <functional>
#include <memory>
#include <string>

namespace map {

// Streams the first image of a TIFF file into its pyramid: tile by tile (or row by row from a
// file in strips) straight into level 0, the reduced levels built band by band behind them.
// Only one tile or row of the file is held besides the pyramid, so maps far beyond what fits
// twice in memory load. A tiled file decodes the tiles of the first view before the rest, so
// that view shows at full resolution after a few tiles rather than after every tile above its
// bottom edge.
struct GeoTiffPyramidOptions {
    // Fraction done; false stops the load (the result is then empty with no error).
    std::function<bool(double)> progress = [](double) { return true; };
    // Gets a stand-in for the small picture a JPEG map shows while it decodes (its own pyramid,
    // 1/kJpegPreviewScale of the map's size, paper white: a TIFF has no cheap small picture),
    // so that the first view can show over it. Empty: none, and no region is told either.
    std::function<void(MapPyramid)> preview;
    // Gets the map's pyramid and the region of full-resolution pixels stored from its top left
    // corner (columns x rows), which never changes again; only after a picture was given.
    std::function<void(MapPyramid, int columns, int rows)> regionStored;
    // Maps of fewer pixels decode too fast for a picture to be worth it.
    long long previewMinPixels = 2048LL * 2048;
    // The view the map opens in (100 %, scroll (0, 0)), in pixels: decoded first.
    int firstColumns = 0;
    int firstRows = 0;
    // Where the pyramid is built.
    std::function<std::unique_ptr<PyramidTarget>(int width, int height, std::string* error)> target;
};

struct GeoTiffPyramid {
    MapPyramid map;    // empty after a failure or a stop
    std::string error; // why, after a failure: plain English without the path
    // The whole map's place, not yet committed (as JpegPyramid's).
    std::unique_ptr<PyramidTarget> keep;
};

// fd: the open map file (platform::OpenRegularFile), read with pread only. A tile or strip that
// cannot be read or decoded (cut short, an offset past the end, corrupt data) fails the load.
GeoTiffPyramid LoadGeoTiffPyramid(int fd, const GeoTiffPyramidOptions& options);

// The TIFF decoder row (ImageDecoder): the header from the first image's tags, the pixels
// streamed as LoadGeoTiffPyramid does, first view first.
ImageHeaderResult TiffImageHeader(int fd, const std::string& path, const DecodeContext* context);
DecodedImage DecodeTiffImage(int fd, const std::string& path, const DecodeContext& context);

} // namespace map
