// The byte rules of the line assembler, one table row per rule.
#include "gps/NmeaLineAssembler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> PopAll(gps::NmeaLineAssembler& assembler) {
    std::vector<std::string> lines;
    std::string line;
    while (assembler.PopLine(line))
        lines.push_back(line);
    return lines;
}

const std::string kMax = "$GPGGA," + std::string(248, '7');  // 255 characters
const std::string kOver = "$GPGGA," + std::string(249, '7'); // 256 characters

TEST(NmeaLineAssembler, ByteRules) {
    struct Row {
        const char* legend;
        std::vector<std::string> chunks; // fed one Feed call each
        std::vector<int> completed;      // Feed's result per chunk
        std::vector<std::string> lines;
    } rows[] = {
        {"stray bytes before $ dropped", {"xx$GPGGA,1*47\r\n"}, {1}, {"$GPGGA,1*47"}},
        {"no $ at all", {"GPGGA,1\r\n\r"}, {0}, {}},
        {"split across feeds", {"$GPGG", "A,1*47\r\n"}, {0, 1}, {"$GPGGA,1*47"}},
        {"$ restarts a line", {"$GPGGA,1$GPRMC,2\r"}, {1}, {"$GPRMC,2"}},
        {"second CR repeats with LF", {"$GPGGA,1\r\n\r"}, {2}, {"$GPGGA,1", "$GPGGA,1\n"}},
        {"bare line feed ends a line", {"$GPGGA,1\n$GPRMC,2\n"}, {2}, {"$GPGGA,1", "$GPRMC,2"}},
        {"LF after CR is kept, not a second line",
         {"$GPGGA,1\r\n$GPRMC,2\r\n"},
         {2},
         {"$GPGGA,1", "$GPRMC,2"}},
        {"second bare LF is an ordinary byte", {"$GPGGA,1\n\n\r"}, {2}, {"$GPGGA,1", "$GPGGA,1\n"}},
        {"LF CR is one break", {"$GPGGA,1\n\r$GPRMC,2\n", "\r"}, {2, 0}, {"$GPGGA,1", "$GPRMC,2"}},
        {"bare $ is a line", {"$\r"}, {1}, {"$"}},
        {"NUL and high bytes kept",
         {std::string("$A\0\xff\r", 5)},
         {1},
         {std::string("$A\0\xff", 4)}},
        {"255 characters complete", {kMax + "\r\n"}, {1}, {kMax}},
        {"256 characters never complete", {kOver + "\r\n\r"}, {0}, {}},
        {"too long line spoils nothing after $", {kOver + "\r$GPGSA,3\r"}, {1}, {"$GPGSA,3"}},
    };
    for (const Row& row : rows) {
        gps::NmeaLineAssembler assembler;
        std::vector<int> completed;
        for (const std::string& chunk : row.chunks)
            completed.push_back(assembler.Feed(chunk.data(), chunk.size()));
        EXPECT_EQ(completed, row.completed) << row.legend;
        EXPECT_EQ(PopAll(assembler), row.lines) << row.legend;
    }
}

TEST(NmeaLineAssembler, KeepsNewestLinesAndResets) {
    gps::NmeaLineAssembler assembler(3);
    const std::string bytes = "$1\r$2\r$3\r$4\r$5\r$partial";
    EXPECT_EQ(assembler.Feed(bytes.data(), bytes.size()), 5);
    EXPECT_EQ(PopAll(assembler), (std::vector<std::string>{"$3", "$4", "$5"}));

    // Reset throws away the line in progress too: its rest completes nothing.
    EXPECT_EQ(assembler.Feed("$6\r$7", 5), 1);
    assembler.Reset();
    EXPECT_EQ(assembler.Feed(",x\r", 3), 0);
    EXPECT_TRUE(PopAll(assembler).empty());
}

TEST(NmeaLineAssembler, MemoryStaysBoundedUnderEndlessInput) {
    gps::NmeaLineAssembler assembler;
    const std::string noise(100000, 'A');
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(assembler.Feed(noise.data(), noise.size()), 0);
    const std::string line = "$" + std::string(100, 'B') + "\r";
    for (int i = 0; i < 1000; ++i)
        assembler.Feed(line.data(), line.size());
    EXPECT_EQ(PopAll(assembler).size(), 30u);
}

} // namespace
