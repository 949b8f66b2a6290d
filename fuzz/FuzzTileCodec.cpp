// One input is the packed bytes of one tile of a map cache entry, which another program may have
// written: planes of differences under zstd, or a JPEG. A tile that unpacks is all opaque
// pixels, and packing those again unpacks to a tile too. The rest (no read or write out of
// bounds, no hang) the sanitizers and libFuzzer watch.
#include "FuzzCheck.h"
#include "map/pyramid/TileCodec.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<map::MapPixel> tile(map::TiledMap::kTilePixels);
    if (!map::UnpackTile(std::as_bytes(std::span(data, size)), tile.data()))
        return 0;
    for (const map::MapPixel pixel : tile)
        fuzz::Check(pixel >> 24 == 0xFF);
    for (const map::TilePacking packing : {map::TilePacking::Lossless, map::TilePacking::Jpeg}) {
        std::string packed;
        fuzz::Check(map::PackTile(tile.data(), packed, packing));
        std::vector<map::MapPixel> again(tile.size());
        fuzz::Check(map::UnpackTile(std::as_bytes(std::span(packed)), again.data()));
        if (packing == map::TilePacking::Lossless)
            fuzz::Check(again == tile);
    }
    return 0;
}
