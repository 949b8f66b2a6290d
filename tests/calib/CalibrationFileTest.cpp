#include "calib/CalibrationFile.h"
#include "base/Bytes.h"
#include "calib/PositionList.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using calib::CGPSMapFuncs;
using platform::LoadStatus;

std::string FromHex(std::string_view hex) {
    std::string out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        out.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    return out;
}

// Three pairs of a north-up map 640 x 480 pixels, variation 3.5 West, as the handheld
// program writes them: count 6, then plane/geo entries with the tag word, then magVar.
const std::string kThreePairsFile =
    FromHex("0600b8f70100000000000000000000007e400000000000000000b8f701000000"
            "00000000000000c04940000000000000d0bfb8f7010000000000000000000000"
            "7e400000000000008440b8f70100000000000000000000c04940000000000000"
            "e83fb8f701000000000000000000000000000000000000000000b8f701000000"
            "00003333333333734940000000000000d0bf0000000000000cc0");

CGPSMapFuncs ThreePairs() {
    CGPSMapFuncs c;
    c.AddCalibrationPoint(MapPos(0, 480), MapPos(-0.25, 51.5));
    c.AddCalibrationPoint(MapPos(640, 480), MapPos(0.75, 51.5));
    c.AddCalibrationPoint(MapPos(0, 0), MapPos(-0.25, 50.9));
    c.SetMagVar(-3.5);
    return c;
}

// Some state that differs from a fresh object in every field, to see "unchanged" mean it.
CGPSMapFuncs Previous() {
    CGPSMapFuncs c;
    c.AddCalibrationPoint(MapPos(5, 5), MapPos(10, 60));
    c.AddCalibrationPoint(MapPos(905, 5), MapPos(11, 60.1));
    c.AddCalibrationPoint(MapPos(5, 705), MapPos(10.2, 61));
    c.AddCalibrationPoint(MapPos(77, 88), MapPos(10.5, 60.5));
    c.SetMagVar(12.25);
    return c;
}

TEST(CalibrationFileTest, GoldenThreePairs) {
    std::string bytes;
    ThreePairs().Serialize(bytes);
    ASSERT_EQ(bytes.size(), 154u);
    EXPECT_EQ(bytes.substr(0, 2), std::string("\x06\x00", 2));
    EXPECT_EQ(bytes, kThreePairsFile);

    CGPSMapFuncs loaded = Previous();
    ASSERT_TRUE(loaded.Deserialize(kThreePairsFile));
    EXPECT_EQ(loaded, ThreePairs());
    EXPECT_TRUE(loaded.IsCalibrated());
    EXPECT_DOUBLE_EQ(loaded.GetA(), 1.0 / 640);
    EXPECT_NEAR(loaded.GetD(), 0.6 / 480, 1e-17);
    EXPECT_DOUBLE_EQ(loaded.GetF(), 50.9);
}

