#include "base/Utf8.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace {

TEST(Utf8, DecodeTable) {
    struct Row {
        const char* legend;
        std::string_view bytes;
        char32_t codePoint;
        std::size_t length;
    };
    const Row rows[] = {
        {"ASCII", "A", U'A', 1},
        {"two bytes", "\xC3\xA9", U'\u00E9', 2},
        {"three bytes", "\xE2\x82\xAC", U'\u20AC', 3},
        {"four bytes, highest", "\xF4\x8F\xBF\xBF", U'\U0010FFFF', 4},
        {"empty", "", 0, 0},
        {"stray continuation", "\x80", 0, 0},
        {"overlong two bytes", "\xC1\xBF", 0, 0},
        {"overlong three bytes", "\xE0\x9F\xBF", 0, 0},
        {"overlong four bytes", "\xF0\x8F\xBF\xBF", 0, 0},
        {"surrogate", "\xED\xA0\x80", 0, 0},
        {"above U+10FFFF", "\xF4\x90\x80\x80", 0, 0},
        {"lead F5", "\xF5\x80\x80\x80", 0, 0},
        {"truncated", "\xE2\x82", 0, 0},
        {"bad third byte", "\xE2\x82\x41", 0, 0},
    };
    for (const Row& row : rows) {
        const base::Utf8Sequence s = base::DecodeUtf8(row.bytes);
        EXPECT_EQ(s.length, row.length) << row.legend;
        if (row.length != 0) {
            EXPECT_EQ(s.codePoint, row.codePoint) << row.legend;
        }
        EXPECT_EQ(base::IsWellFormedUtf8(row.bytes), row.length == row.bytes.size()) << row.legend;
    }
}

TEST(Utf8, AppendRoundTripsAndReplacesNonScalars) {
    std::string out;
    for (char32_t c :
         {U'\u007F', U'\u0080', U'\u07FF', U'\u0800', U'\uFFFF', U'\U00010000', U'\U0010FFFF'}) {
        out.clear();
        base::AppendUtf8(out, c);
        const base::Utf8Sequence s = base::DecodeUtf8(out);
        EXPECT_EQ(s.length, out.size()) << static_cast<unsigned>(c);
        EXPECT_EQ(s.codePoint, c);
    }
    for (char32_t c : {char32_t{0xD800}, char32_t{0xDFFF}, char32_t{0x110000}}) {
        out.clear();
        base::AppendUtf8(out, c);
        EXPECT_EQ(out, "\xEF\xBF\xBD") << static_cast<unsigned>(c);
    }
}

} // namespace
