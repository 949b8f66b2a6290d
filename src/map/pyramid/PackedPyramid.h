#pragma once

#include "map/pyramid/MapPyramid.h"

#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace map {

// A pyramid whose tiles are kept packed (TileCodec), as the map cache holds them: each tile is
// unpacked when it is first asked for and kept among the most recently used, so the memory it
// takes grows with the view, not with the map.
class PackedPyramid final : public TiledMap {
public:
    // Enough for every tile a 3840 x 2160 view touches, twice over.
    static constexpr std::size_t kDefaultUnpackedTiles = 400;

    // The pyramid of a width x height image (MapPyramid::Layout) over packed: its tiles in the
    // order MapPyramid stores them, tile i's bytes ending at ends[i] (and starting where the
    // one before ends). Empty when the layout is refused or ends does not fit packedBytes.
    static std::shared_ptr<PackedPyramid>
    Over(int width, int height, std::shared_ptr<const std::byte[]> packed, std::size_t packedBytes,
         std::vector<std::uint64_t> ends, std::size_t unpackedTiles = kDefaultUnpackedTiles);

    [[nodiscard]] int LevelCount() const override { return static_cast<int>(levels_.size()); }
    [[nodiscard]] const TileLevel& Level(int index) const override { return levels_[index]; }
    // Null for a tile whose bytes do not unpack (a damaged entry): the view draws it from a
    // coarser level.
    [[nodiscard]] const MapPixel* Tile(int level, int column, int row) const override;
    // Unpacked tiles beyond the bound go from here on, least recently used first.
    void Want(const std::vector<TileRange>& ranges) override;

    [[nodiscard]] std::size_t UnpackedTiles() const;

private:
    PackedPyramid() = default;
    // Drops the least recently used tiles not handed out since the last Want while more than
    // the bound are kept. Called with mutex_ held.
    void Evict() const;

    struct Unpacked {
        std::unique_ptr<MapPixel[]> pixels; // null: the tile's bytes are damaged
        std::list<std::size_t>::iterator used;
        std::uint64_t want = 0; // the Want it was last handed out after
    };

    std::vector<PyramidLevel> levels_;
    std::shared_ptr<const std::byte[]> packed_;
    std::vector<std::uint64_t> ends_;
    std::size_t bound_ = kDefaultUnpackedTiles;
    mutable std::mutex mutex_;
    mutable std::unordered_map<std::size_t, Unpacked> unpacked_;
    mutable std::list<std::size_t> used_; // least recently used first
    std::uint64_t want_ = 0;
};

} // namespace map
