#include "map/pyramid/PyramidTarget.h"
#include "map/pyramid/PyramidCache.h"

#include "platform/FileIo.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace map {
namespace {

// Level 0 of a small map, filled through the target as a decode fills it.
void FillRows(MapPyramid& pyramid) {
    std::vector<MapPixel> row(static_cast<std::size_t>(pyramid.Width()));
    for (int y = 0; y < pyramid.Height(); ++y) {
        for (int x = 0; x < pyramid.Width(); ++x)
            row[static_cast<std::size_t>(x)] = 0xFF000000u | static_cast<MapPixel>(x * 131 + y);
        pyramid.StoreRow(y, row.data());
    }
    pyramid.BuildReducedLevels();
}

} // namespace

TEST(PyramidTarget, TheCacheWhenItHasRoomElseMemoryElseAReason) {
    testsupport::TempDir dir;
    const std::string image = dir.File("map.jpg");
    testsupport::WriteBytes(image, "the image's bytes: the decoder is not asked");
    int err = 0;
    const platform::UniqueFd fd = platform::OpenRegularFile(image, &err);
    ASSERT_TRUE(fd.Valid());
    testsupport::WriteBytes(dir.File("not-a-folder"), "");
    constexpr int kMax = MapPyramid::kMaxSide;
    const struct {
        const char* legend;
        std::string cacheFolder;
        int width, height;
        bool made;
        bool kept;         // Commit leaves an entry the next open finds
        const char* error; // what the reason starts with, when not made
        const char* names; // and one more thing it must say
    } rows[] = {
        {"a cache with room", dir.File("cache"), 300, 200, true, true, "", ""},
        {"a cache that cannot be made: memory", dir.File("not-a-folder/cache"), 300, 200, true,
         false, "", ""},
        {"beyond any memory", dir.File("cache"), kMax, kMax, false, false,
         "The image is 1048576 x 1048576 pixels and needs ", "of memory is free"},
        {"no pixels", dir.File("cache"), 0, 200, false, false,
         "The image is 0 x 200 pixels, more than can be shown.", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        const PyramidCache cache(row.cacheFolder, std::uint64_t{64} << 20);
        std::string error;
        std::unique_ptr<PyramidTarget> target =
            NewPyramidTarget(cache, image, fd.Get(), row.width, row.height, &error);
        ASSERT_EQ(target != nullptr, row.made) << error;
        if (!row.made) {
            EXPECT_EQ(error.rfind(row.error, 0), 0u) << error;
            EXPECT_NE(error.find(row.names), std::string::npos) << error;
            continue;
        }
        FillRows(target->Pyramid());
        const MapPixel corner = target->Pyramid().Pixel(1, 137, 91);
        const std::shared_ptr<TiledMap> map = target->Commit();
        ASSERT_TRUE(map);
        ASSERT_EQ(map->Width(), row.width);
        EXPECT_EQ(map->Tile(1, 0, 0)[91 * TiledMap::kTileSize + 137], corner);
        const std::shared_ptr<TiledMap> reopened =
            cache.Open(image, fd.Get(), row.width, row.height);
        EXPECT_EQ(reopened != nullptr, row.kept);
        if (row.kept) {
            EXPECT_EQ(reopened->Tile(1, 0, 0)[91 * TiledMap::kTileSize + 137], corner);
        }
    }
}

} // namespace map
