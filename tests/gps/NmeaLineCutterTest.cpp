#include "gps/NmeaLineCutter.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Cut(std::string_view input, std::size_t chunkSize, std::size_t max) {
    std::vector<std::string> lines;
    const auto onLine = [&](std::string_view line) { lines.emplace_back(line); };
    const auto onDropped = [&] { lines.emplace_back("(dropped)"); };
    gps::NmeaLineCutter cutter(max);
    for (std::size_t at = 0; at < input.size(); at += chunkSize)
        cutter.Feed(input.substr(at, chunkSize), onLine, onDropped);
    cutter.Finish(onLine, onDropped);
    return lines;
}

// Every row is cut whole, and in chunks of every size, so that each break also falls on a
// chunk boundary: the lines must not depend on where the reads ended.
TEST(NmeaLineCutter, BreaksAtLfCrOrCrLfWhereverTheChunksEnd) {
    constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();
    const struct {
        const char* legend;
        std::string_view input;
        std::size_t max;
        std::vector<std::string> lines;
    } rows[] = {
        {"CR LF is one break", "a\r\nb\r\n", kNoLimit, {"a", "b"}},
        {"CR alone and LF alone", "a\rb\nc", kNoLimit, {"a", "b", "c"}},
        {"LF CR is two breaks", "a\n\rb", kNoLimit, {"a", "", "b"}},
        {"CR CR LF is two breaks", "a\r\r\nb", kNoLimit, {"a", "", "b"}},
        {"one empty line", "\r\n", kNoLimit, {""}},
        {"nothing", "", kNoLimit, {}},
        {"no break at the end", "abc", kNoLimit, {"abc"}},
        {"a line at the limit is kept", "abc\nab", 3, {"abc", "ab"}},
        {"longer lines are dropped whole, in their place",
         "abcd\nab\r\nabcde",
         3,
         {"(dropped)", "ab", "(dropped)"}},
    };
    for (const auto& row : rows) {
        for (std::size_t chunk = 1; chunk <= row.input.size() + 1; ++chunk)
            EXPECT_EQ(Cut(row.input, chunk, row.max), row.lines)
                << row.legend << ", chunk " << chunk;
    }
}

} // namespace
