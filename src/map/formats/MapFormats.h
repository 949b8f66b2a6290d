#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace map {

struct MapSource;
struct MapSourceResult;

// The kinds of file a map opens from. Each is one row of the table below: what tells it, what
// it is called, and the patterns the file dialog and the desktop entry offer.
enum class MapFileKind {
    Image,      // a JPEG, PNG, GIF or BMP scan; its calibration or world file lies beside it
    WorldFile,  // a world file (.jgw, .pgw, .tfw, .wld...): opens the image beside it
    OziMap,     // an OziExplorer .map: the calibration of the image it names
    Kmz,        // a zipped KML document with ground overlays and their images
    KmlOverlay, // a KML document with ground overlays
    GeoTiff,    // a TIFF, placed by its GeoKeys (or, without them, like any image)
    MbTiles,    // an SQLite database of raster tiles
    Gdal,       // any other georeferenced raster, read through GDAL (GeoPDF, JPEG 2000, KAP...)
};

// How many of a file's first bytes recognition looks at: a ground overlay comes after the
// document's styles, so a KML file needs more than a magic number.
inline constexpr std::size_t kMapHeadBytes = 16384;

// One row per kind of map file: how it is told, named and offered, and how it is read. A new kind
// is its own file in this folder and one row here (and one decoder row when its pixels are of a
// kind of image not read yet).
struct MapFormat {
    MapFileKind kind;
    std::string_view name;        // as --info prints it: "ozi-map"
    std::string_view description; // as the file dialog lists it
    std::string_view patterns;    // the dialog's patterns, ';'-separated: "*.map"
    std::string_view mimeTypes;   // the desktop entry's, ';'-separated
    // True when a file whose first bytes are head (at most kMapHeadBytes) and whose extension
    // (lower case, without the dot) is extension is of this kind.
    bool (*recognise)(std::string_view head, std::string_view extension);
    // Reads the file source.path (source.format this row): its image and where its pixels lie,
    // no pixel decoded. cancelled, asked while a long read runs, stops it when it returns true.
    MapSourceResult (*read)(MapSource source, const std::function<bool()>& cancelled);
};

// Every kind, in the order recognition tries them: content before extension.
std::span<const MapFormat> MapFormats();

// The row of the map file whose first bytes are head and whose path is path; nullptr when it
// is no map of any kind (a trail's KML, a text file).
const MapFormat* RecogniseMap(std::string_view head, std::string_view path);

struct RecognisedMap {
    const MapFormat* format = nullptr; // nullptr: see error
    std::string error;                 // "PATH: REASON" when the file is no map or cannot be read
    bool unrecognised = false;         // read, but of no kind
};

// Reads the first bytes of the file at path and recognises it.
RecognisedMap RecogniseMapFile(const std::string& path);

// The format of kind (every kind has one row).
const MapFormat& FormatOf(MapFileKind kind);

} // namespace map
