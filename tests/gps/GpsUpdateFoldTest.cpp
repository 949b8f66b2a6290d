// The update fold and the rate limit, without threads. The fold's rows give the fix as the
// status line shows it.
#include "gps/GpsUpdateFold.h"
#include "gps/GpsEpoch.h"
#include "gps/NmeaLineCutter.h"
#include "session/StatusLine.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

using coords::CoordFormat;

// Real sentences (NMEA 0183 reference examples) and variants of them.
constexpr const char* kGga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
constexpr const char* kGgaHdop25 =
    "$GPGGA,123519,4807.038,N,01131.000,E,1,08,2.5,545.4,M,46.9,M,,*47";
constexpr const char* kGgaNoPosition = "$GPGGA,123519,,,,,0,05,,,M,,M,,*47";
constexpr const char* kGgaEmptySatsHdop =
    "$GPGGA,123519,4807.038,N,01131.000,E,1,,,545.4,M,46.9,M,,*47";
constexpr const char* kGgaBelowSea =
    "$GPGGA,123519,4807.038,N,01131.000,E,1,08,2.5,-12.0,M,46.9,M,,*47";
constexpr const char* kRmcSouthWest =
    "$GPRMC,123519,A,3351.000,S,15112.918,W,022.4,084.4,230394,003.1,W*6A";
constexpr const char* kRmcNoPosition = "$GPRMC,123519,V,,,,,,,230394,,*6A";
constexpr const char* kGsa = "$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39";
constexpr const char* kGsaNoHdop = "$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,,2.1*39";
constexpr const char* kGsv = "$GPGSV,2,1,08,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45*75";

constexpr const char* kMunich = "GPS: 11°31'0.0E 48°07'2.3N";

TEST(GpsUpdateFold, BatchesFromTheEdgeCases) {
    // Every batch starts from a fix with 7 satellites, hdop 2.0, altitude 100 and no fix.
    struct Row {
        const char* legend;
        std::vector<const char*> lines;
        bool hasNewPosition;
        bool fixLost;
        std::string status;
    } rows[] = {
        {"GGA then GSA: position from GGA, satellites and hdop from GSA",
         {kGga, kGsa},
         true,
         false,
         std::string(kMunich) + " A:545m S:5 P:77%"},
        {"RMC with position then GGA without: recorded, then lost; old satellites",
         {kRmcSouthWest, kGgaNoPosition},
         true,
         true,
         "GPS: Connected, no fix available. Sats:7"},
        {"lost, then a position again",
         {kGgaNoPosition, kRmcSouthWest},
         true,
         false,
         "GPS: 151°12'55.1W 33°51'0.0S A:100m S:7 P:50%"},
        {"RMC without position alone",
         {kRmcNoPosition},
         false,
         true,
         "GPS: Connected, no fix available. Sats:7"},
        {"hdop below 1", {kGga}, true, false, std::string(kMunich) + " A:545m S:8 P:100+%"},
        {"hdop 2.5", {kGgaHdop25}, true, false, std::string(kMunich) + " A:545m S:8 P:40%"},
        {"empty GGA fields keep the batch's GSA values",
         {kGsa, kGgaEmptySatsHdop},
         true,
         false,
         std::string(kMunich) + " A:545m S:5 P:77%"},
        {"altitude below 0 keeps the remembered one",
         {kGgaBelowSea},
         true,
         false,
         std::string(kMunich) + " A:100m S:8 P:40%"},
        {"two GN GSAs without system id whose numbers look alike: 3 and 2 used",
         {kGga, "$GNGSA,A,3,04,05,09,,,,,,,,,,2.5,1.3,2.1*39",
          "$GNGSA,A,3,11,12,,,,,,,,,,,2.5,1.3,2.1*39"},
         true,
         false,
         std::string(kMunich) + " A:545m S:5 P:77%"},
        {"GSA without hdop stores 0: no precision part",
         {kGga, kGsaNoHdop},
         true,
         false,
         std::string(kMunich) + " A:545m S:5"},
        {"other types change nothing",
         {kGsv, "$GP", "junk"},
         false,
         false,
         "GPS: Connected, no fix available. Sats:7"},
        {"empty batch", {}, false, false, "GPS: Connected, no fix available. Sats:7"},
    };
    for (const Row& row : rows) {
        gps::GpsFix fix;
        fix.satellites = 7;
        fix.hdop = 2.0;
        fix.altitude = 100.0;
        gps::UsedSatellites used;
        gps::GpsUpdateFold fold(used);
        for (const char* line : row.lines)
            fold.Add(gps::DecodeSentence(line));
        const gps::GpsBatchResult result = fold.ApplyTo(fix);
        EXPECT_EQ(result.hasNewPosition, row.hasNewPosition) << row.legend;
        EXPECT_EQ(result.fixLost, row.fixLost) << row.legend;
        if (row.hasNewPosition) {
            EXPECT_EQ(fix.position, result.newPosition) << row.legend;
        }
        EXPECT_EQ(session::StatusText(fix, CoordFormat::Dms), row.status) << row.legend;
    }
}

