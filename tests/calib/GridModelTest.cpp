// Grid model names, refused calibrations and the least-squares fit through more points.

#include "calib/GridModel.h"
#include "base/Number.h"
#include "calib/FitReport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using map::CalibrationPoint;
using map::GridKind;
using map::GridModel;
const GridModel kTopographic{GridKind::Topographic, {}};
const GridModel kGraticule{GridKind::Graticule, {}};

TEST(GridModelTest, ParseAndName) {
    const struct {
        const char* text;
        const char* name; // empty: refused with error
        const char* error;
    } rows[] = {
        {" Topographic ", "topographic", ""},
        {"UTM 32N", "EPSG:32632", ""},
        {"utm zone 33 s", "EPSG:32733", ""},
        {"EPSG:2056", "EPSG:2056", ""},
        {"+proj=utm +zone=32 +ellps=intl +towgs84=-87,-98,-121 +type=crs",
         "+proj=utm +zone=32 +ellps=intl +towgs84=-87,-98,-121 +type=crs", ""},
        {"UTM 61N", "", "UTM 61N: no such UTM zone (zones are 1 to 60, N or S)"},
        {"EPSG:4978", "", "EPSG:4978: not a map grid (neither projected nor latitude/longitude)"},
        {"topografic", "",
         "topografic: unknown grid; give graticule, topographic, chart, a UTM zone (UTM 32N) or "
         "a coordinate reference system (EPSG:32632)"},
        {"", "", "no grid given"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        std::string error;
        const std::optional<GridModel> model = GridModel::Parse(row.text, &error);
        EXPECT_EQ(model ? model->Name() : "", row.name);
        EXPECT_EQ(error, row.error);
        if (model) {
            EXPECT_EQ(GridModel::Parse(model->Name(), nullptr), model);
        }
    }
}

// A 40 km UTM sheet at 60 N, 2.5 m to the pixel: corners and centre, the grid metres exactly
// linear in the pixels.
std::vector<CalibrationPoint> SheetPoints(double centreOffEastMetres) {
    const auto utm = map::ProjTransform::Make("EPSG:32632", map::kWgs84, nullptr);
    std::vector<CalibrationPoint> points;
    for (const auto& [col, row] :
         {std::pair{0, 0}, {16000, 0}, {0, 16000}, {16000, 16000}, {8000, 8000}}) {
        MapPos geo(480000 + col * 2.5, 6673000 - row * 2.5);
        if (col == 8000)
            geo.x += centreOffEastMetres;
        EXPECT_TRUE(utm->Forward(geo));
        points.push_back({MapPos(col, row), geo});
    }
    return points;
}

TEST(GridModelTest, LeastSquaresShowsTheMisreadPoint) {
    // The centre read 20 m off: least squares through four corners and the centre leaves it
    // 0.8 of the miss, each corner 0.2 (the centre's share of the fit), RMS sqrt(64) = 8 per 20.
    const std::vector<CalibrationPoint> points = SheetPoints(20);
    const auto fit = map::GridGeoreference::Fit({GridKind::Named, "EPSG:32632"}, points, nullptr);
    ASSERT_TRUE(fit);
    const double scale = 1 / 0.9996; // grid metres to ground metres on the central meridian
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_NEAR(fit->ResidualsMetres()[i], 4 * scale, 0.01);
    EXPECT_NEAR(fit->ResidualsMetres()[4], 16 * scale, 0.01);
    EXPECT_NEAR(fit->RmsMetres(), 8 * scale, 0.01);

    // The lat/lon affine misses a 40 km sheet at 60 N by hundreds of metres; a fit on the
    // sheet's own grid is as good as the topographic one.
    EXPECT_EQ(map::BetterModel(kGraticule, points), kTopographic);
    EXPECT_EQ(map::BetterModel({GridKind::Named, "EPSG:32632"}, points), std::nullopt);
    EXPECT_EQ(map::BetterModel(kGraticule, std::span(points).first(3)), std::nullopt);
}

TEST(GridModelTest, LeavingEachPointOutShowsTheOneTypedWrong) {
    // Points of the 40 km UTM sheet, one typed `metres` east of the truth: least squares spreads
    // the error over all of them, left out it shows in full. 'x' marks a point to check.
    using Layout = std::vector<std::pair<int, int>>;
    const Layout square{{0, 0}, {16000, 0}, {0, 16000}, {16000, 16000}, {8000, 8000}};
    const Layout pentagon{{8000, 800}, {15200, 6000}, {12400, 14400}, {3600, 14400}, {800, 6000}};
    const struct {
        Layout layout;
        std::size_t wrong;
        double metres;
        const char* marked;
        const char* fit; // after the RMS
    } rows[] = {
        // A corner's diagonal opposite explains the others as well.
        {square, 3, 50, "x..x.",
         "; check points 1 and 4: the others agree without any one of them"},
        {square, 4, 50, "....x", "; check point 5: the others agree without it"},
        {pentagon, 0, 50, "x....", "; check point 1: the others agree without it"},
        {pentagon, 0, 1.5, ".....", ""},                                 // reading error
        {Layout(square.begin(), square.begin() + 4), 3, 50, "....", ""}, // four miss alike
    };
    const GridModel utm{GridKind::Named, "EPSG:32632"};
    const auto proj = map::ProjTransform::Make("EPSG:32632", map::kWgs84, nullptr);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.marked);
        std::vector<CalibrationPoint> points;
        for (const auto& [col, line] : row.layout) {
            MapPos geo(480000 + col * 2.5 + (points.size() == row.wrong ? row.metres : 0),
                       6673000 - line * 2.5);
            ASSERT_TRUE(proj->Forward(geo));
            points.push_back({MapPos(col, line), geo});
        }
        const map::FitReport report =
            map::ReportFit(*map::GridGeoreference::Fit(utm, points, nullptr), utm, points);
        std::string marked;
        for (const calib::PairCheck& check : report.points)
            marked += check.suspect ? 'x' : '.';
        EXPECT_EQ(marked, row.marked);
        // Ground metres: the grid's scale on the sheet is within 0.1 % of one.
        EXPECT_NEAR(report.points[row.wrong].leftOutMetres.value(), row.metres, row.metres / 1e3);
        EXPECT_LT(*report.points[row.wrong].missMetres, row.metres);
        EXPECT_EQ(map::DescribeFit(report),
                  "RMS " + base::FormatFixed(*report.rmsMetres, 1) + " m" + row.fit);
    }
}

