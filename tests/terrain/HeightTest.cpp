// quilo-tool dem over a folder of planes written as SRTM tiles, so every height is exact.
#include "HgtFiles.h"
#include "support/RunTool.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
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

} // namespace
