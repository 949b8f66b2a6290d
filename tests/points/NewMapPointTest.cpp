#include "points/NewMapPoint.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using points::LocalDateTime;

TEST(NewMapPoint, NamesCarryDayMonthFullYearAndTime) {
    struct Row {
        const char* legend;
        LocalDateTime when;
        std::string name;
    };
    const std::vector<Row> rows = {
        {"padded fields, four-digit year",
         {2026, 12, 7, 14, 5, 9},
         "Map point 07/12/2026 14:05:09"},
        {"midnight on new year", {2027, 1, 1, 0, 0, 0}, "Map point 01/01/2027 00:00:00"},
        {"a year below 100 still pads to two",
         {5, 10, 31, 23, 59, 59},
         "Map point 31/10/05 23:59:59"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        EXPECT_EQ(points::TimestampedName("Map point", row.when), row.name);
    }
}

TEST(NewMapPoint, CommandPointsHaveTheirStyles) {
    const LocalDateTime when{2026, 12, 7, 14, 5, 9};
    const MapPos at(-0.0014, 51.4778);
    EXPECT_EQ(points::MakeCursorPoint(at, when),
              CMapPoint("Map point 07/12/2026 14:05:09", at, 2, 2, 4, 2, ""));
    EXPECT_EQ(points::MakeGpsPositionPoint(at, when),
              CMapPoint("GPS position 07/12/2026 14:05:09", at, 4, 1, 1, 3, ""));
}

} // namespace
