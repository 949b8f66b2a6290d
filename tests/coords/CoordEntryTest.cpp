#include "coords/CoordEntry.h"

#include "base/Text.h"
#include "coords/PositionText.h"
#include "geo/Datums.h"
#include "support/Cs2cs.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using coords::CoordEntry;
using coords::CoordFormat;
using F = coords::EntryField;

// An entry filled with 0, 0 (all fields valid), then one or two texts replaced.
struct ParseRow {
    const char* legend;
    CoordFormat format;
    F field;
    const char* text;
    bool fieldValid;
    bool complete;
    F otherField = F::LatHemisphere; // optional second edit
    const char* otherText = "N";
};

const ParseRow kParseRows[] = {
    {"91 latitude degrees", CoordFormat::Dms, F::LatDegrees, "91", false, false},
    {"90 latitude degrees", CoordFormat::Dms, F::LatDegrees, "90", true, true},
    {"180 longitude degrees", CoordFormat::Dm, F::LonDegrees, "180", true, true},
    {"181 longitude degrees", CoordFormat::Dm, F::LonDegrees, "181", false, false},
    {"60 seconds", CoordFormat::Dms, F::LatSeconds, "60", false, false},
    {"59.999 seconds", CoordFormat::Dms, F::LonSeconds, "59.999", true, true},
    {"59 minutes", CoordFormat::Dms, F::LatMinutes, "59", true, true},
    {"60 minutes", CoordFormat::Dms, F::LatMinutes, "60", false, false},
    {"three-digit longitude minutes", CoordFormat::Dms, F::LonMinutes, "123", false, false},
    {"decimal minutes below 60", CoordFormat::Dm, F::LatDecMinutes, "59.9999999", true, true},
    {"decimal minutes of 60", CoordFormat::Dm, F::LonDecMinutes, "60.0", false, false},
    {"a second point ends the number", CoordFormat::Deg, F::LatDecDegrees, "45.5.5", true, true},
    {"1e5 holds a letter", CoordFormat::Deg, F::LatDecDegrees, "1e5", false, false},
    {"empty decimal degrees", CoordFormat::Deg, F::LonDecDegrees, "", false, false},
    {"a lone point", CoordFormat::Deg, F::LonDecDegrees, ".", false, false},
    {"a blank before decimals", CoordFormat::Deg, F::LonDecDegrees, " 1", false, false},
    {"leading point", CoordFormat::Deg, F::LatDecDegrees, ".5", true, true},
    {"trailing point", CoordFormat::Deg, F::LatDecDegrees, "5.", true, true},
    {"decimal degrees 180 exactly", CoordFormat::Deg, F::LonDecDegrees, "180", true, true},
    {"decimal degrees above 90", CoordFormat::Deg, F::LatDecDegrees, "90.0000000001", false, false},
    {"whole degrees skip blanks", CoordFormat::Dms, F::LatDegrees, " 12", true, true},
    {"whole degrees stop at a letter", CoordFormat::Dms, F::LatDegrees, "12ab", true, true},
    {"a minus sign is out of range", CoordFormat::Dms, F::LatDegrees, "-1", false, false},
    {"empty whole degrees", CoordFormat::Dm, F::LatDegrees, "", false, false},
    {"huge whole degrees do not wrap to a valid value", CoordFormat::Dms, F::LonDegrees,
     "4294967296", false, false},
    {"Deg ignores hidden fields holding anything", CoordFormat::Deg, F::LatSeconds, "xyz", false,
     true, F::LonDegrees, "999"},
    {"Dms ignores the hidden decimal degrees", CoordFormat::Dms, F::LatDecDegrees, "abc", false,
     true},
    {"90 degrees 30 minutes is no latitude", CoordFormat::Dms, F::LatMinutes, "30", false, false,
     F::LatDegrees, "90"},
    {"180 degrees 59.5 minutes is no longitude", CoordFormat::Dm, F::LonDecMinutes, "59.5", false,
     false, F::LonDegrees, "180"},
    {"90 degrees 0.001 seconds", CoordFormat::Dms, F::LatSeconds, "0.001", false, false,
     F::LatDegrees, "90"},
};