TEST(GpsUpdateFold, PositionIsLatitudeInYLongitudeInX) {
    gps::GpsFix fix;
    gps::UsedSatellites used;
    gps::GpsUpdateFold fold(used);
    fold.Add(gps::DecodeSentence(kGga));
    fold.ApplyTo(fix);
    EXPECT_DOUBLE_EQ(fix.position.y, 48.117300001780194);
    EXPECT_DOUBLE_EQ(fix.position.x, 11.516666666666666);
    EXPECT_TRUE(fix.hasFix);
    // A later batch without a position keeps position and fix.
    gps::GpsUpdateFold(used).ApplyTo(fix);
    EXPECT_TRUE(fix.hasFix);
    EXPECT_DOUBLE_EQ(fix.position.y, 48.117300001780194);
}

// A receiver sends a GSA a constellation for each fix: S: counts them all, however the reads
// cut the fix's sentences into batches, and a new fix counts afresh.
TEST(GpsUpdateFold, SatellitesUsedAreEveryGsaOfTheFix) {
    const struct {
        const char* file;
        bool withFixes;          // false: only the GSAs, as when the queue dropped the GGA and RMC
        std::int32_t satellites; // of the file's last fix
    } rows[] = {
        {"ublox-zed-f9p-nmea.log", true, 20}, // GPS 8, GLONASS 3, Galileo 3, BeiDou 6; GGA 12
        {"telit-pls83-w.log", true, 14},      // GGA 05, the GPS ones only
        {"beidou-bd.log", true, 7},           // $GPGSA and $BDGSA, a GSA ends no fix
        {"unicore-um621.log", true, 27},      // the GPS ones change from 11 to 9 on the way
        {"unicore-um621.log", false, 27},
        {"bu353-glonass.log", true, 0}, // two "GN" GSAs without system id; then the fix is lost
    };
    for (const auto& row : rows) {
        std::vector<std::string> lines;
        gps::NmeaLineCutter cutter;
        auto keep = [&](std::string_view line) {
            const gps::NmeaType type = gps::NmeaTypeOf(line);
            if (type == gps::NmeaType::Gsa ||
                (row.withFixes && (type == gps::NmeaType::Gga || type == gps::NmeaType::Rmc)))
                lines.emplace_back(line);
        };
        cutter.Feed(testsupport::ReadBytes(QUILO_TEST_DATA "/nmea/" + std::string(row.file)), keep);
        cutter.Finish(keep);
        for (std::size_t batch = 1; batch <= 7; ++batch) {
            gps::GpsFix fix;
            gps::UsedSatellites used;
            for (std::size_t at = 0; at < lines.size(); at += batch) {
                gps::GpsUpdateFold fold(used);
                for (std::size_t i = at; i < std::min(at + batch, lines.size()); ++i)
                    fold.Add(gps::DecodeSentence(lines[i]));
                fold.ApplyTo(fix);
            }
            EXPECT_EQ(fix.satellites, row.satellites)
                << row.file << (row.withFixes ? "" : ", GSAs only") << ", batches of " << batch;
        }
    }
}

