// quilo-tool stats on real receiver logs and on what this program and gpsbabel made of them.
#include "ToolCases.h"
#include "support/TestFiles.h"
#include "trail/Journal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using testsupport::RunTool;
using testsupport::TempDir;

// A boat at 5.2 knots all along: 19:41:01 to :24, then its clock jumps back to :11 and runs
// to :19. Every fix moved; a step back in time is none.
const std::string kBoat = std::string(QUILO_TEST_DATA) + "/nmea/humminbird-M37.log";
// A SiRF-IV receiver standing still for 24 s, its fix wandering 4 m.
const std::string kParked = std::string(QUILO_TEST_DATA) + "/nmea/bu353s4.log";

std::map<std::string, std::string> Figures(const std::string& out) {
    std::map<std::string, std::string> figures;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);)
        figures[line.substr(0, line.find('\t'))] = line.substr(line.find('\t') + 1);
    return figures;
}

TEST(StatsTool, FiguresOfRealRecordings) {
    const TempDir dir;
    ASSERT_EQ(RunTool({"convert", kBoat, dir.File("boat.trl"), "--min-delta", "0"}).status, 0);
    // A walk of 1 km north in 10 minutes, and a sample a loaded file left: no recording.
    std::string journal = trail::EncodeJournalHeader();
    for (int i = 0; i <= 10; ++i)
        journal += trail::EncodeJournalRecord(
            {trail::JournalEntry::Kind::Fix,
             trail::TrackPoint{MapPos(11.0, 48.0 + i * 100.0 / 111'195.0),
                               1'765'188'000'000 + i * 60'000, 500.0 + i}});
    journal += trail::EncodeJournalRecord({trail::JournalEntry::Kind::Loaded, {MapPos(12, 49)}});
    testsupport::WriteBytes(dir.File("walk.qjr"), journal);
    // GPX 1.1 keeps no speed; gpsbabel merges the log into 10 fixes: 22 s, back to :13, 6 s.
    const bool babel =
        std::system(("gpsbabel -t -i nmea -f '" + kBoat + "' -o gpx,gpxver=1.1 -F '" +
                     dir.File("babel.gpx") + "' 2>/dev/null")
                        .c_str()) == 0;
    const std::string boat = "2006-09-16T19:41:01Z 2006-09-16T19:41:19Z";
    const struct {
        std::string file, figures; // fixes, moving_s, start, end, ascent_m
        double lengthM;
    } rows[] = {
        {kBoat, "25 31 " + boat + " 0", 85.56},
        {dir.File("walk.qjr"), "11 600 2025-12-08T10:00:00Z 2025-12-08T10:10:00Z 10", 1000},
        {dir.File("babel.gpx"), "10 28 " + boat + " 0", 82.28},
        {dir.File("boat.trl"), "25 0 unknown unknown 0", 85.56},
        {kParked, "25 0 2014-12-31T03:07:19Z 2014-12-31T03:07:43Z 0", 4.11},
    };
    for (const auto& row : rows) {
        if (!babel && row.file == dir.File("babel.gpx"))
            continue; // gpsbabel is not installed
        const auto run = RunTool({"stats", row.file});
        ASSERT_EQ(run.status, 0) << run.err;
        auto f = Figures(run.out);
        EXPECT_EQ(f["fixes"] + ' ' + f["moving_s"] + ' ' + f["start"] + ' ' + f["end"] + ' ' +
                      f["ascent_m"],
                  row.figures)
            << run.out;
        EXPECT_NEAR(std::stod(f["length_m"]), row.lengthM, 0.02) << run.out;
    }
    // The log and its trail file as one, with the times of the log.
    const auto both = RunTool({"stats", kBoat, dir.File("boat.trl"), "--json"});
    EXPECT_TRUE(both.out.starts_with(R"({"fixes":50,"length_m":171.13)") &&
                both.out.find(R"("moving_s":31,)") != std::string::npos)
        << both.out;

    testsupport::WriteBytes(dir.File("other.qjr"), "QUILOJRN but no more");
    tooltest::CheckRows({
        {"no such file", {"stats", dir.File("none.gpx")}, nullptr},
        {"not a trail", {"stats", kBoat, dir.File("map.png")}, nullptr},
        {"not a journal", {"stats", dir.File("other.qjr")}, nullptr},
    });
}

} // namespace
