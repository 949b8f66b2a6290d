#include "coords/CoordEntry.h"

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
