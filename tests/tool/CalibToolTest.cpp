// quilo-tool range, calib and map, run as a separate process.
#include "base/Bytes.h"
#include "calib/CalibrationFile.h"

#include "ToolCases.h"
#include "support/Cs2cs.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

// A top-down 24-bit BMP of black pixels, as any paint program writes it.
std::string Bmp(std::int32_t width, std::int32_t height) {
    const std::uint32_t row = (static_cast<std::uint32_t>(width) * 3 + 3) / 4 * 4;
    std::string bytes = "BM";
    for (const std::uint32_t field : {54 + row * height, 0u, 54u, 40u})
        base::AppendU32(bytes, field);
    base::AppendI32(bytes, width);
    base::AppendI32(bytes, -height);
    base::AppendU32(bytes, 1 | 24 << 16); // one plane, 24 bits
    for (int i = 0; i < 6; ++i)
        base::AppendU32(bytes, 0);
    return bytes + std::string(row * height, '\0');
}

using testsupport::TempDir;
using tooltest::Row;

// A comma-decimal locale must not change a single character of the output.
const std::vector<std::string> kCommaLocale = {"LC_ALL=de_DE.UTF-8"};

TEST(CalibToolTest, Range) {
    tooltest::CheckRows(
        {
            {"one degree east",
             {"range", "0", "0", "0", "1"},
             "111195.0662708878\t90.00000000000009\t90.00000000000009\n"},
            {"east with 5 E variation",
             {"range", "0", "0", "0", "1", "--magvar", "5"},
             "111195.0662708878\t90.00000000000009\t85.00000000000009\n"},
            {"south with 180 W variation is not reduced",
             {"range", "0", "0", "-1", "0", "--magvar=-180"},
             "111195.0662708878\t180.00000000000017\t360.00000000000017\n"},
            {"same position", {"range", "47.123456789", "8.5", "47.123456789", "8.5"}, "0\t0\t0\n"},
            {"three numbers", {"range", "1", "2", "3"}, nullptr},
            {"latitude beyond the pole", {"range", "91", "0", "0", "0"}, nullptr},
            {"decimal comma", {"range", "0,5", "0", "0", "1"}, nullptr},
            {"variation without value", {"range", "0", "0", "0", "1", "--magvar"}, nullptr},
            {"unknown option", {"range", "0", "0", "0", "1", "--metric"}, nullptr},
        },
        kCommaLocale);
}

