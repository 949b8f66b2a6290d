// Datum shifts of typed coordinates against PROJ's own cs2cs, run as a second process.

#include "geo/Proj.h"
#include "geo/Datums.h"
#include "support/Cs2cs.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr double kMetresPerDegree = 111320.0;

// Ground distance between two nearby WGS 84 positions, metres (plenty for a sanity bound).
double Metres(const MapPos& a, const MapPos& b) {
    const double dx = (a.x - b.x) * std::cos(a.y * M_PI / 180.0);
    return std::hypot(dx, a.y - b.y) * kMetresPerDegree;
}

struct Row {
    const char* legend;
    const char* datum;      // as a user types it
    const char* to;         // the other end of the transform
    double lat, lon;        // on the datum
    double shiftMetres;     // how far WGS 84 lies from it here (0: refused)
    const char* error = ""; // the one line of a refusal
};

const Row kRows[] = {
    {"ED50 at Madrid", "ED50", "EPSG:4326", 40.4168, -3.7038, 166},
    {"OSGB36 at London, by its full name", "ordnance survey of great britain 1936", "EPSG:4326",
     51.5007, -0.1246, 125},
    {"NAD27 at Denver", "nad 27", "EPSG:4326", 39.7392, -104.9903, 49},
    {"Tokyo datum at Tokyo", "Tokyo", "EPSG:4326", 35.6586, 139.7454, 463},
    {"a code PROJ knows", "EPSG:4230", "EPSG:4326", 40.4168, -3.7038, 166},
    {"unknown datum", "ED51", "", 0, 0, 0, "ED51: unknown datum"},
    {"a grid is no datum", "EPSG:32632", "", 0, 0, 0, "EPSG:32632: a map grid, not a datum"},
    {"unknown target", "WGS84", "ED51", 0, 0, 0, "ED51: unknown coordinate reference system"},
    {"an ellipsoid is no CRS", "WGS84", "urn:ogc:def:ellipsoid:EPSG::7030", 0, 0, 0,
     "urn:ogc:def:ellipsoid:EPSG::7030: not a coordinate reference system"},
    {"a broken WKT shown on one line", "WGS84", "GEOGCRS[\"x\",\n  DATUM[", 0, 0, 0,
     "GEOGCRS[\"x\", DATUM[: unknown coordinate reference system"},
    // A map file's definition names its grids: one that is not here is never fetched, and
    // never quietly left out either (an optional "@" one would shift the map by its shift).
    {"a grid by its URL", "WGS84",
     "+proj=longlat +ellps=bessel +nadgrids=@http://127.0.0.1:9/g.tif", 0, 0, 0,
     "+proj=longlat +ellps=bessel +nadgrids=@http://127.0.0.1:9/g.tif: its grid "
     "http://127.0.0.1:9/g.tif is not installed"},
    {"an optional grid not installed", "WGS84",
     "+proj=longlat +ellps=bessel +nadgrids=@no.gsb,@null", 0, 0, 0,
     "+proj=longlat +ellps=bessel +nadgrids=@no.gsb,@null: its grid no.gsb is not installed"},
    {"a grid by its path", "WGS84", "+proj=longlat +ellps=bessel +geoidgrids=/tmp/fifo", 0, 0, 0,
     "+proj=longlat +ellps=bessel +geoidgrids=/tmp/fifo: its grid /tmp/fifo is not installed"},
};

TEST(ProjTest, DatumShiftsAgreeWithCs2cs) {
    std::string error;
    ASSERT_TRUE(map::ProjAvailable(&error)) << error;
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.legend);
        error.clear();
        const std::optional<std::string> crs = map::DatumCrs(row.datum, &error);
        const auto transform = crs ? map::ProjTransform::Make(*crs, row.to, &error) : nullptr;
        if (row.shiftMetres == 0) {
            EXPECT_EQ(transform, nullptr);
            EXPECT_EQ(error, row.error);
            continue;
        }
        ASSERT_NE(transform, nullptr) << error;
        const MapPos typed(row.lon, row.lat);
        MapPos wgs84 = typed;
        ASSERT_TRUE(transform->Forward(wgs84));
        // Both ends are EPSG latitude/longitude: latitude first for cs2cs.
        const auto truth = testsupport::Cs2cs(*crs, row.to, {{row.lat, row.lon}});
        EXPECT_NEAR(wgs84.y, truth[0][0], 1e-9);
        EXPECT_NEAR(wgs84.x, truth[0][1], 1e-9);
        EXPECT_NEAR(Metres(wgs84, typed), row.shiftMetres, 10);

        // Another thread converts with its own PROJ objects, a batch as one point, and back.
        std::vector<MapPos> batch{typed, MapPos(NAN, 1.0)};
        std::thread([&] { EXPECT_TRUE(transform->Forward(batch)); }).join();
        EXPECT_EQ(batch[0], wgs84);
        EXPECT_FALSE(std::isfinite(batch[1].x));
        ASSERT_TRUE(transform->Inverse(wgs84));
        EXPECT_NEAR(wgs84.y, typed.y, 1e-7); // the shifts are inverted to a few millimetres
        EXPECT_NEAR(wgs84.x, typed.x, 1e-7);
    }
}

