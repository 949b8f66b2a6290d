#pragma once

#include "map/tiles/TileSource.h"

#include <optional>
#include <string>
#include <string_view>

namespace map {

class TileCache;

struct WmtsResult {
    std::optional<TileSourceDef> source;
    std::string error;
};

// A WMTS source made a template one from its capabilities document: the layer's Web Mercator
// tile matrix set (the one the definition names, else the first the layer links), its REST
// template for the source's format, else the KVP GetTile address, and the tile matrix of each
// zoom. The tiles must come from the host the capabilities came from. The document is read as
// hostile: bounded in size, depth and counts.
WmtsResult ApplyWmtsCapabilities(const TileSourceDef& source, std::string_view document);

// The same with the document fetched from the source's url (kept in the cache's metadata, which
// stands in when offline or when the server is not reached).
WmtsResult ResolveWmts(const TileSourceDef& source, const std::string& userAgent, TileCache* cache,
                       bool offline);

} // namespace map
