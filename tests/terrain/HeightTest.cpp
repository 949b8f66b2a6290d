// quilo-tool dem over a folder of planes written as SRTM tiles and of analytic surfaces written
// as elevation rasters by GDAL, so every height is exact; a track's heights from them.
#include "HgtFiles.h"
#include "base/Number.h"
#include "support/Cs2cs.h"
#include "support/RunTool.h"
#include "support/TestFiles.h"
#include "terrain/DemFolder.h"
#include "terrain/TrackHeights.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

struct HeightRow {
    const char* legend;
    std::vector<std::string> args; // after the folder
    double metres;                 // when expect is empty
    std::string expect;            // the fields after LAT LON, or "refused"
};

TEST(DemTool, HeightsOfPositions) {
    testsupport::TempDir dir;
    // N46E007 (3"): 100 + row + 2 col, so a position's height is a plane in lat and lon.
    const auto plane = [](double lat, double lon) {
        return 100 + (47 - lat) * 1200 + 2 * (lon - 7) * 1200;
    };
    terraintest::WriteHgt(dir.File("N46E007.hgt"), 1201,
                          [](int r, int c) { return 100 + r + 2 * c; });
    // N47E007 goes on with the same plane across their shared row, with one void sample.
    terraintest::WriteHgt(dir.File("N47E007.hgt"), 1201, [](int r, int c) {
        return r == 600 && c == 600 ? -32768 : 100 + r + 2 * c - 1200;
    });
    // N46E008 (1"), zipped: 1000 + row - col.
    terraintest::WriteHgt(dir.File("N46E008.hgt"), 3601, [](int r, int c) { return 1000 + r - c; });
    ASSERT_EQ(std::system(("cd '" + dir.Path().string() + "' && " QUILO_ZIP " -q N46E008.hgt.zip " +
                           "N46E008.hgt && rm N46E008.hgt")
                              .c_str()),
              0);
    testsupport::WriteBytes(dir.File("N48E007.hgt"), std::string(1000, '\0'));

    const std::vector<HeightRow> rows = {
        {"on a sample", {"46.5", "7.25"}, 1300, ""},
        {"between samples", {"46.123456", "7.654321"}, plane(46.123456, 7.654321), ""},
        {"on the shared edge, from the tile above", {"47", "7.5"}, 1300, ""},
        {"next to a void", {"47.5", "7.5025"}, plane(47.5, 7.5025), ""},
        {"touching a void", {"47.5", "7.5004"}, 0, "-\tvoid\tN47E007"},
        {"zipped 1-second tile", {"46.3", "8.2"}, 1000 + 0.7 * 3600 - 0.2 * 3600, ""},
        {"no tile", {"45.5", "7.5"}, 0, "-\tmissing\tN45E007"},
        {"no tile, south-west", {"-0.5", "-72.5"}, 0, "-\tmissing\tS01W073"},
        {"a file of the wrong size", {"48.5", "7.5"}, 0, "refused"},
        {"latitude out of range", {"91", "7"}, 0, "refused"},
        {"half a position", {"46.5", "7.25", "46.5"}, 0, "refused"},
    };
    for (const HeightRow& row : rows) {
        SCOPED_TRACE(row.legend);
        std::vector<std::string> args = {"dem", dir.Path().string()};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const auto run = testsupport::RunTool(args);
        if (row.expect == "refused") {
            EXPECT_EQ(run.status, 2);
            EXPECT_EQ(run.out, "");
            EXPECT_NE(run.err, "");
            continue;
        }
        ASSERT_EQ(run.status, 0) << run.err;
        const std::string head = row.args[0] + '\t' + row.args[1] + '\t';
        ASSERT_TRUE(run.out.starts_with(head)) << run.out;
        const std::string rest = run.out.substr(head.size(), run.out.size() - head.size() - 1);
        if (row.expect.empty())
            EXPECT_NEAR(std::strtod(rest.c_str(), nullptr), row.metres, 1e-6) << rest;
        else
            EXPECT_EQ(rest, row.expect);
    }
}

// The positions (lat, lon) of UTM 32N points (easting, northing), by cs2cs.
std::vector<std::pair<double, double>> FromUtm(const std::vector<testsupport::Pair>& points) {
    std::vector<std::pair<double, double>> out;
    for (const testsupport::Pair& p : testsupport::Cs2cs("EPSG:32632", "EPSG:4326", points))
        out.emplace_back(p[0], p[1]);
    return out;
}

