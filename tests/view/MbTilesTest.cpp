#include "map/formats/MbTiles.h"
#include "map/OpenMap.h"
#include "map/ShownMap.h"
#include "map/formats/GeoTiff.h"
#include "map/formats/GeoTiffPyramid.h"
#include "map/pyramid/PyramidCache.h"
#include "platform/FileIo.h"
#include "view/PyramidImage.h"

#include "support/GdalMaps.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

// GDAL's tile set of a 300 x 200 picture in Web Mercator at zoom 14 (three tiles by two);
// with `levels`, gdaladdo adds coarser zooms.
std::string MakeTiles(const testsupport::TempDir& dir, const std::string& name, bool levels) {
    testsupport::WritePatternPpm(dir.File("a.ppm"), 300, 200);
    testsupport::RunGdal("gdal_translate",
                         {"-q", "-a_srs", "EPSG:3857", "-a_ullr", "1000000", "6600000", "1003000",
                          "6598000", dir.File("a.ppm"), dir.File("a.tif")});
    testsupport::RunGdal("gdal_translate", {"-q", "-of", "MBTILES", "-co", "TILE_FORMAT=PNG",
                                            dir.File("a.tif"), dir.File(name)});
    if (levels)
        testsupport::RunGdal("gdaladdo", {"-q", dir.File(name), "2", "4"});
    return dir.File(name);
}

// SQL on the tile set (sqlite3), as another program might have left it.
void Sql(const std::string& file, const std::string& sql) {
    const testsupport::RunResult result = testsupport::Run("/usr/bin/sqlite3", {file, sql});
    EXPECT_EQ(result.status, 0) << result.err;
}

struct Loaded {
    map::MbTilesInfoResult read;
    map::MbTilesPyramid tiles;
};

Loaded Load(const std::string& path) {
    Loaded out;
    out.read = map::ReadMbTilesInfo(path);
    if (!out.read.info)
        return out;
    const view::QtTileDecoder decoder;
    const map::PyramidCache none{std::filesystem::path()};
    map::MbTilesPyramidOptions options;
    options.decoder = &decoder;
    int err = 0;
    const platform::UniqueFd fd = platform::OpenRegularFile(path, &err);
    options.target = [&](int w, int h, std::string* error) {
        return map::NewPyramidTarget(none, path, fd.Get(), w, h, error);
    };
    out.tiles = map::LoadMbTilesPyramid(path, *out.read.info, options);
    return out;
}

// GDAL's own reading of the tile set, all its tiles (not cut to the bounds), as a GeoTIFF read
// back by the reader whose tests hold it to gdaltransform.
map::GeoTiffPyramid GdalReading(const testsupport::TempDir& dir, const std::string& tiles,
                                map::GeoTiffHeader* header) {
    testsupport::RunGdal("gdal_translate",
                         {"-q", "-oo", "USE_BOUNDS=NO", tiles, dir.File("reference.tif")});
    int err = 0;
    const platform::UniqueFd fd = platform::OpenRegularFile(dir.File("reference.tif"), &err);
    *header = map::ReadGeoTiffHeader(fd.Get()).header.value_or(map::GeoTiffHeader{});
    const map::PyramidCache none{std::filesystem::path()};
    map::GeoTiffPyramidOptions options;
    options.target = [&](int w, int h, std::string* error) {
        return map::NewPyramidTarget(none, "reference.tif", fd.Get(), w, h, error);
    };
    return map::LoadGeoTiffPyramid(fd.Get(), options);
}

// Mean difference per channel between two pyramids of one size, level 0, over a tile.
double MeanDifference(const map::MapPyramid& a, const map::MapPyramid& b, int column, int row) {
    double sum = 0;
    for (int y = row * 256; y < row * 256 + 256; ++y)
        for (int x = column * 256; x < column * 256 + 256; ++x)
            for (int shift : {16, 8, 0})
                sum += std::abs(static_cast<int>(a.Pixel(0, x, y) >> shift & 0xFFu) -
                                static_cast<int>(b.Pixel(0, x, y) >> shift & 0xFFu));
    return sum / (256.0 * 256 * 3);
}

} // namespace

