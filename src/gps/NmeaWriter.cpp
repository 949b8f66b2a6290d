#include "gps/NmeaWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "base/Number.h"

namespace gps {

namespace {

void AppendAngle(std::string& out, double degrees, int degreeDigits, int minuteDecimals,
                 char positive, char negative) {
    minuteDecimals = std::clamp(minuteDecimals, 0, 9);
    std::int64_t scale = 1;
    for (int i = 0; i < minuteDecimals; ++i)
        scale *= 10;
    const double magnitude = std::isfinite(degrees) ? std::min(std::fabs(degrees), 1e6) : 0.0;
    // Whole units of the last minute decimal, rounded once: a value a hair below a whole
    // degree becomes that degree instead of 60 minutes.
    const std::int64_t units = std::llround(magnitude * 60.0 * static_cast<double>(scale));
    const std::int64_t perDegree = 60 * scale;
    base::AppendPadded(out, units / perDegree, degreeDigits);
    const std::int64_t minuteUnits = units % perDegree;
    base::AppendPadded(out, minuteUnits / scale, 2);
    if (minuteDecimals > 0) {
        out += '.';
        base::AppendPadded(out, minuteUnits % scale, minuteDecimals);
    }
    out += ',';
    out += degrees < 0.0 ? negative : positive;
}

void AppendTime(std::string& out, const NmeaUtc& time) {
    base::AppendPadded(out, time.hour, 2);
    base::AppendPadded(out, time.minute, 2);
    base::AppendPadded(out, time.second, 2);
    out += '.';
    base::AppendPadded(out, time.centisecond, 2);
}

void AppendPosition(std::string& out, const std::optional<MapPos>& position, int decimals) {
    if (!position) {
        out += ",,,";
        return;
    }
    AppendNmeaLatitude(out, position->y, decimals);
    out += ',';
    AppendNmeaLongitude(out, position->x, decimals);
}

} // namespace

void AppendNmeaSentence(std::string& out, std::string_view body) {
    unsigned sum = 0;
    for (const char c : body)
        sum ^= static_cast<unsigned char>(c);
    static constexpr char kHex[] = "0123456789ABCDEF";
    out += '$';
    out += body;
    out += '*';
    out += kHex[(sum >> 4) & 0xF];
    out += kHex[sum & 0xF];
    out += "\r\n";
}

std::string NmeaSentenceText(std::string_view body) {
    std::string out;
    AppendNmeaSentence(out, body);
    return out;
}

void AppendNmeaLatitude(std::string& out, double degrees, int minuteDecimals) {
    AppendAngle(out, degrees, 2, minuteDecimals, 'N', 'S');
}

void AppendNmeaLongitude(std::string& out, double degrees, int minuteDecimals) {
    AppendAngle(out, degrees, 3, minuteDecimals, 'E', 'W');
}

void AppendGga(std::string& out, const GgaFields& gga) {
    std::string body(gga.talker);
    body += "GGA,";
    AppendTime(body, gga.time);
    body += ',';
    AppendPosition(body, gga.position, gga.minuteDecimals);
    body += ',';
    base::AppendPadded(body, gga.quality, 0);
    body += ',';
    base::AppendPadded(body, gga.satellites, 2);
    body += ',';
    base::AppendFixed(body, gga.hdop, 1);
    body += ',';
    base::AppendFixed(body, gga.altitude, 1);
    body += ",M,";
    base::AppendFixed(body, gga.geoidSeparation, 1);
    body += ",M,,";
    AppendNmeaSentence(out, body);
}

void AppendRmc(std::string& out, const RmcFields& rmc) {
    std::string body(rmc.talker);
    body += "RMC,";
    AppendTime(body, rmc.time);
    body += rmc.valid ? ",A," : ",V,";
    AppendPosition(body, rmc.position, rmc.minuteDecimals);
    body += ',';
    base::AppendFixed(body, rmc.speedKnots, 1);
    body += ',';
    base::AppendFixed(body, rmc.courseDegrees, 1);
    body += ',';
    base::AppendPadded(body, rmc.date.day, 2);
    base::AppendPadded(body, rmc.date.month, 2);
    base::AppendPadded(body, rmc.date.year % 100, 2);
    body += ',';
    if (rmc.magneticVariation) {
        base::AppendFixed(body, std::fabs(*rmc.magneticVariation), 1);
        body += *rmc.magneticVariation < 0.0 ? ",W" : ",E";
    } else {
        body += ',';
    }
    if (rmc.mode != '\0') {
        body += ',';
        body += rmc.mode;
    }
    AppendNmeaSentence(out, body);
}

} // namespace gps
