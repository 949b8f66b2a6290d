#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/MapPos.h"

// Writing NMEA 0183 sentences, for the demo receiver, the benchmarks and the tests. Numbers
// are written without the process locale.
namespace gps {

// "$" + body + "*" + the XOR of the body's bytes as two upper-case hex digits + CR LF.
void AppendNmeaSentence(std::string& out, std::string_view body);
[[nodiscard]] std::string NmeaSentenceText(std::string_view body);

// The two fields of a coordinate: ddmm.mmmm,N or S for a latitude, dddmm.mmmm,E or W for a
// longitude, with minuteDecimals (0..9) decimals. The minutes are rounded before they are
// split from the degrees, so 51.9999999 gives "5200.0000,N", never "5160.0000,N". Below zero the
// hemisphere is S or W; a non-finite angle is written as 0.
void AppendNmeaLatitude(std::string& out, double degrees, int minuteDecimals = 4);
void AppendNmeaLongitude(std::string& out, double degrees, int minuteDecimals = 4);

// hhmmss.cc
struct NmeaUtc {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int centisecond = 0;
};

// ddmmyy
struct NmeaDate {
    int day = 1;
    int month = 1;
    int year = 0; // the last two digits are written
};

struct GgaFields {
    std::string_view talker = "GP";
    NmeaUtc time;
    std::optional<MapPos> position; // x longitude, y latitude; none: four empty fields
    int minuteDecimals = 4;
    int quality = 1;
    int satellites = 0;           // two digits
    double hdop = 1.0;            // one decimal
    double altitude = 0.0;        // metres, one decimal
    double geoidSeparation = 0.0; // metres, one decimal
};

// $GPGGA,hhmmss.cc,ddmm.mmmm,N,dddmm.mmmm,E,q,ss,h.h,a.a,M,g.g,M,,*hh CR LF
void AppendGga(std::string& out, const GgaFields& gga);

struct RmcFields {
    std::string_view talker = "GP";
    NmeaUtc time;
    bool valid = true;              // status A, else V
    std::optional<MapPos> position; // as for GGA
    int minuteDecimals = 4;
    double speedKnots = 0.0;    // one decimal
    double courseDegrees = 0.0; // one decimal
    NmeaDate date;
    std::optional<double> magneticVariation; // degrees, east positive; one decimal
    char mode = '\0';                        // the NMEA 2.3 mode field ('A'); '\0': none
};

// $GPRMC,hhmmss.cc,A,ddmm.mmmm,N,dddmm.mmmm,E,s.s,c.c,ddmmyy,v.v,E[,m]*hh CR LF
void AppendRmc(std::string& out, const RmcFields& rmc);

} // namespace gps
