#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace map {

// How a server is asked for a tile.
enum class TileProtocol {
    Xyz,  // a URL template, row 0 at the north
    Tms,  // the same, row 0 at the south
    Wmts, // a capabilities document names the template (KVP or REST)
    Wms,  // GetMap with each tile's box in EPSG:3857
};

// What a source's terms allow of saving an area.
struct BulkPolicy {
    bool allowed = true;
    long long maxTiles = 0; // 0: any number
    int maxZoom = -1;       // -1: any zoom
};

// One tile source as its definition file describes it. A definition is a small text file of
// "key = value" lines ('#' starts a comment):
//   name, type (xyz, tms, wmts, wms), url, subdomains (a,b,c), zoom (MIN-MAX), format (png,
//   jpg, webp), attribution, policy (the terms' own words), bulk (allowed or forbidden),
//   bulk-max-tiles, bulk-max-zoom, layer and style (WMS, WMTS), matrix-set (WMTS).
// An xyz or tms url holds {z} {x} {y} {-y} {quadkey} and {s} (a subdomain); a wms url is the
// service's address; a wmts url is its capabilities document's.
struct TileSourceDef {
    std::string id; // the definition file's name without ".tiles"; names the cache file
    std::string name;
    TileProtocol protocol = TileProtocol::Xyz;
    std::string url;
    std::vector<std::string> subdomains;
    int minZoom = 0;
    int maxZoom = 19;
    std::string format = "png";
    std::string attribution;
    std::string policy;
    BulkPolicy bulk;
    std::string layer;
    std::string style;
    std::string matrixSet;
    // WMTS, once its capabilities are read: the tile matrix of each zoom ("" where the set has
    // none), put for {z} in the template.
    std::vector<std::string> matrices;
};

struct TileSourceResult {
    std::optional<TileSourceDef> source;
    std::string error; // plain English, one line
};

// The zooms a definition may name; finer ones no view pixel can hold.
inline constexpr int kMostTileZoom = 22;

// Reads a definition's text; id names it.
TileSourceResult ParseTileSource(std::string_view text, std::string id);
// Checks a URL template as a definition's: http or https, a host that no placeholder but {s}
// changes, no credentials, no unknown placeholder, {x} {y} {z} (or {quadkey}) all there for
// xyz and tms.
std::string CheckTileUrl(std::string_view url, const TileSourceDef& source);

// The folders definitions are read from, first found wins: $XDG_DATA_HOME/quilo/tiles (else
// ~/.local/share/quilo/tiles), the installed share/quilo/tiles beside the program, a tiles
// folder beside the program (the build's), each of $XDG_DATA_DIRS' quilo/tiles.
std::vector<std::string> TileSourceFolders();

// The definitions of those folders (each id once), by name; unreadable ones are skipped with a
// line in *problems.
std::vector<TileSourceDef> ListTileSources(const std::vector<std::string>& folders,
                                           std::vector<std::string>* problems = nullptr);

// The definition file at path (its id the file's name without ".tiles").
TileSourceResult ReadTileSourceFile(const std::string& path);

// A source by the id of its definition, or by a URL template given instead (an xyz source of
// that address, which takes the terms of a known definition on the same host). *file, when
// given, is set to the definition's path ("" for a URL).
TileSourceResult FindTileSource(std::string_view nameOrUrl, const std::vector<std::string>& folders,
                                std::string* file = nullptr);

// The address of the tile (XYZ numbering, row 0 at the north), the subdomains taken in turn
// by the tile's place.
std::string TileUrl(const TileSourceDef& source, int zoom, int column, int row);

// The words a refusal to save gives, or "" when the source allows tiles of zooms up to maxZoom,
// count of them.
std::string BulkRefusal(const TileSourceDef& source, long long count, int maxZoom);

std::string_view ProtocolName(TileProtocol protocol);

} // namespace map
