#include "gps/NmeaNumber.h"

#include <gtest/gtest.h>
#include <optional>
#include <string_view>

namespace {

using std::nullopt;

struct DoubleRow {
    const char* legend;
    std::string_view text;
    std::optional<double> expected;
};

const DoubleRow kDoubleRows[] = {
    {"plain", "0.9", 0.9},
    {"trailing garbage", "0.9abc", 0.9},
    {"exponent", "1.5e2", 150.0},
    {"dangling exponent", "1e", 1.0},
    {"no integer part", ".5", 0.5},
    {"no fraction digits", "5.", 5.0},
    {"zero-padded", "0033.3", 33.3},
    {"negative", " -28.5", -28.5},
    {"comma is not a decimal point", "1,5", 1.0},
    {"hexadecimal as %lf reads it", "0x1.8p1", 3.0},
    {"0x without digits reads the zero", "0xg", 0.0},
    {"infinity refused", "inf", nullopt},
    {"nan refused", "NaN", nullopt},
    {"overflow refused", "1e999", nullopt},
    {"point alone", ".", nullopt},
    {"letters", "M", nullopt},
};

TEST(NmeaNumber, ScanDoubleTable) {
    for (const auto& row : kDoubleRows)
        EXPECT_EQ(gps::ScanDouble(row.text), row.expected) << row.legend;
}

struct FloatRow {
    const char* legend;
    std::string_view text;
    std::optional<float> expected;
};

const FloatRow kFloatRows[] = {
    {"rounded once to single precision", "07.038", 7.038f},
    {"eight decimals", "14.41467156", 14.41467156f},
    {"finite in double, overflows a float", "1e39", nullopt},
    {"largest float range", "3.4e38", 3.4e38f},
    {"infinity refused", "-infinity", nullopt},
};

TEST(NmeaNumber, ScanFloatTable) {
    for (const auto& row : kFloatRows)
        EXPECT_EQ(gps::ScanFloat(row.text), row.expected) << row.legend;
}

} // namespace
