#include "points/PointsFile.h"
#include "points/Archive.h"
#include "points/PointsTestSupport.h"

#include <climits>
#include <cmath>
#include <cstdlib>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using platform::LoadResult;
using platform::LoadStatus;
using points::MapPointList;
using namespace points_test;

const std::string kCafe = "Caf\xC3\xA9 1";

struct Reference {
    const char* file;
    std::size_t bytes;
    MapPointList points;
};

std::vector<Reference> References() {
    return {
        {"V1.pts",
         157,
         {CMapPoint("Home", MapPos(-0.0014, 51.4778), 2, 2, 4, 2, ""),
          CMapPoint(kCafe, MapPos(151.2093, -33.8688), -1, -1, -1, -1, "Harbour bridge view")}},
        {"V2.pts", 2, {}},
        {"V3.pts", 659, {CMapPoint(std::string(300, 'x'), MapPos(0.0, 0.0), 0, 0, 0, 0, "")}},
    };
}

// A list the failing reads must leave exactly as it was.
MapPointList Sentinel() {
    return {CMapPoint("keep me", MapPos(7.5, 46.9), 1, 3, 5, 4, "old")};
}

TEST(PointsFile, ReferenceFilesReadToTheirPoints) {
    for (const Reference& ref : References()) {
        SCOPED_TRACE(ref.file);
        MapPointList list = Sentinel();
        const LoadResult result = points::ReadPointsFile(ReferenceFile(ref.file), list);
        ASSERT_TRUE(result) << result.error;
        EXPECT_EQ(list, ref.points);
    }
}

TEST(PointsFile, WritingReferencePointsReproducesTheBytes) {
    TempDir dir;
    for (const Reference& ref : References()) {
        SCOPED_TRACE(ref.file);
        const std::string expected = ReadBytes(ReferenceFile(ref.file));
        ASSERT_EQ(expected.size(), ref.bytes);
        const std::string path = dir.File(ref.file);
        const platform::FileResult written = points::WritePointsFile(path, ref.points);
        ASSERT_TRUE(written) << written.error;
        EXPECT_EQ(ReadBytes(path), expected);
    }
}

TEST(PointsFile, RoundTripKeepsEveryField) {
    const MapPointList list = {
        CMapPoint("", MapPos(), -1, -1, -1, -1, ""),
        CMapPoint("Gipfel \xE2\x9B\xB0 \xF0\x9F\x8C\x8D", MapPos(-179.9999999999, -89.5), INT32_MIN,
                  INT32_MAX, 7, 4, std::string(1000, 'd')),
        CMapPoint("A&B <c>", MapPos(1e-300, -0.0), 4, 1, 1, 3, "line 1\r\nline 2"),
    };
    MapPointList back;
    ASSERT_TRUE(points::DecodePoints(points::EncodePoints(list), back));
    EXPECT_EQ(back, list);
    EXPECT_TRUE(std::signbit(back[2].GetPosition().y));
}

TEST(PointsFile, CountOf65535PointsUsesTheDwordEscape) {
    const MapPointList list(0xFFFF, CMapPoint("p", MapPos(1, 2), 1, 2, 3, 4, ""));
    const std::string bytes = points::EncodePoints(list);
    EXPECT_EQ(bytes.substr(0, 6), std::string("\xFF\xFF\xFF\xFF\x00\x00", 6));
    MapPointList back;
    ASSERT_TRUE(points::DecodePoints(bytes, back));
    EXPECT_EQ(back, list);
}

// The rest of a point after its name: longitude, latitude and the four indices.
std::string PointBody(double x, double y, std::int32_t symbol) {
    points::ArchiveWriter writer;
    writer.WriteDouble(x);
    writer.WriteDouble(y);
    for (const std::int32_t value : {symbol, 2, 4, 1})
        writer.WriteInt32(value);
    return writer.TakeBytes();
}

TEST(PointsFile, EightBitStringsFromOtherWritersAreRead) {
    std::string bytes("\x02\x00\xFF\xFF\x01\x00\x09\x00"
                      "CMapPoint",
                      17);
    bytes += std::string("\x08M\xFCnchen ") + PointBody(11.5, 48.1, 1) + std::string("\x00", 1);
    bytes += std::string("\x01\x80") +
             "\x03"
             "a\x80z" +
             PointBody(-3, 40, 3) + std::string("\xFF\xFE\xFF\x01\x41\x00", 6);
    MapPointList list;
    const LoadResult result = points::DecodePoints(bytes, list);
    ASSERT_TRUE(result) << result.error;
    const MapPointList expected = {
        CMapPoint("M\xC3\xBCnchen ", MapPos(11.5, 48.1), 1, 2, 4, 1, ""),
        CMapPoint("a\xE2\x82\xACz", MapPos(-3, 40), 3, 2, 4, 1, "A"),
    };
    EXPECT_EQ(list, expected);
}

