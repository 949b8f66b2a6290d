// quilo-tool monitor end to end: a capture written into a pseudo-terminal comes out as the
// status lines the map view shows.
#include "LiveTool.h"
#include "ToolCases.h"
#include "gps/PtyPair.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using testsupport::LiveTool;

// The line of the capture that begins with prefix, with its carriage return and line feed.
std::string CaptureLine(const std::string& file, const std::string& prefix) {
    std::ifstream in(std::string(QUILO_TEST_DATA) + "/nmea/" + file, std::ios::binary);
    std::string line;
    while (std::getline(in, line))
        if (line.starts_with(prefix))
            return line + "\n"; // getline kept the carriage return
    return {};
}

TEST(MonitorTool, ShowsCapturePositionsThenTheReadError) {
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    LiveTool tool({"monitor", pty.Path(), "--seconds", "120", "--rate", "0"});
    ASSERT_TRUE(tool.Started());
    ASSERT_EQ(tool.ReadLine(), "GPS: Connected.");

    // A 90-character RTK sentence (eight-decimal minutes): too long for an 82-byte line.
    const std::string gga = CaptureLine("nmea-rtk.log", "$GNGGA,132819.60,");
    ASSERT_EQ(gga.size(), 92u);
    // The link drops whatever arrives before its first read, so keep sending, a few lines a
    // second, until the position shows.
    const std::string expected = "GPS: 93°45'2.1W 41°34'29.9N A:278m S:10 P:100+%";
    bool seen = false;
    for (int i = 0; i < 200 && !seen; ++i) {
        ASSERT_TRUE(pty.Write(gga));
        const auto line = tool.ReadLine(100ms);
        seen = line == expected;
        if (line) {
            EXPECT_TRUE(seen) << *line;
        }
    }
    ASSERT_TRUE(seen);

    pty.HangUp();
    std::optional<std::string> line;
    do {
        line = tool.ReadLine();
    } while (line == expected);
    EXPECT_EQ(line, "GPS: COM port read error.");
    // It keeps running (and reporting) until stopped.
    EXPECT_EQ(tool.ReadLine(), "GPS: COM port read error.");
    tool.Signal(SIGINT);
    EXPECT_EQ(tool.Wait(), 0);
    ASSERT_FALSE(tool.Rest().empty());
    EXPECT_EQ(tool.Rest().back(), "GPS: Disconnected.");
}

TEST(MonitorTool, StopsWhenItsTimeIsUp) {
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    const auto start = Clock::now();
    LiveTool tool({"monitor", pty.Path(), "--seconds", "0.3", "--baud", "9600"});
    ASSERT_TRUE(tool.Started());
    EXPECT_EQ(tool.Wait(), 0);
    EXPECT_GE(Clock::now() - start, 300ms);
    EXPECT_EQ(tool.Rest(), (std::vector<std::string>{"GPS: Connected.", "GPS: Disconnected."}));
}

TEST(MonitorTool, BadArgumentsExit2WithOneLine) {
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    const std::string device = pty.Path();
    tooltest::CheckRows(
        {
            {"no device", {"monitor"}, nullptr},
            {"two devices", {"monitor", device, device}, nullptr},
            {"bad baud", {"monitor", device, "--baud", "fast"}, nullptr},
            {"zero baud", {"monitor", device, "--baud", "0"}, nullptr},
            {"negative rate", {"monitor", device, "--rate", "-1"}, nullptr},
            {"bad seconds", {"monitor", device, "--seconds", "0"}, nullptr},
            {"unknown format", {"monitor", device, "--format", "dd"}, nullptr},
            {"missing value", {"monitor", device, "--rate"}, nullptr},
            {"unknown option", {"monitor", device, "--verbose"}, nullptr},
            {"device missing", {"monitor", "/dev/quilo-no-such-tty"}, nullptr},
            {"not a serial line", {"monitor", "/dev/null"}, nullptr},
            {"empty source", {"monitor", ""}, nullptr},
            {"tcp without port", {"monitor", "tcp://127.0.0.1"}, nullptr},
            {"unknown scheme", {"monitor", "ftp://host:1"}, nullptr},
            {"bad replay speed", {"monitor", "file:x.log?speed=-1"}, nullptr},
            {"missing log", {"monitor", "file:/nonexistent/x.log"}, nullptr},
            {"nobody at the port", {"monitor", "tcp://127.0.0.1:1"}, nullptr},
            {"baud neither number nor auto", {"monitor", device, "--baud", "Auto"}, nullptr},
        },
        {"XDG_STATE_HOME=" + testing::TempDir()});
}

TEST(MonitorTool, ReplaysALogAndTheSimulator) {
    struct Row {
        const char* legend;
        std::vector<std::string> args;
        std::vector<std::string> expected; // lines that must be printed, in this order
    };
    const std::string capture = std::string(QUILO_TEST_DATA) + "/nmea/bu353s4.log";
    const Row rows[] = {
        {"a log at twenty times its pace ends with the log",
         {"monitor", "file:" + capture + "?speed=20", "--rate", "0", "--seconds", "60"},
         {"GPS: Connected.", "GPS: 175°18'53.6E 37°47'5.2S A:60m S:8 P:91%", "GPS: End of log."}},
        {"the path of a log replays it too",
         {"monitor", capture, "--rate", "0", "--seconds", "3"},
         {"GPS: Connected.", "GPS: 175°18'53.6E 37°47'5.2S A:60m S:8 P:91%"}},
        {"--json: the details of each update, the sky read from every line",
         {"monitor", "file:" + capture + "?speed=20", "--rate", "0", "--seconds", "60", "--json"},
         {R"({"time":"2014-12-31T03:07:43Z","mode":"3d","lat":-37.78479499816895,)",
          R"("accuracy":5.5,"accuracy_estimated":true,"used":7,"in_view":12,"sky":[{"prn":17,)"
          R"("el":71,"az":207,"snr":31,"used":true,"system":"GPS","signal":null},{"prn":28,)"}},
        {"the simulator starts on the demo route",
         {"monitor", "sim:", "--rate", "0", "--seconds", "1.5", "--format", "d"},
         {"GPS: Connected.", "°W 52.2284°N A:118m S:8 P:83%"}},
    };
    for (const Row& row : rows) {
        const auto run =
            testsupport::RunTool(row.args, "", {"XDG_STATE_HOME=" + testing::TempDir()});
        EXPECT_EQ(run.status, 0) << row.legend << ": " << run.err;
        std::size_t at = 0;
        for (const std::string& line : row.expected) {
            at = run.out.find(line, at);
            EXPECT_NE(at, std::string::npos) << row.legend << ": no '" << line << "' in\n"
                                             << run.out;
        }
    }
}

} // namespace
