#include "app/DemoTown.h"

#include "base/Number.h"

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

// Degrees and minutes with the minutes rounded to four decimals first, so 59.99996 minutes
// becomes the next degree and never prints as "60.0000".
std::string NmeaAngle(double degrees, int degreeDigits, char positive, char negative) {
    const double magnitude = std::fabs(degrees);
    long long tenThousandths = std::llround(magnitude * 60.0 * 10000.0);
    const long long wholeDegrees = tenThousandths / (60 * 10000);
    tenThousandths -= wholeDegrees * 60 * 10000;
    std::string out;
    base::AppendPadded(out, static_cast<int>(wholeDegrees), degreeDigits);
    base::AppendPadded(out, static_cast<int>(tenThousandths / 10000), 2);
    out.push_back('.');
    base::AppendPadded(out, static_cast<int>(tenThousandths % 10000), 4);
    out.push_back(',');
    out.push_back(degrees < 0.0 ? negative : positive);
    return out;
}

std::string UtcTimeField(const std::tm& utc) {
    std::string out;
    base::AppendPadded(out, utc.tm_hour, 2);
    base::AppendPadded(out, utc.tm_min, 2);
    base::AppendPadded(out, utc.tm_sec, 2);
    out += ".00";
    return out;
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

std::string WithChecksum(std::string_view body) {
    unsigned sum = 0;
    for (char c : body)
        sum ^= static_cast<unsigned char>(c);
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out = "$";
    out.append(body);
    out.push_back('*');
    out.push_back(kHex[(sum >> 4) & 0xF]);
    out.push_back(kHex[sum & 0xF]);
    out += "\r\n";
    return out;
}

std::string NmeaLatitude(double degrees) {
    return NmeaAngle(degrees, 2, 'N', 'S');
}

std::string NmeaLongitude(double degrees) {
    return NmeaAngle(degrees, 3, 'E', 'W');
}

std::string MakeSentences(const RouteSample& sample, const std::tm& utc) {
    const std::string time = UtcTimeField(utc);
    const std::string lat = NmeaLatitude(sample.position.y);
    const std::string lon = NmeaLongitude(sample.position.x);

    std::string gga = "GPGGA," + time + "," + lat + "," + lon + ",1,08,1.2,";
    base::AppendFixed(gga, 118.4, 1);
    gga += ",M,47.9,M,,";

    std::string rmc = "GPRMC," + time + ",A," + lat + "," + lon + ",";
    base::AppendFixed(rmc, sample.speedKnots, 1);
    rmc.push_back(',');
    base::AppendFixed(rmc, sample.courseDegrees, 1);
    rmc.push_back(',');
    base::AppendPadded(rmc, utc.tm_mday, 2);
    base::AppendPadded(rmc, utc.tm_mon + 1, 2);
    base::AppendPadded(rmc, utc.tm_year % 100, 2);
    rmc += ",,,A";

    const std::string gsa = "GPGSA,A,3,02,05,07,12,15,20,24,29,,,,,2.1,1.2,1.7";

    return WithChecksum(gga) + WithChecksum(rmc) + WithChecksum(gsa);
}

} // namespace demo
