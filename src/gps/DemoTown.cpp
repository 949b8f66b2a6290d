#include "gps/DemoTown.h"

#include "gps/NmeaWriter.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace demo {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kMetresPerDegreeLatitude = 111320.0;
constexpr double kMetresPerSecondToKnots = 3600.0 / 1852.0;

constexpr std::array<Pixel, 2> kHighStreet = {{{60, 700}, {1540, 700}}};
constexpr std::array<Pixel, 2> kNorthStreet = {{{140, 200}, {1460, 200}}};
constexpr std::array<Pixel, 2> kChurchLane = {{{200, 950}, {1400, 950}}};
constexpr std::array<Pixel, 2> kMillRoad = {{{400, 60}, {400, 1140}}};
constexpr std::array<Pixel, 2> kStationRoad = {{{1000, 120}, {1000, 1150}}};
constexpr std::array<Pixel, 2> kOrchardWay = {{{700, 700}, {700, 1100}}};
constexpr std::array<Pixel, 2> kQuarryLane = {{{1300, 200}, {1300, 700}}};
constexpr std::array<Pixel, 2> kBrookStreet = {{{400, 1080}, {1000, 1080}}};
constexpr std::array<Pixel, 3> kElmClose = {{{1000, 820}, {1180, 820}, {1180, 950}}};
constexpr std::array<Pixel, 2> kFerryLane = {{{150, 200}, {150, 700}}};

constexpr std::array<Street, 10> kStreets = {{
    {"High Street", StreetKind::Main, kHighStreet},
    {"North Street", StreetKind::Main, kNorthStreet},
    {"Church Lane", StreetKind::Main, kChurchLane},
    {"Mill Road", StreetKind::Main, kMillRoad},
    {"Station Road", StreetKind::Main, kStationRoad},
    {"Orchard Way", StreetKind::Minor, kOrchardWay},
    {"Quarry Lane", StreetKind::Minor, kQuarryLane},
    {"Brook Street", StreetKind::Minor, kBrookStreet},
    {"Elm Close", StreetKind::Minor, kElmClose},
    {"Ferry Lane", StreetKind::Minor, kFerryLane},
}};

constexpr std::array<Pixel, 9> kRiver = {{{-20, 290},
                                          {250, 340},
                                          {500, 420},
                                          {700, 520},
                                          {900, 560},
                                          {1100, 640},
                                          {1350, 760},
                                          {1500, 800},
                                          {1620, 820}}};

constexpr std::array<Pixel, 7> kPark = {
    {{440, 230}, {960, 230}, {960, 520}, {870, 530}, {700, 480}, {520, 390}, {440, 350}}};

constexpr std::array<Place, 6> kPlaces = {{
    {"Town Hall", "Tourist information inside", {760, 650}, 3, 2, 6, 2},
    {"Market Cross", "", {560, 740}, 2, 3, 5, 2},
    {"Old Mill", "Weir and fish ladder", {440, 370}, 1, 1, 5, 2},
    {"Brindlemoor Park", "Open dawn to dusk", {700, 330}, 1, 0, 4, 3},
    {"St Aidan's Church", "", {640, 990}, 2, 0, 7, 2},
    {"Railway Station", "Trains to Ashby & Kell", {1060, 1010}, 3, 1, 7, 2},
}};

// Clockwise from the middle of High Street: east, north up Station Road, west along North
// Street, south down Mill Road, back east.
constexpr std::array<Pixel, 5> kRoute = {
    {{560, 700}, {1000, 700}, {1000, 200}, {400, 200}, {400, 700}}};

constexpr std::array<Pixel, 3> kCalibration = {{{100, 100}, {1500, 180}, {760, 1100}}};

double MetresPerDegreeLongitude() {
    return kMetresPerDegreeLatitude *
           std::cos(
               (kOriginLatitude - kMapHeight * kMetresPerPixel / kMetresPerDegreeLatitude / 2.0) *
               kPi / 180.0);
}

