#include "base/Time.h"

#include <gtest/gtest.h>

namespace {

TEST(Time, FieldsAndMillisecondsBothWays) {
    struct Row {
        base::UtcFields fields;
        std::optional<std::int64_t> utcMs;
    };
    const Row rows[] = {
        {{2024, 12, 8, 12, 0, 0, 123}, 1733659200123},
        {{2000, 2, 29, 0, 0, 0, 0}, 951782400000},
        {{1969, 12, 31, 23, 59, 59, 999}, -1},
        // A leap second is the first second of the next minute.
        {{2016, 12, 31, 23, 59, 60, 0}, 1483228800000},
        {{2023, 2, 29, 0, 0, 0, 0}, std::nullopt},
        {{2024, 13, 1, 0, 0, 0, 0}, std::nullopt},
        {{2024, 1, 1, 24, 0, 0, 0}, std::nullopt},
        {{2024, 1, 1, 0, 60, 0, 0}, std::nullopt},
        {{2024, 1, 1, 0, 0, 61, 0}, std::nullopt},
        {{2024, 1, 1, 0, 0, 0, 1000}, std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(base::UtcMsFromFields(row.fields), row.utcMs) << row.fields.year;
        if (row.utcMs && row.fields.second < 60) {
            EXPECT_EQ(base::UtcFieldsFromMs(*row.utcMs), row.fields) << *row.utcMs;
        }
    }
    EXPECT_EQ(base::FullYear(79), 2079);
    EXPECT_EQ(base::FullYear(80), 1980);
    EXPECT_EQ(base::FullYear(0), 2000);
}

TEST(Time, ReadsIso8601InItsForms) {
    struct Row {
        const char* text;
        std::optional<std::int64_t> utcMs;
    };
    const Row rows[] = {
        {"2024-12-08T12:00:00Z", 1733659200000},
        {"2024-12-08T12:00:00.1234Z", 1733659200123},
        {"2024-12-08T14:00:00+02:00", 1733659200000},
        {"2024-12-08T11:30:00-00:30", 1733659200000},
        {"2024-12-08T12:00:00", 1733659200000},
        {"2024-02-30T12:00:00Z", std::nullopt},
        {"2024-12-08 12:00:00Z", std::nullopt},
        {"2024-12-08T24:00:00Z", std::nullopt},
        {"2024-12-08T12:00:00.Z", std::nullopt},
        {"2024-12-08T12:00:00+2", std::nullopt},
        {"2024-12-08", std::nullopt},
        {"", std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(base::ParseIso8601(row.text), row.utcMs) << row.text;
}

TEST(Time, WritesIso8601Utc) {
    struct Row {
        std::int64_t utcMs;
        const char* expected;
    };
    const Row rows[] = {
        {1, "1970-01-01T00:00:00.001Z"},
        {1733659200000, "2024-12-08T12:00:00Z"},
        {1733659200123, "2024-12-08T12:00:00.123Z"},
        {951782400000, "2000-02-29T00:00:00Z"},
        {-1, "1969-12-31T23:59:59.999Z"},
        {253402300799999, "9999-12-31T23:59:59.999Z"},
        {-62135596800000, "0001-01-01T00:00:00Z"},
    };
    for (const Row& row : rows) {
        std::string out;
        base::AppendIso8601(out, row.utcMs);
        EXPECT_EQ(out, row.expected) << row.utcMs;
    }
}

} // namespace
