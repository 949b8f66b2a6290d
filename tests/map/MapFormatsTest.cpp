#include "map/formats/MapFormats.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

namespace {

struct Case {
    const char* legend;
    std::string head;
    const char* path;
    std::optional<map::MapFileKind> kind;
};

TEST(MapFormats, RecognisesByContentBeforeExtension) {
    using K = map::MapFileKind;
    const std::string ozi = "OziExplorer Map Data File Version 2.2\r\nTitle\r\n";
    const std::string sqlite("SQLite format 3\0", 16);
    const Case cases[] = {
        {"ozi .map", ozi, "/m/sheet.map", K::OziMap},
        {"ozi under any name", ozi, "/m/SHEET.TXT", K::OziMap},
        {"ozi after a byte order mark", "\xEF\xBB\xBF" + ozi, "/m/a.map", K::OziMap},
        {"another program's .map", "MAP\x01\x02", "/m/vector.map", std::nullopt},
        {"kmz", std::string("PK\x03\x04", 4), "/m/o.KMZ", K::Kmz},
        {"a zip that is no kmz", std::string("PK\x03\x04", 4), "/m/o.zip", std::nullopt},
        {"kml overlay", "<kml><Document><GroundOverlay>", "/m/o.kml", K::KmlOverlay},
        {"kml trail", "<kml><Document><Placemark>", "/m/t.kml", std::nullopt},
        {"world file", "1.0\n0\n0\n-1.0\n", "/m/scan.JGW", K::WorldFile},
        {"png", "\x89PNG\r\n\x1A\n....", "/m/scan.dat", K::Image},
        {"jpeg", "\xFF\xD8\xFF\xE0", "/m/scan.jpg", K::Image},
        {"text", "hello", "/m/notes.txt", std::nullopt},
        {"geopdf", "%PDF-1.7\n", "/m/quad.pdf", K::Gdal},
        {"jpeg 2000", std::string("\0\0\0\x0CjP  \r\n\x87\n", 12), "/m/s.dat", K::Gdal},
        {"vrt", "\n  <VRTDataset rasterXSize=", "/m/mosaic.xml", K::Gdal},
        {"geopackage", sqlite + std::string(52, '\0') + "GPKG", "/m/t.gpkg", K::Gdal},
        {"sqlite without its id", sqlite + std::string(56, '\0'), "/m/t.gpkg", K::MbTiles},
        {"kap chart", "! chart\r\nVER/3.0\r\nBSB/NA=Harbour", "/m/h.KAP", K::Gdal},
        {"kap without its header", "hello", "/m/h.kap", std::nullopt},
        {"elevation grid", "ncols 10\nnrows 10", "/m/dem.asc", K::Gdal},
        {"any other .asc", "hello", "/m/notes.asc", std::nullopt},
        {"dot in the folder only", "hello", "/m.kmz/notes", std::nullopt},
    };
    for (const Case& c : cases) {
        const map::MapFormat* format = map::RecogniseMap(c.head, c.path);
        EXPECT_EQ(format ? std::optional(format->kind) : std::nullopt, c.kind) << c.legend;
    }
}

} // namespace

namespace {

// The desktop entry offers QUILO for every kind of map it opens.
TEST(MapFormats, DesktopEntryListsEveryKindsMimeTypes) {
    const std::string entry =
        testsupport::ReadBytes(QUILO_SOURCE_DIR "/res/com.morvellansoftware.Quilo.desktop");
    const auto line = entry.find("\nMimeType=");
    ASSERT_NE(line, std::string::npos);
    // ";image/gif;image/png;...;": each type between two semicolons.
    const std::string listed =
        ';' + entry.substr(line + 10, entry.find('\n', line + 1) - line - 10) + ';';
    for (const map::MapFormat& format : map::MapFormats()) {
        std::string_view types = format.mimeTypes;
        while (!types.empty()) {
            const std::string_view type = types.substr(0, types.find(';'));
            types.remove_prefix(std::min(types.size(), type.size() + 1));
            EXPECT_NE(listed.find(';' + std::string(type) + ';'), std::string::npos)
                << format.name << ": " << type;
        }
    }
}

} // namespace
