// The live display's core: units and the scale bar's round lengths, going to a point, the
// trip meter, the arrow's rule, the settings and the panel's words.
#include "session/LiveState.h"
#include "session/LiveText.h"

#include "platform/SettingsStore.h"
#include "session/ViewSettings.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using session::UnitSystem;
constexpr UnitSystem kMetric = UnitSystem::Metric;
constexpr UnitSystem kImperial = UnitSystem::Imperial;
constexpr UnitSystem kNautical = UnitSystem::Nautical;

TEST(LiveTest, UnitTexts) {
    struct Row {
        double value;
        UnitSystem units;
        std::string distance, speed, height;
    };
    const Row rows[] = {
        {850, kMetric, "850 m", "3060.0 km/h", "850 m"},
        {1250, kMetric, "1.25 km", "4500.0 km/h", "1250 m"},
        {12500, kMetric, "12.5 km", "45000.0 km/h", "12500 m"},
        {128, kImperial, "420 ft", "286.3 mph", "420 ft"},
        {20116.8, kImperial, "12.5 mi", "45000.0 mph", "66000 ft"},
        {150, kNautical, "150 m", "291.6 kn", "150 m"},
        {463000, kNautical, "250 NM", "900000.0 kn", "463000 m"},
        {-40, kMetric, "-40 m", "-144.0 km/h", "-40 m"}, // left of the track
        {NAN, kMetric, "unknown", "unknown", "unknown"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.distance);
        EXPECT_EQ(session::FormatDistance(row.value, row.units), row.distance);
        EXPECT_EQ(session::FormatSpeed(row.value, row.units), row.speed);
        EXPECT_EQ(session::FormatHeight(row.value, row.units), row.height);
    }
}

TEST(LiveTest, ScaleBarTakesTheLongestRoundLength) {
    struct Row {
        double maxMetres;
        UnitSystem units;
        double metres;
        std::string text;
    };
    const Row rows[] = {
        {10380, kMetric, 10000, "10 km"},
        {999, kMetric, 500, "500 m"},
        {1000, kMetric, 1000, "1 km"},
        {2999, kMetric, 2000, "2 km"},
        {0.7, kMetric, 0, ""}, // under a metre: no bar
        {1000, kImperial, 2000 * 0.3048, "2000 ft"},
        {9000, kImperial, 5 * 1609.344, "5 mi"},
        {600, kNautical, 0.2 * 1852, "0.2 NM"},
        {100, kNautical, 0.05 * 1852, "0.05 NM"},
        {0, kMetric, 0, ""},
        {INFINITY, kMetric, 0, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.maxMetres);
        const session::ScaleLength length = session::RoundScaleLength(row.maxMetres, row.units);
        EXPECT_NEAR(length.metres, row.metres, 1e-6);
        EXPECT_EQ(length.text, row.text);
    }
}

// A track due north from (0, 0) to (0, 1 N); positions beside it at half way.
TEST(LiveTest, GoToReading) {
    struct Row {
        const char* legend;
        MapPos position; // x longitude, y latitude
        std::optional<double> speed;
        std::optional<double> eta, crossTrack;
        bool arrived;
    };
    const double half = 55597.533; // half a degree of the sphere, metres
    const Row rows[] = {
        {"on the track at 2 m/s", {0, 0.5}, 2.0, half / 2.0, 0.0, false},
        {"east of the track is right", {0.001, 0.5}, std::nullopt, std::nullopt, 111.19, false},
        {"west of the track is left", {-0.001, 0.5}, 0.9, std::nullopt, -111.19, false},
        {"within the radius", {0, 0.9997}, 1.0, 33.4, 0.0, true},
    };
    session::GoToTarget target{"Hut", MapPos(0, 1), MapPos(0, 0), 50.0};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        const session::GoToReading r = session::ReadGoTo(target, row.position, row.speed, 2.0);
        EXPECT_NEAR(r.trueBearing,
                    row.position.x > 0   ? 360 - 0.115
                    : row.position.x < 0 ? 0.115
                                         : 0,
                    0.01);
        EXPECT_NEAR(r.magneticBearing, std::fmod(r.trueBearing - 2.0 + 360.0, 360.0), 1e-9);
        ASSERT_EQ(r.etaSeconds.has_value(), row.eta.has_value());
        if (row.eta) {
            EXPECT_NEAR(*r.etaSeconds, *row.eta, 0.1);
        }
        ASSERT_TRUE(r.crossTrackM.has_value());
        EXPECT_NEAR(*r.crossTrackM, *row.crossTrack, 0.1);
        EXPECT_EQ(r.arrived, row.arrived);
    }
    target.start.reset();
    EXPECT_FALSE(session::ReadGoTo(target, MapPos(0, 0.5), 1.0, 0.0).crossTrackM);
}

gps::GpsUpdate Update(double speed, double course, MapPos at, std::int64_t utcMs) {
    gps::GpsUpdate u;
    u.handled = true;
    u.what = gps::GpsUpdate::kPosition;
    u.fix.position = at;
    u.fix.hasFix = true;
    u.details.speedMps = speed;
    u.details.courseTrue = course;
    u.epochs.push_back({at, utcMs});
    return u;
}