TEST(CalibToolTest, Calib) {
    const TempDir dir;

    calib::CGPSMapFuncs c;
    c.AddCalibrationPoint(MapPos(0, 480), MapPos(-0.25, 51.5));
    c.AddCalibrationPoint(MapPos(640, 480), MapPos(0.75, 51.5));
    c.AddCalibrationPoint(MapPos(0, 0), MapPos(-0.25, 50.9));
    c.SetMagVar(-3.5);
    const std::string full = dir.File("area.mcd");
    ASSERT_TRUE(calib::SaveCalibrationFile(full, c));

    calib::CGPSMapFuncs onePair;
    onePair.AddCalibrationPoint(MapPos(10, 20), MapPos(7, 45));
    const std::string partial = dir.File("one.mcd");
    ASSERT_TRUE(calib::SaveCalibrationFile(partial, onePair));

    std::string bytes;
    c.Serialize(bytes);
    const std::string truncated = dir.File("short.mcd");
    testsupport::WriteBytes(truncated, bytes.substr(0, 153));

    const std::string map = dir.File("area.bmp");
    testsupport::WriteBytes(map, Bmp(640, 480));
    const std::string uncalibrated = dir.File("bare.bmp");
    testsupport::WriteBytes(uncalibrated, Bmp(640, 480));
    const std::string damaged = dir.File("short.bmp");
    testsupport::WriteBytes(damaged, Bmp(640, 480));
    const std::string notImage = dir.File("text.png");
    testsupport::WriteBytes(notImage, "hello\n");
    const std::string cutJpeg = dir.File("cut.jpg");
    testsupport::WriteBytes(cutJpeg, "\xFF\xD8\xFF\xE0\x00\x10JFIF");
    const char* const conversions = "51.5\t-0.25\n320\t239.99999999999716\n50.9\t0.75\n";
    const std::string old = dir.File("old.mcd");
    ASSERT_TRUE(calib::SaveCalibrationFile(old, c));
    const std::string fresh = dir.File("fresh.mcd");

    std::vector<std::string> four = {
        "calib", dir.File("four.mcd"), "--height", "480", "--keep", "4", "--grid", "graticule"};
    for (const auto& [x, y, position] : {std::tuple{"0", "0", "51.5 -0.25"},
                                         {"640", "0", "51.5 0.75"},
                                         {"0", "480", "50.9 -0.25"},
                                         {"160", "120", "51.35 0.0"}})
        four.insert(four.end(), {"--add", x, y, position});

    tooltest::CheckRows(
        {
            {"listing",
             {"calib", full},
             "pair\t0\t480\t51.5\t-0.25\npair\t640\t480\t51.5\t0.75\npair\t0\t0\t50.9\t-0.25\n"
             "magvar\t-3.5\nparams\t0.0015625\t0\t-0\t0.001250000000000003\t-0.25\t50.9\n"},
            {"one pair keeps the initial parameters",
             {"calib", partial, "--height", "100"},
             "pair\t10\t20\t45\t7\nmagvar\t0\nparams\t0.01\t0\t0\t0.01\t0\t52\n"},
            {"conversions in argument order",
             {"calib", full, "--height", "480", "--pixel", "0", "0", "--geo", "51.2", "0.25",
              "--pixel", "640", "480"},
             conversions},
            {"map converts as calib with the image's height",
             {"map", map, "--pixel", "0", "0", "--geo", "51.2", "0.25", "--pixel", "640", "480"},
             conversions},
            {"map info",
             {"map", map, "--info"},
             "kind\tbmp\nsize\t640\t480\n"
             "model\thandheld-affine\t0.0015625\t0\t-0\t0.001250000000000003\t-0.25\t50.9\n"
             "outline\t51.5\t-0.25\noutline\t51.5\t0.75\noutline\t50.9\t0.75\n"
             "outline\t50.9\t-0.25\n"},
            {"map without calibration file",
             {"map", uncalibrated},
             "kind\tbmp\nsize\t640\t480\nmodel\thandheld-affine\tnone\n"},
            {"map without calibration file converts nothing",
             {"map", uncalibrated, "--pixel", "1", "2"},
             nullptr},
            {"map with a damaged calibration file", {"map", damaged}, nullptr},
            {"map that is no image", {"map", notImage}, nullptr},
            {"map that is a cut JPEG", {"map", cutJpeg}, nullptr},
            {"map missing", {"map", dir.File("none.bmp")}, nullptr},
            {"map with a bad position", {"map", map, "--geo", "0", "181"}, nullptr},
            {"uncalibrated height applies",
             {"calib", partial, "--height", "100", "--pixel", "0", "100"},
             "52\t0\n"},
            {"conversions without height", {"calib", full, "--pixel", "1", "2"}, nullptr},
            {"negative height", {"calib", full, "--height", "-5"}, nullptr},
            {"pixel with one number", {"calib", full, "--height", "480", "--pixel", "1"}, nullptr},
            {"latitude beyond the pole",
             {"calib", full, "--height", "480", "--geo", "95", "0"},
             nullptr},
            {"missing file", {"calib", dir.File("none.mcd")}, nullptr},
            {"truncated file", {"calib", truncated}, nullptr},
            {"no file", {"calib", "--height", "480"}, nullptr},
            {"calibrating an old folder keeps the handheld's fit",
             {"calib", old, "--height", "480", "--add", "100", "100", "51.375 -0.09375"},
             "point\t640\t0\t51.5\t0.75\t0.000\tnone\npoint\t0\t480\t50.9\t-0.25\t0.000\tnone\n"
             "point\t100\t100\t51.375\t-0.09375\t0.000\tnone\nrms\t0.000\n"},
            {"four points: each also measured by the fit of the other three", four,
             "point\t0\t0\t51.5\t-0.25\t0.000\t0.000\npoint\t640\t0\t51.5\t0.75\t0.000\t0.000\n"
             "point\t0\t480\t50.9\t-0.25\t0.000\t0.000\n"
             "point\t160\t120\t51.35\t0\t0.000\t0.000\nrms\t0.000\n"},
            {"calibrating without height", {"calib", fresh, "--add", "0", "0", "46 7"}, nullptr},
            {"calibrating with conversions",
             {"calib", fresh, "--height", "480", "--keep", "4", "--pixel", "0", "0"},
             nullptr},
            {"unknown datum", {"calib", fresh, "--height", "480", "--datum", "ED51"}, nullptr},
            {"unknown grid", {"calib", fresh, "--height", "480", "--grid", "UTM 61N"}, nullptr},
            {"keeping two", {"calib", fresh, "--height", "480", "--keep", "2"}, nullptr},
            {"a position that is none",
             {"calib", fresh, "--height", "480", "--add", "0", "0", "north"},
             nullptr},
            {"points on one line",
             {"calib", fresh, "--height", "480", "--add", "0", "0", "46 7", "--add", "10", "10",
              "46.1 7.1", "--add", "20", "20", "46.2 7.2"},
             nullptr},
            {"a file not named .mcd", {"calib", map, "--height", "480", "--keep", "3"}, nullptr},
        },
        kCommaLocale);
    EXPECT_FALSE(std::filesystem::exists(dir.File("old.grid"))) << "an old folder stays one";
    EXPECT_FALSE(std::filesystem::exists(fresh)) << "nothing written when refused";
    EXPECT_FALSE(std::filesystem::exists(dir.File("fresh.grid")));
}

