#include "gps/NmeaNumber.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>

namespace {

using gps::NmeaSign;
using std::nullopt;

const std::string kFourHundredNines(400, '9');
const std::string kTenToThe39 = "1" + std::string(39, '0');

TEST(NmeaNumber, DigitsWithAFractionAndAMinusOnlyWhereTheFieldHasOne) {
    const struct {
        std::string_view text;
        NmeaSign sign;
        std::optional<double> expected;
    } rows[] = {
        {"0033.3", NmeaSign::None, 33.3},
        {".5", NmeaSign::None, 0.5},
        {"5.", NmeaSign::None, 5.0},
        {"-28.5", NmeaSign::Minus, -28.5},
        {"-0", NmeaSign::Minus, 0.0}, // and not negative, checked below
        {"-28.5", NmeaSign::None, nullopt},
        {"-0", NmeaSign::None, nullopt},
        {"+5", NmeaSign::Minus, nullopt},
        {"--5", NmeaSign::Minus, nullopt},
        {"-", NmeaSign::Minus, nullopt},
        {" 28.5", NmeaSign::None, nullopt},
        {"28.5 ", NmeaSign::None, nullopt},
        {"0.9abc", NmeaSign::None, nullopt},
        {"1.5e2", NmeaSign::None, nullopt},
        {"0x1p3", NmeaSign::None, nullopt},
        {"inf", NmeaSign::None, nullopt},
        {"NaN", NmeaSign::None, nullopt},
        {"1,5", NmeaSign::None, nullopt},
        {"1.2.3", NmeaSign::None, nullopt},
        {".", NmeaSign::None, nullopt},
        {"", NmeaSign::None, nullopt},
        {kFourHundredNines, NmeaSign::None, nullopt},
    };
    for (const auto& row : rows) {
        const std::optional<double> value = gps::ReadNmeaDecimal(row.text, row.sign);
        EXPECT_EQ(value, row.expected) << row.text;
        EXPECT_FALSE(value && row.expected && std::signbit(*value) != std::signbit(*row.expected))
            << row.text;
    }
    // Minutes: rounded once, from the text, to single precision.
    EXPECT_EQ(gps::ReadNmeaFloat("14.41467156"), 14.41467156f);
    EXPECT_EQ(gps::ReadNmeaFloat(kTenToThe39), nullopt) << "finite in double, not in float";
    EXPECT_EQ(gps::ReadNmeaWhole("08"), 8);
    EXPECT_EQ(gps::ReadNmeaWhole("-05", NmeaSign::Minus), -5);
    EXPECT_EQ(gps::ReadNmeaWhole("8.5"), nullopt);
    EXPECT_EQ(gps::ReadNmeaWhole("2147483648"), nullopt) << "beyond 32 bits";
}

} // namespace