TEST(LiveTest, ArrowTripAndGoToStartFollowTheUpdates) {
    session::LiveState live;
    live.SetSettings({});
    live.StartGoTo("Hut", MapPos(0, 1), std::nullopt);
    live.Apply(Update(0.9, 45, MapPos(0, 0), 1000));
    EXPECT_FALSE(live.ArrowCourse()) << "standing still: the plain marker";
    EXPECT_EQ(live.GoTo()->start, MapPos(0, 0)) << "the line starts at the first position";
    live.Apply(Update(1.0, 45, MapPos(0, 0.001), 61000));
    EXPECT_EQ(live.ArrowCourse(), 45.0);
    EXPECT_NEAR(live.Trip().lengthM, 111.195, 1e-3);
    session::LiveSettings noArrow;
    noArrow.headingArrow = false;
    live.SetSettings(noArrow);
    EXPECT_FALSE(live.ArrowCourse());
    live.ResetTrip();
    EXPECT_EQ(live.Trip().lengthM, 0.0);
    live.Disconnected();
    EXPECT_FALSE(live.Details().speedMps);
}

TEST(LiveTest, SettingsStoredAndReadBackClamped) {
    MemorySettingsStore store;
    EXPECT_EQ(session::LiveSettings::Load(store, kImperial).units, kImperial) << "the locale's";
    session::LiveSettings s;
    s.detailsPanel = true;
    s.scaleBar = false;
    s.units = kNautical;
    s.nightAmount = 75;
    s.Save(store);
    EXPECT_EQ(session::LiveSettings::Load(store, kMetric), s);
    store.WriteInt(kSettingsSection, "NightAmount", 400);
    store.WriteInt(kSettingsSection, "Units", -3);
    const session::LiveSettings clamped = session::LiveSettings::Load(store, kImperial);
    EXPECT_EQ(clamped.nightAmount, 100);
    EXPECT_EQ(clamped.units, kMetric);
}

TEST(LiveTest, TripGoesOnAcrossARestartAndRefusesDamagedTotals) {
    MemorySettingsStore store;
    EXPECT_FALSE(session::LoadTrip(store)) << "none kept yet";
    session::LiveState before;
    before.Apply(Update(1.0, 0, MapPos(0, 0), 1000));
    before.Apply(Update(1.0, 0, MapPos(0, 0.001), 31000));
    session::SaveTrip(store, before.Trip());
    const auto kept = session::LoadTrip(store);
    ASSERT_TRUE(kept);
    session::LiveState after;
    after.ResumeTrip(*kept);
    // The first fix after the restart starts a new segment: nothing is counted to it.
    after.Apply(Update(1.0, 0, MapPos(0, 0.5), 500000));
    after.Apply(Update(1.0, 0, MapPos(0, 0.501), 530000));
    const trail::TrailStatistics trip = after.Trip();
    EXPECT_EQ(trip.fixes, 4u);
    EXPECT_NEAR(trip.lengthM, 2 * 111.195, 1e-3);
    EXPECT_DOUBLE_EQ(trip.movingSeconds, 60.0);
    EXPECT_NEAR(trip.averageKmh, before.Trip().averageKmh, 1e-9);
    EXPECT_EQ(trip.startUtcMs, 1000);
    EXPECT_EQ(trip.endUtcMs, 530000);
    for (const char* damaged :
         {"", "4 1 2 3 4 5", "4 1 2 3 4 5 6 7", "4 nan 2 3 4 5 6", "4 -1 2 3 4 5 6",
          "4 1 2 3 4 9 6", "-4 1 2 3 4 5 6", "4 1 2 3 4 5  6", "4 1e300 2 3 4 5 6"})
        EXPECT_FALSE(session::ParseTrip(damaged)) << damaged;
}

TEST(LiveTest, DetailRowsSayWhatIsKnown) {
    gps::GpsDetails d;
    d.utcMs = 1796793612000; // 2026-12-09 05:20:12
    d.mode = gps::FixMode::Dgps;
    d.courseTrue = 10.0;
    d.magVar = 12.0;
    d.hdop = 0.9;
    d.accuracyM = 4.4;
    d.accuracyEstimated = true;
    d.sky = {{gps::Constellation::Gps, 5, 40, 90, 41, {}, true},
             {gps::Constellation::Gps, 9, 10, 270, 20, {}, false},
             {gps::Constellation::Glonass, 70, 30, 100, {}, {}, false}};
    const std::vector<session::LiveRow> rows =
        session::DetailRows(d, kMetric, coords::CoordFormat::Deg);
    const std::vector<session::LiveRow> expected = {
        {"Time", "2026-12-09 05:20:12 UTC"},
        {"Fix", "DGPS"},
        {"Position", "-"},
        {"Altitude", "-"},
        {"Speed", "-"},
        {"Course", "10\u00b0 true, 358\u00b0 magnetic"},
        {"DOP", "H 0.9  V -  P -"},
        {"Accuracy", "4 m (estimated)"},
        {"Satellites", "GPS 1/2, GLONASS 0/1"},
    };
    EXPECT_EQ(rows, expected);
}

} // namespace
