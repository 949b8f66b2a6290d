#pragma once

#include "base/MapPos.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace map {

struct MapSource;
struct MapSourceResult;

// A calibration point's position in grid coordinates.
struct OziGridPos {
    double easting = 0.0;
    double northing = 0.0;
    int zone = 0;       // 0 when the file names none
    bool south = false; // the southern hemisphere's false northing
};

// One calibration point of a .map: its pixel (column, row from the top) and its position,
// in degrees on the map's datum (x the longitude), in grid coordinates, or both.
struct OziPoint {
    MapPos pixel;
    std::optional<MapPos> geo;
    std::optional<OziGridPos> grid;
};

// The projection setup line; a value the file leaves empty is not set.
struct OziProjectionSetup {
    std::optional<double> latitudeOrigin;
    std::optional<double> centralMeridian;
    std::optional<double> scaleFactor;
    std::optional<double> falseEasting;
    std::optional<double> falseNorthing;
    std::optional<double> standardParallel1;
    std::optional<double> standardParallel2;
};

// What an OziExplorer .map file says, its names decoded to UTF-8.
struct OziMapFile {
    std::string title;
    std::string imagePath; // as written, often a Windows path of another computer
    std::string datum;     // the datum's name as the format lists it: "European 1950"
    std::string projection;
    OziProjectionSetup setup;
    bool polynomial = false; // the file asks for a polynomial calibration
    std::vector<OziPoint> points;
    // The neat line: its corners in pixels, and as WGS 84 positions.
    std::vector<MapPos> neatLinePixels;
    std::vector<MapPos> neatLineGeo;
    std::optional<double> magneticVariation; // degrees, east positive
    int imageWidth = 0;                      // 0 when the file does not say
    int imageHeight = 0;
};

struct OziMapParse {
    std::optional<OziMapFile> map;
    std::string error; // one line ("line 12: latitude 95 out of range") when there is no map
};

// The most calibration points and neat line corners a file may hold; a format that has thirty
// slots never needs more.
inline constexpr std::size_t kMaxOziPoints = 100;
// The longest .map file read.
inline constexpr std::size_t kMaxOziMapBytes = std::size_t{1} << 20;

// Parses the bytes of a .map file (CR LF or LF lines). Names that are not UTF-8 are read as
// Windows-1251 when they hold a run of Cyrillic letters, else as Windows-1252. A point is used
// when it has a pixel and a position; numbers out of range or not finite refuse the file.
OziMapParse ParseOziMap(std::string_view bytes);

// Text in UTF-8: as it is when it already is, else from Windows-1251 or -1252 as above.
std::string OziTextToUtf8(std::string_view text);

// The image a .map names, as a path: relative to the .map's folder, else the file in that folder
// whose name is the last component of the written path, matched without regard to case
// (a Windows path of another computer). Empty when neither is a file.
std::string FindOziImage(const std::string& mapPath, const std::string& written);

// The reader row of a .map: the image it names, placed by its calibration points (an affine, or
// the polynomial it asks for), with its neat line and magnetic variation.
MapSourceResult ReadOziMap(MapSource source, const std::function<bool()>& cancelled);

} // namespace map
