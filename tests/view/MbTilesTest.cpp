#include "map/formats/MbTiles.h"
#include "map/OpenMap.h"
#include "map/ShownMap.h"
#include "map/formats/GeoTiff.h"
#include "map/formats/GeoTiffPyramid.h"
#include "map/pyramid/PyramidCache.h"
#include "platform/FileIo.h"
#include "platform/SettingsStore.h"
#include "view/MapLoader.h"
#include "view/MapView.h"
#include "view/PyramidImage.h"

#include "PixelHelpers.h"
#include "support/GdalMaps.h"
#include "support/QtTestSupport.h"
#include "support/TestFiles.h"

#include <QBuffer>
#include <QPainter>
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

// The tile set in a real view (offscreen) of width x height at zoom and scroll, every tile in
// view read, or none when wait is false: the frame as the window shows it.
QImage Shown(const std::string& path, int width, int height, double zoom = 1.0,
             view::ViewPoint scroll = {}, bool wait = true) {
    const MemorySettingsStore store;
    view::MapView view(store);
    view.resize(width, height);
    view.show();
    testsupport::MessageCatcher catcher; // no calibration file beside a tile set
    QString error;
    if (!view::MapLoader(view).Load(QString::fromStdString(path), &error)) {
        ADD_FAILURE() << error.toStdString();
        return {};
    }
    view.SetZoom(zoom);
    view.ScrollTo(scroll);
    if (wait)
        view.WaitForTilesInView();
    QImage frame(width, height, QImage::Format_RGB32);
    QPainter painter(&frame);
    view.PaintFrame(painter);
    return frame;
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

// Mean difference per channel between a frame and a pyramid's level 0, over a tile.
double MeanDifference(const QImage& a, const map::MapPyramid& b, int column, int row) {
    double sum = 0;
    for (int y = row * 256; y < row * 256 + 256; ++y)
        for (int x = column * 256; x < column * 256 + 256; ++x)
            for (int shift : {16, 8, 0})
                sum += std::abs(static_cast<int>(a.pixel(x, y) >> shift & 0xFFu) -
                                static_cast<int>(b.Pixel(0, x, y) >> shift & 0xFFu));
    return sum / (256.0 * 256 * 3);
}

// A PNG tile of one colour, as SQL's hex literal.
std::string Tile(QRgb colour) {
    QImage tile(256, 256, QImage::Format_RGB32);
    tile.fill(colour);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    tile.save(&buffer, "PNG");
    return "x'" + png.toHex().toStdString() + "'";
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
        const map::MbTilesInfoResult read = map::ReadMbTilesInfo(row.file);
        ASSERT_TRUE(read.info) << read.error;
        const map::MbTilesInfo& info = *read.info;
        EXPECT_EQ(info.zoom, row.zoom);
        if (row.meanDifference < 0)
            continue;
        ASSERT_EQ(info.Width(), truth.map.Width());
        ASSERT_EQ(info.Height(), truth.map.Height());
        const QImage shown = Shown(row.file, info.Width(), info.Height());
        ASSERT_FALSE(shown.isNull());
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
                EXPECT_LE(MeanDifference(shown, truth.map, column, tileRow),
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
        int width;         // when it opens
        int levels;
        int column; // a tile of level 0 that shows when it is there
        bool there;
    } rows[] = {
        {"cut.mbtiles", "not a readable MBTiles file", 0, 0, 0, false},
        {"vector.mbtiles", "vector tiles", 0, 0, 0, false},
        {"text.mbtiles", "not a readable MBTiles file", 0, 0, 0, false},
        {"badtile.mbtiles", "", 768, 3, 0, false},
        {"endless-tiles.mbtiles", "does not end in reasonable time", 0, 0, 0, false},
        {"endless-metadata.mbtiles", "does not end in reasonable time", 0, 0, 0, false},
        {"endless-tile.mbtiles", "does not end in reasonable time", 0, 0, 0, false},
        {"deduplicated.mbtiles", "", 768, 3, 0, true},
        // At its own zooms: level 0 is zoom 22 over the world, each tile read as it is shown.
        {"far.mbtiles", "", 1 << 30, 23, 0, false},
    };
    const view::QtTileDecoder decoder;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const map::MbTilesInfoResult read = map::ReadMbTilesInfo(dir.File(row.name));
        EXPECT_NE(read.error.find(row.error), std::string::npos) << read.error;
        EXPECT_EQ(read.info.has_value(), *row.error == '\0') << read.error;
        if (!read.info)
            continue;
        const map::MbTilesMap opened = map::OpenMbTilesMap(dir.File(row.name), *read.info, decoder);
        ASSERT_TRUE(opened.map) << opened.error;
        EXPECT_EQ(opened.map->Width(), row.width);
        EXPECT_EQ(opened.map->LevelCount(), row.levels);
        opened.map->Want({map::TileRange{0, row.column, 0, row.column + 1, 1}});
        opened.map->WaitForWanted();
        opened.map->Want({});
        EXPECT_EQ(opened.map->Tile(0, row.column, 0) != nullptr, row.there);
    }
}

