#include "map/pyramid/MapPyramid.h"
#include "map/pyramid/PyramidBands.h"
#include "map/pyramid/PyramidStream.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace map {
namespace {

constexpr int kTile = MapPyramid::kTileSize;

// A pyramid of width x height whose pixels come from pixel(x, y).
template <typename Pixel> MapPyramid Build(int width, int height, Pixel pixel) {
    MapPyramid pyramid = MapPyramid::Allocate(width, height);
    std::vector<MapPixel> row(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            row[static_cast<std::size_t>(x)] = pixel(x, y);
        pyramid.StoreRow(y, row.data());
    }
    EXPECT_TRUE(pyramid.BuildReducedLevels());
    return pyramid;
}

int Channel(MapPixel p, int channel) {
    return static_cast<int>((p >> (8 * channel)) & 0xFFu);
}

TEST(MapPyramid, LayoutTable) {
    struct Row {
        int width, height;
        std::vector<std::pair<int, int>> sizes; // of each level, finest first
    };
    const Row rows[] = {
        {1, 1, {{1, 1}}},
        {256, 256, {{256, 256}}},
        {257, 10, {{257, 10}, {129, 5}}},
        {1000, 3, {{1000, 3}, {500, 2}, {250, 1}}},
        {16384,
         16384,
         {{16384, 16384},
          {8192, 8192},
          {4096, 4096},
          {2048, 2048},
          {1024, 1024},
          {512, 512},
          {256, 256}}},
        {0, 10, {}},
        {10, -1, {}},
        {MapPyramid::kMaxSide + 1, 1, {}},
    };
    for (const Row& row : rows) {
        const std::vector<PyramidLevel> layout = MapPyramid::Layout(row.width, row.height);
        ASSERT_EQ(layout.size(), row.sizes.size()) << row.width << " x " << row.height;
        std::size_t offset = 0;
        for (std::size_t i = 0; i < layout.size(); ++i) {
            EXPECT_EQ(layout[i].width, row.sizes[i].first);
            EXPECT_EQ(layout[i].height, row.sizes[i].second);
            EXPECT_EQ(layout[i].columns, (row.sizes[i].first + kTile - 1) / kTile);
            EXPECT_EQ(layout[i].rows, (row.sizes[i].second + kTile - 1) / kTile);
            EXPECT_EQ(layout[i].offset, offset) << "levels follow each other";
            offset += static_cast<std::size_t>(layout[i].columns) * layout[i].rows *
                      MapPyramid::kTilePixels;
        }
        EXPECT_EQ(MapPyramid::StorePixels(layout), offset);
    }
}

TEST(MapPyramid, EachLevelPixelIsTheRoundedAverageOfItsParents) {
    // Odd sizes across tile edges, so the right and bottom edges average two or one parents.
    std::uint64_t state = 12345;
    const MapPyramid pyramid = Build(603, 517, [&](int, int) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<MapPixel>(0xFF000000u | (state >> 40));
    });
    ASSERT_EQ(pyramid.LevelCount(), 3);
    for (int level = 1; level < pyramid.LevelCount(); ++level) {
        const PyramidLevel& parent = pyramid.Level(level - 1);
        const PyramidLevel& l = pyramid.Level(level);
        for (int y = 0; y < l.height; ++y) {
            for (int x = 0; x < l.width; ++x) {
                const MapPixel got = pyramid.Pixel(level, x, y);
                for (int channel = 0; channel < 4; ++channel) {
                    int sum = 0;
                    int count = 0;
                    for (int py = 2 * y; py < std::min(2 * y + 2, parent.height); ++py)
                        for (int px = 2 * x; px < std::min(2 * x + 2, parent.width); ++px, ++count)
                            sum += Channel(pyramid.Pixel(level - 1, px, py), channel);
                    ASSERT_LE(std::abs(Channel(got, channel) * count - sum), count)
                        << "level " << level << " at " << x << ", " << y;
                }
            }
        }
    }
}

TEST(MapPyramid, OnePixelCheckerboardHalvesToMidGrey) {
    const MapPyramid pyramid =
        Build(300, 300, [](int x, int y) { return (x + y) % 2 ? 0xFFFFFFFFu : 0xFF000000u; });
    for (int y = 0; y < 150; y += 7)
        for (int x = 0; x < 150; x += 5)
            ASSERT_EQ(pyramid.Pixel(1, x, y), 0xFF808080u) << x << ", " << y;
}