TEST(GridModelTest, WorldFileAffine) {
    // The sheet above as a world file gives it: the upper left pixel's centre 1.25 m in.
    const std::array<double, 6> world{2.5, 0, 0, -2.5, 480001.25, 6672998.75};
    std::string error;
    const auto sheet = map::GridGeoreference::FromAffine("EPSG:32632", world, &error);
    ASSERT_TRUE(sheet) << error;
    EXPECT_EQ(sheet->WorldFile(), world);
    for (const CalibrationPoint& p : SheetPoints(0)) {
        EXPECT_LT(map::GroundMetres(sheet->ToGeo(p.pixel), p.geo), 1e-3);
        EXPECT_LT(
            std::hypot(sheet->ToPixel(p.geo).x - p.pixel.x, sheet->ToPixel(p.geo).y - p.pixel.y),
            1e-3);
    }
    EXPECT_FALSE(map::GridGeoreference::FromAffine("EPSG:32632", {2.5, 0, 5, 0, 1, 1}, &error));
    EXPECT_EQ(error, "the affine cannot be inverted (its pixels have no area)");
}

TEST(GridModelTest, SheetAcrossThe180thMeridian) {
    // 10 km across, calibrated at three corners: the fourth within metres, not half a world.
    const std::vector<CalibrationPoint> points{{MapPos(0, 0), MapPos(179.95, -16.5)},
                                               {MapPos(1000, 0), MapPos(-179.95, -16.5)},
                                               {MapPos(0, 1000), MapPos(179.95, -16.6)}};
    for (const GridModel& model : {kTopographic, GridModel{GridKind::Chart, {}}}) {
        const auto fit = map::GridGeoreference::Fit(model, points, nullptr);
        ASSERT_TRUE(fit);
        EXPECT_LT(map::GroundMetres(fit->ToGeo(MapPos(1000, 1000)), MapPos(-179.95, -16.6)), 10);
    }
}

TEST(GridModelTest, RefusedCalibrations) {
    const std::vector<CalibrationPoint> good = SheetPoints(0);
    const auto with = [&](std::size_t i, MapPos pixel, MapPos geo) {
        std::vector<CalibrationPoint> points(good.begin(), good.begin() + 3);
        points[i] = {pixel, geo};
        return points;
    };
    // Each refusal's message says which points and why.
    const std::pair<std::vector<CalibrationPoint>, std::string> rows[] = {
        {{good[0], good[1]}, "at least three calibration points are needed, 2 given"},
        {with(2, MapPos(NAN, 3), good[2].geo),
         "calibration point 3 holds a number that is not finite"},
        {with(1, good[1].pixel, MapPos(10, 91)),
         "calibration point 2 is off the earth "
         "(latitude beyond 90 or longitude beyond 180 degrees)"},
        {with(2, good[0].pixel, good[2].geo), "calibration points 1 and 3 are too close together"},
        {with(2, good[2].pixel, good[0].geo), "calibration points 1 and 3 are too close together"},
        {with(2, MapPos(32000, 0), good[2].geo),
         "the calibration points lie on one line of the image"},
        {{good[0], {good[1].pixel, good[3].geo}, {good[2].pixel, good[4].geo}},
         "the positions of the calibration points lie on one line"},
    };
    std::string error;
    for (const auto& [points, message] : rows) {
        EXPECT_FALSE(map::GridGeoreference::Fit(kTopographic, points, &error));
        EXPECT_EQ(error, message);
    }
    EXPECT_FALSE(map::GridGeoreference::Fit({GridKind::Named, "EPSG:99999"}, good, &error));
    EXPECT_EQ(error, "EPSG:99999: unknown coordinate reference system");
}

} // namespace
