#include "gps/GpsDetailsReader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The sky in short: "system prn[/signal][+ when used]" of each satellite, in order.
std::string Sky(const gps::GpsDetails& details) {
    static const char* const kSystems[] = {"G", "R", "E", "C", "J", "I", "S", "?"};
    std::string out;
    for (const gps::SkySatellite& satellite : details.sky) {
        out += out.empty() ? "" : " ";
        out += kSystems[static_cast<int>(satellite.system)] + std::to_string(satellite.prn);
        if (satellite.signal)
            out += "/" + std::to_string(*satellite.signal);
        out += satellite.used ? "+" : "";
    }
    return out;
}

gps::GpsDetails Read(const std::vector<std::string_view>& lines) {
    gps::GpsDetailsReader reader;
    for (const std::string_view line : lines)
        reader.Add(gps::DecodeSentence(line));
    return reader.Details();
}

constexpr std::string_view kGp1of4 =
    "$GPGSV,4,1,13,04,23,58,39,05,10,220,40,07,63,164,45,08,27,95,41";
constexpr std::string_view kGp2of4 =
    "$GPGSV,4,2,13,09,60,64,44,14,33,329,42,16,1,142,0,20,30,250,43";
constexpr std::string_view kGp3of4 =
    "$GPGSV,4,3,13,27,16,125,34,28,0,0,35,30,52,245,46,41,19,291,38";
constexpr std::string_view kGp4of4 = "$GPGSV,4,4,13,50,48,340,40";