TEST(CoordEntry, FieldChecksAndCompleteness) {
    for (const auto& row : kParseRows) {
        SCOPED_TRACE(row.legend);
        CoordEntry entry;
        entry.FillFields(0.0, 0.0);
        entry.SetText(row.field, row.text);
        entry.SetText(row.otherField, row.otherText);
        const auto result = entry.ParseFields(row.format);
        EXPECT_EQ(entry.IsValid(row.field), row.fieldValid);
        EXPECT_EQ(result.complete, row.complete);
    }
}

TEST(CoordEntry, ReadsSignedPositions) {
    CoordEntry entry;
    entry.FillFields(0.0, 0.0);
    for (auto [field, text] : {std::pair{F::LatDegrees, "51"},
                               {F::LatMinutes, "28"},
                               {F::LatSeconds, "40.08"},
                               {F::LonSeconds, "5.04"},
                               {F::LonHemisphere, "W"},
                               {F::LatDecDegrees, "33.85"},
                               {F::LonDecDegrees, "151.2153"},
                               {F::LatHemisphere, "S"}}) {
        entry.SetText(field, text);
    }
    const auto dms = entry.ParseFields(CoordFormat::Dms);
    ASSERT_TRUE(dms.complete);
    EXPECT_DOUBLE_EQ(dms.latitude, -51.4778);
    EXPECT_DOUBLE_EQ(dms.longitude, -0.0014);
    const auto deg = entry.ParseFields(CoordFormat::Deg);
    ASSERT_TRUE(deg.complete);
    EXPECT_EQ(deg.latitude, -33.85);
    EXPECT_EQ(deg.longitude, -151.2153);
    for (F field : coords::kEntryFields)
        EXPECT_TRUE(entry.IsValid(field)) << static_cast<int>(field);
}

struct FillRow {
    const char* legend;
    double latitude;
    double longitude;
    // 1006, 1007, 1008, 1017, 1023, 1010, 1011, 1012, 1013, 1018, 1022, 1014
    std::array<const char*, 12> texts;
};

const FillRow kFillRows[] = {
    {"no initial position",
     0.0,
     0.0,
     {"000", "00", "0.000", "0.0000000", "0.0000000000", "E", "00", "00", "0.000", "0.0000000",
      "0.0000000000", "N"}},
    {"Sydney",
     -33.85,
     151.2153,
     {"151", "12", "55.080", "12.9180000", "151.2153000000", "E", "33", "51", "0.000", "51.0000000",
      "33.8500000000", "S"}},
    {"1.2 carries: no 60.000 seconds",
     1.2,
     -1.2,
     {"001", "12", "0.000", "12.0000000", "1.2000000000", "W", "01", "12", "0.000", "12.0000000",
      "1.2000000000", "N"}},
    {"seconds carry into the degree before the decimal minutes do",
     51.9999999,
     -179.99999999,
     {"180", "00", "0.000", "0.0000000", "179.9999999900", "W", "52", "00", "0.000", "0.0000000",
      "51.9999999000", "N"}},
};

TEST(CoordEntry, FillWritesEveryFieldCarried) {
    for (const auto& row : kFillRows) {
        SCOPED_TRACE(row.legend);
        CoordEntry entry;
        entry.FillFields(row.latitude, row.longitude);
        for (std::size_t i = 0; i < coords::kEntryFields.size(); ++i)
            EXPECT_EQ(entry.Text(coords::kEntryFields[i]), row.texts[i]) << i;
    }
}

TEST(CoordEntry, FilledPositionsReadBackValidInEveryFormat) {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> lat(-90.0, 90.0), lon(-180.0, 180.0);
    std::uniform_int_distribution<int> near(0, 3);
    for (int i = 0; i < 3000; ++i) {
        double latitude = lat(random), longitude = lon(random);
        // One sample in four just below a whole minute, where the rounding carries.
        if (near(random) == 0) {
            latitude = std::nextafter(std::trunc(latitude * 60.0) / 60.0, 0.0) - 1e-9;
            longitude = std::nextafter(std::trunc(longitude * 60.0) / 60.0, 0.0);
        }
        CoordEntry entry;
        entry.FillFields(latitude, longitude);
        const struct {
            CoordFormat format;
            double tolerance;
        } formats[] = {// Dm shares the degree field, so a Dms carry bounds its error too.
                       {CoordFormat::Dms, 0.0005 / 3600},
                       {CoordFormat::Dm, 0.0005 / 3600},
                       {CoordFormat::Deg, 5e-11}};
        for (const auto& f : formats) {
            const auto result = entry.ParseFields(f.format);
            ASSERT_TRUE(result.complete) << latitude << ' ' << longitude;
            ASSERT_NEAR(result.latitude, latitude, f.tolerance + 1e-12) << latitude;
            ASSERT_NEAR(result.longitude, longitude, f.tolerance + 1e-12) << longitude;
        }
        for (F field : coords::kEntryFields)
            ASSERT_TRUE(entry.IsValid(field)) << latitude << ' ' << longitude;
    }
}

