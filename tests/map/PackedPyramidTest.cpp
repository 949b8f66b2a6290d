#include "map/pyramid/PackedPyramid.h"

#include "map/pyramid/TileCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace map {
namespace {

constexpr int kWidth = 600; // 3 x 2 tiles, then 2 x 1, then 1: nine tiles
constexpr int kHeight = 300;

MapPyramid Reference() {
    MapPyramid pyramid = MapPyramid::Allocate(kWidth, kHeight);
    std::vector<MapPixel> row(kWidth);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x)
            row[static_cast<std::size_t>(x)] =
                0xFF000000u | static_cast<MapPixel>((x * 2654435761u) ^ (y * 40503u)) >> 8;
        pyramid.StoreRow(y, row.data());
    }
    pyramid.BuildReducedLevels();
    return pyramid;
}

struct Packed {
    std::string bytes;
    std::vector<std::uint64_t> ends;
};

Packed Pack(const MapPyramid& pyramid) {
    Packed out;
    for (std::size_t i = 0; i < pyramid.StoreSize() / TiledMap::kTilePixels; ++i) {
        EXPECT_TRUE(PackTile(pyramid.Store() + i * TiledMap::kTilePixels, out.bytes));
        out.ends.push_back(out.bytes.size());
    }
    return out;
}

std::shared_ptr<PackedPyramid> Over(const Packed& packed, std::vector<std::uint64_t> ends,
                                    std::size_t bound = 2) {
    auto bytes = std::make_shared<std::byte[]>(packed.bytes.size());
    std::memcpy(bytes.get(), packed.bytes.data(), packed.bytes.size());
    return PackedPyramid::Over(kWidth, kHeight, bytes, packed.bytes.size(), std::move(ends), bound);
}

// Whether tile holds the reference's pixels of that tile (its padding aside).
bool TileIs(const MapPixel* tile, const MapPyramid& reference, int level, int column, int row) {
    const TileLevel& l = reference.Level(level);
    const int width = std::min(TiledMap::kTileSize, l.width - column * TiledMap::kTileSize);
    const int height = std::min(TiledMap::kTileSize, l.height - row * TiledMap::kTileSize);
    for (int y = 0; tile && y < height; ++y)
        if (std::memcmp(tile + y * TiledMap::kTileSize,
                        reference.Tile(level, column, row) + y * TiledMap::kTileSize,
                        static_cast<std::size_t>(width) * sizeof(MapPixel)) != 0)
            return false;
    return tile != nullptr;
}

TEST(PackedPyramid, AnIndexThatDoesNotFitTheBytesIsRefused) {
    const Packed packed = Pack(Reference());
    ASSERT_EQ(packed.ends.size(), 9u);
    const auto with = [&](std::size_t i, std::uint64_t end) {
        std::vector<std::uint64_t> ends = packed.ends;
        ends[i] = end;
        return ends;
    };
    const struct {
        const char* legend;
        std::vector<std::uint64_t> ends;
        bool taken;
    } rows[] = {
        {"as packed", packed.ends, true},
        {"one tile short", {packed.ends.begin(), packed.ends.end() - 1}, false},
        {"an end before the one before", with(4, packed.ends[2]), false},
        {"an end past the bytes", with(8, packed.bytes.size() + 1), false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Over(packed, row.ends) != nullptr, row.taken) << row.legend;
}

TEST(PackedPyramid, TilesHandedOutStayUntilTheNextWantThenTheBoundHolds) {
    const MapPyramid reference = Reference();
    const std::shared_ptr<PackedPyramid> map = Over(Pack(reference), Pack(reference).ends);
    ASSERT_TRUE(map);
    std::vector<const MapPixel*> shown;
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 2; ++row)
            shown.push_back(map->Tile(0, column, row));
    EXPECT_EQ(map->UnpackedTiles(), 6u) << "more than the bound of 2 while a paint holds them";
    for (int column = 0, i = 0; column < 3; ++column)
        for (int row = 0; row < 2; ++row, ++i)
            EXPECT_TRUE(TileIs(shown[static_cast<std::size_t>(i)], reference, 0, column, row));
    map->Want({});
    EXPECT_EQ(map->UnpackedTiles(), 2u);
    EXPECT_EQ(map->Tile(0, 2, 1), shown.back()) << "the most recently used is kept";
    EXPECT_TRUE(TileIs(map->Tile(2, 0, 0), reference, 2, 0, 0));
}

TEST(PackedPyramid, ATileWhoseBytesDoNotUnpackIsMissingAndTheOthersShow) {
    const MapPyramid reference = Reference();
    Packed packed = Pack(reference);
    packed.bytes[(packed.ends[0] + packed.ends[1]) / 2] ^= 0x55; // inside tile 1's bytes
    const std::shared_ptr<PackedPyramid> map = Over(packed, packed.ends);
    ASSERT_TRUE(map);
    EXPECT_EQ(map->Tile(0, 1, 0), nullptr);
    EXPECT_TRUE(TileIs(map->Tile(0, 0, 0), reference, 0, 0, 0));
    EXPECT_TRUE(TileIs(map->Tile(0, 2, 0), reference, 0, 2, 0));
}

} // namespace
} // namespace map