// A fix's sentences arrive in whatever batches the reads cut; each is recorded whole, with its
// own time, once the batch that completes it comes.
TEST(GpsEpochAssembler, GathersAFixBySentenceTimeAcrossBatches) {
    constexpr std::int64_t k1235 = 764426119000; // 23.03.1994 12:35:19 UTC
    const std::string rmc = "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,,*6A";
    const std::string gga2 = "$GPGGA,123520,4807.138,N,01131.000,E,1,08,0.9,546.4,M,46.9,M,,*47";
    const std::string rmc2 = "$GPRMC,123520,A,4807.138,N,01131.000,E,023.4,084.4,230394,,*6A";
    struct Epoch {
        std::size_t batch; // the batch that completes it
        double latitude;
        std::int64_t utcMs;
        double heightM; // NaN: none
        double speedKnots;
    };
    const double lat1 = 48.117300001780194, lat2 = 48.11896667;
    const struct {
        const char* legend;
        std::vector<std::vector<std::string>> batches;
        std::vector<Epoch> recorded;
    } rows[] = {
        {"a read ending after the next fix's GGA does not lend it the RMC's time",
         {{kGga, kGsa, rmc, gga2}, {rmc2}},
         {{0, lat1, k1235, 545.4, 22.4}, {1, lat2, k1235 + 1000, 546.4, 23.4}}},
        {"GGA alone takes the day of the last RMC, past midnight the next",
         {{"$GPRMC,235959,A,4807.038,N,01131.000,E,1.0,0,230394,,*6A"},
          {"$GPGGA,000001,4807.138,N,01131.000,E,1,08,0.9,9,M,,,,*47"},
          {kGgaNoPosition}},
         {{1, lat1, k1235 + 41080000, NAN, 1.0}, {2, lat2, k1235 + 41082000, 9.0, NAN}}},
        {"no time at all is the only case left to the computer's clock",
         {{"$GPGGA,,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47", kGsa, kGgaNoPosition}},
         {{0, lat1, 0, 545.4, NAN}}},
    };
    // NaN, none, equals only NaN.
    auto same = [](double a, double b) { return a == b || (a != a && b != b); };
    for (const auto& row : rows) {
        gps::GpsEpochAssembler epochs;
        std::vector<std::pair<std::size_t, gps::GpsEpoch>> got;
        for (std::size_t b = 0; b < row.batches.size(); ++b) {
            for (const std::string& line : row.batches[b])
                epochs.Add(gps::DecodeSentence(line));
            for (const gps::GpsEpoch& epoch : epochs.TakeCompleted())
                got.emplace_back(b, epoch);
        }
        ASSERT_EQ(got.size(), row.recorded.size()) << row.legend;
        for (std::size_t i = 0; i < got.size(); ++i) {
            const Epoch& want = row.recorded[i];
            const gps::GpsEpoch& epoch = got[i].second;
            EXPECT_TRUE(got[i].first == want.batch && epoch.utcMs == want.utcMs &&
                        std::abs(epoch.position.y - want.latitude) < 1e-7 &&
                        same(epoch.heightM, want.heightM) &&
                        same(epoch.speedKnots, want.speedKnots))
                << row.legend << ", fix " << i;
        }
    }
}

TEST(GpsUpdateRateLimit, AdmitsAtMostOnePerRate) {
    struct Step {
        std::uint32_t now;
        bool admitted;
    };
    struct Row {
        const char* legend;
        std::uint32_t rate;
        std::vector<Step> steps;
    } rows[] = {
        {"first message only starts the clock", 1000, {{5000, false}, {5999, false}, {6000, true}}},
        {"rate 0 takes every message", 0, {{5000, true}, {5000, true}}},
        {"a message every 750 ms, one handled per second",
         1000,
         {{0, false}, {750, false}, {1500, true}, {2250, false}, {3000, true}, {3750, false}}},
        {"wrap-around of the 32-bit tick",
         1000,
         {{0xFFFFFF00u, false}, {0x000000F0u, false}, {0x00000300u, true}}},
    };
    for (const Row& row : rows) {
        gps::GpsUpdateRateLimit limit;
        for (const Step& step : row.steps)
            EXPECT_EQ(limit.Admit(step.now, row.rate), step.admitted)
                << row.legend << " at " << step.now;
    }
}

} // namespace
