#include "trail/Profile.h"
#include "trail/Recording.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

using trail::ProfileAxis;
using trail::TrackPoint;

constexpr double kMetre = 1.0 / 111'195.0;
constexpr std::int64_t kT0 = 1'765'188'000'000;
const double n = NAN;

// A point north metres up the meridian 11 E from 48 N, seconds after kT0.
TrackPoint At(double north, double seconds, double height) {
    return {MapPos(11, 48 + north * kMetre), kT0 + static_cast<std::int64_t>(seconds * 1000),
            height};
}

// 200 m north a point a metre, a second apart, flat at 100 m but for one point of 150 m.
trail::Track Spike() {
    trail::TrackSegment s;
    for (int i = 0; i <= 200; ++i)
        s.push_back(At(i, i, i == 105 ? 150 : 100));
    return {s};
}

// 100 m, then a break and 110 m further on 100 m more; heights climb a metre every 10 m.
trail::Track Broken() {
    trail::Track track(2);
    for (int i = 0; i <= 10; ++i) {
        track[0].push_back(At(i * 10, i, 100 + i));
        track[1].push_back(At(210 + i * 10, 100 + i, 120 + i));
    }
    return track;
}

// 100 m, a fix every 10 m and second, climbing a metre a fix; those of seconds 4 to 6 have no
// height.
trail::Track Holed() {
    trail::TrackSegment s;
    for (int i = 0; i <= 10; ++i)
        s.push_back(At(i * 10, i, i >= 4 && i <= 6 ? n : 100 + i));
    return {s};
}

// 100 m climbing 100 m in 10 s, then 100 s standing at the top.
trail::Track ClimbAndStop() {
    return {{At(0, 0, 100), At(100, 10, 200), At(100, 110, 200)}};
}

// Columns given as low, high pairs; n n for a gap.
using Pairs = std::vector<std::pair<double, double>>;

Pairs Repeat(int count, std::pair<double, double> value) {
    return Pairs(static_cast<std::size_t>(count), value);
}

