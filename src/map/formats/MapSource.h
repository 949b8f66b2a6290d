#pragma once

#include "base/MapPos.h"
#include "calib/GridModel.h"
#include "map/formats/GdalRaster.h"
#include "map/formats/MapFormats.h"
#include "map/formats/OverlayMosaic.h"
#include "platform/MappedFile.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace map {

// One ground overlay of a map that shows several.
struct OverlayImage {
    std::string href;  // as the document names it
    std::string image; // the image file beside the document, or the entry inside the archive
    PlacedOverlay placed;
    std::optional<std::array<MapPos, 4>> quad; // the corners it is laid on, when a quad places it
};

// What a map file says of its map before a pixel is decoded: which image holds the pixels and
// where they lie. A bare image has only its path: the calibration file beside it places it.
struct MapSource {
    const MapFormat* format = nullptr;
    std::string path;      // the file opened (the .map, the KMZ, the image)
    std::string imagePath; // the image file decoded; for an archive, the archive's path
    // An image taken out of an archive: its bytes, in memory; decoded in place of imagePath.
    platform::UniqueFd imageFd;
    int width = 0; // the image's size, when the reader needed it (0 otherwise)
    int height = 0;
    // Null when the map file places nothing (a bare image, a world file without its grid).
    std::shared_ptr<const GridGeoreference> grid;
    std::vector<MapPos> outline;             // the neat line, WGS 84 (x the longitude); or none
    std::optional<double> magneticVariation; // degrees, east positive, when the file says
    // The world file read, when one places the image; with no grid, its .prj is missing and
    // the user may name the grid (WritePrj).
    std::string worldFile;
    std::vector<std::string> warnings; // "PATH: REASON" lines to tell the user
    // The words the map's owner asks to be shown with it (a tile server's), bottom right.
    std::string attribution;
    // Two or more when a document's ground overlays are shown as one map: the image is then
    // theirs drawn in this order, each over the ones before, into width x height pixels, which
    // grid places; imagePath names the document.
    std::vector<OverlayImage> overlays;
    // A file of several maps when none was chosen: every one, and the path that opens it.
    std::vector<MapChoice> maps;
};

// A world file whose .prj is missing: the user is asked for its grid (WritePrj) instead of
// being told of the missing file.
[[nodiscard]] inline bool AsksForGrid(const MapSource& source) {
    return !source.worldFile.empty() && !source.grid;
}

struct MapSourceResult {
    std::optional<MapSource> source;
    std::string error; // "PATH: REASON" when there is none
    // False when the file could be read but is of no kind the table knows.
    bool recognised = true;
};

// Asked while a long read runs (the queries of a tile set): true stops it, and the result is
// then empty with no error.
using ReadCancelled = std::function<bool()>;

// Reads the map file at path, of any kind the table of formats recognises, through its row:
// finds its image, reads its georeference and checks them, without decoding a pixel. An image
// with the handheld's calibration file beside it keeps that; else a world file beside it places
// it.
MapSourceResult ReadMapSource(const std::string& path, const ReadCancelled& cancelled = {});

// ---- What the readers of the kinds share ----------------------------------------------------

// "PATH: REASON".
MapSourceResult SourceFailure(const std::string& path, const std::string& reason);

std::shared_ptr<const GridGeoreference> SharedGrid(std::optional<GridGeoreference> grid);

// The folder of path ("." for a bare name).
std::string FolderOf(const std::string& path);

// The pixel in the middle of an image, near which a grid of longitudes places positions (a map
// across the 180th meridian); nothing when the size is not known.
std::optional<MapPos> ImageMiddle(int width, int height);

// The same from the header of the image at imagePath, read only for a grid of longitudes (crs),
// which alone needs it.
std::optional<MapPos> ImageMiddle(const std::string& imagePath, std::string_view crs);

} // namespace map