TEST(MapPyramid, RefusedSizesAndStoppedBuilds) {
    EXPECT_TRUE(MapPyramid::Allocate(0, 5).Empty());
    EXPECT_TRUE(MapPyramid::Allocate(5, MapPyramid::kMaxSide + 1).Empty());
    MapPyramid pyramid = MapPyramid::Allocate(2000, 10);
    ASSERT_FALSE(pyramid.Empty());
    int calls = 0;
    EXPECT_FALSE(pyramid.BuildReducedLevels([&](double) { return ++calls < 2; }));
    EXPECT_EQ(calls, 2) << "stops at the first refusal";
    double last = 0.0;
    EXPECT_TRUE(pyramid.BuildReducedLevels([&](double done) {
        EXPECT_GE(done, last);
        last = done;
        return true;
    }));
    EXPECT_DOUBLE_EQ(last, 1.0);
}

TEST(MapPyramid, LevelForZoomTable) {
    const MapPyramid pyramid = MapPyramid::Allocate(4000, 3000); // levels 4000 ... 250
    ASSERT_EQ(pyramid.LevelCount(), 5);
    const std::pair<double, int> rows[] = {
        {8.0, 0},
        {1.0, 0},
        {0.99, 0},
        {0.5, 1},
        {0.3, 1},
        {0.25, 2},
        {0.2, 2},
        {0.125, 3},
        {0.07, 3},
        {1.0 / 16, 4},
        {1.0 / 32, 4} /* no coarser level */,
    };
    for (const auto& [zoom, level] : rows)
        EXPECT_EQ(pyramid.LevelForZoom(zoom), level) << "zoom " << zoom;
}

TEST(MapPyramid, TilesForTable) {
    const MapPyramid pyramid = MapPyramid::Allocate(2000, 1000); // level 0: 8 x 4 tiles
    struct Row {
        const char* legend;
        int level;
        double left, top, width, height;
        TileRange expected;
    };
    const Row rows[] = {
        {"the first tile only", 0, 0, 0, 256, 256, {0, 0, 0, 1, 1}},
        {"straddling tile edges", 0, 255, 255, 2, 2, {0, 0, 0, 2, 2}},
        {"the whole map", 0, -100, -100, 5000, 5000, {0, 0, 0, 8, 4}},
        {"past the right edge", 0, 1900, 0, 1280, 10, {0, 7, 0, 8, 1}},
        {"entirely off the map", 0, 3000, 0, 100, 100, {0, 8, 0, 8, 1}},
        {"half level: 512 image pixels a tile", 1, 600, 0, 1280, 800, {1, 1, 0, 4, 2}},
        {"a quarter level is one tile down", 2, 0, 0, 2000, 1000, {2, 0, 0, 2, 1}},
        {"empty width", 0, 0, 0, 0, 100, {0, 0, 0, 0, 0}},
        {"not a number", 0, std::nan(""), 0, 10, 10, {0, 0, 0, 0, 0}},
        {"far off in doubles", 0, -1e300, -1e300, 1e300, 1e300, {0, 0, 0, 0, 0}},
    };
    for (const Row& row : rows) {
        const TileRange got = pyramid.TilesFor(row.level, row.left, row.top, row.width, row.height);
        EXPECT_EQ(got, row.expected) << row.legend;
    }
    EXPECT_TRUE(pyramid.TilesFor(0, 3000, 0, 100, 100).Empty());
}

} // namespace

TEST(PyramidBands, BuiltAsRowsArriveTheLevelsEqualThoseBuiltAfterwards) {
    const struct {
        int width, height;
        int step; // rows of level 0 stored between two advances
    } rows[] = {
        {700, 300, 1},    {700, 300, 256}, {1000, 1500, 100},
        {3000, 600, 517}, {256, 256, 256}, {300, 2100, 2100},
    };
    const auto pixel = [](int x, int y) {
        return 0xFF000000u | static_cast<MapPixel>((x * 7919 + y * 104729) & 0xFFFFFF);
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message()
                     << row.width << " x " << row.height << " by " << row.step);
        const MapPyramid whole = Build(row.width, row.height, pixel);
        MapPyramid banded = MapPyramid::Allocate(row.width, row.height);
        PyramidBands bands(banded);
        std::vector<MapPixel> line(static_cast<std::size_t>(row.width));
        double fraction = 0.0;
        for (int y = 0; y < row.height; ++y) {
            for (int x = 0; x < row.width; ++x)
                line[static_cast<std::size_t>(x)] = pixel(x, y);
            banded.StoreRow(y, line.data());
            if ((y + 1) % row.step != 0 && y + 1 != row.height)
                continue;
            EXPECT_FALSE(bands.Done() && whole.LevelCount() > 1) << "before row " << y;
            bands.Advance(y + 1);
            EXPECT_GE(bands.Fraction(), fraction);
            fraction = bands.Fraction();
        }
        EXPECT_TRUE(bands.Done());
        EXPECT_EQ(bands.Fraction(), 1.0);
        ASSERT_EQ(banded.StoreSize(), whole.StoreSize());
        EXPECT_EQ(std::memcmp(banded.Store(), whole.Store(), whole.StoreSize() * sizeof(MapPixel)),
                  0);
    }
}