// Ground distance between two nearby positions, metres: plenty for a bound of a few metres.
double Metres(double lat1, double lon1, double lat2, double lon2) {
    const double dx = (lon1 - lon2) * std::cos(lat1 * M_PI / 180.0);
    return std::hypot(dx, lat1 - lat2) * 111320.0;
}

TEST(CalibToolTest, AUtmSheetCalibratedAtThreeCornersDrawsTheTruthAtEveryCorner) {
    // A 20 km sheet of UTM zone 32N at 45 N, 50 m a pixel, calibrated at three grid corners as a
    // hiker reads them off its margin; cs2cs says where every corner and the middle lie. The
    // viewer's model places the pixels for map and calib alike.
    const struct {
        const char* legend;
        std::vector<std::string> grid;
        std::array<const char*, 3> corners;
        double metres;
    } rows[] = {
        {"UTM positions, the topographic model",
         {},
         {"32T 500000 4990000", "32T 520000 4990000", "32T 500000 4970000"},
         3.0},
        {"eastings and northings of the named grid",
         {"--grid", "EPSG:32632"},
         {"500000 4990000", "520000 4990000", "500000 4970000"},
         0.01},
    };
    std::vector<std::string> pixels;
    std::vector<testsupport::Pair> grid;
    for (const double x : {0.0, 400.0, 200.0})
        for (const double y : {0.0, 400.0, 200.0}) {
            pixels.insert(pixels.end(), {"--pixel", std::to_string(x), std::to_string(y)});
            grid.push_back({500000 + 50 * x, 4990000 - 50 * y});
        }
    const auto truth = testsupport::Cs2cs("EPSG:32632", "EPSG:4326", grid);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        const TempDir dir;
        testsupport::WriteBytes(dir.File("sheet.bmp"), Bmp(400, 400));
        std::vector<std::string> calibrate{"calib", dir.File("sheet.mcd"), "--height", "400"};
        calibrate.insert(calibrate.end(), row.grid.begin(), row.grid.end());
        const char* const at[][2] = {{"0", "0"}, {"400", "0"}, {"0", "400"}};
        for (std::size_t i = 0; i < row.corners.size(); ++i)
            calibrate.insert(calibrate.end(), {"--add", at[i][0], at[i][1], row.corners[i]});
        const auto run = testsupport::RunTool(calibrate);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find("rms\t"), std::string::npos) << run.out;
        std::vector<std::string> map{"map", dir.File("sheet.bmp")};
        std::vector<std::string> calib{"calib", dir.File("sheet.mcd"), "--height", "400"};
        map.insert(map.end(), pixels.begin(), pixels.end());
        calib.insert(calib.end(), pixels.begin(), pixels.end());
        for (const auto& args : {map, calib}) {
            SCOPED_TRACE(args[0]);
            const auto drawn = testsupport::RunTool(args);
            ASSERT_EQ(drawn.status, 0) << drawn.err;
            std::istringstream lines(drawn.out);
            for (const testsupport::Pair& expected : truth) {
                double lat = NAN;
                double lon = NAN;
                lines >> lat >> lon;
                EXPECT_LT(Metres(lat, lon, expected[0], expected[1]), row.metres)
                    << lat << ' ' << lon << " for " << expected[0] << ' ' << expected[1];
            }
        }
    }
}

} // namespace

