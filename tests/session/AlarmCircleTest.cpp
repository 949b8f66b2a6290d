// The alarm circle's rule over runs of fixes: the grace, the two kinds, silencing and
// re-arming.
#include "session/AlarmCircle.h"

#include "geo/RangeBearing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using session::AlarmCircle;
using session::AlarmWatch;

constexpr double kTap = -1.0; // a tap on the notice instead of a fix
const MapPos kCentre(10.0, 50.0);

// A fix metres north of the centre.
MapPos North(double metres) {
    return MapPos(kCentre.x, kCentre.y + metres / (calib::kEarthRadiusMetres * calib::kPi / 180.0));
}

TEST(AlarmCircleTest, FixSequenceTable) {
    using Kind = AlarmCircle::Kind;
    struct Row {
        const char* legend;
        Kind kind;
        int grace;
        std::vector<double> steps; // metres from the centre, or kTap
        std::string started;       // per step: S where the alarm starts sounding, . elsewhere
        bool soundingAtEnd;
    };
    const Row rows[] = {
        {"inside stays quiet", Kind::Leave, 3, {10, 49, 49.9}, "...", false},
        {"one jump out is forgiven", Kind::Leave, 3, {10, 400, 10, 400, 400, 10}, "......", false},
        {"three out in a row sound", Kind::Leave, 3, {10, 60, 70, 80, 90}, "...S.", true},
        {"back inside does not stop it", Kind::Leave, 2, {60, 60, 10, 10}, ".S..", true},
        {"a tap silences while still out",
         Kind::Leave,
         2,
         {60, 60, kTap, 60, 60, 60},
         ".S....",
         false},
        {"after a tap, back in and out again re-arms",
         Kind::Leave,
         2,
         {60, 60, kTap, 10, 60, 60},
         ".S...S",
         true},
        {"a point to keep off sounds inside", Kind::Enter, 2, {200, 40, 30, 20}, "..S.", true},
        {"passing its edge once is forgiven",
         Kind::Enter,
         2,
         {200, 40, 200, 40, 200},
         ".....",
         false},
        {"a tap with nothing sounding does nothing", Kind::Leave, 2, {kTap, 60, 60}, "..S", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        AlarmWatch watch;
        watch.Set(AlarmCircle{row.kind, kCentre, 50.0, row.grace});
        std::string started;
        for (const double step : row.steps) {
            if (step == kTap) {
                watch.Silence();
                started += '.';
                continue;
            }
            started += watch.Add(North(step)) ? 'S' : '.';
            EXPECT_NEAR(*watch.DistanceM(), step, 0.01);
        }
        EXPECT_EQ(started, row.started);
        EXPECT_EQ(watch.Sounding(), row.soundingAtEnd);
    }
}

} // namespace
