#include "coords/CoordFormat.h"

#include "support/Cs2cs.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <locale>
#include <string>
#include <vector>

namespace {

using coords::CoordFormat;

struct PositionRow {
    const char* legend;
    double latitude;
    double longitude;
    const char* dms;
    const char* dm;
    const char* deg;
};

const PositionRow kPositions[] = {
    {"Greenwich: west of the meridian by a few metres", 51.4778, -0.0014,
     "0\u00b000'5.0W 51\u00b028'40.1N", "0\u00b00.08'W 51\u00b028.67'N",
     "0.0014\u00b0W 51.4778\u00b0N"},
    {"Sydney: south and east", -33.85, 151.2153, "151\u00b012'55.1E 33\u00b051'0.0S",
     "151\u00b012.92'E 33\u00b051.00'S", "151.2153\u00b0E 33.8500\u00b0S"},
    {"origin", 0.0, 0.0, "0\u00b000'0.0E 0\u00b000'0.0N", "0\u00b00.00'E 0\u00b00.00'N",
     "0.0000\u00b0E 0.0000\u00b0N"},
    {"negative zero keeps N and E", -0.0, -0.0, "0\u00b000'0.0E 0\u00b000'0.0N",
     "0\u00b00.00'E 0\u00b00.00'N", "0.0000\u00b0E 0.0000\u00b0N"},
    {"pole and antimeridian", -90.0, -180.0, "180\u00b000'0.0W 90\u00b000'0.0S",
     "180\u00b00.00'W 90\u00b00.00'S", "180.0000\u00b0W 90.0000\u00b0S"},
};

TEST(CoordFormat, PositionsInEveryFormat) {
    for (const auto& row : kPositions) {
        SCOPED_TRACE(row.legend);
        const MapPos position(row.longitude, row.latitude);
        EXPECT_EQ(coords::FormatPosition(position, CoordFormat::Dms), row.dms);
        EXPECT_EQ(coords::FormatPosition(position, CoordFormat::Dm), row.dm);
        EXPECT_EQ(coords::FormatPosition(position, CoordFormat::Deg), row.deg);
    }
}

// A position given by its UTM easting and northing (cs2cs finds its latitude and longitude), and
// its texts in the two grid formats.
struct GridRow {
    const char* legend;
    const char* crs;
    double easting, northing;
    const char* utm;
    const char* mgrs;
};

const GridRow kGridRows[] = {
    {"MGRS truncates, UTM rounds", "EPSG:32618", 323487.7, 4306483.2, "18S 323488 4306483",
     "18S UJ 23487 06483"},
    {"south of the equator", "EPSG:32756", 334000.3, 6252000.3, "56H 334000 6252000",
     "56H LH 34000 52000"},
    {"south-west Norway lies in the wider 32V", "EPSG:32632", 297000.3, 6700000.3,
     "32V 297000 6700000", "32V KN 97000 00000"},
    {"Svalbard's 33X", "EPSG:32633", 500000.3, 8700000.3, "33X 500000 8700000",
     "33X WH 00000 00000"},
};

TEST(CoordFormat, GridTextsOfPositionsFromCs2cs) {
    for (const auto& row : kGridRows) {
        SCOPED_TRACE(row.legend);
        const auto geo = testsupport::Cs2cs(row.crs, "EPSG:4326", {{row.easting, row.northing}});
        const MapPos position(geo[0][1], geo[0][0]);
        EXPECT_EQ(coords::FormatPosition(position, CoordFormat::Utm), row.utm);
        EXPECT_EQ(coords::FormatPosition(position, CoordFormat::Mgrs), row.mgrs);
    }
    // Beyond UTM's reach the grid formats fall back to degrees.
    const MapPos polar(10.0, 85.0);
    EXPECT_EQ(coords::FormatPosition(polar, CoordFormat::Mgrs),
              coords::FormatPosition(polar, CoordFormat::Deg));
}

struct AngleRow {
    const char* legend;
    bool latitude; // else longitude
    double angle;
    const char* dms;
    const char* dm;
    const char* deg;
};

const AngleRow kAngles[] = {
    {"half degree", true, 10.5, "10\u00b030'0.0N", "10\u00b030.00'N", "10.5000\u00b0N"},
    {"longitude zero is east", false, 0.0, "0\u00b000'0.0E", "0\u00b00.00'E", "0.0000\u00b0E"},
    {"seconds and decimal minutes are never padded", true, 0.0014, "0\u00b000'5.0N",
     "0\u00b00.08'N", "0.0014\u00b0N"},
    {"1.2 splits to 59.99999.. seconds: carried into the minutes", true, 1.2, "1\u00b012'0.0N",
     "1\u00b012.00'N", "1.2000\u00b0N"},
    {"51.999999: seconds and minutes round to 60 and carry", true, 51.999999, "52\u00b000'0.0N",
     "52\u00b00.00'N", "52.0000\u00b0N"},
    {"carry through the minutes into the degrees, west", false, -89.99999, "90\u00b000'0.0W",
     "90\u00b00.00'W", "90.0000\u00b0W"},
    {"59.96 seconds round to 60 and carry", true, 10.0 + 59.0 / 60.0 + 59.96 / 3600.0,
     "11\u00b000'0.0N", "11\u00b00.00'N", "11.0000\u00b0N"},
    {"59.94 seconds stay below 60", true, 10.0 + 59.0 / 60.0 + 59.94 / 3600.0, "10\u00b059'59.9N",
     "11\u00b00.00'N", "11.0000\u00b0N"},
    {"a tiny negative latitude is south", true, -0.00001, "0\u00b000'0.0S", "0\u00b00.00'S",
     "0.0000\u00b0S"},
    {"not a number counts as zero", true, std::nan(""), "0\u00b000'0.0N", "0\u00b00.00'N",
     "0.0000\u00b0N"},
};

TEST(CoordFormat, AnglesRoundAndCarry) {
    for (const auto& row : kAngles) {
        SCOPED_TRACE(row.legend);
        const auto format = row.latitude ? coords::FormatLatitude : coords::FormatLongitude;
        EXPECT_EQ(format(row.angle, CoordFormat::Dms), row.dms);
        EXPECT_EQ(format(row.angle, CoordFormat::Dm), row.dm);
        EXPECT_EQ(format(row.angle, CoordFormat::Deg), row.deg);
    }
}

TEST(CoordFormat, SplitAndJoin) {
    const auto half = coords::SplitDms(-0.5);
    EXPECT_EQ(half.degrees, 0);
    EXPECT_EQ(half.minutes, 30);
    EXPECT_EQ(half.seconds, 0.0);

    // The unrounded split of 1.2 sits just below a whole minute; only the rounded one carries.
    const auto raw = coords::SplitDms(1.2);
    EXPECT_EQ(raw.degrees, 1);
    EXPECT_EQ(raw.minutes, 11);
    EXPECT_DOUBLE_EQ(raw.seconds, 59.99999999999989);
    EXPECT_LT(raw.seconds, 60.0);

    EXPECT_DOUBLE_EQ(coords::DmsToDegrees(51, 28, 40.08), 51.4778);
    EXPECT_DOUBLE_EQ(coords::DmToDegrees(51, 28.668), 51.4778);

    const auto dm = coords::SplitDm(-33.85);
    EXPECT_EQ(dm.degrees, 33);
    EXPECT_NEAR(dm.minutes, 51.0, 1e-9);
}

struct RoundedRow {
    const char* legend;
    double angle;
    int decimals;
    int degrees;
    int minutes; // Dms
    double seconds;
    int dmDegrees;
    double dmMinutes;
};

const RoundedRow kRounded[] = {
    {"dialog fill of 1.2 (3 and 7 decimals)", 1.2, 3, 1, 12, 0.0, 1, 12.0},
    {"51.999999 keeps its minutes at 7 decimals", 51.999999, 7, 51, 59, 59.9964, 51, 59.99994},
    {"51.99999999999 carries at 7 decimals", 51.99999999999, 7, 52, 0, 0.0, 52, 0.0},
    {"Greenwich latitude", 51.4778, 3, 51, 28, 40.08, 51, 28.668},
};

TEST(CoordFormat, RoundedSplitsCarry) {
    for (const auto& row : kRounded) {
        SCOPED_TRACE(row.legend);
        const auto dms = coords::SplitDmsRounded(row.angle, row.decimals);
        EXPECT_EQ(dms.degrees, row.degrees);
        EXPECT_EQ(dms.minutes, row.minutes);
        EXPECT_NEAR(dms.seconds, row.seconds, 1e-9);
        const auto dm = coords::SplitDmRounded(row.angle, row.decimals);
        EXPECT_EQ(dm.degrees, row.dmDegrees);
        EXPECT_NEAR(dm.minutes, row.dmMinutes, 1e-9);
    }
}

TEST(CoordFormat, EverySplitPrintsBelowSixty) {
    // Sweep hundredths of a second across a degree: the printed seconds and minutes never
    // reach 60 and the text reads back to the angle within the printed precision.
    for (int step = 0; step <= 360000; step += 7) {
        const double angle = 47.0 + step / 360000.0;
        const auto dms = coords::SplitDmsRounded(angle, 1);
        ASSERT_LT(dms.seconds, 60.0) << angle;
        ASSERT_LT(dms.minutes, 60) << angle;
        ASSERT_NEAR(coords::DmsToDegrees(dms.degrees, dms.minutes, dms.seconds), angle,
                    0.05 / 3600 + 1e-12)
            << angle;
        const auto dm = coords::SplitDmRounded(angle, 2);
        ASSERT_LT(dm.minutes, 60.0) << angle;
        ASSERT_NEAR(coords::DmToDegrees(dm.degrees, dm.minutes), angle, 0.005 / 60 + 1e-12)
            << angle;
    }
}

// A comma-decimal numpunct: de_DE.UTF-8 is usually not installed on build machines, so the
// global C++ locale gets this facet; the C locale is switched too when de_DE is available.
struct CommaDecimal : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

std::vector<std::string> AllTexts() {
    std::vector<std::string> texts;
    for (const auto& row : kPositions)
        for (auto format : {CoordFormat::Dms, CoordFormat::Dm, CoordFormat::Deg})
            texts.push_back(coords::FormatPosition(MapPos(row.longitude, row.latitude), format));
    texts.push_back(coords::FormatFixed(1234567.125, 3));
    texts.push_back(coords::FormatPadded(1234567, 9));
    return texts;
}

TEST(CoordFormat, SameTextUnderACommaDecimalLocale) {
    const auto expected = AllTexts();
    const std::locale previous =
        std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    const std::string previousC = std::setlocale(LC_ALL, nullptr);
    const bool haveGerman = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    const auto underComma = AllTexts();
    std::setlocale(LC_ALL, previousC.c_str());
    std::locale::global(previous);
    EXPECT_EQ(underComma, expected) << (haveGerman ? "with de_DE.UTF-8" : "numpunct facet only");
    EXPECT_EQ(expected[0], "0\u00b000'5.0W 51\u00b028'40.1N");
}

} // namespace
