#include "gps/NmeaDecode.h"

#include "gps/GpsEpoch.h"
#include "trail/Journal.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace {

using namespace std::string_view_literals;

constexpr std::string_view kMunich =
    "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";

TEST(NmeaSentence, TypeTable) {
    struct Row {
        const char* legend;
        std::string_view line;
        std::string_view type;
    };
    const Row rows[] = {
        {"GPS talker", kMunich, "GGA"},
        {"talker is not looked at", "$GNRMC,", "RMC"},
        {"any talker", "$LCGSA,", "GSA"},
        {"exactly six characters", "$GPGSA", "GSA"},
        {"five characters", "$GPGG", ""},
        {"empty line", "", ""},
        {"lower case is kept as it is", "$gpgga,", "gga"},
        {"bytes are bytes", "\0\0\0GGA"sv, "GGA"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(gps::NmeaSentenceType(row.line), row.type) << row.legend;
}

TEST(NmeaSentence, SplitTable) {
    struct Row {
        const char* legend;
        std::string_view line;
        std::vector<std::string> fields;
    };
    const Row rows[] = {
        {"empty fields keep their places", "$GPGSA,A,,3*39", {"$GPGSA", "A", "", "3"}},
        {"no comma is one field", "abc", {"abc"}},
        {"empty line is one empty field", "", {""}},
        {"trailing comma gives an empty last field", "$X,a,", {"$X", "a", ""}},
        {"star before the last comma is ordinary", "$X,a*1,b*2", {"$X", "a*1", "b"}},
        {"everything behind the star is cut", "$X,b*47\n\r junk", {"$X", "b"}},
        {"no checksum at all", "$X,b\n", {"$X", "b\n"}},
        {"NUL bytes are ordinary", "$X,\0,b"sv, {"$X", std::string(1, '\0'), "b"}},
        {"fields beyond the kept ones are counted", ",,,,,,,,,,,,,,,,,,,,",
         std::vector<std::string>(21)},
    };
    for (const auto& row : rows) {
        const gps::NmeaFields split = gps::SplitNmeaFields(row.line);
        ASSERT_EQ(split.count, row.fields.size()) << row.legend;
        for (std::size_t i = 0; i < split.count; ++i)
            EXPECT_EQ(split[i], row.fields[i]) << row.legend << ", field " << i;
    }
}

const std::string kThirtyNines(30, '9');
const std::string kTwoHundredNines(200, '9');

struct CoordinateRow {
    const char* legend;
    bool latitude;
    std::string_view field;
    std::string_view hemisphere;
    std::optional<double> expected;
};

// Good fields, then garbled or impossible ones as a checksum-valid sentence may carry them:
// those are no coordinate at all, never a made-up or impossible one.
const CoordinateRow kCoordinateRows[] = {
    {"minutes pass through a float", true, "4807.038", "N", 48.117300001780194},
    {"whole minutes are exact", false, "01131.000", "E", 11.516666666666666},
    {"south negates", true, "4807.038", "S", -48.117300001780194},
    {"west negates", false, "01131.000", "W", -11.516666666666666},
    {"lower-case s stays positive", true, "4807.038", "s", 48.117300001780194},
    {"W does not negate a latitude", true, "4807.038", "W", 48.117300001780194},
    {"empty hemisphere stays positive", false, "01131.000", "", 11.516666666666666},
    {"zero degrees", false, "00005.5", "E", 0.09166666666666666},
    {"degrees only", true, "48", "N", 48.0},
    {"the pole", true, "9000.0000", "S", -90.0},
    {"the antimeridian", false, "18000.0000", "W", -180.0},
    {"minutes just below 60 round up in single precision", true, "8959.999999999", "N", 90.0},
    {"sixty minutes", true, "8960.0000", "N", std::nullopt},
    {"beyond the pole", true, "9000.0001", "N", std::nullopt},
    {"beyond the antimeridian", false, "18000.0001", "E", std::nullopt},
    {"thirty nines", true, kThirtyNines, "N", std::nullopt},
    {"two hundred nines", false, kTwoHundredNines, "E", std::nullopt},
    {"field shorter than the degrees", false, "48", "E", std::nullopt},
    {"empty field", true, "", "N", std::nullopt},
    {"NaN", true, "NaN", "N", std::nullopt},
    {"inf", true, "inf", "N", std::nullopt},
    {"nan minutes", false, "011nan", "E", std::nullopt},
    {"an exponent", true, "1e999", "N", std::nullopt},
    {"exponent minutes", true, "481e30", "N", std::nullopt},
    {"hexadecimal", true, "0x1p3", "N", std::nullopt},
    {"a sign", true, "-4807.038", "N", std::nullopt},
    {"a sign in the minutes", true, "48-07.038", "N", std::nullopt},
    {"a letter O for a zero", true, "48O7.038", "N", std::nullopt},
    {"a leading blank", true, " 4807.038", "N", std::nullopt},
    {"a trailing blank", false, "01131.000 ", "E", std::nullopt},
};

TEST(NmeaDecode, CoordinateTable) {
    for (const auto& row : kCoordinateRows) {
        const std::optional<double> value = row.latitude
                                                ? gps::NmeaLatitude(row.field, row.hemisphere)
                                                : gps::NmeaLongitude(row.field, row.hemisphere);
        EXPECT_EQ(value, row.expected) << row.legend;
    }
}

TEST(NmeaDecode, GgaTable) {
    const std::nullopt_t none = std::nullopt;
    struct Row {
        const char* legend;
        std::string_view line;
        bool ok;
        gps::GgaRecord expected;
    };
    const Row rows[] = {
        {"the reference sentence",
         kMunich,
         true,
         {48.117300001780194, 11.516666666666666, 8, 0.9, 545.4}},
        {"south and west",
         "$GPGGA,123519,4807.038,S,01131.000,W,1,08,0.9,545.4,M,46.9,M,,*47",
         true,
         {-48.117300001780194, -11.516666666666666, 8, 0.9, 545.4}},
        {"wrong checksum and other talker",
         "$GNGGA,1,4807.038,N,01131.000,E,1,08,0.9,545.4,M,,M,,*00",
         true,
         {48.117300001780194, 11.516666666666666, 8, 0.9, 545.4}},
        {"fix quality 0 with a position is a position",
         "$GPGGA,1,4807.038,N,01131.000,E,0,,,,M,,M,,*00",
         true,
         {48.117300001780194, 11.516666666666666, none, none, none}},
        {"no position: values read all the same",
         "$GPGGA,1,,,,,0,05,28.92,12.5,M,,M,,*00",
         false,
         {0.0, 0.0, 5, 28.92, 12.5}},
        {"only the latitude",
         "$GPGGA,1,4807.038,N,,,1,05,,,M,,M,,",
         false,
         {0.0, 0.0, 5, none, none}},
        {"malformed numbers are nothing",
         "$GPGGA,1,4807.038,N,01131.000,E,1,x,M,-,M,,M,,",
         true,
         {48.117300001780194, 11.516666666666666, none, none, none}},
        {"garbled values are nothing",
         "$GPGGA,1,4807.038,N,01131.000,E,1,+8,-0,1e3,M,,M,,",
         true,
         {48.117300001780194, 11.516666666666666, none, none, none}},
        {"values beyond any receiver are nothing",
         "$GPGGA,1,4807.038,N,01131.000,E,1,1000,100.5,1000001,M,,M,,",
         true,
         {48.117300001780194, 11.516666666666666, none, none, none}},
        {"an altitude below the sea",
         "$GPGGA,1,4807.038,N,01131.000,E,1,08,0.9,-12.5,M,,M,,",
         true,
         {48.117300001780194, 11.516666666666666, 8, 0.9, -12.5}},
        {"an impossible latitude is no position; values read all the same",
         "$GPGGA,1,9999.99,N,01131.000,E,1,08,0.9,545.4,M,,M,,",
         false,
         {0.0, 0.0, 8, 0.9, 545.4}},
        {"more fields than 15",
         "$GPGGA,1,0000.0000,N,00000.0000,E,1,00,0.0,0,M,,M,,,extra,*00",
         true,
         {0.0, 0.0, 0, 0.0, 0.0}},
    };
    for (const auto& row : rows) {
        gps::GgaRecord record;
        EXPECT_EQ(gps::DecodeGga(row.line, record), row.ok) << row.legend;
        EXPECT_EQ(record.latitude, row.expected.latitude) << row.legend;
        EXPECT_EQ(record.longitude, row.expected.longitude) << row.legend;
        EXPECT_EQ(record.satellites, row.expected.satellites) << row.legend;
        EXPECT_EQ(record.hdop, row.expected.hdop) << row.legend;
        EXPECT_EQ(record.altitude, row.expected.altitude) << row.legend;
    }
}

TEST(NmeaDecode, RmcTable) {
    struct Row {
        const char* legend;
        std::string_view line;
        bool ok;
        double latitude, longitude;
    };
    const Row rows[] = {
        {"valid", "$GPRMC,1,A,4807.038,N,01131.000,E,,,,,*6A", true, 48.117300001780194,
         11.516666666666666},
        {"void status with a position is a position", "$GPRMC,1,V,4807.038,S,01131.000,W,,,,,",
         true, -48.117300001780194, -11.516666666666666},
        {"wrong checksum is not noticed", "$GPRMC,1,A,4807.038,N,01131.000,E,,,,,*00", true,
         48.117300001780194, 11.516666666666666},
        {"NMEA 2.3 mode field", "$GPRMC,1,A,4807.038,N,01131.000,E,,,,,,A*00", true,
         48.117300001780194, 11.516666666666666},
        {"empty position", "$GPRMC,,V,,,,,,,,,,N*53", false, -1.0, -1.0},
        {"empty longitude only", "$GPRMC,1,A,4807.038,N,,E,,,,,", false, -1.0, -1.0},
        {"11 fields", "$GPRMC,1,A,4807.038,N,01131.000,E,,,,*00", false, -1.0, -1.0},
        {"a garbled longitude is no position", "$GPRMC,1,A,4807.038,N,0113l.000,E,,,,,", false,
         -1.0, -1.0},
        {"a star before the last comma is ordinary", "$GPRMC,1,A,4807.038,N,01131.000,E,,*0,,,",
         true, 48.117300001780194, 11.516666666666666},
    };
    for (const auto& row : rows) {
        gps::RmcRecord record{-1.0, -1.0};
        EXPECT_EQ(gps::DecodeRmc(row.line, record), row.ok) << row.legend;
        EXPECT_EQ(record.latitude, row.latitude) << row.legend;
        EXPECT_EQ(record.longitude, row.longitude) << row.legend;
    }
}

TEST(NmeaDecode, RmcTimeSpeedAndCourse) {
    const double unknown = NAN;
    const struct {
        const char* legend;
        std::string_view line;
        std::int64_t utcMs;
        double speed, course;
    } rows[] = {
        {"all given", "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A",
         764426119000, 22.4, 84.4},
        {"hundredths of a second", "$GPRMC,123519.25,A,4807.038,N,01131.000,E,0.0,,010100,,,A",
         946730119250, 0.0, unknown},
        {"no date: time unknown", "$GPRMC,123519,A,4807.038,N,01131.000,E,,,,,", 0, unknown,
         unknown},
        {"1999", "$GPRMC,000000,A,4807.038,N,01131.000,E,,,311299,,", 946598400000, unknown,
         unknown},
        {"2079", "$GPRMC,235960,A,4807.038,N,01131.000,E,,,311279,,", 3471292800000, unknown,
         unknown},
        {"garbled speed and course are unknown",
         "$GPRMC,123519,A,4807.038,N,01131.000,E,1e2,-0,230394,,", 764426119000, unknown, unknown},
        {"a negative speed and a course beyond 360 are unknown",
         "$GPRMC,123519,A,4807.038,N,01131.000,E,-1.5,360.5,230394,,", 764426119000, unknown,
         unknown},
    };
    for (const auto& row : rows) {
        gps::RmcRecord record;
        ASSERT_TRUE(gps::DecodeRmc(row.line, record)) << row.legend;
        EXPECT_EQ(record.utcMs, row.utcMs) << row.legend;
        const auto same = [](double a, double b) { return std::isnan(b) ? std::isnan(a) : a == b; };
        EXPECT_TRUE(same(record.speedKnots, row.speed)) << row.legend;
        EXPECT_TRUE(same(record.courseDeg, row.course)) << row.legend;
    }
    // Damaged times and dates are no time at all, never a wrong one.
    const std::pair<std::string_view, std::string_view> bad[] = {
        {"", "230394"},         {"123519", ""},         {"1235", "230394"},   {"240000", "230394"},
        {"126019", "230394"},   {"123561", "230394"},   {"12a519", "230394"}, {"123519", "320394"},
        {"123519", "290223"},   {"123519", "231394"},   {"123519", "23039"},  {"123519", "2303944"},
        {"123519,5", "230394"}, {"123519.x", "230394"}, {"-23519", "230394"},
    };
    for (const auto& [time, date] : bad)
        EXPECT_FALSE(gps::NmeaUtcMs(time, date)) << time << " " << date;
}

TEST(NmeaDecode, RmcFieldsReadWithoutAPosition) {
    gps::RmcRecord rmc;
    EXPECT_FALSE(gps::DecodeRmc("$GPRMC,081420.5,V,,,,,0.00,340.16,260514,3.5,W,N", rmc));
    EXPECT_EQ(rmc.timeOfDayMs, 29660500);
    EXPECT_EQ(rmc.status, 'V');
    EXPECT_EQ(rmc.dateMs, 1401062400000);
    EXPECT_EQ(rmc.magVar, -3.5);
    EXPECT_EQ(rmc.mode, 'N');
    EXPECT_TRUE(gps::DecodeRmc("$GPRMC,1,A,4807.038,N,01131.000,E,,,,200.0,E", rmc));
    EXPECT_EQ(rmc.magVar, std::nullopt) << "beyond 180 degrees";
}

TEST(NmeaDecode, GsaTable) {
    struct Row {
        const char* legend;
        std::string_view line;
        bool ok;
        std::int32_t satellitesUsed;
        std::optional<double> hdop;
    };
    const Row rows[] = {
        {"the reference sentence", "$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39", true, 5, 1.3},
        {"empty hdop is nothing", "$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,,2.1*39", true, 5,
         std::nullopt},
        {"malformed hdop is nothing", "$GPGSA,A,3,04,,,,,,,,,,,,2.5,x,2.1", true, 1, std::nullopt},
        {"all twelve slots", "$GNGSA,A,3,1,2,3,4,5,6,7,8,9,10,11,12,1.0,0.8,0.6,1*00", true, 12,
         0.8},
        {"no satellites, system-id field", "$GNGSA,A,1,,,,,,,,,,,,,99.99,99.99,99.99,1*33", true, 0,
         99.99},
        {"17 fields", "$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3*39", false, -7, -7.0},
    };
    for (const auto& row : rows) {
        gps::GsaRecord record{-7, -7.0};
        EXPECT_EQ(gps::DecodeGsa(row.line, record), row.ok) << row.legend;
        EXPECT_EQ(record.satellitesUsed, row.satellitesUsed) << row.legend;
        EXPECT_EQ(record.hdop, row.hdop) << row.legend;
    }
    gps::GsaRecord gsa;
    ASSERT_TRUE(gps::DecodeGsa("$GNGSA,A,3,05,x,1000,208,,,,,,,,,,0.8,101,4", gsa));
    EXPECT_EQ(gsa.mode, 3);
    EXPECT_EQ(std::vector<int>(gsa.prns.begin(), gsa.prns.begin() + gsa.prnCount),
              (std::vector<int>{5, 208}));
    EXPECT_EQ(gsa.satellitesUsed, 4) << "the handheld's count stays as it was";
    EXPECT_EQ(gsa.pdop, std::nullopt);
    EXPECT_EQ(gsa.vdop, std::nullopt) << "beyond 100";
    EXPECT_EQ(gsa.systemId, 4);
    ASSERT_TRUE(gps::DecodeGsa("$GPGSA,A,3,25,32,,,,,,,,,,,5.1,1.3,4.9,3.3", gsa));
    EXPECT_EQ(gsa.systemId, std::nullopt) << "a fourth DOP is no system id";
}

// The fields the handheld never read: each is read, or nothing when empty, cut off,
// malformed or out of range.
// A GSV record in short: "count/number in-view signal system: prn el az snr ..." with "-"
// for nothing; "refused" when it did not decode.
std::string Gsv(std::string_view line) {
    gps::GsvRecord r;
    if (!gps::DecodeGsv(line, r))
        return "refused";
    const auto text = [](std::optional<int> value) {
        return value ? std::to_string(*value) : std::string("-");
    };
    std::string out = std::string(r.talker.data(), 2) + " " + std::to_string(r.sentences) + "/" +
                      std::to_string(r.number) + " " + text(r.inView) + " " + text(r.signal) + " " +
                      text(r.systemId) + ":";
    for (int i = 0; i < r.count; ++i) {
        const gps::GsvSatellite& s = r.satellites[static_cast<std::size_t>(i)];
        out += " " + std::to_string(s.prn) + " " + text(s.elevation) + " " + text(s.azimuth) + " " +
               text(s.snr);
    }
    return out;
}

TEST(NmeaDecode, GsvTable) {
    const struct {
        const char* legend;
        std::string_view line;
        std::string record;
    } rows[] = {
        {"four satellites", "$GPGSV,3,1,12,08,88,068,,07,59,081,23,28,41,187,,05,40,260,*79",
         "GP 3/1 12 - -: 8 88 68 - 7 59 81 23 28 41 187 - 5 40 260 -"},
        {"NMEA 4.10 signal behind two satellites", "$GPGSV,2,2,06,07,05,097,,13,80,264,,1*64",
         "GP 2/2 6 1 -: 7 5 97 - 13 80 264 -"},
        {"the vendor form: signal, then system", "$PQGSV,4,4,15,28,08,040,,29,,,,30,21,144,,0,4*63",
         "PQ 4/4 15 0 4: 28 8 40 - 29 - - - 30 21 144 -"},
        {"out of range is nothing; no number, no satellite; a cut-off satellite is none",
         "$GLGSV,1,1,04,65,91,360,100,,10,20,30,0,1,2,3,66,5", "GL 1/1 4 - -: 65 - - -"},
        {"a satellite cut short by its last field", "$GPGSV,3,3,09,27,10,076*4D", "GP 3/3 9 - -:"},
        {"garbled numbers", "$GPGSV,1,1,02,+5,1e1,0x10,-0,07, 5,NaN,40", "GP 1/1 2 - -: 7 - - 40"},
        {"trailing empty slots", "$GPGSV,3,3,10,25,25,224,31,,,,,*72",
         "GP 3/3 10 - -: 25 25 224 31"},
        {"number beyond the count", "$GPGSV,2,3,06,07,05,097,", "refused"},
        {"no count", "$GPGSV,,1,06,07,05,097,", "refused"},
        {"three fields", "$GPGSV,1,1", "refused"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Gsv(row.line), row.record) << row.legend;
}

TEST(NmeaDecode, VtgGstZdaTable) {
    const std::nullopt_t none = std::nullopt;
    const struct {
        const char* legend;
        std::string_view line;
        std::variant<gps::VtgRecord, gps::GstRecord, gps::ZdaRecord, gps::HeadingRecord> expected;
    } rows[] = {
        {"VTG", "$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K,A*48",
         gps::VtgRecord{54.7, 34.4, 5.5, 10.2, 'A'}},
        {"VTG course beyond 360 and a negative speed", "$GPVTG,361,T,,M,-1,N,x,K",
         gps::VtgRecord{none, none, none, none, 0}},
        {"GST", "$GPGST,172814.0,0.006,0.023,0.020,273.6,0.023,0.020,0.031*6A",
         gps::GstRecord{62894000, 0.006, 0.023, 0.020, 273.6, 0.023, 0.020, 0.031}},
        {"GST empty sigmas", "$GPGST,172814.0,,,,,,-1,",
         gps::GstRecord{62894000, none, none, none, none, none, none, none}},
        {"ZDA", "$GPZDA,201530.00,04,07,2002,-5,00*60", gps::ZdaRecord{1025813730000, -5, 0}},
        {"ZDA with a two-digit year is no time", "$GPZDA,201530.00,04,07,02,,",
         gps::ZdaRecord{none, none, none}},
        {"ZDA, day 31 of June", "$GPZDA,201530.00,31,06,2002", gps::ZdaRecord{none, none, none}},
        {"HDT", "$HEHDT,274.07,T*19", gps::HeadingRecord{274.07, 0}},
        {"HDT beyond 360", "$HEHDT,360.5,T", gps::HeadingRecord{none, 0}},
        {"THS autonomous", "$GNTHS,77.52,A", gps::HeadingRecord{77.52, 'A'}},
        {"THS not valid: no heading", "$GNTHS,77.52,V", gps::HeadingRecord{none, 'V'}},
    };
    for (const auto& row : rows) {
        const gps::DecodedSentence decoded = gps::DecodeSentence(row.line);
        EXPECT_TRUE(decoded.ok) << row.legend;
        const bool same = std::visit(
            [&](const auto& expected) {
                const auto* got = std::get_if<std::decay_t<decltype(expected)>>(&decoded.record);
                return got != nullptr && *got == expected;
            },
            row.expected);
        EXPECT_TRUE(same) << row.legend;
    }
}

// Each line decoded once says what it gave: a reader asks the bits instead of the record's type.
TEST(NmeaDecode, DecodedSentenceSaysWhatItSet) {
    using S = gps::DecodedSentence;
    const struct {
        const char* legend;
        std::string_view line;
        std::uint32_t set;
        std::string_view talker;
    } rows[] = {
        {"GGA", kMunich,
         S::kTime | S::kPosition | S::kStatus | S::kSatellites | S::kHdop | S::kAltitude, "GP"},
        {"GGA without a position or hdop", "$GNGGA,123519,,,,,0,05,,12.5,M,,M,,",
         S::kTime | S::kStatus | S::kSatellites | S::kAltitude, "GN"},
        {"GGA of 14 fields sets nothing",
         "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,,M", 0, "GP"},
        {"RMC without a position: no speed or course",
         "$GPRMC,081420.5,V,,,,,0.00,340.16,260514,3.5,W,N",
         S::kTime | S::kDate | S::kStatus | S::kMagVar, "GP"},
        {"RMC", "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,,230394,,",
         S::kTime | S::kDate | S::kStatus | S::kPosition | S::kSpeed, "GP"},
        {"GSA with an empty hdop", "$GLGSA,A,3,65,,,,,,,,,,,,2.5,,2.1",
         S::kSatellites | S::kStatus | S::kDop, "GL"},
        {"GSV", "$GPGSV,3,3,10,25,25,224,31", S::kSky, "GP"},
        {"GSV beyond its count", "$GPGSV,2,3,06,07,05,097,", 0, "GP"},
        {"VTG", "$GPVTG,054.7,T,,M,,N,010.2,K", S::kCourse | S::kSpeed, "GP"},
        {"GST", "$GPGST,172814.0,,0.023,,,,,", S::kTime | S::kError, "GP"},
        {"ZDA", "$GPZDA,201530.00,04,07,2002,,", S::kTime | S::kDate, "GP"},
        {"HDT", "$HEHDT,274.07,T", S::kHeading, "HE"},
        {"THS without a heading", "$GNTHS,,V", 0, "GN"},
        {"another type", "$GPGLL,4807.038,N,01131.000,E,123519,A", 0, ""},
    };
    for (const auto& row : rows) {
        const gps::DecodedSentence decoded = gps::DecodeSentence(row.line);
        EXPECT_EQ(decoded.set, row.set) << row.legend;
        EXPECT_EQ(decoded.Talker(), row.talker) << row.legend;
    }
}

// Lines that each decoder must refuse without touching its record.
TEST(NmeaDecode, RefusedLinesLeaveRecordsUntouched) {
    const std::string_view lines[] = {
        "$GPGG",                                                             // too short for a type
        "$gpgga,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47", // lower case
        "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,*47",  // 14 fields
        "$GPRMC,1,A,4807.038,N,01131.000,E,,,,*00",                          // 11 fields
        "$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3*39",                       // 17 fields
        "$GPGLL,4807.038,N,01131.000,E,123519,A,,,,,,,,,,,,,,",              // other type
        "",
    };
    for (const auto line : lines) {
        gps::GgaRecord gga{1.0, 2.0, 3, 4.0, 5.0};
        gps::RmcRecord rmc{1.0, 2.0};
        gps::GsaRecord gsa{3, 4.0};
        EXPECT_FALSE(gps::DecodeGga(line, gga)) << line;
        EXPECT_FALSE(gps::DecodeRmc(line, rmc)) << line;
        EXPECT_FALSE(gps::DecodeGsa(line, gsa)) << line;
        EXPECT_EQ(gga.latitude, 1.0);
        EXPECT_EQ(gga.longitude, 2.0);
        EXPECT_EQ(gga.satellites, 3);
        EXPECT_EQ(gga.hdop, 4.0);
        EXPECT_EQ(gga.altitude, 5.0);
        EXPECT_EQ(rmc.latitude, 1.0);
        EXPECT_EQ(rmc.longitude, 2.0);
        EXPECT_EQ(gsa.satellitesUsed, 3);
        EXPECT_EQ(gsa.hdop, 4.0);
    }
}

TEST(NmeaDecode, ManyCommasCostNoMoreThanTheLine) {
    std::string line = "$GPGSA" + std::string(1 << 20, ',');
    gps::GsaRecord gsa;
    ASSERT_TRUE(gps::DecodeGsa(line, gsa));
    EXPECT_EQ(gsa.satellitesUsed, 0);
    EXPECT_EQ(gps::SplitNmeaFields(line).count, (1u << 20) + 1);
}

// Whatever the decoder takes, a recording writes to the journal, and the journal's reader must
// take it back: otherwise one garbled sentence has the next start set the whole journal aside.
TEST(NmeaDecode, EveryFixTakenIsAJournalRecordTheReaderTakes) {
    // Each coordinate row in a GGA and an RMC, with altitude, speed and course good or garbled.
    const std::string values[][3] = {
        {"545.4", "022.4", "084.4"}, {"99999999999999999999", "NaN", "361"}, {"-0", "1e3", "-1"}};
    std::size_t taken = 0, expected = 0;
    for (std::size_t i = 0; i < std::size(kCoordinateRows); ++i) {
        const CoordinateRow& row = kCoordinateRows[i];
        const auto& [altitude, speed, course] = values[i % std::size(values)];
        const std::string field(row.field), hemisphere(row.hemisphere);
        const std::string position = row.latitude ? field + "," + hemisphere + ",01131.000,E"
                                                  : "4807.038,N," + field + "," + hemisphere;
        for (const std::string& line :
             {"$GPGGA,123519," + position + ",1,08,0.9," + altitude + ",M,,M,,",
              "$GPRMC,123519,A," + position + "," + speed + "," + course + ",230394,,"}) {
            expected += row.expected ? 1 : 0;
            gps::GpsEpochAssembler epochs;
            epochs.Add(gps::DecodeSentence(line));
            epochs.Finish();
            for (const gps::GpsEpoch& e : epochs.TakeCompleted()) {
                ++taken;
                const trail::JournalEntry written{
                    trail::JournalEntry::Kind::Fix,
                    {e.position, e.utcMs, e.heightM, e.speedKnots, e.courseDeg}};
                trail::JournalEntry read;
                EXPECT_TRUE(trail::DecodeJournalRecord(trail::EncodeJournalRecord(written), read))
                    << line;
            }
        }
    }
    EXPECT_EQ(taken, expected) << "a fix for each good coordinate, none for the others";
}

} // namespace