// Tiles of zooms 10 to 13 over part of two tiles of zoom 10, each zoom one colour (zoom 10's
// second tile darker), some of them gone: the view draws each place from the level for its zoom
// when the tile is there, else from the nearest coarser one that has it, never blank.
TEST(MbTiles, AMissingTileIsDrawnFromTheNearestCoarserLevelTable) {
    testsupport::TempDir dir;
    const QRgb red = qRgb(255, 0, 0), darkRed = qRgb(128, 0, 0), green = qRgb(0, 255, 0),
               blue = qRgb(0, 0, 255), yellow = qRgb(255, 255, 0);
    const QRgb colours[] = {red, green, blue, yellow};
    // Level 0 is zoom 13 from column 4003 (inside zoom 10's tile 500) to 4011, rows 2400 to
    // 2401 (XYZ); zoom 10 row 300 is TMS row 723.
    std::string sql = "CREATE TABLE metadata (name TEXT, value TEXT); CREATE TABLE tiles "
                      "(zoom_level INTEGER, tile_column INTEGER, tile_row INTEGER, tile_data "
                      "BLOB); INSERT INTO metadata VALUES ('format', 'png');";
    for (int zoom = 10; zoom <= 13; ++zoom) {
        const int shift = 13 - zoom;
        for (int column = 4003 >> shift; column <= 4011 >> shift; ++column) {
            const QRgb colour = zoom == 10 && column == 501 ? darkRed : colours[zoom - 10];
            for (int row = 2400 >> shift; row <= 2401 >> shift; ++row)
                sql += "INSERT INTO tiles VALUES (" + std::to_string(zoom) + ", " +
                       std::to_string(column) + ", " + std::to_string((1 << zoom) - 1 - row) +
                       ", " + Tile(colour) + ");";
        }
    }
    const std::string all = dir.File("all.mbtiles");
    Sql(all, sql);
    // View column 128 at zoom 1 and scroll (904, 0) shows level 0 column 1032: tile 4007 of
    // zoom 13, 2003 of 12, 1001 of 11.
    const auto without = [&](const std::string& name, const std::string& where) {
        std::filesystem::copy(all, dir.File(name));
        Sql(dir.File(name), "DELETE FROM tiles WHERE " + where);
        return dir.File(name);
    };
    const std::string no13 = without("no13.mbtiles", "zoom_level = 13 AND tile_column = 4007");
    const std::string no13and12 =
        without("no13and12.mbtiles", "(zoom_level = 13 AND tile_column = 4007) OR "
                                     "(zoom_level = 12 AND tile_column = 2003)");
    const std::string only10 =
        without("only10.mbtiles", "(zoom_level = 13 AND tile_column = 4007) OR (zoom_level = "
                                  "12 AND tile_column = 2003) OR (zoom_level = 11 AND "
                                  "tile_column = 1001)");
    const struct {
        const char* legend;
        std::string file;
        double zoom;
        int scrollX;
        int atX; // the view column looked at, in row 8
        QRgb colour;
    } rows[] = {
        {"zoom 13 there", all, 1.0, 904, 128, yellow},
        {"zoom 13 gone: 12", no13, 1.0, 904, 128, blue},
        {"13 and 12 gone: 11", no13and12, 1.0, 904, 128, green},
        {"at 50 %, 12 gone: 11", no13and12, 0.5, 388, 128, green},
        {"13, 12 and 11 gone: 10", only10, 1.0, 904, 128, red},
        // Level 0 starts 3 tiles of zoom 13 (96 pixels of zoom 10) into zoom 10's tile 500.
        {"at 12.5 %: zoom 10's first tile up to 160", all, 0.125, 0, 159, red},
        {"at 12.5 %: zoom 10's second tile from 160", all, 0.125, 0, 160, darkRed},
        {"at 1/32: zoom 8, reduced from 10", all, 1.0 / 32, 0, 2, red},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        const QImage frame = Shown(row.file, 256, 64, row.zoom, {row.scrollX, 0});
        ASSERT_FALSE(frame.isNull());
        EXPECT_EQ(frame.pixel(row.atX, 8), row.colour);
    }
    // Before any tile in view has come: from the coarsest level, read with the map.
    const QImage first = Shown(only10, 256, 64, 1.0, {904, 0}, false);
    EXPECT_EQ(pixels::Count(first, qRgb(255, 255, 255), first.rect()), 0) << "never blank";
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