double SegmentLength(Pixel a, Pixel b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

} // namespace

MapPos PixelToGeo(Pixel p) {
    const double lat = kOriginLatitude - p.y * kMetresPerPixel / kMetresPerDegreeLatitude;
    const double lon = kOriginLongitude + p.x * kMetresPerPixel / MetresPerDegreeLongitude();
    return MapPos(lon, lat);
}

std::span<const Street> Streets() {
    return kStreets;
}
std::span<const Pixel> RiverCentreLine() {
    return kRiver;
}
std::span<const Pixel> ParkOutline() {
    return kPark;
}
std::span<const Place> Places() {
    return kPlaces;
}
std::span<const Pixel> Route() {
    return kRoute;
}
std::span<const Pixel> CalibrationPixels() {
    return kCalibration;
}

RouteDriver::RouteDriver(double speedMetresPerSecond) : speed_(speedMetresPerSecond) {
    for (std::size_t i = 0; i < kRoute.size(); ++i)
        loopMetres_ += SegmentLength(kRoute[i], kRoute[(i + 1) % kRoute.size()]) * kMetresPerPixel;
}

RouteSample RouteDriver::At(double seconds) const {
    double metres = std::fmod(std::max(seconds, 0.0) * speed_, loopMetres_);
    for (std::size_t i = 0; i < kRoute.size(); ++i) {
        const Pixel a = kRoute[i];
        const Pixel b = kRoute[(i + 1) % kRoute.size()];
        const double length = SegmentLength(a, b) * kMetresPerPixel;
        if (metres <= length || i + 1 == kRoute.size()) {
            const double t = length > 0.0 ? std::min(metres / length, 1.0) : 0.0;
            RouteSample s;
            s.position = PixelToGeo({a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t});
            s.speedKnots = speed_ * kMetresPerSecondToKnots;
            // Rows grow southward, so north is -y.
            double course = std::atan2(b.x - a.x, a.y - b.y) * 180.0 / kPi;
            if (course < 0.0)
                course += 360.0;
            s.courseDegrees = course;
            return s;
        }
        metres -= length;
    }
    return {};
}

std::string MakeSentences(const RouteSample& sample, const std::tm& utc) {
    const gps::NmeaUtc time{utc.tm_hour, utc.tm_min, utc.tm_sec, 0};
    std::string out;

    // A sky for the details panel: the eight GPS satellites the GSA uses and four GLONASS ones
    // it does not. First, so the newest five lines the fold keeps still hold GGA, RMC and GSA.
    gps::AppendNmeaSentence(out,
                            "GPGSV,2,1,08,02,62,045,44,05,41,120,40,07,18,300,31,12,55,210,42");
    gps::AppendNmeaSentence(out,
                            "GPGSV,2,2,08,15,30,080,37,20,12,160,24,24,70,330,46,29,25,250,35");
    gps::AppendNmeaSentence(out,
                            "GLGSV,1,1,04,65,48,020,38,71,22,190,29,72,35,270,33,81,08,100,18");

    gps::GgaFields gga;
    gga.time = time;
    gga.position = sample.position;
    gga.satellites = 8;
    gga.hdop = 1.2;
    gga.altitude = 118.4;
    gga.geoidSeparation = 47.9;
    gps::AppendGga(out, gga);

    gps::RmcFields rmc;
    rmc.time = time;
    rmc.position = sample.position;
    rmc.speedKnots = sample.speedKnots;
    rmc.courseDegrees = sample.courseDegrees;
    rmc.date = {utc.tm_mday, utc.tm_mon + 1, utc.tm_year % 100};
    rmc.mode = 'A';
    gps::AppendRmc(out, rmc);

    gps::AppendNmeaSentence(out, "GPGSA,A,3,02,05,07,12,15,20,24,29,,,,,2.1,1.2,1.7");
    return out;
}

} // namespace demo