TEST(CalibrationFileTest, LoadCases) {
    auto file = [](const std::vector<MapPos>& entries, double magVar) {
        std::string bytes;
        EXPECT_TRUE(calib::EncodePositionList(bytes, entries));
        base::AppendF64(bytes, magVar);
        return bytes;
    };
    std::vector<MapPos> many;
    for (int i = 0; i < 65536; ++i)
        many.push_back(i % 2 ? MapPos(i * 1e-4, 50 + i * 1e-5 * i) : MapPos(i, (i * 1L * i) % 997));

    struct Row {
        const char* legend;
        std::string bytes;
        bool refit;
    };
    const Row rows[] = {
        {"no pairs", file({}, 2.0), false},
        {"one pair keeps the parameters", file({{1, 2}, {3, 4}}, -1.0), false},
        {"two pairs keep the parameters", file({{1, 2}, {3, 4}, {5, 6}, {7, 8}}, 0.5), false},
        {"three pairs refit", kThreePairsFile, true},
        {"trailing bytes are ignored", kThreePairsFile + "junk", true},
        {"65536 entries behind the count escape fit from the first six", file(many, 1.5), true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        const CGPSMapFuncs before = Previous();
        CGPSMapFuncs c = before;
        ASSERT_TRUE(c.Deserialize(row.bytes));
        std::size_t cursor = 0;
        const auto entries = calib::DecodePositionList(row.bytes, cursor);
        ASSERT_TRUE(entries);
        EXPECT_EQ(c.GetCalibrationPoints(), *entries);
        EXPECT_EQ(c.GetMagVar(), *base::ByteReader(row.bytes, cursor).F64());
        if (row.refit) {
            EXPECT_TRUE(c.IsCalibrated());
            const auto& p = c.GetCalibrationPoints();
            for (std::size_t i = 0; i < 6; i += 2) {
                EXPECT_NEAR(c.PlaneToGeo(p[i]).x, p[i + 1].x, 1e-9);
                EXPECT_NEAR(c.PlaneToGeo(p[i]).y, p[i + 1].y, 1e-9);
            }
        } else {
            EXPECT_EQ(c.GetA(), before.GetA());
            EXPECT_EQ(c.GetD(), before.GetD());
            EXPECT_EQ(c.GetF(), before.GetF());
            // An earlier fit says nothing about the pairs now held: none is in use.
            EXPECT_EQ(c.GetFitResult(), calib::FitResult::TooFewPairs);
            EXPECT_FALSE(c.HasTransform());
        }
    }
}

TEST(CalibrationFileTest, DamagedBytesLeaveStateUnchanged) {
    for (std::size_t length = 0; length < kThreePairsFile.size(); ++length) {
        CGPSMapFuncs c = Previous();
        EXPECT_FALSE(c.Deserialize(std::string_view(kThreePairsFile).substr(0, length)))
            << "truncated to " << length;
        EXPECT_EQ(c, Previous()) << "truncated to " << length;
    }

    auto file = [](const std::vector<MapPos>& entries, double magVar) {
        std::string bytes;
        EXPECT_TRUE(calib::EncodePositionList(bytes, entries));
        base::AppendF64(bytes, magVar);
        return bytes;
    };
    const double nan = std::nan("");
    struct Row {
        const char* legend;
        std::string bytes;
    };
    const Row rows[] = {
        // An odd count would pair image points with image points from then on.
        {"odd number of entries", file({{1, 2}, {3, 4}, {5, 6}}, 0.0)},
        {"NaN variation", file({{1, 2}, {3, 4}}, nan)},
        {"infinite image column", file({{INFINITY, 2}, {3, 4}}, 0.0)},
        {"NaN latitude", file({{1, 2}, {3, nan}}, 0.0)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        CGPSMapFuncs c = Previous();
        EXPECT_FALSE(c.Deserialize(row.bytes));
        EXPECT_EQ(c, Previous());
    }
}

TEST(CalibrationFileTest, FileNames) {
    struct Row {
        const char* legend;
        const char* image;
        const char* base;
    };
    const Row rows[] = {
        {"three-letter extension", "/maps/area.gif", "/maps/area"},
        {"four-letter extension keeps its dot", "/maps/area.jpeg", "/maps/area."},
        {"no folder", "a.png", "a"},
        {"shorter than four characters", "abc", ""},
        {"exactly four characters", ".bmp", ""},
        {"empty path", "", ""},
        {"characters, not bytes", "/m/kart\xC3\xA9.\xC3\xA9\xC3\xA9\xC3\xA9", "/m/kart\xC3\xA9"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        EXPECT_EQ(calib::MapBaseName(row.image), row.base);
    }
    EXPECT_EQ(calib::CalibrationFileName("/maps/area"), "/maps/area.mcd");
    EXPECT_EQ(calib::PointsFileName("/maps/area"), "/maps/area.pts");
    EXPECT_EQ(calib::CalibrationFileName(""), ".mcd");
}

class CalibrationFileDiskTest : public ::testing::Test {
protected:
    testsupport::TempDir temp;
    const std::filesystem::path dir = temp.Path();
};

TEST_F(CalibrationFileDiskTest, EachMapOfAFileOfSeveralHasItsOwnName) {
    const std::string sheets = (dir / "sheets.pdf").string();
    testsupport::WriteBytes(sheets, "%PDF");
    EXPECT_EQ(calib::MapBaseName(sheets), (dir / "sheets").string());
    EXPECT_EQ(calib::MapBaseName(sheets + "#2"), (dir / "sheets#2").string());
    // A file that is called so is itself the map.
    testsupport::WriteBytes(sheets + "#3", "%PDF");
    EXPECT_EQ(calib::MapBaseName(sheets + "#3"), (dir / "sheets.p").string());
}

TEST_F(CalibrationFileDiskTest, SaveAndLoad) {
    const std::string path = (dir / "area.mcd").string();
    ASSERT_TRUE(calib::SaveCalibrationFile(path, ThreePairs()));
    EXPECT_EQ(testsupport::ReadBytes(path), kThreePairsFile);

    CGPSMapFuncs c = Previous();
    const auto result = calib::LoadCalibrationFile(path, c);
    EXPECT_EQ(result.status, LoadStatus::Loaded);
    EXPECT_EQ(c, ThreePairs());
}

TEST_F(CalibrationFileDiskTest, FailuresLeaveStateAndFilesAlone) {
    const std::string truncated = (dir / "short.mcd").string();
    std::ofstream(truncated, std::ios::binary) << kThreePairsFile.substr(0, 100);

    struct Row {
        const char* legend;
        std::string path;
        LoadStatus status;
    };
    const Row rows[] = {
        {"no such file", (dir / "none.mcd").string(), LoadStatus::Missing},
        {"a folder", dir.string(), LoadStatus::Unreadable},
        {"truncated file", truncated, LoadStatus::Damaged},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        CGPSMapFuncs c = Previous();
        const auto result = calib::LoadCalibrationFile(row.path, c);
        EXPECT_EQ(result.status, row.status);
        EXPECT_FALSE(result);
        if (row.status != LoadStatus::Missing) {
            EXPECT_NE(result.error.find(row.path), std::string::npos) << result.error;
        }
        EXPECT_EQ(c, Previous());
    }

    const auto failed = calib::SaveCalibrationFile((dir / "no/such/dir.mcd").string(), Previous());
    EXPECT_FALSE(failed);
    EXPECT_NE(failed.error.find("no/such/dir.mcd"), std::string::npos);
    EXPECT_EQ(testsupport::ReadBytes(truncated), kThreePairsFile.substr(0, 100));
}

} // namespace
