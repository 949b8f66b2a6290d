#pragma once

#include "map/pyramid/TiledMap.h"

#include <cstddef>
#include <span>
#include <string>

namespace map {

// How the map cache keeps a tile (kTilePixels opaque pixels) on disk, about a quarter of its
// size for a decoded scan: the red, green and blue planes one after the other, each row as the
// differences of each byte from the one left of it, compressed by zstd at level 1 with its
// checksum. A map streamed into the cache (its pyramid beyond the cache's bound or the memory)
// keeps its tiles as baseline JPEGs of quality 90 instead: about a fifteenth of the pixels'
// size, a channel off by one level in the mean. Measured against LZ4, zstd and other JPEG
// qualities on decoded scans by bench/tile-codec-bench.
enum class TilePacking { Lossless, Jpeg };

inline constexpr int kJpegTileQuality = 90;

// Appends the packed tile to out; false (out as it was) when the compressor fails. Only the
// top left width x height pixels are the map's (an edge tile): a JPEG repeats its edge into the
// padding, so no dark fringe bleeds into it.
bool PackTile(const MapPixel* tile, std::string& out, TilePacking packing = TilePacking::Lossless,
              int width = TiledMap::kTileSize, int height = TiledMap::kTileSize);

// Unpacks into tile (kTilePixels) a tile of either packing, told by its first bytes; false
// when packed is not a whole packed tile, leaving tile in any state.
bool UnpackTile(std::span<const std::byte> packed, MapPixel* tile);

} // namespace map