TEST(CoordEntry, SwitchCarriesACompleteEntryOnly) {
    CoordEntry entry;
    entry.FillFields(0.0, 0.0);
    entry.SetText(F::LatDegrees, "51");
    entry.SetText(F::LatMinutes, "28");
    entry.SetText(F::LatSeconds, "40.08");
    entry.SetText(F::LatDecDegrees, "junk"); // hidden in Dms: red from the last check
    entry.ParseFields(CoordFormat::Dms);
    ASSERT_FALSE(entry.IsValid(F::LatDecDegrees));

    EXPECT_TRUE(entry.SwitchFormat(CoordFormat::Dms, CoordFormat::Deg));
    EXPECT_EQ(entry.Text(F::LatDecDegrees), "51.4778000000");
    EXPECT_EQ(entry.Text(F::LatHemisphere), "N");
    EXPECT_TRUE(entry.IsValid(F::LatDecDegrees)); // refilled, so no longer red

    entry.SetText(F::LatDecDegrees, "91");
    CoordEntry before = entry;
    EXPECT_FALSE(entry.SwitchFormat(CoordFormat::Deg, CoordFormat::Dm));
    for (F field : coords::kEntryFields)
        EXPECT_EQ(entry.Text(field), before.Text(field)) << static_cast<int>(field);
}

} // namespace

