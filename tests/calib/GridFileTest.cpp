// The grid file beside a map: what is written reads back the same, and every damage is refused
// with the line and the reason.
#include "calib/GridFile.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(GridFileTest, ReadsWhatItWritesAndRefusesAnythingElse) {
    std::string why;
    map::GridSettings settings;
    settings.model = map::GridModel::Parse("EPSG:32632", &why).value();
    settings.datum = "ED50";
    settings.keep = 5;
    for (int i = 0; i < 6; ++i)
        settings.Add({MapPos(0.1 + 1000 * i, 1.0 / 3 * i), MapPos(7.25 + 1e-9 * i, -46.5 + i)});
    ASSERT_EQ(settings.points.size(), 5u) << "the oldest dropped beyond keep";
    const std::string text = map::FormatGridFile(settings);
    EXPECT_EQ(map::ParseGridFile(text, &why), settings) << why;

    const std::string head = "QUILO-GRID 1\nmodel topographic\ndatum WGS84\nkeep 3\n";
    const struct {
        const char* legend;
        std::string text;
        const char* reason; // a part of the error
    } rows[] = {
        {"another file", "P1\n" + head.substr(13), "not a grid file"},
        {"a later version", "QUILO-GRID 2\n" + head.substr(13), "not a grid file"},
        {"unknown key", head + "scale 25000\n", "line 5: unknown key"},
        {"model twice", head + "model chart\n", "line 5: model given twice"},
        {"keep too small", "QUILO-GRID 1\nmodel chart\ndatum WGS84\nkeep 2\n", "line 4: keep"},
        {"keep not a number", "QUILO-GRID 1\nmodel chart\ndatum WGS84\nkeep 3x\n", "line 4"},
        {"three numbers", head + "point 1 2 3\n", "line 5: a point"},
        {"five numbers", head + "point 1 2 3 4 5\n", "line 5: a point"},
        {"not a number", head + "point 1 2 nan 4\n", "line 5: a point"},
        {"latitude beyond the pole", head + "point 1 2 91 4\n", "line 5: a point"},
        {"pixel far off", head + "point 1e9 2 45 4\n", "line 5: a point"},
        {"decimal comma", head + "point 1,5 2 45 4\n", "line 5: a point"},
        {"unknown datum", "QUILO-GRID 1\nmodel chart\ndatum ED51\nkeep 3\n", "line 3: ED51"},
        {"unknown grid", "QUILO-GRID 1\nmodel EPSG:99999999\n", "line 2"},
        {"no datum", "QUILO-GRID 1\nmodel chart\nkeep 3\n", "datum is missing"},
        {"more points than kept",
         head + "point 1 1 45 7\npoint 2 1 45 7\npoint 3 1 45 7\npoint 4 1 45 7\n", "more points"},
        {"too large", head + std::string(70000, '#'), "too large"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        std::string error;
        EXPECT_FALSE(map::ParseGridFile(row.text, &error));
        EXPECT_NE(error.find(row.reason), std::string::npos) << error;
    }

    const testsupport::TempDir dir;
    const std::string path = map::GridFileName(dir.File("sheet"));
    map::GridSettings read;
    EXPECT_EQ(map::LoadGridFile(path, read).status, platform::LoadStatus::Missing);
    ASSERT_TRUE(map::SaveGridFile(path, settings));
    ASSERT_TRUE(map::LoadGridFile(path, read));
    EXPECT_EQ(read, settings);
    testsupport::WriteBytes(path, text + "point 1 2\n"); // a line cut short
    const platform::LoadResult damaged = map::LoadGridFile(path, read);
    EXPECT_EQ(damaged.status, platform::LoadStatus::Damaged);
    EXPECT_EQ(damaged.error.rfind(path + ": damaged grid file: line ", 0), 0u) << damaged.error;
    EXPECT_EQ(read, settings) << "left as it was";
}

} // namespace
