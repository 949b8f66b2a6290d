// A folder of maps of every kind, made by GDAL's gdal_create and the project's own calibration
// writer, indexed as the viewer indexes it; positions placed by PROJ's cs2cs.

#include "map/MapFolder.h"
#include "base/Number.h"
#include "calib/CalibrationFile.h"
#include "support/Cs2cs.h"
#include "support/RunTool.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using testsupport::Pair;
using testsupport::TempDir;

const std::string kUtm32 = "+proj=utm +zone=32 +datum=WGS84 +type=crs";
const std::string kLatLon = "+proj=latlong +datum=WGS84 +type=crs";

void Make(const std::string& path, std::vector<std::string> args) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    args.insert(args.begin(), {"-of", "PNG", "-outsize", "1000", "800", "-burn", "90"});
    args.push_back(path);
    const testsupport::RunResult run = testsupport::Run(QUILO_GDAL_CREATE, args);
    ASSERT_EQ(run.status, 0) << run.err;
}

// A UTM 32N sheet of 1000 x 800 pixels from (east, north) at metres a pixel, its world file
// and .prj beside it.
void MakeSheet(const std::string& path, double east, double north, double metres) {
    Make(path, {"-a_srs", "EPSG:32632", "-a_ullr", std::to_string(east), std::to_string(north),
                std::to_string(east + 1000 * metres), std::to_string(north - 800 * metres), "-co",
                "WORLDFILE=YES"});
    const auto prj = testsupport::Run(QUILO_GDALSRSINFO, {"-o", "wkt_esri", "EPSG:32632"});
    testsupport::WriteBytes(path.substr(0, path.size() - 3) + "prj", prj.out);
}

// MapPos (longitude, latitude) of a UTM 32N point.
MapPos Utm(double east, double north) {
    const Pair geo = testsupport::Cs2cs(kUtm32, kLatLon, {{east, north}})[0];
    return MapPos(geo[0], geo[1]);
}

// Every kind beside things that are no maps: a 10 m sheet in a folder, a 2 m sheet inside it,
// a handheld map near London, a ground overlay, an image without calibration and a text file.
void MakeFolder(const TempDir& dir) {
    MakeSheet(dir.File("coarse/wide.png"), 480000, 5100000, 10);
    MakeSheet(dir.File("fine.png"), 482000, 5098000, 2);
    Make(dir.File("town.png"), {});
    calib::CGPSMapFuncs town;
    // Plane points count rows up from the bottom edge.
    town.AddCalibrationPoint(MapPos(0, 0), MapPos(-0.1, 51.5));
    town.AddCalibrationPoint(MapPos(1000, 0), MapPos(0.1, 51.5));
    town.AddCalibrationPoint(MapPos(0, 800), MapPos(-0.1, 51.6));
    ASSERT_TRUE(calib::SaveCalibrationFile(dir.File("town.mcd"), town));
    Make(dir.File("o.png"), {});
    testsupport::WriteBytes(
        dir.File("overlay.kml"),
        "<?xml version=\"1.0\"?><kml xmlns=\"http://www.opengis.net/kml/2.2\"><Document>"
        "<GroundOverlay><Icon><href>o.png</href></Icon><LatLonBox><north>46</north><south>45.5"
        "</south><east>8</east><west>7.2</west></LatLonBox></GroundOverlay></Document></kml>");
    Make(dir.File("bare.png"), {});
    testsupport::WriteBytes(dir.File("notes.txt"), "not a map\n");
}

std::vector<std::string> Names(const std::vector<const map::FolderMap*>& maps) {
    std::vector<std::string> names;
    for (const map::FolderMap* map : maps)
        names.push_back(map->Name());
    return names;
}