namespace {

// One typed text. The truth is cs2cs's conversion of (a, b) from truthCrs to WGS 84 (a, b in
// that CRS's axis order: latitude first for EPSG's geographic CRSs), or, without truthCrs, the
// latitude a and longitude b themselves.
struct TextRow {
    const char* legend;
    const char* text;
    const char* datum; // as a user writes it, through map::DatumCrs
    const char* truthCrs;
    double a, b;
    const char* error = nullptr; // the reason after "TEXT: " of a refusal
};

constexpr double kDm = 30.5 / 60;                // 30.5 minutes
constexpr double kDms = 30.0 / 60 + 15.0 / 3600; // 30 minutes 15 seconds

const TextRow kTextRows[] = {
    {"decimal, latitude first", "46.5 7.25", "WGS84", "", 46.5, 7.25},
    {"letters after", "46.5N, 7.25E", "WGS84", "", 46.5, 7.25},
    {"letters before, longitude first", "E7.25 n46.5", "WGS84", "", 46.5, 7.25},
    {"signs", " -33.85 -151.2153 ", "WGS84", "", -33.85, -151.2153},
    {"degrees and minutes", "46 30.5 S 7 30.5 W", "WGS84", "", -46 - kDm, -7 - kDm},
    {"marks", "46\u00b030'15\"N 7\u00b030\u203215\u2033E", "WGS84", "", 46 + kDms, 7 + kDms},
    {"DMS without marks", "46 30 15 7 30 15", "WGS84", "", 46 + kDms, 7 + kDms},
    {"ED50 at Madrid", "40.4168 -3.7038", "ED50", "EPSG:4230", 40.4168, -3.7038},
    {"UTM with its band", "32T 500000 4982950", "WGS84", "EPSG:32632", 500000, 4982950},
    {"UTM south, zone and hemisphere apart", "56 s 334000 6252000", "WGS84", "EPSG:32756", 334000,
     6252000},
    {"UTM on ED50", "30T 440000 4474000", "ED50", "EPSG:23030", 440000, 4474000},
    {"UTM on NAD27", "13S 500000 4400000", "NAD27", "EPSG:26713", 500000, 4400000},
    {"MGRS to the metre", "18SUJ2348706483", "WGS84", "EPSG:32618", 323487, 4306483},
    {"MGRS with blanks, 100 m", "18S UJ 234 064", "WGS84", "EPSG:32618", 323400, 4306400},
    {"MGRS, 10 km", "18suj26", "WGS84", "EPSG:32618", 320000, 4360000},
    {"MGRS south", "56HLH3400052000", "WGS84", "EPSG:32756", 334000, 6252000},
    {"MGRS in Svalbard's wide zone", "33XWH0000000000", "WGS84", "EPSG:32633", 500000, 8700000},
    {"MGRS on ED50", "30TVK4000074000", "ED50", "EPSG:23030", 440000, 4474000},

    {"empty", " ", "WGS84", "", 0, 0, "no position given"},
    {"two latitudes", "46.5N 7.25S", "WGS84", "", 0, 0, "two latitudes"},
    {"one letter", "46.5N 7.25", "WGS84", "", 0, 0, "give both hemisphere letters or neither"},
    {"91 degrees", "91 7", "WGS84", "", 0, 0,
     "latitude 91.0000\u00b0N is out of range (up to 90\u00b0)"},
    {"60 minutes", "46 60 7 0", "WGS84", "", 0, 0, "60 minutes are out of range (below 60)"},
    {"three numbers", "46.5 7.25 8", "WGS84", "", 0, 0,
     "cannot tell the latitude from the longitude"},
    {"no UTM zone", "61T 500000 4982950", "WGS84", "", 0, 0, "61 is no UTM zone (1 to 60)"},
    {"no band", "32I 500000 4982950", "WGS84", "", 0, 0,
     "I is no latitude band (C to X, without I and O)"},
    {"a polar band", "32Z 500000 4982950", "WGS84", "", 0, 0,
     "band Z is a polar area, outside UTM's range (80\u00b0S to 84\u00b0N)"},
    {"beyond 84 north", "32 N 500000 9500000", "WGS84", "", 0, 0,
     "it lies north of 84\u00b0N, beyond UTM's range"},
    {"band S is 32 to 40 north, not south", "32S 500000 4982950", "WGS84", "", 0, 0,
     "northing 4982950 lies at 45.0000\u00b0N, outside band S"},
    {"easting out of range", "32T 1200000 4982950", "WGS84", "", 0, 0,
     "easting 1200000 is out of range (0 to 1000000)"},
    {"no column A in zone 32", "32TAR0000082950", "WGS84", "", 0, 0,
     "the 100 km square letter A does not exist in zone 32"},
    {"no row W", "32TLW00", "WGS84", "", 0, 0,
     "the 100 km square letter W does not exist in zone 32"},
    {"row R lies outside band S", "18SUR0000000000", "WGS84", "", 0, 0,
     "the 100 km square UR does not exist in 18S"},
    {"column S lies west of zone 33 at 78 north", "33XSH0000000000", "WGS84", "", 0, 0,
     "the 100 km square SH does not exist in 33X"},
    {"no zone 32X", "32XNA1234", "WGS84", "", 0, 0,
     "zone 32X does not exist (31X, 33X, 35X and 37X cover it)"},
    {"odd digits", "32TLR123", "WGS84", "", 0, 0,
     "give 1 to 5 digits of easting and as many of northing"},
};

TEST(PositionText, EveryFormAgainstCs2cs) {
    for (const TextRow& row : kTextRows) {
        SCOPED_TRACE(row.legend);
        std::string error;
        const auto datum = map::DatumCrs(row.datum, &error);
        ASSERT_TRUE(datum) << error;
        const auto position = coords::ParsePosition(row.text, *datum, &error);
        if (row.error != nullptr) {
            EXPECT_FALSE(position);
            EXPECT_TRUE(error.starts_with(base::Trim(row.text, " ")) &&
                        error.ends_with(std::string(": ") + row.error))
                << error;
            continue;
        }
        ASSERT_TRUE(position) << error;
        testsupport::Pair truth{row.a, row.b};
        if (*row.truthCrs != 0)
            truth = testsupport::Cs2cs(row.truthCrs, "EPSG:4326", {truth})[0];
        EXPECT_NEAR(position->y, truth[0], 1e-9);
        EXPECT_NEAR(position->x, truth[1], 1e-9);
    }
}

} // namespace
