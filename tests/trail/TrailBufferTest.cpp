#include "trail/TrailBuffer.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "TrailTestSupport.h"
#include "geo/RangeBearing.h"

namespace {

using trail::TrailBuffer;

// A position `metres` north of 45 N 10 E along the meridian.
MapPos North(double metres) {
    return MapPos(10.0, 45.0 + metres / (calib::kEarthRadiusMetres * calib::kDegreesToRadians));
}

TEST(TrailBuffer, RecordKeepsAPositionOnlyMinDeltaFromTheNewestKept) {
    // Fixes 2 m apart with a 5 m minimum: every third is kept, the one 6 m from the last kept.
    TrailBuffer trail;
    std::vector<int> kept;
    for (int i = 0; i <= 9; ++i) {
        if (trail.Record(North(2.0 * i), 5.0, 250))
            kept.push_back(i);
    }
    EXPECT_EQ(kept, (std::vector<int>{0, 3, 6, 9}));
    EXPECT_EQ(SamplesOf(trail), (std::vector<MapPos>{North(18), North(12), North(6), North(0)}));
}

TEST(TrailBuffer, RecordEdgeCases) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        const char* legend;
        int heldBefore; // positions 100 m apart already in the store
        bool breakOnTop;
        MapPos offered;
        double minDelta;
        std::int32_t maxLength;
        bool added;
        std::size_t countAfter;
    };
    const Row rows[] = {
        {"empty store takes any position", 0, false, North(0), 1e9, 250, true, 1},
        {"empty store with length 0 keeps the one position", 0, false, North(0), 5, 0, true, 1},
        {"length 0 empties a store that holds anything", 3, false, North(1000), 5, 0, true, 0},
        {"length 1 keeps only the newest", 3, false, North(1000), 5, 1, true, 1},
        {"full store stays full", 250, false, North(1e5), 5, 250, true, 250},
        {"too close: nothing changes", 3, false, North(200 + 4.9), 5, 250, false, 3},
        {"5 m against a 4.999999 m minimum", 3, false, North(200 + 5), 4.999999, 250, true, 4},
        {"after a break any real position is far", 3, true, North(200), 5, 250, true, 5},
        {"a full store plus a break is trimmed back", 250, true, North(1e5), 5, 250, true, 250},
        {"NaN minimum distance records nothing", 3, false, North(1e5), nan, 250, false, 3},
        {"negative length counts as 0", 3, false, North(1e5), 5, -1, true, 0},
    };
    for (const Row& row : rows) {
        TrailBuffer trail;
        for (int i = 0; i < row.heldBefore; ++i)
            trail.AddFront(North(100.0 * i));
        if (row.breakOnTop)
            trail.AddBreak();
        EXPECT_EQ(trail.Record(row.offered, row.minDelta, row.maxLength), row.added) << row.legend;
        EXPECT_EQ(trail.Count(), row.countAfter) << row.legend;
        if (row.added && row.countAfter > 0) {
            EXPECT_EQ(*trail.NewestToOldest().begin(), row.offered) << row.legend;
        }
    }
}

TEST(TrailBuffer, BreaksAreSamplesAndWalksRunBothWays) {
    TrailBuffer trail;
    trail.AddBreak(); // as turning Track on leaves it
    trail.Record(North(0), 5, 3);
    trail.Record(North(10), 5, 3);
    trail.AddBreak();
    trail.AddBreak();
    EXPECT_EQ(trail.Count(), 5u) << "AddBreak never trims";
    const MapPos gap;
    EXPECT_EQ(SamplesOf(trail), (std::vector<MapPos>{gap, gap, North(10), North(0), gap}));
    const auto walk = trail.OldestToNewest();
    EXPECT_EQ((std::vector<MapPos>(walk.begin(), walk.end())),
              (std::vector<MapPos>{gap, North(0), North(10), gap, gap}));

    trail.Record(North(20), 5, 3);
    EXPECT_EQ(SamplesOf(trail), (std::vector<MapPos>{North(20), gap, gap}));

    trail.Clear();
    EXPECT_TRUE(trail.Empty());
    EXPECT_TRUE(trail.Record(North(20), 1e9, 3)) << "after Clear the next position starts anew";
}

} // namespace