Pairs Join(std::initializer_list<Pairs> parts) {
    Pairs all;
    for (const Pairs& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(Profile, ColumnsKeepPeaksGapsAndTheAxis) {
    const auto height = [](const trail::ProfileColumns& c) { return c.height; };
    const auto speed = [](const trail::ProfileColumns& c) { return c.speed; };
    const struct {
        const char* legend;
        trail::Track track;
        ProfileAxis axis;
        int width;
        std::vector<trail::ProfileColumn> (*of)(const trail::ProfileColumns&);
        Pairs expected;
    } rows[] = {
        {"a peak a fifth of a column wide keeps its height", Spike(), ProfileAxis::Distance, 20,
         height, Join({Repeat(10, {100, 100}), {{100, 150}}, Repeat(9, {100, 100})})},
        {"a break stays a gap as wide as the ground it skipped", Broken(), ProfileAxis::Distance,
         12, height,
         Join({{{100, 102.58}, {102.58, 105.17}, {105.17, 107.75}, {107.75, 110}},
               Repeat(4, {n, n}),
               {{120, 122.25}, {122.25, 124.83}, {124.83, 127.42}, {127.42, 130}}})},
        {"points without a height are a gap", Holed(), ProfileAxis::Time, 10, height,
         Join({{{100, 101}, {101, 102}, {102, 103}, {103, 103}},
               Repeat(3, {n, n}),
               {{107, 108}, {108, 109}, {109, 110}}})},
        {"their speed goes on through it", Holed(), ProfileAxis::Time, 10, speed,
         Repeat(10, {36, 36})},
        {"by distance the climb fills the width",
         ClimbAndStop(),
         ProfileAxis::Distance,
         2,
         height,
         {{100, 150}, {150, 200}}},
        {"by time the stop takes most of it", ClimbAndStop(), ProfileAxis::Time, 11, height,
         Join({{{100, 200}}, Repeat(10, {200, 200})})},
    };
    for (const auto& row : rows) {
        const std::vector<trail::ProfileColumn> columns =
            row.of(trail::ColumnsOf(trail::SeriesOf(row.track, row.axis), row.width));
        ASSERT_EQ(columns.size(), row.expected.size()) << row.legend;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const auto [low, high] = row.expected[i];
            if (std::isnan(low)) {
                EXPECT_TRUE(columns[i].Gap()) << row.legend << ", column " << i;
                continue;
            }
            EXPECT_NEAR(columns[i].low, low, 0.01) << row.legend << ", column " << i;
            EXPECT_NEAR(columns[i].high, high, 0.01) << row.legend << ", column " << i;
        }
    }
}

// Terrain heights beside the receiver's: where the model has none the columns say so, and each
// run of them is named once by a place in it.
TEST(Profile, TerrainHeightsKeepTheirMissingPlaces) {
    const trail::DemHeights dem = [](double lat, double) -> std::optional<double> {
        const double north = (lat - 48) / kMetre;
        if (north > 25 && north < 75)
            return std::nullopt;
        return 1000 - north;
    };
    const trail::ProfileSeries series = trail::SeriesOf({Broken()[0]}, ProfileAxis::Time, dem);
    const trail::ProfileColumns columns = trail::ColumnsOf(series, 10);
    EXPECT_EQ(columns.demMissing, (std::vector<bool>{0, 0, 0, 1, 1, 1, 1, 1, 0, 0}));
    EXPECT_NEAR(columns.dem[0].low, 990, 0.01);
    EXPECT_TRUE(columns.dem[4].Gap());
    EXPECT_NEAR(columns.height[4].low, 104, 0.01) << "the receiver's go on";
    const std::vector<MapPos> missing = series.DemMissingPlaces();
    ASSERT_EQ(missing.size(), 1u);
    EXPECT_NEAR((missing[0].y - 48) / kMetre, 30, 0.01);
}

// The live trail as the profile reads it: what the receiver said of each sample, a segment
// between breaks; a fix more appends, a trimmed trail starts afresh.
TEST(Profile, ARecordingGrowsByAppending) {
    trail::Recording recording(trail::TrailBuffer{}, {.minDelta = 0, .maxLength = 6});
    recording.SwitchOn(true);
    for (int i = 0; i < 3; ++i)
        recording.Record(At(i * 10, i, 100 + i));
    recording.AddBreak();
    recording.Record(At(100, 10, 110));
    const trail::Track track = trail::TrailTrack(recording.Trail(), recording.RecentPoints());
    ASSERT_EQ(track.size(), 2u);
    EXPECT_EQ(track[0].size(), 3u);
    EXPECT_EQ(track[1][0].heightM, 110);

    trail::ProfileSeries series(ProfileAxis::Distance);
    EXPECT_FALSE(series.Follow(track)) << "the first build";
    recording.Record(At(110, 11, 111));
    EXPECT_TRUE(series.Follow(trail::TrailTrack(recording.Trail(), recording.RecentPoints())));
    ASSERT_EQ(series.Samples().size(), 5u);
    EXPECT_NEAR(series.Samples().back().x, 110, 0.01);
    EXPECT_TRUE(series.Samples()[3].startsSegment);
    EXPECT_NEAR(trail::ColumnsOf(series, 11).height[10].high, 111, 0.01) << "drawn at once";
    // Six samples kept: the oldest goes.
    recording.Record(At(120, 12, 112));
    recording.Record(At(130, 13, 113));
    EXPECT_FALSE(series.Follow(trail::TrailTrack(recording.Trail(), recording.RecentPoints())));
    EXPECT_EQ(series.Samples().size(), 5u) << "a break among the six";
    EXPECT_NEAR(series.Samples().front().x, 0, 0.01);
    EXPECT_EQ(series.Samples().front().heightM, 102);
}

} // namespace
