// gpsd as the reference for the sky: gpsfake plays each capture with GSV through a real gpsd,
// `gpspipe -w` gathers its SKY reports, and every satellite gpsd reports in view (with its
// elevation, azimuth and signal) and every one it reports used must be one quilo-tool
// decode --json reports the same way; each satellite decode reports must be one gpsd reports.
// (gpsd 3.22 misses "used" where a GSA names its satellites by a NMEA 4.10 system id or in a
// "GN" run, so a satellite decode marks used is not required to be one gpsd marks.)
//
// gpsd loses the first sentences while it settles on the stream, and it reports a sky only at
// the end of its own reporting cycle; so what it reports is compared, not when. gpsd 3.22
// predates the vendor form "$PQGSV": those lines are left out of the copy both programs read.
#include "gps/SourceTestSupport.h"
#include "support/RunTool.h"
#include "support/TestFiles.h"
#include "tool/GpsFake.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

namespace {

using namespace std::chrono_literals;

using Fields = std::map<std::string, std::string>;

// The flat objects of the "satellites" array of one JSON line, each as key -> value text.
std::vector<Fields> Satellites(const std::string& line) {
    std::vector<Fields> out;
    std::size_t at = line.find("\"satellites\":[");
    const std::size_t end = line.find(']', at);
    while (at != std::string::npos && (at = line.find('{', at)) < end) {
        const std::size_t close = line.find('}', at);
        Fields fields;
        std::istringstream pairs(line.substr(at + 1, close - at - 1));
        for (std::string pair; std::getline(pairs, pair, ',');) {
            const std::size_t colon = pair.find(':');
            auto unquote = [](std::string text) {
                return text.size() >= 2 && text.front() == '"' ? text.substr(1, text.size() - 2)
                                                               : text;
            };
            fields[unquote(pair.substr(0, colon))] = unquote(pair.substr(colon + 1));
        }
        out.push_back(fields);
        at = close;
    }
    return out;
}

// gnssid, number within the system, elevation, azimuth, signal; gpsd writes 0 for an unknown
// angle and for a satellite not tracked, so null counts as 0.
using Seen = std::tuple<int, int, int, int, int>;

int Number(const Fields& fields, const char* key) {
    const auto found = fields.find(key);
    return found == fields.end() || found->second == "null"
               ? 0
               : static_cast<int>(std::stod(found->second));
}

// gpsd's numbering: gnssid, and the satellite's number within its system.
std::pair<int, int> GpsdId(const std::string& system, int prn) {
    if (system == "GPS")
        return {0, prn};
    if (system == "SBAS")
        return {1, prn <= 64 ? prn + 87 : prn};
    // gpsd 3.22 files Galileo and BeiDou satellites numbered 33-64 as SBAS now and then;
    // Canonical() makes the two one.
    if (system == "Galileo")
        return {2, prn > 300 ? prn - 300 : prn};
    if (system == "BeiDou")
        return {3, prn > 400 ? prn - 400 : prn > 200 ? prn - 200 : prn};
    if (system == "QZSS")
        return {5, prn >= 193 ? prn - 192 : prn};
    if (system == "GLONASS")
        return {6, prn > 64 ? prn - 64 : prn};
    return {7, prn};
}

struct Sky {
    std::set<Seen> inView;
    std::set<Seen> used;
};

std::pair<int, int> Canonical(int gnssid, int svid) {
    if ((gnssid == 2 || gnssid == 3) && svid >= 33 && svid <= 64)
        return {1, svid + 87};
    return {gnssid, svid};
}

void Add(Sky& sky, int gnssidSent, int svidSent, const Fields& satellite) {
    const auto [gnssid, svid] = Canonical(gnssidSent, svidSent);
    const Seen seen{gnssid, svid, Number(satellite, "el"), Number(satellite, "az"),
                    Number(satellite, satellite.count("ss") ? "ss" : "snr")};
    sky.inView.insert(seen);
    if (satellite.at("used") == "true")
        sky.used.insert(seen);
}

Sky GpsdSky(const std::string& output) {
    Sky sky;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("\"class\":\"SKY\"") == std::string::npos)
            continue;
        for (const Fields& satellite : Satellites(line))
            Add(sky, std::stoi(satellite.at("gnssid")), std::stoi(satellite.at("svid")), satellite);
    }
    return sky;
}

Sky DecodedSky(const std::string& output) {
    Sky sky;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("\"type\":\"sky\"") == std::string::npos)
            continue;
        for (const Fields& satellite : Satellites(line)) {
            const auto [gnssid, svid] =
                GpsdId(satellite.at("system"), std::stoi(satellite.at("prn")));
            Add(sky, gnssid, svid, satellite);
        }
    }
    return sky;
}

