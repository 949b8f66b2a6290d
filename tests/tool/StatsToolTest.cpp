// quilo-tool stats on real receiver logs and on what this program and gpsbabel made of them.
#include "ToolCases.h"
#include "support/TestFiles.h"

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
    // A recording of the replayed log keeps the fixes 5 m apart: 16 of the 25.
    ASSERT_EQ(RunTool({"record", "file:" + kBoat + "?speed=50", dir.File("boat.qjr")}, "",
                      {"XDG_STATE_HOME=" + dir.File("")})
                  .status,
              0);
    const bool babel = std::system("command -v gpsbabel >/dev/null 2>&1") == 0;
    if (babel) {
        // GPX 1.1 keeps no speed; gpsbabel merges the log into 10 fixes, at most 4 s apart.
        const std::string command = "gpsbabel -t -i nmea -f '" + kBoat +
                                    "' -o gpx,gpxver=1.1 -F '" + dir.File("babel.gpx") +
                                    "' 2>/dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0);
    }
    const struct {
        const char* legend;
        std::string file;
        const char* fixes;
        double lengthM;
        const char *movingS, *start, *end;
    } rows[] = {
        {"the log: 23 s and 8 s on the move", kBoat, "25", 85.56, "31", "2006-09-16T19:41:01Z",
         "2006-09-16T19:41:19Z"},
        {"its recording ends the first run at :23, a fix kept", dir.File("boat.qjr"), "16", 85.31,
         "30", "2006-09-16T19:41:01Z", "2006-09-16T19:41:19Z"},
        {"gpsbabel's GPX: 22 s, back to :13, 6 s", dir.File("babel.gpx"), "10", 82.28, "28",
         "2006-09-16T19:41:01Z", "2006-09-16T19:41:19Z"},
        {"a trail file has no times", dir.File("boat.trl"), "25", 85.56, "0", "unknown", "unknown"},
        {"a parked receiver's own speed says its wander is none", kParked, "25", 4.11, "0",
         "2014-12-31T03:07:19Z", "2014-12-31T03:07:43Z"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        if (!babel && row.file == dir.File("babel.gpx"))
            continue;
        const auto run = RunTool({"stats", row.file});
        ASSERT_EQ(run.status, 0) << run.err;
        auto figures = Figures(run.out);
        EXPECT_EQ(figures.size(), 9u) << run.out;
        EXPECT_EQ(figures["fixes"], row.fixes);
        EXPECT_NEAR(std::stod(figures["length_m"]), row.lengthM, 0.02);
        EXPECT_EQ(figures["moving_s"], row.movingS);
        EXPECT_EQ(figures["start"], row.start);
        EXPECT_EQ(figures["end"], row.end);
        EXPECT_EQ(figures["ascent_m"], "0");
    }

    // The log and its trail file as one: a break between them, the times of the log.
    const auto both = RunTool({"stats", kBoat, dir.File("boat.trl"), "--json"});
    EXPECT_EQ(both.status, 0) << both.err;
    EXPECT_TRUE(both.out.starts_with(R"({"fixes":50,"length_m":171.13)")) << both.out;
    EXPECT_NE(both.out.find(R"("moving_s":31,)"), std::string::npos) << both.out;
    EXPECT_NE(both.out.find(R"("start":"2006-09-16T19:41:01Z","end":"2006-09-16T19:41:19Z")"),
              std::string::npos)
        << both.out;

    testsupport::WriteBytes(dir.File("other.qjr"), "QUILOJRN but no more");
    tooltest::CheckRows({
        {"no such file", {"stats", dir.File("none.gpx")}, nullptr},
        {"not a trail", {"stats", kBoat, dir.File("map.png")}, nullptr},
        {"not a journal", {"stats", dir.File("other.qjr")}, nullptr},
    });
}

} // namespace
