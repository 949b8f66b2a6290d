#include "calib/PolynomialFit.h"
#include "calib/ThinPlateSpline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace {

const std::vector<MapPos> kSpread{{50, 60}, {950, 740}, {940, 70}, {60, 730}, {500, 50}, {40, 400}};

std::vector<MapPos> OnCircle() {
    std::vector<MapPos> pixels;
    for (int i = 0; i < 6; ++i)
        pixels.emplace_back(500 + 300 * std::cos(i * std::numbers::pi / 3),
                            400 + 300 * std::sin(i * std::numbers::pi / 3));
    return pixels;
}

struct Case {
    const char* legend;
    std::vector<MapPos> pixels;
    double bend;       // the grid's x: x + bend * (x - 500)^2 / 500, metres from the pixel
    const char* error; // a part of the reason; null when it fits
};

const Case kCases[] = {
    {"a gentle bend, held exactly", kSpread, 0.1, nullptr},
    {"a point given twice",
     {{50, 60}, {950, 740}, {940, 70}, {60, 730}, {500, 50}, {50, 60}},
     0.1,
     "do not determine a polynomial of order 2"},
    {"six points on one circle", OnCircle(), 0.1, "do not determine"},
    {"a bend that shrinks one side tenfold", kSpread, 0.45, "stretches the map"},
    {"a bend that turns back on itself", kSpread, 0.8, "folds the map over"},
};

TEST(PolynomialFit, FitsABendOrRefusesWhatThePointsCannotCarry) {
    const map::PixelArea area{MapPos(0, 0), MapPos(1000, 800)};
    for (const Case& row : kCases) {
        SCOPED_TRACE(row.legend);
        const auto bent = [&](const MapPos& p) {
            return MapPos(4e5 + p.x + row.bend * (p.x - 500) * (p.x - 500) / 500, 5e6 - p.y);
        };
        std::vector<MapPos> grid;
        for (const MapPos& p : row.pixels)
            grid.push_back(bent(p));
        std::string error;
        const auto fit = map::PixelPolynomial::Fit(row.pixels, grid, 2, area, &error);
        ASSERT_EQ(fit.has_value(), row.error == nullptr) << error;
        if (!fit) {
            EXPECT_NE(error.find(row.error), std::string::npos) << error;
            continue;
        }
        for (double x = -200; x <= 1200; x += 100) {
            for (double y = -200; y <= 1000; y += 100) {
                const MapPos at = fit->Apply(MapPos(x, y));
                EXPECT_NEAR(at.x, bent(MapPos(x, y)).x, 1e-6);
                EXPECT_NEAR(at.y, bent(MapPos(x, y)).y, 1e-6);
                const auto back = fit->Invert(at, MapPos(x + 30, y - 30));
                ASSERT_TRUE(back);
                EXPECT_LT(std::hypot(back->x - x, back->y - y), 1e-6);
            }
        }
    }
}

// A thin plate spline passes through every point, is the affine itself where the points lie
// on one (it bends no more than they ask), and refuses points that do not determine it.
TEST(ThinPlateSpline, PassesThroughEveryPointOrRefusesWhatDoesNotDetermineIt) {
    const auto affine = [](const MapPos& p) {
        return MapPos(4e5 + 2 * p.x - 0.5 * p.y, 5e6 - 0.3 * p.x - 2 * p.y);
    };
    const struct {
        const char* legend;
        std::vector<MapPos> pixels;
        double bend; // as in kCases
        bool fits;
    } rows[] = {
        {"an affine", kSpread, 0.0, true},
        {"a bend", kSpread, 0.3, true},
        {"a point given twice", {{50, 60}, {950, 740}, {50, 60}, {60, 730}}, 0.0, false},
        {"all on one line", {{0, 0}, {100, 100}, {200, 200}, {300, 300}}, 0.0, false},
        {"two points", {{0, 0}, {100, 50}}, 0.0, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        const auto bent = [&](const MapPos& p) {
            return affine(MapPos(p.x + row.bend * (p.x - 500) * (p.x - 500) / 500, p.y));
        };
        std::vector<MapPos> grid;
        for (const MapPos& p : row.pixels)
            grid.push_back(bent(p));
        std::string error;
        const auto spline = map::ThinPlateSpline::Fit(row.pixels, grid, &error);
        ASSERT_EQ(spline.has_value(), row.fits) << error;
        if (!spline)
            continue;
        for (std::size_t i = 0; i < grid.size(); ++i) {
            EXPECT_NEAR(spline->Apply(row.pixels[i]).x, grid[i].x, 1e-6);
            EXPECT_NEAR(spline->Apply(row.pixels[i]).y, grid[i].y, 1e-6);
        }
        if (row.bend == 0.0)
            for (const MapPos& p : {MapPos(-200, 900), MapPos(333, 444), MapPos(1200, -100)}) {
                EXPECT_NEAR(spline->Apply(p).x, affine(p).x, 1e-6);
                EXPECT_NEAR(spline->Apply(p).y, affine(p).y, 1e-6);
            }
    }
}

} // namespace
