// quilo-tool coord: the status line's position text, or a refusal.
#include "ToolCases.h"

#include <gtest/gtest.h>

namespace {

TEST(CoordTool, PrintsTheStatusLineOrRefuses) {
    tooltest::CheckRows({
        {"default is dms", {"coord", "51.4778", "-0.0014"}, "0\u00b000'5.0W 51\u00b028'40.1N\n"},
        {"dms",
         {"coord", "51.4778", "-0.0014", "--format", "dms"},
         "0\u00b000'5.0W 51\u00b028'40.1N\n"},
        {"dm, format before the numbers",
         {"coord", "--format", "dm", "51.4778", "-0.0014"},
         "0\u00b00.08'W 51\u00b028.67'N\n"},
        {"d", {"coord", "-33.85", "151.2153", "--format=d"}, "151.2153\u00b0E 33.8500\u00b0S\n"},
        {"carry", {"coord", "1.2", "0", "--format", "dms"}, "0\u00b000'0.0E 1\u00b012'0.0N\n"},
        // On the equator at a zone's central meridian UTM is 500000 0 by its definition.
        {"utm", {"coord", "0", "9", "--format", "utm"}, "32N 500000 0\n"},
        {"mgrs", {"coord", "0", "9", "--format=mgrs"}, "32N NF 00000 00000\n"},
        {"one number", {"coord", "51.4778"}, nullptr},
        {"three numbers", {"coord", "1", "2", "3"}, nullptr},
        {"unknown format", {"coord", "1", "2", "--format", "dd"}, nullptr},
        {"format without value", {"coord", "1", "2", "--format"}, nullptr},
        {"unknown option", {"coord", "1", "2", "--frmat", "dm"}, nullptr},
        {"latitude beyond the pole", {"coord", "90.5", "0"}, nullptr},
        {"longitude beyond 180", {"coord", "0", "-180.01"}, nullptr},
        {"not a number", {"coord", "nan", "0"}, nullptr},
        {"trailing text", {"coord", "51.4x", "0"}, nullptr},
        {"comma decimal", {"coord", "51,4", "0"}, nullptr},
    });
}

} // namespace