TEST(PointsFile, EveryTruncationIsRejectedAndLeavesTheList) {
    for (const char* file : {"V1.pts", "V3.pts"}) {
        const std::string bytes = ReadBytes(ReferenceFile(file));
        for (std::size_t length = 0; length < bytes.size(); ++length) {
            SCOPED_TRACE(std::string(file) + " cut to " + std::to_string(length));
            MapPointList list = Sentinel();
            const LoadResult result = points::DecodePoints(bytes.substr(0, length), list);
            EXPECT_EQ(result.status, LoadStatus::Damaged);
            EXPECT_FALSE(result.error.empty());
            EXPECT_EQ(list, Sentinel());
        }
    }
}

TEST(PointsFile, DamagedFilesAreRejectedAndLeaveTheList) {
    const std::string v1 = ReadBytes(ReferenceFile("V1.pts"));
    ASSERT_EQ(v1.size(), 157u);
    const auto patched = [&](std::size_t offset, std::string replacement) {
        std::string bytes = v1;
        bytes.replace(offset, replacement.size(), replacement);
        return bytes;
    };
    const std::size_t secondTag = 0x41; // the 0x8001 class reference of the second point
    struct Row {
        const char* legend;
        std::string bytes;
    };
    const std::vector<Row> rows = {
        {"class other than CMapPoint", patched(8, "CMapPoinT")},
        {"schema 2", patched(4, std::string("\x02\x00", 2))},
        {"schema 0", patched(4, std::string("\x00\x00", 2))},
        {"null tag for the first point", patched(2, std::string("\x00\x00", 2))},
        {"null tag for the second point", patched(secondTag, std::string("\x00\x00", 2))},
        {"back reference to the first point", patched(secondTag, std::string("\x02\x00", 2))},
        {"reference to itself", patched(secondTag, std::string("\x03\x00", 2))},
        {"class reference before any class", patched(2, std::string("\x01\x80", 2))},
        {"class reference to the first point", patched(secondTag, std::string("\x02\x80", 2))},
        {"class name longer than the framework allows", patched(6, std::string("\xFF\x7F", 2))},
        {"one point more than present", patched(0, std::string("\x03\x00", 2))},
        {"word count beyond the bytes", patched(0, std::string("\xFE\xFF", 2))},
        {"dword count of 4 billion", std::string("\xFF\xFF\xFE\xFF\xFF\xFF", 6) + v1.substr(2)},
        {"qword count", std::string(14, '\xFF') + v1.substr(2)},
        {"name length beyond the file",
         patched(0x14, std::string("\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 7))},
        {"empty file", ""},
        {"a byte after the last point", v1 + '\0'},
        {"count damaged downward", patched(0, std::string("\x01\x00", 2))},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        MapPointList list = Sentinel();
        const LoadResult result = points::DecodePoints(row.bytes, list);
        EXPECT_EQ(result.status, LoadStatus::Damaged);
        EXPECT_EQ(list, Sentinel());
    }
}

TEST(PointsFile, MissingAndUnreadableFilesAreToldApart) {
    TempDir dir;
    MapPointList list = Sentinel();
    LoadResult result = points::ReadPointsFile(dir.File("town.pts"), list);
    EXPECT_EQ(result.status, LoadStatus::Missing);
    EXPECT_EQ(list, Sentinel());

    result = points::ReadPointsFile(dir.File(""), list); // a directory
    EXPECT_EQ(result.status, LoadStatus::Unreadable);
    EXPECT_NE(result.error.find(dir.File("")), std::string::npos);
    EXPECT_EQ(list, Sentinel());

    const std::string damaged = dir.File("damaged.pts");
    WriteBytes(damaged, std::string("\x01\x00\xFF\xFF", 4));
    result = points::ReadPointsFile(damaged, list);
    EXPECT_EQ(result.status, LoadStatus::Damaged);
    EXPECT_EQ(result.error.rfind(damaged + ": ", 0), 0u) << result.error;
    EXPECT_EQ(list, Sentinel());
}

} // namespace
