// gpsd for real: gpsfake starts a gpsd on a free local port that plays a capture; the link asks
// it for NMEA, and the positions that arrive are the ones quilo-tool decode reads from the
// same capture. quilo-tool monitor prints them too.
#include "gps/GpsSourceName.h"
#include "gps/NmeaDecode.h"
#include "gps/SourceTestSupport.h"
#include "support/RunTool.h"
#include "tool/GpsFake.h"

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <optional>
#include <set>
#include <sstream>
#include <sys/wait.h>
#include <thread>

namespace {

using namespace std::chrono_literals;

const std::string kCapture = std::string(QUILO_TEST_DATA) + "/nmea/bu353s4.log";

// "LAT LON" of every GGA and RMC line quilo-tool decode reads as a position.
std::set<std::pair<double, double>> DecodedPositions() {
    const auto result = testsupport::RunTool({"decode", kCapture});
    std::set<std::pair<double, double>> positions;
    std::istringstream lines(result.out);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string number, type;
        int ok = 0;
        double lat = 0, lon = 0;
        if (fields >> number >> type >> ok >> lat >> lon && ok == 1 && type != "GSA")
            positions.insert({lat, lon});
    }
    return positions;
}

TEST(GpsdSource, PositionsFromGpsfakeAgreeWithDecode) {
    const std::uint16_t port = gpsfaketest::FreePort();
    gpsfaketest::GpsFake fake(port, kCapture);
    ASSERT_TRUE(fake.Started());
    const std::string name = "gpsd://127.0.0.1:" + std::to_string(port);

    sourcetest::LinkWatch watch;
    // gpsd takes a moment to listen.
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (!watch.link.Open(name, 4800) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(100ms);
    ASSERT_TRUE(watch.link.IsRunning()) << watch.link.OpenError();
    // Returns with the tenth line; the bound only covers gpsfake starting slowly on a loaded
    // machine (a sanitizer build beside it once took longer than 30 s).
    ASSERT_TRUE(watch.WaitLines(10, 90s))
        << watch.lines.size() << " lines; read error " << watch.link.HasReadError() << ": "
        << watch.link.LostText();
    watch.link.Close();

    const auto decoded = DecodedPositions();
    ASSERT_FALSE(decoded.empty());
    int positions = 0;
    for (const std::string& line : watch.lines) {
        gps::GgaRecord gga;
        gps::RmcRecord rmc;
        std::optional<std::pair<double, double>> at;
        if (gps::DecodeGga(line, gga))
            at = {gga.latitude, gga.longitude};
        else if (gps::DecodeRmc(line, rmc))
            at = {rmc.latitude, rmc.longitude};
        if (!at)
            continue;
        ++positions;
        bool found = false;
        for (const auto& [lat, lon] : decoded)
            found =
                found || (std::abs(lat - at->first) < 1e-12 && std::abs(lon - at->second) < 1e-12);
        EXPECT_TRUE(found) << line;
    }
    EXPECT_GE(positions, 5);
}

TEST(GpsdSource, MonitorPrintsPositions) {
    const std::uint16_t port = gpsfaketest::FreePort();
    gpsfaketest::GpsFake fake(port, kCapture);
    ASSERT_TRUE(fake.Started());
    const std::string name = "gpsd://127.0.0.1:" + std::to_string(port);
    const std::string position = "GPS: 175°18'53.6E 37°47'5.";
    testsupport::RunResult result;
    // gpsd opens the line only when the first client watches, and on a loaded machine its probe
    // may outlast one run; the capture plays over and over, so a later run hears it.
    const auto deadline = std::chrono::steady_clock::now() + 120s;
    while (std::chrono::steady_clock::now() < deadline) {
        result = testsupport::RunTool({"monitor", name, "--seconds", "8", "--rate", "0"}, "",
                                      {"XDG_STATE_HOME=" + testing::TempDir()});
        if (result.status == 0 && result.out.find(position) != std::string::npos)
            break;
        if (result.status != 0)
            std::this_thread::sleep_for(200ms); // gpsd not listening yet
    }
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out.rfind("GPS: Connected.\n", 0), 0u) << result.out;
    EXPECT_NE(result.out.find(position), std::string::npos) << result.out;
}

} // namespace