// Transforms are kept by their definitions: the same text gives the one made before, a text
// that differs only deep inside (another central meridian) its own.
TEST(ProjTest, KeptTransformsAreThoseOfTheirText) {
    const std::string zone32 = map::CrsEsriWkt("EPSG:32632", nullptr);
    std::string moved = zone32;
    const std::string meridian = "\"Central_Meridian\",9.0]";
    ASSERT_NE(moved.find(meridian), std::string::npos) << zone32;
    moved.replace(moved.find(meridian), meridian.size(), "\"Central_Meridian\",15.0]");
    for (const std::string& wkt : {zone32, moved, zone32}) {
        std::string error;
        const auto transform = map::ProjTransform::Make(wkt, map::kWgs84, &error);
        ASSERT_NE(transform, nullptr) << error;
        EXPECT_EQ(map::ProjTransform::Make(" " + wkt + "\n", map::kWgs84, nullptr), transform);
        MapPos p(500000, 5200000);
        ASSERT_TRUE(transform->Forward(p));
        const auto truth = testsupport::Cs2cs(wkt, "EPSG:4326", {{500000, 5200000}});
        EXPECT_NEAR(p.y, truth[0][0], 1e-9);
        EXPECT_NEAR(p.x, truth[0][1], 1e-9);
    }
}

// PROJ fetches grids from its CDN (here a listener on 127.0.0.1 standing in for it) when the
// environment or the user's proj.ini switches its network on; QUILO's contexts never do.
TEST(ProjTest, NeverGoesOnTheNetwork) {
    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), size), 0);
    ASSERT_EQ(::listen(listener, 16), 0);
    ASSERT_EQ(::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size), 0);
    const std::string endpoint = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port));
    ::setenv("PROJ_NETWORK", "ON", 1);
    ::setenv("PROJ_NETWORK_ENDPOINT", endpoint.c_str(), 1);
    const std::string germany = "+proj=longlat +ellps=bessel +nadgrids=BETA2007.gsb";
    MapPos berlin(13.40, 52.52);
    std::thread([&] { // a thread's first PROJ context reads the variables
        // NAD27 at Denver: with the network on, PROJ takes NOAA's grid from its CDN.
        std::string error;
        const auto nad27 = map::ProjTransform::Make("EPSG:4267", map::kWgs84, &error);
        ASSERT_NE(nad27, nullptr) << error;
        MapPos denver(-104.9903, 39.7392);
        EXPECT_TRUE(nad27->Forward(denver));
        // A grid installed here serves as ever (proj-data's German one).
        const auto dhdn = map::ProjTransform::Make(germany, map::kWgs84, &error);
        ASSERT_NE(dhdn, nullptr) << error;
        EXPECT_TRUE(dhdn->Forward(berlin));
    })
        .join();
    ::unsetenv("PROJ_NETWORK");
    ::unsetenv("PROJ_NETWORK_ENDPOINT");
    // What connected waits in the listener's queue (a fetch would have hung on it).
    EXPECT_LT(::accept4(listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC), 0);
    ::close(listener);
    // As PROJ shifts DHDN by that grid.
    const auto truth = testsupport::Cs2cs("EPSG:4314", "EPSG:4326", {{52.52, 13.40}});
    EXPECT_NEAR(berlin.y, truth[0][0], 1e-9);
    EXPECT_NEAR(berlin.x, truth[0][1], 1e-9);
}

TEST(ProjTest, WithoutItsDatabaseSaysWhatToInstall) {
    // One made before, kept, is still refused where PROJ cannot make it.
    ASSERT_NE(map::ProjTransform::Make("EPSG:32632", map::kWgs84, nullptr), nullptr);
    const testsupport::TempDir empty;
    const char* const before = std::getenv("PROJ_DATA");
    const std::string saved = before != nullptr ? before : "";
    ::setenv("PROJ_DATA", empty.Path().c_str(), 1);
    std::string available, made; // a thread's first PROJ context reads the variable
    std::thread([&] {
        EXPECT_FALSE(map::ProjAvailable(&available));
        EXPECT_EQ(map::ProjTransform::Make("EPSG:32632", map::kWgs84, &made), nullptr);
    }).join();
    before != nullptr ? ::setenv("PROJ_DATA", saved.c_str(), 1) : ::unsetenv("PROJ_DATA");
    EXPECT_EQ(available, "PROJ's database proj.db was not found: install the package proj-data");
    EXPECT_EQ(made, available);
}

} // namespace
