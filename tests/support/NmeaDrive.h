#pragma once

// Generated NMEA drives with known speeds, stops and climbs, and the GPX gpsbabel makes of them:
// every figure a track shows has an exact answer.

#include "gps/NmeaWriter.h"

#include <cstdlib>
#include <initializer_list>
#include <string>

namespace testsupport {

// 1 m of latitude on the sphere the program measures with.
inline constexpr double kDriveMetre = 1.0 / 111'195.0;

struct DriveLeg {
    double kmh;
    int seconds;
    double climbMps = 0.0; // metres of height a second
};

// A drive north from start (48 N 11 E unless given) at a fix a second from 2025-06-01 10:00:00
// UTC, each fix a GGA (with its height) and an RMC (with the leg's speed); the first fix at a
// height of 500 m.
inline std::string NmeaDrive(std::initializer_list<DriveLeg> legs, MapPos start = MapPos(11, 48)) {
    std::string out;
    double north = 0.0, height = 500.0;
    int t = 0;
    const auto fix = [&](double kmh) {
        const MapPos at(start.x, start.y + north * kDriveMetre);
        const gps::NmeaUtc time{10 + t / 3600, t / 60 % 60, t % 60, 0};
        gps::GgaFields gga;
        gga.time = time;
        gga.position = at;
        gga.minuteDecimals = 6;
        gga.satellites = 9;
        gga.altitude = height;
        gps::AppendGga(out, gga);
        gps::RmcFields rmc;
        rmc.time = time;
        rmc.position = at;
        rmc.minuteDecimals = 6;
        rmc.speedKnots = kmh / 1.852;
        rmc.date = {1, 6, 25};
        gps::AppendRmc(out, rmc);
    };
    fix(legs.begin()->kmh);
    for (const DriveLeg& leg : legs)
        for (int s = 0; s < leg.seconds; ++s) {
            north += leg.kmh / 3.6;
            height += leg.climbMps;
            ++t;
            fix(leg.kmh);
        }
    return out;
}

// gpsbabel's GPX 1.1 of an NMEA file; false when gpsbabel is missing or fails.
inline bool GpsbabelGpx(const std::string& nmea, const std::string& gpx) {
    return std::system(("gpsbabel -t -i nmea -f '" + nmea + "' -o gpx,gpxver=1.1 -F '" + gpx +
                        "' 2>/dev/null")
                           .c_str()) == 0;
}

} // namespace testsupport
