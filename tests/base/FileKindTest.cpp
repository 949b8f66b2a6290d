#include "base/FileKind.h"

#include <gtest/gtest.h>

namespace {

using base::FileKind;

TEST(FileKind, ExtensionDecidesTheKindWhateverItsCase) {
    struct Row {
        const char* legend;
        const char* path;
        FileKind kind;
        FileKind saved;  // as Save Trail writes it
        FileKind loaded; // as Load Trail reads it
    };
    const Row rows[] = {
        {"lower case", "/maps/walk.trl", FileKind::TrailFile, FileKind::TrailFile,
         FileKind::TrailFile},
        {"upper case (written as KML by the handheld)", "/maps/TRACK.TRL", FileKind::TrailFile,
         FileKind::TrailFile, FileKind::TrailFile},
        {"mixed case", "walk.Trl", FileKind::TrailFile, FileKind::TrailFile, FileKind::TrailFile},
        {"KML", "walk.kml", FileKind::Kml, FileKind::Kml, FileKind::Kml},
        {"GPX", "walk.GPX", FileKind::Gpx, FileKind::Gpx, FileKind::Gpx},
        {"no extension at all", "/maps/walk", FileKind::Other, FileKind::Kml, FileKind::TrailFile},
        {"a dotted folder does not count", "/maps/old.trl/walk", FileKind::Other, FileKind::Kml,
         FileKind::TrailFile},
        {"longer extension", "walk.trlx", FileKind::Other, FileKind::Kml, FileKind::TrailFile},
        {"double extension ends in kml", "walk.trl.kml", FileKind::Kml, FileKind::Kml,
         FileKind::Kml},
        {"NMEA is converted, never saved", "drive.log", FileKind::Nmea, FileKind::Kml,
         FileKind::TrailFile},
        {"journal", "trail.qjr", FileKind::Journal, FileKind::Kml, FileKind::TrailFile},
        {"points", "area.pts", FileKind::PointsFile, FileKind::Kml, FileKind::TrailFile},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(base::KindOfFile(row.path), row.kind) << row.legend;
        EXPECT_EQ(base::SavedTrailFormat(row.path).kind, row.saved) << row.legend;
        EXPECT_EQ(base::LoadedTrailFormat(row.path).kind, row.loaded) << row.legend;
    }
}

} // namespace