TEST(MbTiles, ShowsItsTilesWhereGdalPutsThem) {
    testsupport::TempDir dir;
    const std::string plain = MakeTiles(dir, "plain.mbtiles", false);
    map::GeoTiffHeader truthHeader;
    const map::GeoTiffPyramid truth = GdalReading(dir, plain, &truthHeader);
    ASSERT_FALSE(truth.map.Empty()) << truth.error;
    const std::string levels = MakeTiles(dir, "levels.mbtiles", true);
    std::filesystem::copy(plain, dir.File("nobounds.mbtiles"));
    Sql(dir.File("nobounds.mbtiles"), "DELETE FROM metadata WHERE name IN ('bounds', 'minzoom')");
    std::filesystem::copy(plain, dir.File("wrongbounds.mbtiles"));
    Sql(dir.File("wrongbounds.mbtiles"),
        "UPDATE metadata SET value = '100,10,101,11' WHERE name = 'bounds'");
    // The middle tile of the top row gone: enlarged from zoom 13 in its place.
    std::filesystem::copy(levels, dir.File("hole.mbtiles"));
    Sql(dir.File("hole.mbtiles"), "DELETE FROM tiles WHERE zoom_level = 14 AND tile_column = 8601 "
                                  "AND tile_row = 10890");
    // Only the coarser zooms left: the tiles of zoom 13 enlarged.
    std::filesystem::copy(levels, dir.File("coarse.mbtiles"));
    Sql(dir.File("coarse.mbtiles"), "DELETE FROM tiles WHERE zoom_level = 14; UPDATE metadata SET "
                                    "value = '14' WHERE name = 'minzoom'");
    const struct {
        const char* legend;
        std::string file;
        int zoom;
        double meanDifference; // per channel, against GDAL's reading at zoom 14
    } rows[] = {
        {"one zoom", plain, 14, 1.0},
        {"three zooms: the most detailed", levels, 14, 1.0},
        {"no bounds: from the tiles", dir.File("nobounds.mbtiles"), 14, 1.0},
        {"bounds elsewhere: from the tiles", dir.File("wrongbounds.mbtiles"), 14, 1.0},
        {"a tile missing", dir.File("hole.mbtiles"), 14, 30.0},
        {"only coarser zooms", dir.File("coarse.mbtiles"), 13, -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        const Loaded loaded = Load(row.file);
        ASSERT_TRUE(loaded.read.info) << loaded.read.error;
        const map::MbTilesInfo& info = *loaded.read.info;
        EXPECT_EQ(info.zoom, row.zoom);
        ASSERT_FALSE(loaded.tiles.map.Empty()) << loaded.tiles.error;
        if (row.meanDifference < 0)
            continue;
        ASSERT_EQ(loaded.tiles.map.Width(), truth.map.Width());
        ASSERT_EQ(loaded.tiles.map.Height(), truth.map.Height());
        const std::array<double, 6> world = info.WorldFile();
        for (std::size_t i = 0; i < 6; ++i)
            EXPECT_NEAR(world[i], truthHeader.worldFile[i], 1e-6) << i;
        // On the earth as gdaltransform puts GDAL's reading of it.
        const map::ShownMapResult grid = map::ReadShownMap(row.file);
        ASSERT_TRUE(grid.map && grid.calibrated) << grid.error;
        const std::vector<double> pixels{0, 0, 768, 512, 300.5, 17.25};
        const std::vector<double> geo =
            testsupport::GdalTransform(dir.File("reference.tif"), pixels, "EPSG:4326");
        for (std::size_t i = 0; i + 1 < geo.size(); i += 2) {
            const MapPos pixel = grid.map->ToPixel(MapPos(geo[i], geo[i + 1]));
            EXPECT_NEAR(pixel.x, pixels[i], 0.01);
            EXPECT_NEAR(pixel.y, pixels[i + 1], 0.01);
        }
        for (int tileRow = 0; tileRow < 2; ++tileRow)
            for (int column = 0; column < 3; ++column)
                EXPECT_LE(MeanDifference(loaded.tiles.map, truth.map, column, tileRow),
                          column == 1 && tileRow == 0 ? row.meanDifference : 1.0)
                    << column << ", " << tileRow;
    }
}

TEST(MbTiles, HostileFilesAreRefusedWithTheirReason) {
    testsupport::TempDir dir;
    const std::string plain = MakeTiles(dir, "plain.mbtiles", false);
    const std::string bytes = testsupport::ReadBytes(plain);
    testsupport::WriteBytes(dir.File("cut.mbtiles"), bytes.substr(0, 1500));
    std::filesystem::copy(plain, dir.File("vector.mbtiles"));
    Sql(dir.File("vector.mbtiles"), "UPDATE metadata SET value = 'pbf' WHERE name = 'format'");
    std::filesystem::copy(plain, dir.File("badtile.mbtiles"));
    Sql(dir.File("badtile.mbtiles"),
        "UPDATE tiles SET tile_data = x'89504e470d0a' WHERE tile_column = 8600");
    testsupport::WriteBytes(dir.File("text.mbtiles"), "SQLite format 3 is what this is not");
    // Tables that are views: without end (a few KB that would keep a core busy for good), and
    // one over deduplicated tables, as many tile sets are made, which opens.
    const std::string endless = "WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c)";
    std::filesystem::copy(plain, dir.File("endless-tiles.mbtiles"));
    Sql(dir.File("endless-tiles.mbtiles"),
        "DROP TABLE tiles; CREATE VIEW tiles AS " + endless +
            " SELECT 14 AS zoom_level, 8600 AS tile_column, 10889 AS tile_row, zeroblob(1) AS "
            "tile_data FROM c");
    std::filesystem::copy(plain, dir.File("endless-metadata.mbtiles"));
    Sql(dir.File("endless-metadata.mbtiles"), "DROP TABLE metadata; CREATE VIEW metadata AS " +
                                                  endless +
                                                  " SELECT 'name' AS name, x AS value FROM c");
    // Only a tile's data is without end: the queries of the whole set pass, the tile's does not.
    std::filesystem::copy(plain, dir.File("endless-tile.mbtiles"));
    Sql(dir.File("endless-tile.mbtiles"),
        "ALTER TABLE tiles RENAME TO plain; CREATE VIEW tiles AS SELECT 14 AS zoom_level, 8601 "
        "AS tile_column, 10890 AS tile_row, (" +
            endless + " SELECT x FROM c WHERE x < 0) AS tile_data UNION ALL SELECT * FROM plain");
    // Tiles at zooms far apart under world bounds: a map of a few tiles, not of thousands.
    Sql(dir.File("far.mbtiles"),
        "CREATE TABLE metadata (name TEXT, value TEXT); INSERT INTO metadata VALUES ('bounds', "
        "'-180,-85.06,180,85.06'); CREATE TABLE tiles (zoom_level INTEGER, tile_column INTEGER, "
        "tile_row INTEGER, tile_data BLOB); INSERT INTO tiles VALUES (0, 0, 0, x'00'), (22, 9, "
        "9, x'00')");
    std::filesystem::copy(plain, dir.File("deduplicated.mbtiles"));
    Sql(dir.File("deduplicated.mbtiles"),
        "CREATE TABLE map (zoom_level INTEGER, tile_column INTEGER, tile_row INTEGER, tile_id "
        "TEXT); CREATE TABLE images (tile_data BLOB, tile_id TEXT); INSERT INTO map SELECT "
        "zoom_level, tile_column, tile_row, rowid FROM tiles; INSERT INTO images SELECT "
        "tile_data, rowid FROM tiles; DROP TABLE tiles; CREATE UNIQUE INDEX map_index ON map "
        "(zoom_level, tile_column, tile_row); CREATE UNIQUE INDEX images_id ON images "
        "(tile_id); CREATE VIEW tiles AS SELECT zoom_level, tile_column, tile_row, tile_data "
        "FROM map JOIN images ON images.tile_id = map.tile_id");
    const struct {
        const char* name;
        const char* error; // empty: it opens
        bool damaged;
        int width; // when it opens
    } rows[] = {
        {"cut.mbtiles", "not a readable MBTiles file", false, 0},
        {"vector.mbtiles", "vector tiles", false, 0},
        {"text.mbtiles", "not a readable MBTiles file", false, 0},
        {"badtile.mbtiles", "", true, 768},
        {"endless-tiles.mbtiles", "does not end in reasonable time", false, 0},
        {"endless-metadata.mbtiles", "does not end in reasonable time", false, 0},
        {"endless-tile.mbtiles", "does not end in reasonable time", false, 0},
        {"deduplicated.mbtiles", "", false, 768},
        {"far.mbtiles", "", true, 512},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Loaded loaded = Load(dir.File(row.name));
        const std::string error = loaded.read.info ? loaded.tiles.error : loaded.read.error;
        EXPECT_NE(error.find(row.error), std::string::npos) << error;
        EXPECT_EQ(loaded.tiles.map.Empty(), *row.error != '\0');
        EXPECT_EQ(loaded.tiles.damaged, row.damaged);
        EXPECT_EQ(loaded.tiles.map.Width(), row.width);
        if (row.damaged) {
            EXPECT_EQ(loaded.tiles.map.Pixel(0, 10, 10), 0xFFFFFFFFu);
        }
    }
}

// The window's Cancel (and a quit, which cancels) stops a query of a tile set while it runs,
// from the view's thread while the load runs on its own.
TEST(MbTiles, ACancelFromAnotherThreadStopsAQueryThatRuns) {
    testsupport::TempDir dir;
    const std::string file = dir.File("endless.mbtiles");
    Sql(file, "CREATE TABLE metadata (name TEXT, value TEXT); CREATE VIEW tiles AS WITH "
              "RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c) SELECT 3 AS zoom_level, "
              "x % 8 AS tile_column, 0 AS tile_row, x'00' AS tile_data FROM c");
    // The first time the load asks, it waits there until the view's thread has cancelled: the
    // query is stopped by the flag, not by its bound.
    struct Events final : map::OpenMapEvents {
        std::atomic<bool> cancelled{false};
        std::promise<void> asked, told;
        std::once_flag first;
        bool Progress(double) override { return true; }
        bool Cancelled() override {
            std::call_once(first, [this] {
                asked.set_value();
                told.get_future().wait();
            });
            return cancelled;
        }
        void EarlyPicture(map::MapPyramid) override {}
        void RowsStored(map::MapPyramid, int, int) override {}
    } events;
    std::thread view([&] {
        events.asked.get_future().wait();
        events.cancelled = true;
        events.told.set_value();
    });
    const map::OpenedMap opened = map::OpenMap(file, {}, events);
    view.join();
    EXPECT_TRUE(opened.map.Empty());
    EXPECT_EQ(opened.error, "") << "a cancel is no failure";
}
