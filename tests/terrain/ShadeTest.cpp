// quilo-tool hillshade against gdaldem on DEMs of analytic surfaces: GeoTIFFs of floats written
// by gdal_translate from an ASCII grid, and an SRTM tile written byte by byte.
#include "HgtFiles.h"
#include "support/RunTool.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using terraintest::Grid;
using terraintest::ReadAsGrid;
using terraintest::WriteFloatDem;

struct ShadeRow {
    const char* legend;
    std::string dem;
    std::vector<std::string> gdaldem; // its mode and options
    std::vector<std::string> ours;    // our options
    std::string outsize = {};         // for gdaldem, the DEM averaged to this size first
};

TEST(HillshadeTool, MatchesGdaldem) {
    testsupport::TempDir dir;
    const auto cone = [](int r, int c) { return 800.0 - 7.5 * std::hypot(r - 40.3, c - 50.7); };
    WriteFloatDem(dir, "plane.tif", 60, 50, 10,
                  [](int r, int c) { return 300 + 2.5 * c - 1.5 * r; });
    WriteFloatDem(dir, "cone.tif", 100, 80, 30, [&](int r, int c) {
        return r > 70 && c < 10 ? -9999 : cone(r, c); // a corner without data
    });
    WriteFloatDem(dir, "ramp.tif", 80, 60, 1, [](int, int c) { return 400 + 0.1 * c; });
    // A 3" tile: a cone of 4000 m a degree with a void on its flank.
    terraintest::WriteHgt(dir.File("N46E007.hgt"), 1201, [](int r, int c) {
        return r == 300 && c == 900 ? -32768.0
                                    : 3000 - 4000.0 * std::hypot(r - 600, c - 500) / 1200;
    });

    const std::vector<ShadeRow> rows = {
        {"a tilted plane", "plane.tif", {"hillshade"}, {}},
        {"a cone with a corner without data", "cone.tif", {"hillshade"}, {}},
        {"a ramp of 0.1 m a pixel", "ramp.tif", {"hillshade"}, {}},
        {"an SRTM tile in degrees", "N46E007.hgt", {"hillshade", "-s", "111120"}, {}},
        {"slope of the cone", "cone.tif", {"slope"}, {"--slope"}},
        {"the cone at a quarter", "cone.tif", {"hillshade"}, {"--reduce", "4"}, "25 20"},
    };
    for (const ShadeRow& row : rows) {
        SCOPED_TRACE(row.legend);
        std::string input = dir.File(row.dem);
        if (!row.outsize.empty()) {
            const std::string size = row.outsize;
            input = dir.File("averaged.tif");
            ASSERT_EQ(
                testsupport::Run(QUILO_GDAL_TRANSLATE,
                                 {"-q", "-r", "average", "-outsize", size.substr(0, size.find(' ')),
                                  size.substr(size.find(' ') + 1), dir.File(row.dem), input})
                    .status,
                0);
        }
        std::vector<std::string> args = row.gdaldem;
        args.insert(args.end(), {"-q", input, dir.File("truth.tif")});
        const auto truthRun = testsupport::Run(QUILO_GDALDEM, args);
        ASSERT_EQ(truthRun.status, 0) << truthRun.err;
        std::vector<std::string> ours = {"hillshade", dir.File(row.dem), dir.File("ours.tif")};
        ours.insert(ours.end(), row.ours.begin(), row.ours.end());
        const auto run = testsupport::RunTool(ours);
        ASSERT_EQ(run.status, 0) << run.err;

        Grid truth = ReadAsGrid(dir, "truth.tif");
        const Grid mine = ReadAsGrid(dir, "ours.tif");
        EXPECT_EQ(mine.header, truth.header);
        ASSERT_EQ(mine.values.size(), truth.values.size());
        if (row.gdaldem[0] == "slope") // degrees, or -9999 where there is none
            for (double& v : truth.values)
                v = v < 0 ? 0 : 1 + 254 * (1 - v / 90);
        int worst = 0;
        std::set<double> inside;
        for (std::size_t i = 0; i < truth.values.size(); ++i) {
            EXPECT_EQ(mine.values[i] == 0, truth.values[i] == 0) << "pixel " << i;
            worst = std::max(worst, static_cast<int>(std::ceil(
                                        std::abs(mine.values[i] - truth.values[i]) - 1e-9)));
            if (mine.values[i] != 0)
                inside.insert(mine.values[i]);
        }
        EXPECT_LE(worst, 1);
        // A plane, however gentle, has one grey: no steps from heights rounded to metres.
        if (row.dem == "ramp.tif" || row.dem == "plane.tif") {
            EXPECT_EQ(inside.size(), 1u);
        }
    }
}

TEST(HillshadeTool, RefusesWhatIsNoDem) {
    testsupport::TempDir dir;
    testsupport::WriteBytes(dir.File("N46E007.hgt"), std::string(2 * 1201 * 1201 - 2, '\0'));
    testsupport::WriteBytes(dir.File("dem.tif"), std::string("II*\0garbage", 11));
    for (const char* name : {"N46E007.hgt", "dem.tif", "none.tif"}) {
        const auto run = testsupport::RunTool({"hillshade", dir.File(name), dir.File("out.tif")});
        EXPECT_EQ(run.status, 2) << name;
        EXPECT_NE(run.err.find(name), std::string::npos) << run.err;
    }
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"N46E007.hgt", "dem.tif"}));
}

} // namespace
