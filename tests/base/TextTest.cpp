#include "base/Text.h"

#include <gtest/gtest.h>

namespace {

TEST(Text, TrimTable) {
    struct Row {
        const char* legend;
        std::string_view text;
        std::string_view blanks;
        std::string_view expected;
    };
    const Row rows[] = {
        {"both ends", " \tab c\t ", " \t", "ab c"},
        {"only blanks", " \t ", " \t", ""},
        {"empty", "", " \t", ""},
        {"line end kept when not a blank here", "ab\r\n", " \t", "ab\r\n"},
        {"line end dropped when named", "ab\r\n", " \t\r\n", "ab"},
        {"one character left", " x ", " ", "x"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(base::Trim(row.text, row.blanks), row.expected) << row.legend;
}

} // namespace
