#include "base/Number.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string_view>

namespace {

using std::nullopt;

TEST(Number, ScanIntClampedTable) {
    struct Row {
        const char* legend;
        std::string_view text;
        std::int64_t limit;
        std::optional<std::int64_t> expected;
    };
    const Row rows[] = {
        {"stops at the first non-digit", " -12x3", 100, -12},
        {"vertical tab and form feed are blanks", "\v\f7", 100, 7},
        {"at the limit", "100", 100, 100},
        {"one past the limit holds", "101", 100, 100},
        {"negative holds too", "-5000", 100, -100},
        {"digits far beyond 64 bits", "999999999999999999999999999", 1LL << 40, 1LL << 40},
        {"largest limit", "99999999999999999999", INT64_MAX, INT64_MAX},
        {"sign without digits", "+", 100, nullopt},
        {"second sign", "-+1", 100, nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(base::ScanIntClamped(row.text, row.limit), row.expected) << row.legend;
}

TEST(Number, ParseExactTable) {
    EXPECT_EQ(base::ParseExact<int>("42", 1, 42), 42) << "upper end";
    EXPECT_EQ(base::ParseExact<int>("1", 1, 42), 1) << "lower end";
    EXPECT_EQ(base::ParseExact<int>("43", 1, 42), nullopt) << "one past";
    EXPECT_EQ(base::ParseExact<int>("0", 1, 42), nullopt) << "one below";
    EXPECT_EQ(base::ParseExact<int>("4x"), nullopt) << "text left over";
    EXPECT_EQ(base::ParseExact<int>(" 4"), nullopt) << "leading blank";
    EXPECT_EQ(base::ParseExact<int>("+4"), nullopt) << "plus";
    EXPECT_EQ(base::ParseExact<int>(base::SkipPlus("+4")), 4) << "plus skipped";
    EXPECT_EQ(base::ParseExact<int>(""), nullopt) << "empty";
    EXPECT_EQ(base::ParseExact<std::int32_t>("2147483648"), nullopt) << "overflow";
    EXPECT_EQ(base::ParseExact<std::int64_t>("-9223372036854775808"), INT64_MIN);
    EXPECT_EQ(base::ParseExact<double>("1.5e2"), 150.0) << "exponent";
    EXPECT_EQ(base::ParseExact<double>("1.5.2"), nullopt) << "second point";
    EXPECT_EQ(base::ParseExact<double>("nan", -1e300, 1e300), nullopt) << "NaN is in no range";
    EXPECT_TRUE(base::ParseExact<double>("inf").has_value()) << "no range, infinity passes";
}

TEST(Number, FormatTable) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        const char* legend;
        std::string text;
        const char* expected;
    };
    const Row rows[] = {
        {"ties to even like printf", base::FormatFixed(2.5, 0), "2"},
        {"rounds up", base::FormatFixed(0.125, 2), "0.12"},
        {"negative zero keeps its sign", base::FormatFixed(-0.0, 1), "-0.0"},
        {"negative NaN", base::FormatFixed(-nan, 3), "-nan"},
        {"negative decimals are none", base::FormatFixed(1.75, -3), "2"},
        {"largest double, all digits",
         base::FormatFixed(std::numeric_limits<double>::max(), 17).substr(300),
         "124858368.00000000000000000"},
        {"decimals held to 17", base::FormatFixed(0.1, 30), "0.10000000000000001"},
        {"sign counts towards the width", base::FormatPadded(-5, 3), "-05"},
        {"wider than the width", base::FormatPadded(12345, 2), "12345"},
        {"width 0", base::FormatPadded(-7, 0), "-7"},
        {"smallest 64-bit", base::FormatPadded(INT64_MIN, 21), "-09223372036854775808"},
        {"shortest picks fixed", base::FormatShortest(100.0), "100"},
        {"shortest picks an exponent", base::FormatShortest(1e300), "1e+300"},
        {"shortest fixed", base::FormatShortestFixed(1e20), "100000000000000000000"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.text, row.expected) << row.legend;
    std::string appended = "x=";
    base::AppendFixed(appended, 1.0, 2);
    base::AppendPadded(appended, 7, 2);
    EXPECT_EQ(appended, "x=1.0007");
}

} // namespace
