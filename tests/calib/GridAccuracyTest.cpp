// How far each grid model is from the truth on perfect scans of real sheets, the truth from
// PROJ's cs2cs run as a second process (one run per sheet).

#include "calib/CGPSMapFuncs.h"
#include "calib/GridModel.h"
#include "calib/HandheldGeoreference.h"
#include "support/Cs2cs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using map::GridKind;
using map::GridModel;

struct Sheet {
    const char* legend;
    const char* crs;
    double east, north; // the sheet's centre in its grid
    bool chart = false; // Mercator: the chart model's sheet, not the topographic one's
};

const Sheet kSheets[] = {
    {"UTM 32N at 10N", "EPSG:32632", 500000, 1105000},
    {"UTM 32N at 45N", "EPSG:32632", 500000, 4983000},
    {"UTM 32N at 60N", "EPSG:32632", 500000, 6653000},
    {"UTM 32N at its zone edge, 45N 11.8E", "EPSG:32632", 720000, 4983000},
    {"Lambert-93 near Paris", "EPSG:2154", 652000, 6862000},
    {"Swiss grid at Bern", "EPSG:2056", 2600000, 1200000},
    {"Mercator chart at 45N", "EPSG:3395", 1000000, 5591000, true},
};

constexpr int kSteps = 40;              // 41 x 41 points over the sheet
constexpr double kMetresPerPixel = 2.5; // a 1:25 000 sheet at about 250 dpi

// The largest miss over the sheet of a model, metres: pixel to position against the truth, and
// the truth back to pixels (single and batched), the pixel miss measured on the sheet.
double LargestError(const map::Georeference& model, const map::GridGeoreference* batched,
                    const std::vector<MapPos>& pixels, const std::vector<MapPos>& truth) {
    std::vector<MapPos> back = truth;
    if (batched != nullptr)
        batched->ToPixels(back);
    else
        back = pixels;
    double worst = 0;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const MapPos p = model.ToPixel(truth[i]);
        for (const double miss :
             {map::GroundMetres(model.ToGeo(pixels[i]), truth[i]),
              std::hypot(p.x - pixels[i].x, p.y - pixels[i].y) * kMetresPerPixel,
              std::hypot(back[i].x - pixels[i].x, back[i].y - pixels[i].y) * kMetresPerPixel})
            worst = std::max(worst, std::isnan(miss) ? INFINITY : miss);
    }
    return worst;
}

TEST(GridAccuracyTest, PerfectScansCalibratedAtThreeCorners) {
    for (const Sheet& sheet : kSheets) {
        for (const double km : {10.0, 20.0, 40.0}) {
            SCOPED_TRACE(std::string(sheet.legend) + ", " + std::to_string(int(km)) + " km");
            const double size = km * 1000;
            const double pixelsHigh = size / kMetresPerPixel;
            std::vector<testsupport::Pair> grid;
            std::vector<MapPos> pixels;
            for (int row = 0; row <= kSteps; ++row) {
                for (int col = 0; col <= kSteps; ++col) {
                    grid.push_back({sheet.east + size * (col / double(kSteps) - 0.5),
                                    sheet.north + size * (0.5 - row / double(kSteps))});
                    pixels.emplace_back(col * pixelsHigh / kSteps, row * pixelsHigh / kSteps);
                }
            }
            std::vector<MapPos> truth;
            for (const auto& latLon : testsupport::Cs2cs(sheet.crs, "EPSG:4326", grid))
                truth.emplace_back(latLon[1], latLon[0]);

            // Upper left, upper right and lower left corners, as a user picks them.
            std::vector<map::CalibrationPoint> corners;
            calib::CGPSMapFuncs handheld;
            for (const std::size_t i :
                 {std::size_t{0}, std::size_t{kSteps}, std::size_t{kSteps * (kSteps + 1)}}) {
                corners.push_back({pixels[i], truth[i]});
                handheld.AddCalibrationPoint(MapPos(pixels[i].x, pixelsHigh - pixels[i].y),
                                             truth[i]);
            }
            const map::HandheldGeoreference today(handheld, static_cast<int>(pixelsHigh));
            const double graticule = LargestError(today, nullptr, pixels, truth);

            double errors[4] = {};
            const GridModel models[4] = {{GridKind::Graticule, {}},
                                         {GridKind::Topographic, {}},
                                         {GridKind::Chart, {}},
                                         {GridKind::Named, sheet.crs}};
            for (int m = 0; m < 4; ++m) {
                std::string error;
                const auto fit = map::GridGeoreference::Fit(models[m], corners, &error);
                ASSERT_TRUE(fit) << error;
                errors[m] = LargestError(*fit, &*fit, pixels, truth);
                EXPECT_LT(fit->RmsMetres(), 0.01) << models[m].Name();
            }
            std::printf("%-40s %2.0f km  handheld %8.2f  graticule %8.2f  topographic %6.2f  "
                        "chart %9.2f  named %5.3f m\n",
                        sheet.legend, km, graticule, errors[0], errors[1], errors[2], errors[3]);
            EXPECT_NEAR(errors[0], graticule, 0.01 + graticule * 1e-6);
            if (sheet.chart) {
                EXPECT_LT(errors[2], 0.5);
            } else if (km == 20) {
                EXPECT_LT(errors[1], 3.0);
            }
            EXPECT_LT(errors[3], 0.05);
        }
    }
}

} // namespace