namespace {

// The paths quilo-tool maps lists, in its order.
std::vector<std::string> ListedPaths(const std::vector<std::string>& args) {
    // The index of the folder is kept in the test's own cache, not the user's.
    const testsupport::RunResult run =
        testsupport::RunTool(args, "", {"XDG_CACHE_HOME=" + testing::TempDir()});
    EXPECT_EQ(run.status, 0) << run.err;
    std::vector<std::string> paths;
    for (std::size_t at = 0; at < run.out.size();) {
        const std::size_t end = run.out.find('\n', at);
        paths.push_back(run.out.substr(at, run.out.find('\t', at) - at));
        at = end == std::string::npos ? run.out.size() : end + 1;
    }
    return paths;
}

TEST(CalibToolTest, MapsListsPlacedMapsMostDetailedFirst) {
    const TempDir dir;
    calib::CGPSMapFuncs c;
    c.AddCalibrationPoint(MapPos(0, 480), MapPos(-0.25, 51.5));
    c.AddCalibrationPoint(MapPos(640, 480), MapPos(0.75, 51.5));
    c.AddCalibrationPoint(MapPos(0, 0), MapPos(-0.25, 50.9));
    ASSERT_TRUE(calib::SaveCalibrationFile(dir.File("area.mcd"), c));
    testsupport::WriteBytes(dir.File("area.bmp"), Bmp(640, 480));
    std::filesystem::create_directory(dir.File("sub"));
    testsupport::WriteBytes(dir.File("sub/detail.bmp"), Bmp(640, 480));
    testsupport::WriteBytes(dir.File("sub/bare.bmp"), Bmp(64, 48)); // placed by nothing
    testsupport::WriteBytes(
        dir.File("sub/detail.kml"),
        "<kml><GroundOverlay><Icon><href>detail.bmp</href></Icon><LatLonBox><north>51.3</north>"
        "<south>51.2</south><east>0.2</east><west>0.1</west></LatLonBox></GroundOverlay></kml>");
    const std::string detail = dir.File("sub/detail.kml");
    const std::string area = dir.File("area.bmp");
    const struct {
        std::vector<std::string> at;
        std::vector<std::string> paths;
    } cases[] = {
        {{}, {detail, area}},
        {{"--at", "51.25", "0.15"}, {detail, area}},
        {{"--at", "51.4", "0.5"}, {area}},
        {{"--at", "10", "10"}, {}},
    };
    for (const auto& row : cases) {
        std::vector<std::string> args{"maps", dir.Path().string()};
        args.insert(args.end(), row.at.begin(), row.at.end());
        EXPECT_EQ(ListedPaths(args), row.paths) << (row.at.empty() ? "all" : row.at[1]);
    }
    tooltest::ExpectRefused(testsupport::RunTool({"maps", dir.File("area.bmp")}));
}

} // namespace
