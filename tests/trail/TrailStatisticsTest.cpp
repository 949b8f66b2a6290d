#include "trail/TrailStatistics.h"

#include <gtest/gtest.h>

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

TEST(TrailStatistics, Table) {
    const auto brk = JournalEntry::Break(0);
    const JournalEntry loaded{JournalEntry::Kind::Loaded, TrackPoint{MapPos(12.0, 49.0)}};
    const struct {
        const char* legend;
        std::vector<JournalEntry> entries;
        double km, movingS, averageKmh, topKmh;
        std::int64_t start, end;
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
    };
    for (const auto& row : rows) {
        const trail::TrailStatistics s = trail::ComputeTrailStatistics(row.entries);
        // The distance goes through acos, good to a few centimetres over short steps.
        EXPECT_NEAR(s.lengthM / 1000.0, row.km, 1e-4) << row.legend;
        EXPECT_NEAR(s.movingSeconds, row.movingS, 1e-9) << row.legend;
        EXPECT_NEAR(s.averageKmh, row.averageKmh, 1e-2) << row.legend;
        EXPECT_NEAR(s.topKmh, row.topKmh, 1e-2) << row.legend;
        EXPECT_EQ(s.startUtcMs, row.start) << row.legend;
        EXPECT_EQ(s.endUtcMs, row.end) << row.legend;
    }
}

} // namespace
