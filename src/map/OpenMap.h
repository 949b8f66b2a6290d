#pragma once

#include "map/ShownMap.h"
#include "map/formats/ImageDecoder.h"
#include "map/formats/MapSource.h"
#include "map/formats/MbTiles.h"

#include <string>
#include <string_view>

namespace map {

// One opened map file: its pixels, as DecodedImage says (as tiles, once opened), and what the
// file says of them.
struct OpenedMap : DecodedImage {
    // What the map file says: its kind, its image and where its pixels lie (format null when
    // the file could not be read).
    MapSource source;
    // The map as the folder lists it, with these pixels, and what placed it (with the issues of
    // its calibration files); null when it did not open.
    std::shared_ptr<const ShownMap> shown;
    ImagePlacement placement;
};

// Opens the map file at path, of any kind ReadMapSource reads, then its image, and places it as
// PlaceShownMap does: the pyramid kept
// from an earlier open of the same image when there is one, else its decoder row's decode (the
// JPEG or TIFF stream with early picture and rows as they are stored, the tiles of an MBTiles
// file, or the other decoder).
// The image is opened once; everything comes from that one file, whatever the path names
// meanwhile, and a file written to while it decoded is shown but not kept. An image taken out of
// an archive is never kept. A document of several ground overlays opens as one map: each overlay
// decoded in turn and drawn where it lies (one that does not decode is left out with a warning in
// source); the mosaic of a KMZ is kept under the archive.
// A tile source's definition file (*.tiles) or a URL template (http:// or https://) opens as
// the whole world in Web Mercator, its tiles fetched as they are shown (OpenTileSourceMap).
OpenedMap OpenMap(const std::string& path, const OpenMapOptions& options, OpenMapEvents& events);

// Whether OpenMap opens path as a tile source.
bool IsTileSourcePath(std::string_view path);

} // namespace map
