#include "calib/CGPSMapFuncs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

namespace {

using calib::CGPSMapFuncs;
using calib::FitResult;

struct Affine {
    double A, B, C, D, E, F;
    MapPos Apply(const MapPos& p) const {
        return MapPos(A * p.x + C * p.y + E, B * p.x + D * p.y + F);
    }
};

void ExpectParams(const CGPSMapFuncs& c, const Affine& m, double tol) {
    EXPECT_NEAR(c.GetA(), m.A, tol);
    EXPECT_NEAR(c.GetB(), m.B, tol);
    EXPECT_NEAR(c.GetC(), m.C, tol);
    EXPECT_NEAR(c.GetD(), m.D, tol);
    EXPECT_NEAR(c.GetE(), m.E, tol * 1e4);
    EXPECT_NEAR(c.GetF(), m.F, tol * 1e4);
}

TEST(CGPSMapFuncsTest, NewObjectMapping) {
    const CGPSMapFuncs c;
    EXPECT_FALSE(c.IsCalibrated());
    EXPECT_EQ(c.GetFitResult(), FitResult::TooFewPairs);
    EXPECT_EQ(c.PlaneToGeo(MapPos(0, 0)), MapPos(0.0, 52.0));
    const MapPos geo = c.PlaneToGeo(MapPos(200, 100));
    EXPECT_DOUBLE_EQ(geo.y, 53.0);
    EXPECT_DOUBLE_EQ(geo.x, 2.0);
    const MapPos back = c.GeoToPlane(geo);
    EXPECT_NEAR(back.x, 200, 1e-9);
    EXPECT_NEAR(back.y, 100, 1e-9);
    // Image row 0 of a 480-pixel image is plane y 480.
    const MapPos topLeft = c.PixelToGeo(MapPos(0, 0), 480);
    EXPECT_DOUBLE_EQ(topLeft.y, 52.0 + 4.8);
    const MapPos pixel = c.GeoToPixel(MapPos(1.0, 52.0), 480);
    EXPECT_NEAR(pixel.x, 100, 1e-9);
    EXPECT_NEAR(pixel.y, 480, 1e-9);
}

// Each row gives three image points; the geographic points come from a fixed affine map, and
// the fit must reproduce it through all three pairs.
TEST(CGPSMapFuncsTest, FitThroughThreePairs) {
    struct Row {
        const char* legend;
        MapPos p1, p2, p3;
        Affine map;
    };
    const Affine northUp{0.0015625, 0, 0, 0.00125, -0.25, 50.9};
    const Affine turned90{0, -0.001, 0.002, 0, 7.5, 45.0}; // D = 0: latitude follows x only
    const Affine sheared{0.001, 0.0002, -0.0003, 0.0009, 13.1, -33.2};
    const Row rows[] = {
        {"general points", {10, 20}, {500, 300}, {100, 450}, sheared},
        {"first two on one row", {0, 480}, {640, 480}, {0, 0}, northUp},
        {"first two on one row, sheared", {15, 100}, {400, 100}, {250, 350}, sheared},
        {"first two on one column", {50, 0}, {50, 300}, {400, 10}, sheared},
        {"map turned by 90 degrees", {10, 20}, {500, 300}, {100, 450}, turned90},
        {"turned, first two on one row", {10, 20}, {500, 20}, {100, 450}, turned90},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        CGPSMapFuncs c;
        EXPECT_EQ(c.AddCalibrationPoint(row.p1, row.map.Apply(row.p1)), FitResult::TooFewPairs);
        EXPECT_EQ(c.AddCalibrationPoint(row.p2, row.map.Apply(row.p2)), FitResult::TooFewPairs);
        EXPECT_EQ(c.AddCalibrationPoint(row.p3, row.map.Apply(row.p3)), FitResult::Fitted);
        EXPECT_TRUE(c.IsCalibrated());
        ExpectParams(c, row.map, 1e-12);
        for (const MapPos& p : {row.p1, row.p2, row.p3}) {
            const MapPos q = c.PlaneToGeo(p);
            const MapPos expected = row.map.Apply(p);
            EXPECT_NEAR(q.x, expected.x, 1e-10);
            EXPECT_NEAR(q.y, expected.y, 1e-10);
            const MapPos back = c.GeoToPlane(expected);
            EXPECT_NEAR(back.x, p.x, 1e-6);
            EXPECT_NEAR(back.y, p.y, 1e-6);
        }
    }
}

// Points that admit no (invertible) affine map leave A..F as they were and say why.
TEST(CGPSMapFuncsTest, DegeneratePointsKeepParameters) {
    const double nan = std::nan("");
    const double inf = INFINITY;
    struct Row {
        const char* legend;
        MapPos p[3], q[3];
        FitResult expected;
    };
    const Row rows[] = {
        {"image points on one row",
         {{0, 10}, {100, 10}, {300, 10}},
         {{1, 50}, {2, 50}, {1, 51}},
         FitResult::CollinearImagePoints},
        {"image points on a diagonal",
         {{0, 0}, {100, 100}, {250, 250}},
         {{1, 50}, {2, 50}, {1, 51}},
         FitResult::CollinearImagePoints},
        {"two image points equal",
         {{30, 40}, {300, 10}, {30, 40}},
         {{1, 50}, {2, 50}, {1, 51}},
         FitResult::CollinearImagePoints},
        {"positions on one meridian",
         {{0, 0}, {100, 0}, {0, 100}},
         {{1, 50}, {1, 51}, {1, 52}},
         FitResult::CollinearGeoPoints},
        {"a NaN latitude",
         {{0, 0}, {100, 0}, {0, 100}},
         {{1, 50}, {2, 50}, {1, nan}},
         FitResult::NonFinite},
        {"an infinite column",
         {{0, 0}, {100, 0}, {inf, 100}},
         {{1, 50}, {2, 50}, {1, 52}},
         FitResult::NonFinite},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        CGPSMapFuncs c;
        // Start from a real calibration so "unchanged" is not just the initial values.
        const Affine before{0.001, 0.0001, 0.0002, 0.002, 3.0, 40.0};
        const MapPos corners[] = {MapPos(0, 0), MapPos(100, 0), MapPos(0, 100)};
        for (const MapPos& p : corners)
            c.AddCalibrationPoint(p, before.Apply(p));
        c.AddCalibrationPoint(row.p[0], row.q[0]);
        c.AddCalibrationPoint(row.p[1], row.q[1]);
        ASSERT_TRUE(c.IsCalibrated());
        const CGPSMapFuncs fitted = c;
        EXPECT_EQ(c.AddCalibrationPoint(row.p[2], row.q[2]), row.expected);
        EXPECT_EQ(c.GetFitResult(), row.expected);
        EXPECT_FALSE(c.IsCalibrated());
        EXPECT_FALSE(calib::DescribeFitResult(row.expected).empty());
        for (auto get : {&CGPSMapFuncs::GetA, &CGPSMapFuncs::GetB, &CGPSMapFuncs::GetC,
                         &CGPSMapFuncs::GetD, &CGPSMapFuncs::GetE, &CGPSMapFuncs::GetF})
            EXPECT_EQ((c.*get)(), (fitted.*get)());
    }
}

TEST(CGPSMapFuncsTest, PairsAreKeptNewestThree) {
    const Affine first{0.001, 0, 0, 0.001, 5, 50};
    const Affine second{0.002, 0.0001, -0.0001, 0.003, -7, 20};
    CGPSMapFuncs c;
    const CGPSMapFuncs initial;
    c.AddCalibrationPoint(MapPos(1, 2), first.Apply(MapPos(1, 2)));
    c.AddCalibrationPoint(MapPos(300, 2), first.Apply(MapPos(300, 2)));
    EXPECT_EQ(c.GetA(), initial.GetA()); // one or two pairs: parameters untouched
    EXPECT_EQ(c.GetF(), initial.GetF());
    c.AddCalibrationPoint(MapPos(1, 400), first.Apply(MapPos(1, 400)));
    ExpectParams(c, first, 1e-12);

    // The fourth pair pushes out the first; the fit then uses pairs 2, 3 and 4. Pair 4 comes
    // from another map, so the result is neither map unless the oldest pair really left.
    const MapPos p4(250, 250);
    c.AddCalibrationPoint(p4, second.Apply(p4));
    const auto& points = c.GetCalibrationPoints();
    ASSERT_EQ(points.size(), 6u);
    EXPECT_EQ(points[0], MapPos(300, 2));
    EXPECT_EQ(points[4], p4);
    const MapPos kept[] = {MapPos(300, 2), MapPos(1, 400)};
    for (const MapPos& p : kept) {
        const MapPos q = c.PlaneToGeo(p);
        EXPECT_NEAR(q.x, first.Apply(p).x, 1e-10);
        EXPECT_NEAR(q.y, first.Apply(p).y, 1e-10);
    }
    EXPECT_NEAR(c.PlaneToGeo(p4).x, second.Apply(p4).x, 1e-10);
    EXPECT_NEAR(c.PlaneToGeo(p4).y, second.Apply(p4).y, 1e-10);
}

// Random non-degenerate affine maps: three pairs are reproduced, and GeoToPlane inverts
// PlaneToGeo to 1e-6 pixel anywhere on a large image. A quarter of the cases put the first two
// points on one row, which the plain elimination cannot fit.
TEST(CGPSMapFuncsTest, RandomAffineMapsProperty) {
    std::mt19937_64 rng(20261208);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    auto uniform = [&](double lo, double hi) { return lo + (hi - lo) * unit(rng); };
    for (int trial = 0; trial < 2000; ++trial) {
        SCOPED_TRACE(trial);
        const double scale = std::pow(10.0, uniform(-5.5, -2.0)); // degrees per pixel
        const double angle = uniform(0.0, 2 * std::numbers::pi);
        const double stretch = uniform(0.5, 2.0);
        const double shear = uniform(-0.3, 0.3);
        const Affine map{scale * std::cos(angle),
                         scale * std::sin(angle),
                         scale * stretch * (shear * std::cos(angle) - std::sin(angle)),
                         scale * stretch * (shear * std::sin(angle) + std::cos(angle)),
                         uniform(-180, 180),
                         uniform(-80, 80)};
        MapPos p[3];
        do {
            for (MapPos& point : p)
                point = MapPos(std::round(uniform(0, 20000)), std::round(uniform(0, 20000)));
            if (trial % 4 == 0)
                p[1].y = p[0].y;
        } while (std::fabs((p[1].x - p[0].x) * (p[2].y - p[0].y) -
                           (p[2].x - p[0].x) * (p[1].y - p[0].y)) < 1e6);

        CGPSMapFuncs c;
        for (const MapPos& point : p)
            c.AddCalibrationPoint(point, map.Apply(point));
        ASSERT_EQ(c.GetFitResult(), FitResult::Fitted);
        for (const MapPos& point : p) {
            const MapPos q = c.PlaneToGeo(point);
            ASSERT_NEAR(q.x, map.Apply(point).x, 1e-9);
            ASSERT_NEAR(q.y, map.Apply(point).y, 1e-9);
            const MapPos back = c.GeoToPlane(map.Apply(point));
            ASSERT_NEAR(back.x, point.x, 1e-6);
            ASSERT_NEAR(back.y, point.y, 1e-6);
        }
        const MapPos any(uniform(-5000, 25000), uniform(-5000, 25000));
        const MapPos roundTrip = c.GeoToPlane(c.PlaneToGeo(any));
        ASSERT_NEAR(roundTrip.x, any.x, 1e-6);
        ASSERT_NEAR(roundTrip.y, any.y, 1e-6);
        const MapPos pixel = c.GeoToPixel(c.PixelToGeo(any, 20000), 20000);
        ASSERT_NEAR(pixel.x, any.x, 1e-6);
        ASSERT_NEAR(pixel.y, any.y, 1e-6);
    }
}

TEST(CGPSMapFuncsTest, RangeAndBearingUsesVariation) {
    CGPSMapFuncs c;
    EXPECT_EQ(c.RangeAndBearing(MapPos(0, 0), MapPos(1, 0)).magneticBearing,
              c.RangeAndBearing(MapPos(0, 0), MapPos(1, 0)).trueBearing);
    c.SetMagVar(5.0);
    EXPECT_EQ(c.GetMagVar(), 5.0);
    const auto rb = c.RangeAndBearing(MapPos(0, 0), MapPos(1, 0));
    EXPECT_NEAR(rb.trueBearing, 90.0, 1e-9);
    EXPECT_NEAR(rb.magneticBearing, 85.0, 1e-9);
}

} // namespace
