// generate-nmea-log OUT [SENTENCES]: writes a long, realistic NMEA 0183 log for the conversion
// benchmark: one GGA, RMC and GSA sentence a second with valid checksums, from a receiver
// driving at 15 m/s on a slowly turning course around Munich. The output is the same on every
// run (900 000 sentences, the default, make about 57 MB).
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "base/Number.h"
#include "gps/NmeaWriter.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kEarthRadius = 6371008.0;

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: generate-nmea-log OUT [SENTENCES]\n");
        return 2;
    }
    long sentences = 900000;
    if (argc == 3) {
        const auto count = base::ParseExact<long>(argv[2], 0L, std::numeric_limits<long>::max());
        if (!count) {
            std::fprintf(stderr, "generate-nmea-log: bad sentence count '%s'\n", argv[2]);
            return 2;
        }
        sentences = *count;
    }
    std::FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr) {
        std::perror(argv[1]);
        return 2;
    }

    double latitude = 48.1173;
    double longitude = 11.5167;
    double course = 84.4;
    const double speed = 15.0; // m/s
    long seconds = 12 * 3600;
    int day = 1;
    std::string out;
    out.reserve(1 << 20);
    for (long n = 0; n < sentences; ++n) {
        const int kind = static_cast<int>(n % 3);
        const long t = seconds % 86400;
        const gps::NmeaUtc time{static_cast<int>(t / 3600), static_cast<int>(t / 60 % 60),
                                static_cast<int>(t % 60), 0};
        if (kind == 0) {
            gps::GgaFields gga;
            gga.time = time;
            gga.position = MapPos(longitude, latitude);
            gga.satellites = static_cast<int>(6 + n % 7);
            gga.hdop = 0.9;
            gga.altitude = 520.0 + 30.0 * std::sin(static_cast<double>(n) * 1e-4);
            gga.geoidSeparation = 46.9;
            gps::AppendGga(out, gga);
        } else if (kind == 1) {
            gps::RmcFields rmc;
            rmc.time = time;
            rmc.position = MapPos(longitude, latitude);
            rmc.speedKnots = speed * 1.943844;
            rmc.courseDegrees = course;
            rmc.date = {1 + (day - 1) % 28, 6, 26};
            gps::AppendRmc(out, rmc);
        } else {
            gps::AppendNmeaSentence(out, "GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1");
            // The second is over: move on along the course, turning slowly.
            const double step = speed / kEarthRadius * 180.0 / kPi;
            latitude += step * std::cos(course * kPi / 180.0);
            longitude += step * std::sin(course * kPi / 180.0) / std::cos(latitude * kPi / 180.0);
            course =
                std::fmod(course + 0.05 + 0.5 * std::sin(static_cast<double>(n) * 1e-3), 360.0);
            if (++seconds % 86400 == 0)
                ++day;
        }
        if (out.size() >= (1 << 20) - 256) {
            std::fwrite(out.data(), 1, out.size(), file);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), file);
    if (std::fclose(file) != 0) {
        std::perror(argv[1]);
        return 2;
    }
    return 0;
}
