#include "gps/NmeaNumber.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>

namespace {

using gps::NmeaSign;
using std::nullopt;

const std::string kFourHundredDigits(400, '9');
const std::string kTenToThe39 = "1" + std::string(39, '0');

struct DoubleRow {
    const char* legend;
    std::string_view text;
    NmeaSign sign;
    std::optional<double> expected;
};

const DoubleRow kDoubleRows[] = {
    {"plain", "0.9", NmeaSign::None, 0.9},
    {"no integer part", ".5", NmeaSign::None, 0.5},
    {"no fraction digits", "5.", NmeaSign::None, 5.0},
    {"zero-padded", "0033.3", NmeaSign::None, 33.3},
    {"negative where the field has a sign", "-28.5", NmeaSign::Minus, -28.5},
    {"minus zero is zero", "-0", NmeaSign::Minus, 0.0},
    {"minus where the field has none", "-28.5", NmeaSign::None, nullopt},
    {"minus zero where the field has no sign", "-0", NmeaSign::None, nullopt},
    {"plus", "+5", NmeaSign::Minus, nullopt},
    {"two signs", "--5", NmeaSign::Minus, nullopt},
    {"sign alone", "-", NmeaSign::Minus, nullopt},
    {"leading blank", " 28.5", NmeaSign::None, nullopt},
    {"trailing blank", "28.5 ", NmeaSign::None, nullopt},
    {"trailing garbage", "0.9abc", NmeaSign::None, nullopt},
    {"letter O for a zero", "48O7.038", NmeaSign::None, nullopt},
    {"exponent", "1.5e2", NmeaSign::None, nullopt},
    {"hexadecimal", "0x1p3", NmeaSign::None, nullopt},
    {"infinity", "inf", NmeaSign::None, nullopt},
    {"nan", "NaN", NmeaSign::None, nullopt},
    {"comma is not a decimal point", "1,5", NmeaSign::None, nullopt},
    {"two points", "1.2.3", NmeaSign::None, nullopt},
    {"point alone", ".", NmeaSign::None, nullopt},
    {"empty", "", NmeaSign::None, nullopt},
    {"overflows a double", kFourHundredDigits, NmeaSign::None, nullopt},
};

TEST(NmeaNumber, ReadDecimalTable) {
    for (const auto& row : kDoubleRows) {
        const std::optional<double> value = gps::ReadNmeaDecimal(row.text, row.sign);
        EXPECT_EQ(value, row.expected) << row.legend;
        if (value && row.expected) {
            EXPECT_EQ(std::signbit(*value), std::signbit(*row.expected)) << row.legend;
        }
    }
}

TEST(NmeaNumber, ReadFloatTable) {
    const struct {
        const char* legend;
        std::string_view text;
        std::optional<float> expected;
    } rows[] = {
        {"rounded once to single precision", "07.038", 7.038f},
        {"eight decimals", "14.41467156", 14.41467156f},
        {"finite in double, overflows a float", kTenToThe39, nullopt},
        {"no sign", "-07.038", nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(gps::ReadNmeaFloat(row.text), row.expected) << row.legend;
}

TEST(NmeaNumber, ReadWholeTable) {
    const struct {
        const char* legend;
        std::string_view text;
        NmeaSign sign;
        std::optional<std::int32_t> expected;
    } rows[] = {
        {"zero-padded", "08", NmeaSign::None, 8},
        {"largest", "2147483647", NmeaSign::None, 2147483647},
        {"negative where the field has a sign", "-05", NmeaSign::Minus, -5},
        {"beyond 32 bits", "2147483648", NmeaSign::None, nullopt},
        {"a fraction", "8.5", NmeaSign::None, nullopt},
        {"minus where the field has none", "-5", NmeaSign::None, nullopt},
        {"leading blank", " 8", NmeaSign::None, nullopt},
        {"hexadecimal", "0x10", NmeaSign::None, nullopt},
        {"empty", "", NmeaSign::None, nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(gps::ReadNmeaWhole(row.text, row.sign), row.expected) << row.legend;
}

} // namespace
