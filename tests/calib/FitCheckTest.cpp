// Removing a calibration pair, and the fit's miss of each pair and of a known position.
#include "calib/FitCheck.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using calib::CGPSMapFuncs;

// 0.001 degree a pixel, north up, top-left corner at (1 E, 52 N) on a 1000-row image.
const MapPos kPlane[] = {MapPos(0, 1000), MapPos(1000, 1000), MapPos(0, 0), MapPos(500, 500)};
const MapPos kGeo[] = {MapPos(1.0, 52.0), MapPos(2.0, 52.0), MapPos(1.0, 51.0), MapPos(1.5, 51.5)};

CGPSMapFuncs WithPairs(std::initializer_list<int> pairs) {
    CGPSMapFuncs c;
    for (int i : pairs)
        c.AddCalibrationPoint(kPlane[i], kGeo[i]);
    return c;
}

TEST(RemoveCalibrationPair, LeavesTheOthersInOrderAndRefitsOnlyWithThree) {
    const struct {
        const char* legend;
        std::initializer_list<int> held;
        std::size_t remove;
        std::initializer_list<int> left;
        bool fitted;
    } rows[] = {
        {"middle of three", {0, 1, 2}, 1, {0, 2}, false},
        {"oldest of three", {0, 1, 2}, 0, {1, 2}, false},
        {"only pair", {3}, 0, {}, false},
    };
    for (const auto& row : rows) {
        CGPSMapFuncs c = WithPairs(row.held);
        c.SetMagVar(-2.5);
        const CGPSMapFuncs before = c;
        ASSERT_TRUE(c.RemoveCalibrationPair(row.remove)) << row.legend;
        std::vector<MapPos> expected;
        for (int i : row.left)
            expected.insert(expected.end(), {kPlane[i], kGeo[i]});
        EXPECT_EQ(c.GetCalibrationPoints(), expected) << row.legend;
        EXPECT_EQ(c.IsCalibrated(), row.fitted) << row.legend;
        // Drawn as the file now reads: without a transform. The numbers and the variation stay.
        EXPECT_EQ(c.HasTransform(), row.fitted) << row.legend;
        EXPECT_EQ(c.GetA(), before.GetA()) << row.legend;
        EXPECT_EQ(c.GetF(), before.GetF()) << row.legend;
        EXPECT_EQ(c.GetMagVar(), -2.5) << row.legend;
        EXPECT_FALSE(c.RemoveCalibrationPair(row.left.size())) << row.legend;
    }
    // Back to three after a removal: the fit runs again through the three held.
    CGPSMapFuncs c = WithPairs({0, 1, 3});
    ASSERT_TRUE(c.RemoveCalibrationPair(2));
    c.AddCalibrationPoint(kPlane[2], kGeo[2]);
    EXPECT_TRUE(c.IsCalibrated());
    EXPECT_NEAR(c.PlaneToGeo(MapPos(500, 500)).x, 1.5, 1e-12);
}

TEST(CheckPairs, AnExactFitMissesNothingAndNoFitHasNoMiss) {
    const CGPSMapFuncs exact = WithPairs({0, 1, 2});
    const std::vector<calib::PairCheck> pairs = calib::CheckPairs(exact, 1000);
    ASSERT_EQ(pairs.size(), 3u);
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        EXPECT_EQ(pairs[i].pixel, MapPos(kPlane[i].x, 1000 - kPlane[i].y)) << i;
        EXPECT_EQ(pairs[i].geo, kGeo[i]) << i;
        ASSERT_TRUE(pairs[i].missMetres) << i;
        EXPECT_LT(*pairs[i].missMetres, 0.001) << i;
    }
    // Two pairs, added or left by a removal, have no transform to miss by.
    CGPSMapFuncs removed = exact;
    ASSERT_TRUE(removed.RemoveCalibrationPair(0));
    for (const CGPSMapFuncs& c : {WithPairs({0, 1}), removed}) {
        const std::vector<calib::PairCheck> unfitted = calib::CheckPairs(c, 1000);
        ASSERT_EQ(unfitted.size(), 2u);
        EXPECT_FALSE(unfitted[0].missMetres);
        EXPECT_FALSE(calib::CheckPosition(c, MapPos(500, 500), 1000, kGeo[3]));
    }
}

TEST(CheckPosition, IsTheRangeAndBearingFromTheFitToTheTruth) {
    CGPSMapFuncs c = WithPairs({0, 1, 2});
    c.SetMagVar(3.0);
    const struct {
        MapPos pixel;
        MapPos truth;
    } rows[] = {
        {MapPos(500, 500), MapPos(1.5, 51.5)},       // on the fit
        {MapPos(500, 500), MapPos(1.5, 51.501)},     // north of it
        {MapPos(250, 750), MapPos(1.2490, 51.2495)}, // south-west
    };
    for (const auto& row : rows) {
        const calib::RangeBearing miss = *calib::CheckPosition(c, row.pixel, 1000, row.truth);
        const calib::RangeBearing expected =
            calib::RangeAndBearing(c.PixelToGeo(row.pixel, 1000), row.truth, 3.0);
        EXPECT_DOUBLE_EQ(miss.distance, expected.distance);
        EXPECT_DOUBLE_EQ(miss.trueBearing, expected.trueBearing);
        EXPECT_DOUBLE_EQ(miss.magneticBearing, expected.magneticBearing);
    }
    EXPECT_NEAR(calib::CheckPosition(c, MapPos(500, 500), 1000, MapPos(1.5, 51.501))->trueBearing,
                0.0, 1e-6);
}

} // namespace
