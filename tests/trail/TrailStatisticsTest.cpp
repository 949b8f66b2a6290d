#include "trail/TrailStatistics.h"
#include "trail/TrailBuffer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace {

using trail::JournalEntry;
using trail::TrackPoint;

// 1 m of latitude on the sphere the program measures with.
constexpr double kMetre = 1.0 / 111'195.0;
constexpr std::int64_t kT0 = 1'765'188'000'000;

JournalEntry Fix(double northMetres, std::int64_t ms) {
    return {JournalEntry::Kind::Fix, TrackPoint{MapPos(11.0, 48.0 + northMetres * kMetre), ms}};
}

JournalEntry Fix(double northMetres, std::int64_t ms, double kmh, double heightM = NAN) {
    JournalEntry e = Fix(northMetres, ms);
    e.point.speedKnots = kmh / 1.852;
    e.point.heightM = heightM;
    return e;
}

struct Leg {
    double kmh;
    int seconds;
};

// A drive north at a fix a second; each fix carries the receiver's own speed, the leg's.
std::vector<JournalEntry> Drive(std::initializer_list<Leg> legs) {
    std::vector<JournalEntry> fixes{Fix(0, kT0, legs.begin()->kmh)};
    double north = 0;
    std::int64_t ms = kT0;
    for (const Leg& leg : legs) {
        for (int i = 0; i < leg.seconds; ++i) {
            north += leg.kmh / 3.6;
            ms += 1000;
            fixes.push_back(Fix(north, ms, leg.kmh));
        }
    }
    return fixes;
}

// What a recording keeps of them: a fix that moved the minimum distance from the last kept.
std::vector<JournalEntry> Kept(const std::vector<JournalEntry>& fixes) {
    std::vector<JournalEntry> kept;
    for (const JournalEntry& e : fixes)
        if (kept.empty() ||
            trail::TrailBuffer::ReachesMinDelta(kept.back().point.position, e.point.position, 5.0))
            kept.push_back(e);
    return kept;
}

// A fix a second: fix i is north(i) metres north, with its own speed and height.
template <typename North>
std::vector<JournalEntry> Series(North north, std::vector<double> kmh,
                                 std::vector<double> heights) {
    std::vector<JournalEntry> fixes;
    for (std::size_t i = 0; i < std::max(kmh.size(), heights.size()); ++i)
        fixes.push_back(Fix(north(i), kT0 + static_cast<std::int64_t>(i) * 1000,
                            i < kmh.size() ? kmh[i] : NAN, i < heights.size() ? heights[i] : NAN));
    return fixes;
}

TEST(TrailStatistics, Table) {
    const auto brk = JournalEntry::Break(0);
    const JournalEntry loaded{JournalEntry::Kind::Loaded, TrackPoint{MapPos(12.0, 49.0)}};
    const struct {
        const char* legend;
        std::vector<JournalEntry> entries;
        double km, movingS, averageKmh, topKmh;
        std::int64_t start, end;
        double ascentM = 0, descentM = 0;
    } rows[] = {
        {"nothing", {}, 0, 0, 0, 0, 0, 0},
        {"a walk: 100 m in 72 s",
         {Fix(0, kT0), Fix(50, kT0 + 36'000), Fix(100, kT0 + 72'000)},
         0.1,
         72,
         5,
         5,
         kT0,
         kT0 + 72'000},
        {"standing still adds time but no moving time",
         {Fix(0, kT0), Fix(0.1, kT0 + 600'000), Fix(100.1, kT0 + 636'000)},
         0.1001,
         36,
         10,
         10,
         kT0,
         kT0 + 636'000},
        {"a break is no journey, a loaded file no recording",
         {Fix(0, kT0), brk, loaded, brk, Fix(1000, kT0 + 1000), Fix(1010, kT0 + 3000)},
         0.010,
         2,
         18,
         18,
         kT0,
         kT0 + 3000},
        {"a gap over a minute is a pause; its speed still counts as top",
         {Fix(0, kT0), Fix(2000, kT0 + 120'000)},
         2,
         0,
         0,
         60,
         kT0,
         kT0 + 120'000},
        {"no times: length only", {Fix(0, 0), Fix(30, 0)}, 0.03, 0, 0, 0, 0, 0},
        {"a 40 s stop is no moving time", Drive({{60, 10}, {0, 40}, {60, 10}}), 1.0 / 3, 20, 60, 60,
         kT0, kT0 + 60'000},
        {"the same drive as a recording keeps it: one step of 41 s holds the stop",
         Kept(Drive({{60, 10}, {0, 40}, {60, 10}})), 1.0 / 3, 20, 60, 60, kT0, kT0 + 60'000},
        {"a 3 s halt is part of the journey", Drive({{60, 10}, {0, 3}, {60, 10}}), 1.0 / 3, 23,
         60 * 20.0 / 23, 60, kT0, kT0 + 23'000},
        {"crawling in a queue stays moving", Drive({{60, 10}, {1.5, 60}, {60, 10}}), 0.358333, 80,
         358.333 / 80 * 3.6, 60, kT0, kT0 + 80'000},
        // The own speeds of a SiRF-IV receiver standing still (bu353s4.log, in km/h).
        {"a parked receiver's fix wanders half a metre a second",
         Series([](std::size_t i) { return i % 2 == 0 ? 0.25 : -0.25; },
                {2.13, 1.65, 0.22, 1.22, 0.59, 0,    1.09, 0.54, 0.96, 0.89, 1.33, 0.87,
                 0.8,  0.43, 0.94, 0,    0,    0.46, 0,    0,    0.48, 0,    0,    0},
                {}),
         0.0115, 0, 0, 1.8, kT0, kT0 + 23'000},
        {"heights climb and drop by 5 m steps, their wander is none",
         Series([](std::size_t i) { return i * 10.0; }, {},
                {100, 102, 99, 101, 110, 120, 118, 115, 110}),
         0.08, 8, 36, 36, kT0, kT0 + 8000, 20, 10},
    };
    for (const auto& row : rows) {
        const trail::TrailStatistics s = trail::ComputeTrailStatistics(row.entries);
        // The distance goes through acos, good to a few centimetres over short steps.
        EXPECT_NEAR(s.lengthM / 1000.0, row.km, 1e-4) << row.legend;
        EXPECT_NEAR(s.movingSeconds, row.movingS, 1e-3) << row.legend;
        EXPECT_NEAR(s.averageKmh, row.averageKmh, 1e-2) << row.legend;
        EXPECT_NEAR(s.topKmh, row.topKmh, 1e-2) << row.legend;
        EXPECT_EQ(s.startUtcMs, row.start) << row.legend;
        EXPECT_EQ(s.endUtcMs, row.end) << row.legend;
        EXPECT_DOUBLE_EQ(s.ascentM, row.ascentM) << row.legend;
        EXPECT_DOUBLE_EQ(s.descentM, row.descentM) << row.legend;
    }
}

} // namespace
