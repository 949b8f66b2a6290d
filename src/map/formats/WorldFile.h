#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace map {

struct MapSource;
struct MapSourceResult;

// The six values of a world file, in the file's order: A (x size of a pixel), D, B, E (y size,
// negative for north-up), C, F (the centre of the upper left pixel), in the grid's units.
using WorldFileValues = std::array<double, 6>;

inline constexpr std::size_t kMaxWorldFileBytes = 4096;

// The values of a world file's bytes: six finite numbers, one a line (blanks around them and
// blank lines after them allowed), whose pixels have an area. Nothing, with *error, otherwise.
std::optional<WorldFileValues> ParseWorldFile(std::string_view bytes, std::string* error);

// The names a world file of the image at imagePath may have, most usual first: the extension's
// first and last letters and a 'w' (scan.jpg: scan.jgw), the extension and a 'w' (scan.jpgw),
// then scan.wld.
std::vector<std::string> WorldFileNames(std::string_view imagePath);

// The names of the image a world file belongs to, given the world file's path: its own base
// name with the extensions of the images its extension stands for.
std::vector<std::string> ImageNamesOfWorldFile(std::string_view worldFilePath);

// The CRS definition of a .prj's text: WKT (ESRI's or OGC's), a keyword and its bracketed body,
// at most kMaxPrjBytes. Nothing, with *error, for anything else: PROJ would search its whole
// database for a CRS named by a stray text.
inline constexpr std::size_t kMaxPrjBytes = 65536;
std::optional<std::string> PrjDefinition(std::string_view text, std::string* error);

// Names the grid of the world file of the image at imagePath, as a user types it ("32N",
// "UTM 32S", "EPSG:2056", any PROJ definition of a projected CRS): writes it, as ESRI's WKT,
// to the image's NAME.prj. False, with *error naming the text or the file, when the grid is
// not one or the file cannot be written.
bool WritePrj(const std::string& imagePath, std::string_view grid, std::string* error);

// The names of the .prj giving an image's CRS: NAME.prj, then NAME.EXT.prj.
std::vector<std::string> PrjNames(std::string_view imagePath);

// The first of names that is a file, its name matched without regard to case in its folder
// when no file has it exactly (maps copied from other systems keep their capitals); empty when
// none is.
std::string FindFileIgnoringCase(const std::vector<std::string>& names);

// Places the image source.imagePath by the world file at worldPath, in the grid the .prj beside
// the image names; without that .prj the map stays unplaced, with a warning, until its grid is
// named (WritePrj).
MapSourceResult PlaceByWorldFile(MapSource source, const std::string& worldPath);

// The reader row of a world file opened itself: the image beside it, placed by it.
MapSourceResult ReadWorldFileMap(MapSource source, const std::function<bool()>& cancelled);

} // namespace map