TEST(PyramidStream, CutAsRowsArriveEveryTileEqualsThePyramidBuiltWhole) {
    const struct {
        int width, height;
        int rows; // stored before Finish, the rest blank
    } rows[] = {
        {700, 300, 300}, {1000, 1500, 1500}, {256, 256, 256}, {300, 2100, 2100},
        {1, 1, 1},       {513, 257, 257},    {700, 600, 300},
    };
    const auto pixel = [](int x, int y) {
        return 0xFF000000u | static_cast<MapPixel>((x * 7919 + y * 104729) & 0xFFFFFF);
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.width << " x " << row.height);
        const MapPyramid whole = Build(row.width, row.height, [&](int x, int y) {
            return y < row.rows ? pixel(x, y) : MapPixel{0};
        });
        MapPyramid streamed = MapPyramid::Allocate(row.width, row.height);
        std::vector<int> rowsDone(static_cast<std::size_t>(whole.LevelCount()), 0);
        PyramidStream stream(
            MapPyramid::Layout(row.width, row.height),
            [&](int level, int tileRow, std::span<const MapPixel> tiles) {
                // A row of a level comes after the rows of the level above
                // that it is reduced from.
                EXPECT_EQ(tileRow, rowsDone[static_cast<std::size_t>(level)]++);
                if (level > 0) {
                    EXPECT_GE(rowsDone[static_cast<std::size_t>(level) - 1],
                              std::min(2 * tileRow + 2, whole.Level(level - 1).rows));
                }
                EXPECT_EQ(tiles.size(),
                          std::size_t{MapPyramid::kTilePixels} * whole.Level(level).columns);
                std::memcpy(const_cast<MapPixel*>(streamed.Tile(level, 0, tileRow)), tiles.data(),
                            tiles.size_bytes());
                return true;
            });
        std::vector<MapPixel> line(static_cast<std::size_t>(row.width));
        for (int y = 0; y < row.rows; ++y) {
            for (int x = 0; x < row.width; ++x)
                line[static_cast<std::size_t>(x)] = pixel(x, y);
            ASSERT_TRUE(stream.StoreRow(y, line.data()));
        }
        EXPECT_TRUE(stream.Finish());
        for (int level = 0; level < whole.LevelCount(); ++level)
            EXPECT_EQ(rowsDone[static_cast<std::size_t>(level)], whole.Level(level).rows);
        EXPECT_EQ(
            std::memcmp(streamed.Store(), whole.Store(), whole.StoreSize() * sizeof(MapPixel)), 0);
    }
}

TEST(PyramidStream, ASinkThatStopsAndRowsOutOfOrderEndTheStream) {
    std::vector<MapPixel> line(600, 0xFF102030u);
    int calls = 0;
    PyramidStream stopping(MapPyramid::Layout(600, 600),
                           [&](int, int, std::span<const MapPixel>) { return ++calls < 2; });
    int y = 0;
    while (y < 600 && stopping.StoreRow(y, line.data()))
        ++y;
    // The second row of tiles is refused on the stream's thread while the third fills.
    EXPECT_GE(y, 2 * kTile);
    EXPECT_LE(y, 3 * kTile - 1);
    EXPECT_FALSE(stopping.Finish());
    EXPECT_EQ(calls, 2);

    PyramidStream ordered(MapPyramid::Layout(600, 600),
                          [](int, int, std::span<const MapPixel>) { return true; });
    EXPECT_TRUE(ordered.StoreRow(0, line.data()));
    EXPECT_FALSE(ordered.StoreRow(2, line.data()));
    EXPECT_FALSE(ordered.StoreRow(0, line.data()));
}

} // namespace map