TEST(DemTool, HeightsFromElevationRasters) {
    testsupport::TempDir dir;
    // Beside a 3" tile (100 + row + 2 col), rasters GDAL writes: a plane in degrees over part
    // of it, an integer cone and a ramp of 0.1 m a pixel in UTM 32N, and a file that only looks
    // like one.
    terraintest::WriteHgt(dir.File("N46E007.hgt"), 1201,
                          [](int r, int c) { return 100 + r + 2 * c; });
    const auto plane = [](double r, double c) { return 500 + 3 * c - 2 * r; };
    terraintest::WriteFloatDem(dir, "plane.tif", 300, 200, 0.001, plane, "Float32", "EPSG:4326",
                               7.2, 46.2);
    const auto cone = [](int r, int c) {
        return r > 25 && c < 5 ? -9999 : std::round(800 - 7.5 * std::hypot(r - 15.3, c - 20.7));
    };
    terraintest::WriteFloatDem(dir, "cone.tif", 40, 30, 10, cone, "Int16");
    terraintest::WriteFloatDem(
        dir, "ramp.tif", 80, 60, 1, [](int, int c) { return 400 + 0.1 * c; }, "Float32",
        "EPSG:32632", 510000, 5200000);
    testsupport::WriteBytes(dir.File("notes.tif"), "not a raster");
    const auto ramp = [](double easting) { return 400 + 0.1 * (easting - 510000 - 0.5); };
    // The cone's pixel centre (row 10, col 12), its corner without data (row 28, col 2), two
    // points on the ramp.
    const auto utm = FromUtm(
        {{500125, 5200195}, {500025, 5200015}, {510012.34, 5200020}, {510063.9, 5200041.7}});
    const auto degrees = [](double v) { return base::FormatShortest(v); };

    const std::vector<HeightRow> rows = {
        {"the plane between samples", {"46.2345", "7.3456"}, plane(165.5 - 0.5, 145.6 - 0.5), ""},
        {"its outer half pixel takes the edge's samples",
         {"46.3005", "7.2002"},
         plane(99.5 - 0.5, 0),
         ""},
        {"the tile beside the rasters", {"46.1", "7.1"}, 100 + 0.9 * 1200 + 2 * 0.1 * 1200, ""},
        {"the cone on a sample", {degrees(utm[0].first), degrees(utm[0].second)}, cone(10, 12), ""},
        {"the cone without data",
         {degrees(utm[1].first), degrees(utm[1].second)},
         0,
         "-\tvoid\tcone.tif"},
        {"the ramp", {degrees(utm[2].first), degrees(utm[2].second)}, ramp(510012.34), ""},
        {"the ramp again", {degrees(utm[3].first), degrees(utm[3].second)}, ramp(510063.9), ""},
        {"no raster and no tile", {"47.5", "9.5"}, 0, "-\tmissing\tN47E009"},
    };
    for (const HeightRow& row : rows) {
        SCOPED_TRACE(row.legend);
        std::vector<std::string> args = {"dem", dir.Path().string()};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const auto run = testsupport::RunTool(args);
        ASSERT_EQ(run.status, 0) << run.err;
        const std::string head = row.args[0] + '\t' + row.args[1] + '\t';
        ASSERT_TRUE(run.out.starts_with(head)) << run.out;
        const std::string rest = run.out.substr(head.size(), run.out.size() - head.size() - 1);
        if (row.expect.empty())
            EXPECT_NEAR(std::strtod(rest.c_str(), nullptr), row.metres, 1e-4) << rest;
        else
            EXPECT_EQ(rest, row.expect);
    }

    // A view's shading asks for the samples averaged in blocks of 4 pixels of 1 m: a ramp stays
    // the ramp.
    terrain::DemFolder dem(dir.Path().string());
    const std::vector<MapPos> at = {{utm[2].second, utm[2].first}, {utm[3].second, utm[3].first}};
    std::vector<float> heights(at.size());
    dem.Heights(at, 4.0, heights.data());
    EXPECT_NEAR(heights[0], ramp(510012.34), 1e-3);
    EXPECT_NEAR(heights[1], ramp(510063.9), 1e-3);
}

TEST(DemHeights, TracksWithoutHeightsTakeTheDems) {
    testsupport::TempDir dir;
    terraintest::WriteHgt(dir.File("N46E007.hgt"), 1201,
                          [](int r, int c) { return 100 + r + 2 * c; });
    const auto plane = [](double lat, double lon) {
        return 100 + (47 - lat) * 1200 + 2 * (lon - 7) * 1200;
    };
    terrain::DemFolder dem(dir.Path().string());
    const auto point = [](double lat, double lon, double height = trail::TrackPoint::kUnknown) {
        trail::TrackPoint p;
        p.position = {lon, lat};
        p.heightM = height;
        return p;
    };
    const double none = trail::TrackPoint::kUnknown;
    const struct {
        const char* legend;
        trail::Track track;
        bool changed;
        std::vector<double> heights; // after, point by point
        std::vector<std::string> missing;
    } rows[] = {
        {"heights from the tile, none where it is missing",
         {{point(46.5, 7.25), point(46.6, 7.3)}, {point(45.5, 7.5)}},
         true,
         {plane(46.5, 7.25), plane(46.6, 7.3), none},
         {"N45E007"}},
        {"a track with a height of its own is left alone",
         {{point(46.5, 7.25, 812), point(46.6, 7.3)}},
         false,
         {812, none},
         {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        trail::LoadedTrack loaded;
        loaded.track = row.track;
        EXPECT_EQ(terrain::GiveHeights(dem, loaded), row.changed);
        EXPECT_EQ(loaded.heightsFromDem, row.changed);
        EXPECT_EQ(loaded.missingDemTiles, row.missing);
        std::vector<MapPos> positions;
        std::size_t i = 0;
        for (const trail::TrackSegment& segment : loaded.track)
            for (const trail::TrackPoint& p : segment) {
                positions.push_back(p.position);
                const double want = row.heights[i++];
                if (std::isnan(want))
                    EXPECT_TRUE(std::isnan(p.heightM)) << i;
                else
                    EXPECT_NEAR(p.heightM, want, 1e-6) << i;
            }
        // What a profile asks along the same points.
        const terrain::HeightsAlong along = terrain::HeightsAlongPath(dem, positions);
        EXPECT_EQ(along.missingTiles, terrain::MissingTiles(dem, row.track));
        ASSERT_EQ(along.metres.size(), positions.size());
        EXPECT_EQ(along.metres.back().has_value(), row.missing.empty());
    }
}

} // namespace