TEST(MapFolder, IndexesEveryKindAndListsThemMostDetailedFirst) {
    TempDir dir;
    TempDir cache;
    MakeFolder(dir);
    const map::IndexedFolder indexed = map::IndexMapFolder(dir.Path(), cache.Path());
    ASSERT_TRUE(indexed.index) << indexed.error;
    EXPECT_TRUE(indexed.warnings.empty()) << indexed.warnings.front();
    const map::MapFolderIndex& index = *indexed.index;

    const std::vector<const map::FolderMap*> all = map::MapsByDetail(index);
    ASSERT_EQ(Names(all),
              (std::vector<std::string>{"fine.png", "wide.png", "town.png", "overlay.kml"}));
    EXPECT_NEAR(all[0]->metresPerPixel, 2, 0.02);
    EXPECT_NEAR(all[1]->metresPerPixel, 10, 0.1);
    EXPECT_EQ(index.Find(dir.File("coarse/wide.png")), all[1]);

    struct At {
        const char* legend;
        MapPos position;
        std::vector<std::string> maps;
    };
    const At rows[] = {
        {"inside both sheets", Utm(483000, 5097000), {"fine.png", "wide.png"}},
        {"on the wide sheet alone", Utm(488000, 5093000), {"wide.png"}},
        {"in the town", MapPos(0.05, 51.55), {"town.png"}},
        {"under the overlay", MapPos(7.3, 45.9), {"overlay.kml"}},
        {"on no map", MapPos(0, 0), {}},
    };
    for (const At& row : rows) {
        SCOPED_TRACE(row.legend);
        EXPECT_EQ(Names(map::MapsByDetail(index, row.position)), row.maps);
    }

    // The tool lists what the index holds, in the same order.
    std::string listed;
    for (const map::FolderMap* map : map::MapsByDetail(index, rows[0].position))
        listed += index.PathOf(*map) + '\t' + map->kind + '\t' +
                  base::FormatShortest(map->metresPerPixel) + '\n';
    const auto run =
        testsupport::RunTool({"maps", dir.Path(), "--at", std::to_string(rows[0].position.y),
                              std::to_string(rows[0].position.x)},
                             "", {"XDG_CACHE_HOME=" + cache.Path().string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, listed);
}

// A small GeoTIFF of columns x rows pixels in crs from its upper left to its lower right corner.
void MakeTiff(const std::string& path, const std::string& crs, int columns, int rows,
              std::initializer_list<double> corners) {
    std::vector<std::string> args{
        "-of",    "GTiff", "-outsize", std::to_string(columns), std::to_string(rows),
        "-a_srs", crs,     "-a_ullr"};
    for (const double c : corners)
        args.push_back(base::FormatShortest(c));
    args.push_back(path);
    const testsupport::RunResult run = testsupport::Run(QUILO_GDAL_CREATE, args);
    ASSERT_EQ(run.status, 0) << run.err;
}

TEST(MapFolder, FindsWorldMapsPolarMapsAndMapsOnThe180thMeridianAtTheirTrueScale) {
    TempDir dir;
    TempDir cache;
    // Wider than 180 degrees of longitude, 5 and 4 degrees a pixel.
    MakeTiff(dir.File("world.tif"), "EPSG:4326", 72, 32, {-180, 80, 180, -80});
    MakeTiff(dir.File("m170.tif"), "EPSG:4326", 85, 30, {-170, 60, 170, -60});
    // Around a pole, 100 km from it each way.
    MakeTiff(dir.File("south.tif"), "EPSG:3031", 64, 64, {-1e5, 1e5, 1e5, -1e5});
    MakeTiff(dir.File("north.tif"), "EPSG:3413", 64, 64, {-1e5, 1e5, 1e5, -1e5});
    // Their middles less than a pixel west of 180 degrees: a 0.001 degree sheet, and a
    // 1000 m Mercator overview (EPSG:3832 has its origin at 150 E, so 180 E is 3339584.7 m east).
    MakeTiff(dir.File("sheet.tif"), "EPSG:4326", 64, 64, {179.9675, -16, 180.0315, -16.064});
    MakeTiff(dir.File("overview.tif"), "EPSG:3832", 100, 200,
             {3289084.7, -1740000, 3389084.7, -1940000});
    const map::IndexedFolder indexed = map::IndexMapFolder(dir.Path(), cache.Path());
    ASSERT_TRUE(indexed.index) << indexed.error;
    const map::MapFolderIndex& index = *indexed.index;
    const auto scale = [&](const char* name) { return index.Find(dir.File(name))->metresPerPixel; };
    // 0.001 degree is 111 m north and 107 m east at 16 S; 1000 m of Mercator 959 m.
    EXPECT_NEAR(scale("sheet.tif"), 109, 1.0);
    EXPECT_NEAR(scale("overview.tif"), 959, 5);

    const struct {
        const char* legend;
        MapPos position;
        std::vector<std::string> maps;
    } rows[] = {
        {"on both wide maps", MapPos(10, 10), {"m170.tif", "world.tif"}},
        {"in the gap of the map from 170 W to 170 E", MapPos(175, 10), {"world.tif"}},
        {"west of 180 on the sheet",
         MapPos(179.99, -16.03),
         {"sheet.tif", "overview.tif", "world.tif"}},
        {"east of 180 on the sheet",
         MapPos(-179.99, -16.03),
         {"sheet.tif", "overview.tif", "world.tif"}},
        {"the south pole", MapPos(0, -90), {"south.tif"}},
        {"near the south pole", MapPos(-45, -89.35), {"south.tif"}},
        {"near the north pole", MapPos(120, 89.4), {"north.tif"}},
        {"north of the world map, off the polar sheet", MapPos(0, 85), {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        EXPECT_EQ(Names(map::MapsByDetail(index, row.position)), row.maps);
    }
}

TEST(MapFolder, KeptIndexServesUnchangedFilesAndChangedOnesAreReadAgain) {
    TempDir dir;
    TempDir keep;
    MakeFolder(dir);
    const std::string cache = keep.File("folders");
    const map::IndexedFolder first = map::IndexMapFolder(dir.Path(), cache);
    ASSERT_TRUE(first.index) << first.error;
    EXPECT_GT(first.readAfresh, 0);

    const map::IndexedFolder again = map::IndexMapFolder(dir.Path(), cache);
    EXPECT_EQ(again.readAfresh, 0);
    EXPECT_EQ(again.index, first.index);

    // The fine sheet redrawn at 4 m a pixel: only its own files change.
    MakeSheet(dir.File("fine.png"), 482000, 5098000, 4);
    std::filesystem::remove(dir.File("bare.png"));
    const map::IndexedFolder changed = map::IndexMapFolder(dir.Path(), cache);
    ASSERT_TRUE(changed.index);
    EXPECT_NEAR(changed.index->Find(dir.File("fine.png"))->metresPerPixel, 4, 0.04);
    EXPECT_EQ(changed.index->Find(dir.File("bare.png")), nullptr);
    EXPECT_EQ(changed.index->files.size(), first.index->files.size() - 1);
    EXPECT_LT(changed.readAfresh, first.readAfresh / 2);

    // A damaged index is read past and written anew.
    const std::string kept = (std::filesystem::directory_iterator(cache))->path();
    testsupport::WriteBytes(kept, "QUILO map folder index 2\nfolder\t/x\n../../etc\t-\t0\t0\t0\n");
    const map::IndexedFolder rebuilt = map::IndexMapFolder(dir.Path(), cache);
    EXPECT_EQ(rebuilt.index, changed.index);
    EXPECT_EQ(rebuilt.readAfresh, static_cast<int>(changed.index->files.size()));
    std::string error;
    EXPECT_TRUE(map::ParseFolderIndex(testsupport::ReadBytes(kept), &error)) << error;
}

// A tile set whose tiles are a query without end is refused in its turn, and the folder's
// other maps are listed; a link planted at the index's name in the cache is replaced, and the
// file it leads to is left alone.
TEST(MapFolder, AHostileMapOrALinkInTheCacheHarmsNothingElse) {
    TempDir dir;
    TempDir keep;
    MakeFolder(dir);
    const testsupport::RunResult made = testsupport::Run(
        "/usr/bin/sqlite3",
        {dir.File("endless.mbtiles"),
         "CREATE TABLE metadata (name TEXT, value TEXT); CREATE VIEW tiles AS WITH RECURSIVE "
         "c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c) SELECT 10 AS zoom_level, 531 AS "
         "tile_column, 662 AS tile_row, zeroblob(1) AS tile_data FROM c"});
    ASSERT_EQ(made.status, 0) << made.err;
    const std::string cache = keep.File("folders");
    ASSERT_TRUE(map::IndexMapFolder(dir.Path(), cache).index);
    const std::string kept = (std::filesystem::directory_iterator(cache))->path();
    const std::string outside = keep.File("outside");
    testsupport::WriteBytes(outside, "the user's own file\n");
    std::filesystem::remove(kept);
    std::filesystem::create_symlink(outside, kept);

    const map::IndexedFolder indexed = map::IndexMapFolder(dir.Path(), cache);
    ASSERT_TRUE(indexed.index) << indexed.error;
    EXPECT_EQ(Names(map::MapsByDetail(*indexed.index)),
              (std::vector<std::string>{"fine.png", "wide.png", "town.png", "overlay.kml"}));
    ASSERT_EQ(indexed.warnings.size(), 1u);
    EXPECT_NE(indexed.warnings[0].find("endless.mbtiles: it is not a readable MBTiles file"),
              std::string::npos)
        << indexed.warnings[0];
    EXPECT_EQ(testsupport::ReadBytes(outside), "the user's own file\n");
    EXPECT_FALSE(std::filesystem::is_symlink(kept));
}

TEST(MapFolder, HostileIndexesAreRefused) {
    const std::string head = "QUILO map folder index 2\nfolder\t/maps\n";
    const struct {
        const char* legend;
        std::string bytes;
    } rows[] = {
        {"cut short", head + "a.map\tozi-map\t1\t2\t0"},
        {"another file, or an older index", "QUILO map folder index 1\nfolder\t/maps\n"},
        {"a path leaving the folder", head + "a/../../b\t-\t1\t0\t0\n"},
        {"an absolute path", head + "/etc/passwd\t-\t1\t0\t0\n"},
        {"a bad escape", head + "a\\x\t-\t1\t0\t0\n"},
        {"a kind that is no name", head + "a.map\tozi map\t1\t0\t0\n"},
        {"a scale that is no number", head + "a.map\tozi-map\t1\tnan\t0\n"},
        {"more corners than it says", head + "a.map\tozi-map\t1\t2\t1\t45\t7\t46\t8\n"},
        {"a corner off the earth", head + "a.map\tozi-map\t1\t2\t1\t91\t7\n"},
        {"a count beyond the bound", head + "a.map\tozi-map\t1\t2\t99999\n"},
        {"files out of order", head + "b\t-\t1\t0\t0\na\t-\t1\t0\t0\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        std::string error;
        EXPECT_FALSE(map::ParseFolderIndex(row.bytes, &error));
        EXPECT_TRUE(error.starts_with("line ")) << error;
    }
}

TEST(MapFolder, FollowingSwitchesOnlyWhenThePositionLeavesTheMapShowing) {
    const auto square = [](double west, double south, double side) {
        return std::vector<MapPos>{MapPos(west, south + side), MapPos(west + side, south + side),
                                   MapPos(west + side, south), MapPos(west, south)};
    };
    map::MapFolderIndex index{"/maps",
                              {{"a", "image", 1, square(0, 0, 1), 5.0},
                               {"b", "image", 1, square(1, 0, 1), 5.0},
                               {"b-detail", "image", 1, square(1.2, 0.2, 0.2), 1.0},
                               {"c", "image", 1, square(2, 0, 1), 8.0}}};
    const struct {
        const char* legend;
        std::vector<MapPos> current;
        MapPos position;
        const char* expected; // nullptr: stay
    } rows[] = {
        {"still on the map showing", square(0, 0, 1), MapPos(0.5, 0.5), nullptr},
        {"onto the next sheet", square(0, 0, 1), MapPos(1.1, 0.5), "b"},
        {"onto a detailed map inside it", square(0, 0, 1), MapPos(1.3, 0.3), "b-detail"},
        {"off every map", square(0, 0, 1), MapPos(5, 5), nullptr},
        {"the map showing places nothing", {}, MapPos(1.1, 0.5), nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        const map::FolderMap* chosen = map::MapToFollow(index, row.current, row.position);
        EXPECT_EQ(chosen ? chosen->path.c_str() : "",
                  std::string(row.expected ? row.expected : ""));
    }
}

} // namespace