// The satellites of `of`, without the values: who is in view.
std::set<std::pair<int, int>> Who(const std::set<Seen>& of) {
    std::set<std::pair<int, int>> out;
    for (const auto& [gnssid, svid, el, az, snr] : of)
        out.insert({gnssid, svid});
    return out;
}

// What gpsd says of the capture: its whole JSON stream, gathered by gpspipe -w until the
// device goes away at the end of the capture.
std::string GpsdReports(const std::string& capture, const std::string& folder) {
    const std::uint16_t port = gpsfaketest::FreePort();
    gpsfaketest::GpsFake fake(port, capture, "0.02");
    EXPECT_TRUE(fake.Started());
    const std::string out = folder + "/gpspipe.json";
    const auto deadline = std::chrono::steady_clock::now() + 100s;
    std::string text;
    while (std::chrono::steady_clock::now() < deadline) {
        // gpsd takes a moment to listen; gpspipe -w ends at once until it does.
        const pid_t pipe = ::fork();
        if (pipe == 0) {
            const std::string where = "127.0.0.1:" + std::to_string(port);
            ::execlp("gpspipe", "gpspipe", "-w", "-o", out.c_str(), where.c_str(),
                     static_cast<char*>(nullptr));
            ::_exit(127);
        }
        int status = 0;
        while (::waitpid(pipe, &status, WNOHANG) == 0 &&
               std::chrono::steady_clock::now() < deadline) {
            std::ifstream file(out);
            text.assign(std::istreambuf_iterator<char>(file), {});
            if (text.find("\"activated\":0") != std::string::npos)
                break;
            std::this_thread::sleep_for(100ms);
        }
        ::kill(pipe, SIGTERM);
        ::waitpid(pipe, &status, 0);
        if (text.find("\"activated\":0") != std::string::npos)
            return text;
        std::this_thread::sleep_for(100ms);
    }
    ADD_FAILURE() << "gpsd did not play " << capture << " to its end";
    return text;
}

struct Capture {
    const char* name;
    // Why gpsd 3.22 leaves some of the capture's satellites out of its sky, when it does.
    const char* gpsdMisses = nullptr;
};

void PrintTo(const Capture& capture, std::ostream* out) {
    *out << capture.name;
}

class GpsdSkyTest : public testing::TestWithParam<Capture> {};

TEST_P(GpsdSkyTest, DecodeAgreesWithGpsd) {
    const testsupport::TempDir folder;
    const std::string capture = folder.Path().string() + "/capture.log";
    const std::string twice = folder.Path().string() + "/twice.log";
    {
        std::ifstream in(std::string(QUILO_TEST_DATA) + "/nmea/" + GetParam().name + ".log");
        std::string kept;
        for (std::string line; std::getline(in, line);) {
            if (line.rfind("$PQGSV", 0) != 0)
                kept += line + '\n';
        }
        std::ofstream(capture) << kept;
        // gpsd hears the capture twice, so that the sentences it loses settling on the stream
        // cost it nothing of the second time.
        std::ofstream(twice) << kept << kept;
    }
    const Sky gpsd = GpsdSky(GpsdReports(twice, folder.Path().string()));
    const auto decoded = testsupport::RunTool({"decode", "--json", capture});
    ASSERT_EQ(decoded.status, 0) << decoded.err;
    const Sky ours = DecodedSky(decoded.out);
    ASSERT_FALSE(gpsd.inView.empty()) << "gpsd reported no sky";

    for (const Seen& seen : gpsd.inView)
        EXPECT_TRUE(ours.inView.count(seen)) << "in view: " << testing::PrintToString(seen);
    for (const Seen& seen : gpsd.used)
        EXPECT_TRUE(ours.used.count(seen)) << "used: " << testing::PrintToString(seen);
    if (GetParam().gpsdMisses != nullptr)
        return;
    const auto gpsdWho = Who(gpsd.inView);
    for (const auto& who : Who(ours.inView))
        EXPECT_TRUE(gpsdWho.count(who))
            << "decoded, not in gpsd's sky: " << testing::PrintToString(who);
}

// The captures with GSV that gpsd reports a sky for. Not quectel-eg25-g: gpsd 3.22 loses its
// GPS groups, files a GLONASS satellite as SBAS and takes "used" from GSAs sent after the sky.
INSTANTIATE_TEST_SUITE_P(
    Captures, GpsdSkyTest,
    testing::Values(Capture{"beidou-bd"}, Capture{"bt451"}, Capture{"bu353-glonass"},
                    Capture{"bu353s4"},
                    Capture{"gp-320fw-2019-04-07-coldboot",
                            "it drops satellite numbers no system has (90, 410)"},
                    Capture{"isync"}, Capture{"rx210"}, Capture{"sl869"},
                    Capture{"telit-pls83-w", "it never reports this receiver's GPS groups"},
                    Capture{"ublox-zed-f9p-nmea"}, Capture{"unicore-um621"}));

} // namespace