TEST(GpsDetailsReader, SkyTable) {
    const struct {
        const char* legend;
        std::vector<std::string_view> lines;
        std::string sky;
    } rows[] = {
        {"four sentences, SBAS by number, a GGA between them",
         {kGp1of4, kGp2of4, "$GPGGA,1,,,,,0,,,,,,,,", kGp3of4, kGp4of4},
         "G4 G5 G7 G8 G9 G14 G16 G20 G27 G28 G30 S41 S50"},
        {"a lost sentence leaves its satellites out",
         {kGp1of4, kGp3of4, kGp4of4},
         "G4 G5 G7 G8 G27 G28 G30 S41 S50"},
        {"a group not finished is not shown", {kGp1of4, kGp2of4, kGp3of4}, ""},
        {"a new first sentence starts again",
         {kGp1of4, "$GPGSV,1,1,01,12,10,20,30", kGp2of4},
         "G12"},
        {"talkers and signals are groups of their own, GLONASS 65-96",
         {"$GLGSV,1,1,01,65,53,144,,1", "$GPGSV,1,1,01,05,06,110,18,1",
          "$GPGSV,1,1,01,05,06,110,,6", "$GPGSV,1,1,01,06,06,110,18,1"},
         "R65/1 G6/1 G5/6"},
        {"the vendor form names its system after the signal",
         {"$PQGSV,1,1,02,02,20,116,,03,,,,0,4"},
         "C2/0 C3/0"},
        {"used from the GSA of its system id, whatever its numbering",
         {"$GNGSA,A,3,208,,,,,,,,,,,,1.6,1.3,0.9,4", "$GNGSA,A,3,05,,,,,,,,,,,,1.6,1.3,0.9,1",
          "$BDGSV,1,1,02,08,09,030,39,11,40,081,42,4", "$GPGSV,1,1,02,05,1,2,3,06,1,2,3,1",
          "$GNGSA,A,3,06,,,,,,,,,,,,1.6,1.3,0.9,1"},
         "C8/4+ C11/4 G5/1 G6/1+"},
        {"a run of GN GSAs names all used; the next run replaces it",
         {"$GNGSA,A,3,05,,,,,,,,,,,,2,1,1", "$GNGSA,A,3,65,,,,,,,,,,,,2,1,1",
          "$GPGSV,1,1,02,05,1,2,3,06,1,2,3", "$GLGSV,1,1,01,65,1,2,3",
          "$GNGSA,A,3,06,,,,,,,,,,,,2,1,1", "$GNGSA,A,3,65,,,,,,,,,,,,2,1,1"},
         "R65+ G5 G6+"},
        {"GSV never says used", {"$GPGSV,1,1,01,05,90,0,50"}, "G5"},
        {"an empty group empties its sky", {"$GPGSV,1,1,01,05,1,2,3", "$GPGSV,1,1,00"}, ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Sky(Read(row.lines)), row.sky) << row.legend;
}

// Mode (FixMode's number), accuracy ("~" when estimated), speed in m/s, UTC ms; "-" unknown.
std::string Summary(const gps::GpsDetails& d) {
    const auto number = [](auto value) {
        return value ? std::to_string(*value) : std::string("-");
    };
    return std::to_string(static_cast<int>(d.mode)) + " " + number(d.accuracyM) +
           (d.accuracyEstimated ? "~ " : " ") + number(d.speedMps) + " " + number(d.utcMs);
}

TEST(GpsDetailsReader, DetailsTable) {
    const struct {
        const char* legend;
        std::vector<std::string_view> lines;
        std::string summary;
    } rows[] = {
        {"nothing read yet", {}, "0 - - -"},
        {"3D from GSA, accuracy from HDOP x 5 m, knots",
         {"$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W",
          "$GPGSA,A,3,04,05,,,,,,,,,,,2.5,1.3,2.1"},
         "3 6.500000~ 11.523556 764426119000"},
        {"GST's ellipse wins over HDOP; GGA time on RMC's date; DGPS",
         {"$GPRMC,123519,A,4807.038,N,01131.000,E,,,230394,,",
          "$GPGST,123520,1,2.5,1.5,0,1.9,1.4,3",
          "$GPGGA,123520,4807.038,N,01131.000,E,2,08,0.9,545.4,M,46.9,M,,"},
         "4 2.500000 - 764426120000"},
        {"GST without the ellipse: the larger sigma; RTK float",
         {"$GPGST,1,1,,,,1.9,2.4,3", "$GPGGA,1,4807.038,N,01131.000,E,5,08,0.9,1,M,,M,,"},
         "5 2.400000 - -"},
        {"a speed beyond any vehicle and a negative HDOP are unknown",
         {"$GNRMC,003956.00,A,4552.654,S,170,E,320419,,,A,V", "$GNGSA,A,,,,,,,,,,,,,,1,-4,1"},
         "2 - - -"},
        {"a void RMC is no fix: no accuracy, no speed",
         {"$GPGGA,1,4807.038,N,01131.000,E,4,08,0.9,1,M,,M,,",
          "$GPRMC,1,V,4807.038,N,01131.000,E,5,,230394,,"},
         "1 - - -"},
        {"VTG in km/h when knots are missing; no GSA but an altitude: 3D",
         {"$GPGGA,1,4807.038,N,01131.000,E,1,08,,545.4,M,,M,,", "$GPVTG,10,T,,M,,N,36,K,A"},
         "3 - 10.000000 -"},
        {"ZDA sets the date; past midnight the time goes on",
         {"$GPZDA,235959.5,31,12,2023,00,00",
          "$GPGGA,000000.5,4807.038,N,01131.000,E,1,08,1,,M,,M,,"},
         "2 5.000000~ - 1704067200500"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Summary(Read(row.lines)), row.summary) << row.legend;
}

TEST(GpsDetailsReader, SatellitesUsedCountsEachSatelliteOnce) {
    const gps::GpsDetails details =
        Read({"$GNGSA,A,3,05,06,,,,,,,,,,,2,1,1,1", "$GPGSV,1,1,02,05,1,2,3,06,1,2,3,1",
              "$GPGSV,1,1,02,05,1,2,3,07,1,2,3,8"});
    EXPECT_EQ(details.SatellitesUsed(), 2);
}

} // namespace
