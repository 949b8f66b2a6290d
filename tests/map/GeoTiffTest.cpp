#include "map/formats/GeoTiff.h"
#include "map/ShownMap.h"
#include "map/formats/GeoTiffPyramid.h"
#include "map/pyramid/PyramidCache.h"

#include "platform/FileIo.h"

#include "support/GdalMaps.h"
#include "support/RunTool.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace map {
namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 200;
const std::string kUtmBox[] = {"-a_ullr", "500000", "5600000", "503000", "5598000"};

// The generated picture converted by gdal_translate with args into name.
std::string Translate(const testsupport::TempDir& dir, const std::string& name,
                      std::vector<std::string> args, const std::string& source = "a.ppm") {
    if (!std::filesystem::exists(dir.File("a.ppm")))
        testsupport::WritePatternPpm(dir.File("a.ppm"), kWidth, kHeight);
    args.insert(args.begin(), "-q");
    args.push_back(dir.File(source));
    args.push_back(dir.File(name));
    testsupport::RunGdal("gdal_translate", args);
    return dir.File(name);
}

std::vector<std::string> Args(std::initializer_list<std::string> first, bool utmBox = true) {
    std::vector<std::string> args(first);
    if (utmBox)
        args.insert(args.end(), std::begin(kUtmBox), std::end(kUtmBox));
    return args;
}

const std::string kBesselShift =
    "+towgs84=577.326,90.129,463.919,5.137,1.474,5.297,2.4232 +units=m";

// A Transverse Mercator of its own (no EPSG code) at lon0 on geographic, as a WKT 1 text.
std::string UserTm(const std::string& geographic, int lon0) {
    return "PROJCS[\"mine\"," + geographic +
           ",PROJECTION[\"Transverse_Mercator\"],PARAMETER[\"latitude_of_origin\",0],"
           "PARAMETER[\"central_meridian\"," +
           std::to_string(lon0) +
           "],PARAMETER[\"scale_factor\",0.9996],PARAMETER[\"false_easting\",500000],"
           "PARAMETER[\"false_northing\",0],UNIT[\"metre\",1]]";
}

GeoTiffHeaderResult Header(const std::string& path) {
    int err = 0;
    const platform::UniqueFd fd = platform::OpenRegularFile(path, &err);
    return ReadGeoTiffHeader(fd.Get());
}

TEST(GeoTiff, PlacesPixelsInItsGridAsGdalDoes) {
    testsupport::TempDir dir;
    // A rotated sheet: GDAL writes the full transformation matrix.
    testsupport::WritePatternPpm(dir.File("a.ppm"), kWidth, kHeight);
    testsupport::WriteBytes(
        dir.File("rotated.vrt"),
        "<VRTDataset rasterXSize=\"300\" rasterYSize=\"200\"><SRS>EPSG:32633</SRS>"
        "<GeoTransform>400000, 8.66, 5, 5500000, 5, -8.66</GeoTransform>"
        "<VRTRasterBand dataType=\"Byte\" band=\"1\"><SimpleSource><SourceFilename "
        "relativeToVRT=\"1\">a.ppm</SourceFilename><SourceBand>1</SourceBand></SimpleSource>"
        "</VRTRasterBand></VRTDataset>");
    const struct {
        const char* legend;
        std::vector<std::string> args;
        const char* source;
        const char* crs;         // what the crs starts with; empty: none, with a warning
        const char* warning;     // what the warning says
        bool gdalPlaces = false; // what the keys cannot say, GDAL's reader can
    } rows[] = {
        {"EPSG-coded UTM, scale and tie point", Args({"-a_srs", "EPSG:32632"}), "a.ppm",
         "EPSG:32632", ""},
        {"PixelIsPoint", Args({"-a_srs", "EPSG:32632", "-mo", "AREA_OR_POINT=Point"}), "a.ppm",
         "EPSG:32632", ""},
        {"rotated: the matrix", {}, "rotated.vrt", "EPSG:32633", ""},
        {"geographic", Args({"-a_srs", "EPSG:4326", "-a_ullr", "9", "51", "9.3", "50.8"}, false),
         "a.ppm", "EPSG:4326", ""},
        {"user-defined Transverse Mercator",
         Args({"-a_srs", "+proj=tmerc +lon_0=9.5 +k=0.9996 +x_0=400000 +ellps=intl"}), "a.ppm",
         "+proj=tmerc", ""},
        {"user-defined, prime meridian of Paris",
         Args({"-a_srs", "+proj=longlat +ellps=clrk80ign +pm=paris", "-a_ullr", "2", "49", "2.3",
               "48.8"},
              false),
         "a.ppm", "+proj=latlong", ""},
        // Datums apart from the projection: the file's own shift, or one EPSG registers.
        {"user-defined Transverse Mercator on Bessel, its 7-parameter shift",
         Args({"-a_srs",
               "+proj=tmerc +lon_0=13.3333333333333 +y_0=-5000000 +ellps=bessel " + kBesselShift,
               "-a_ullr", "-10000", "320000", "-7000", "318000"},
              false),
         "a.ppm", "+proj=tmerc", ""},
        {"user-defined projection on ED50, by its geographic CRS",
         Args({"-a_srs",
               UserTm("GEOGCS[\"ED50\",DATUM[\"European_Datum_1950\",SPHEROID[\"Intl\","
                      "6378388,297]],PRIMEM[\"Greenwich\",0],UNIT[\"degree\","
                      "0.0174532925199433],AUTHORITY[\"EPSG\",\"4230\"]]",
                      -3),
               "-a_ullr", "400000", "4500000", "403000", "4498000"},
              false),
         "a.ppm", "PROJCRS[", ""},
        {"user-defined projection on OSGB 36, by its datum",
         Args({"-a_srs",
               UserTm("GEOGCS[\"mine\",DATUM[\"OSGB_1936\",SPHEROID[\"Airy\","
                      "6377563.396,299.3249646],AUTHORITY[\"EPSG\",\"6277\"]],"
                      "PRIMEM[\"Greenwich\",0],UNIT[\"degree\",0.0174532925199433]]",
                      -2),
               "-a_ullr", "320000", "5820000", "323000", "5818000"},
              false),
         "a.ppm", "PROJCRS[", ""},
        {"user-defined beyond the keys", Args({"-a_srs", "+proj=igh +datum=WGS84"}), "a.ppm", "",
         "user-defined and cannot be described", true},
        {"no coordinate system", Args({}), "a.ppm", "", "has no coordinate system"},
        {"not georeferenced", {}, "a.ppm", "", "not georeferenced"},
    };
    const std::vector<double> pixels{0, 0, 300, 0, 300, 200, 0, 200, 123.25, 77.5};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        const std::string file = Translate(dir, "map.tif", row.args, row.source);
        const GeoTiffHeaderResult read = Header(file);
        ASSERT_TRUE(read.header) << read.error;
        const GeoTiffHeader& header = *read.header;
        EXPECT_EQ(header.width, kWidth);
        EXPECT_EQ(header.height, kHeight);
        EXPECT_EQ(header.crs.rfind(row.crs, 0), 0u) << header.crs;
        EXPECT_EQ(header.crs.empty(), !header.warning.empty()) << header.warning;
        EXPECT_NE(header.warning.find(row.warning), std::string::npos) << header.warning;
        const ShownMapResult grid = ReadShownMap(file);
        ASSERT_TRUE(grid.map) << grid.error;
        const bool placed = !header.crs.empty() || row.gdalPlaces;
        EXPECT_EQ(grid.calibrated, placed);
        EXPECT_EQ(grid.warnings.empty(), placed);
        EXPECT_EQ(grid.map->Kind(), header.crs.empty() ? (placed ? "gdal" : "tiff") : "geotiff");
        if (!placed)
            continue;
        const std::vector<double> truth =
            header.crs.empty() ? std::vector<double>{} : testsupport::GdalTransform(file, pixels);
        const auto& w = header.worldFile;
        for (std::size_t i = 0; i + 1 < truth.size(); i += 2) {
            // The world file's values name the centre of the upper left pixel.
            const double x = pixels[i] - 0.5;
            const double y = pixels[i + 1] - 0.5;
            const double pixelSize = std::hypot(w[0], w[1]);
            EXPECT_NEAR(w[0] * x + w[2] * y + w[4], truth[i], pixelSize * 1e-6);
            EXPECT_NEAR(w[1] * x + w[3] * y + w[5], truth[i + 1], pixelSize * 1e-6);
        }
        // And on the earth, through PROJ, as GDAL's own PROJ puts them.
        const std::vector<double> geo = testsupport::GdalTransform(file, pixels, "EPSG:4326");
        for (std::size_t i = 0; i + 1 < geo.size(); i += 2) {
            const MapPos pixel = grid.map->ToPixel(MapPos(geo[i], geo[i + 1]));
            EXPECT_NEAR(pixel.x, pixels[i], 0.01);
            EXPECT_NEAR(pixel.y, pixels[i + 1], 0.01);
        }
    }
}

// Loads file's pixels into memory (a cache without room); the pyramid, or the error.
GeoTiffPyramid Load(const std::string& path, GeoTiffPyramidOptions options = {}) {
    int err = 0;
    const platform::UniqueFd fd = platform::OpenRegularFile(path, &err);
    const PyramidCache noCache(path + ".no-cache", 1);
    options.target = [&](int w, int h, std::string* error) {
        return NewPyramidTarget(noCache, path, fd.Get(), w, h, error);
    };
    return LoadGeoTiffPyramid(fd.Get(), options);
}

std::uint32_t Channel(std::uint32_t pixel, int shift) {
    return pixel >> shift & 0xFFu;
}

TEST(GeoTiffPyramid, StreamsEveryLayoutPixelForPixel) {
    testsupport::TempDir dir;
    using Expected = std::function<std::uint32_t(std::uint32_t)>;
    const Expected same = [](std::uint32_t p) { return p; };
    const Expected grey = [](std::uint32_t p) { return 0xFF000000u | Channel(p, 16) * 0x010101u; };
    // Alpha from the red ramp, laid over white.
    const Expected overWhite = [](std::uint32_t p) {
        const std::uint32_t a = Channel(p, 16);
        std::uint32_t out = 0xFF000000u;
        for (int shift : {16, 8, 0})
            out |= std::min(255u, (Channel(p, shift) * a + 127) / 255 + 255 - a) << shift;
        return out;
    };
    const struct {
        const char* legend;
        std::vector<std::string> args;
        Expected expected; // empty: as GDAL decodes the file (JPEG is lossy)
    } rows[] = {
        {"strips, uncompressed", Args({}), same},
        {"tiles 256, Deflate", Args({"-co", "TILED=YES", "-co", "COMPRESS=DEFLATE"}), same},
        {"tiles 64 x 32, LZW with predictor",
         Args({"-co", "TILED=YES", "-co", "BLOCKXSIZE=64", "-co", "BLOCKYSIZE=32", "-co",
               "COMPRESS=LZW", "-co", "PREDICTOR=2"}),
         same},
        {"strips, Deflate, BigTIFF", Args({"-co", "COMPRESS=DEFLATE", "-co", "BIGTIFF=YES"}), same},
        {"tiles, JPEG YCbCr",
         Args({"-co", "TILED=YES", "-co", "COMPRESS=JPEG", "-co", "PHOTOMETRIC=YCBCR"}),
         {}},
        {"strips, JPEG RGB", Args({"-co", "COMPRESS=JPEG"}), {}},
        {"grey", Args({"-b", "1"}), grey},
        {"16 bits", Args({"-ot", "UInt16", "-scale", "0", "255", "0", "65535"}), same},
        {"alpha", Args({"-b", "1", "-b", "2", "-b", "3", "-b", "1", "-colorinterp_4", "alpha"}),
         overWhite},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        const std::string file = Translate(dir, "map.tif", row.args);
        const GeoTiffPyramid loaded = Load(file);
        ASSERT_EQ(loaded.map.Width(), kWidth) << loaded.error;
        ASSERT_EQ(loaded.map.Height(), kHeight);
        std::vector<std::uint32_t> decoded;
        if (!row.expected) {
            testsupport::RunGdal("gdal_translate", {"-q", "-of", "PNM", file, dir.File("d.ppm")});
            decoded = testsupport::ReadPpm(dir.File("d.ppm"));
            ASSERT_EQ(decoded.size(), std::size_t{kWidth} * kHeight);
        }
        int worst = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const std::uint32_t want = row.expected
                                               ? row.expected(testsupport::PatternPixel(x, y))
                                               : decoded[static_cast<std::size_t>(y * kWidth + x)];
                const std::uint32_t got = loaded.map.Pixel(0, x, y);
                ASSERT_EQ(got >> 24, 0xFFu);
                for (int shift : {16, 8, 0})
                    worst = std::max(worst, std::abs(static_cast<int>(Channel(got, shift)) -
                                                     static_cast<int>(Channel(want, shift))));
            }
        // Rounding of the alpha blend apart, every pixel as it should be.
        EXPECT_LE(worst, 1);
        // The reduced levels are built too.
        EXPECT_EQ(loaded.map.Pixel(1, 10, 10) >> 24, 0xFFu);
    }
}

TEST(GeoTiffPyramid, TheFirstViewsTilesComeFirst) {
    testsupport::TempDir dir;
    const std::string file = Translate(
        dir, "map.tif", Args({"-co", "TILED=YES", "-co", "BLOCKXSIZE=64", "-co", "BLOCKYSIZE=32"}));
    GeoTiffPyramidOptions options;
    options.previewMinPixels = 0;
    options.firstColumns = 100;
    options.firstRows = 40;
    int pictures = 0;
    options.preview = [&](MapPyramid picture) {
        pictures += 1;
        EXPECT_EQ(picture.Width(), (kWidth + 7) / 8);
    };
    std::vector<std::pair<int, int>> regions;
    options.regionStored = [&](MapPyramid map, int columns, int rows) {
        regions.emplace_back(columns, rows);
        // What is told stored is there, to its last pixel.
        EXPECT_EQ(map.Pixel(0, columns - 1, rows - 1),
                  testsupport::PatternPixel(columns - 1, rows - 1));
    };
    const GeoTiffPyramid loaded = Load(file, options);
    ASSERT_FALSE(loaded.map.Empty()) << loaded.error;
    EXPECT_EQ(pictures, 1);
    ASSERT_GE(regions.size(), 2u);
    // Two tiles across, two down cover the view; then whole rows of tiles, never less.
    EXPECT_EQ(regions[0], std::make_pair(128, 64));
    EXPECT_EQ(regions[1], std::make_pair(kWidth, 64));
    EXPECT_EQ(regions.back(), std::make_pair(kWidth, kHeight));
}

TEST(GeoTiffPyramid, AHostileFileIsRefusedWithItsReason) {
    testsupport::TempDir dir;
    const std::string tiled =
        Translate(dir, "tiled.tif", Args({"-co", "TILED=YES", "-co", "COMPRESS=DEFLATE"}));
    const std::string bytes = testsupport::ReadBytes(tiled);
    testsupport::WriteBytes(dir.File("cut.tif"), bytes.substr(0, bytes.size() * 2 / 3));
    testsupport::RunGdal("gdal_create",
                         {"-q", "-outsize", "1000000", "1000000", "-bands", "1", "-co", "TILED=YES",
                          "-co", "BLOCKXSIZE=4096", "-co", "BLOCKYSIZE=4096", "-co",
                          "SPARSE_OK=TRUE", "-co", "BIGTIFF=YES", dir.File("huge.tif")});
    Translate(dir, "float.tif", Args({"-ot", "Float32"}));
    testsupport::WriteBytes(dir.File("not.tif"), "II*\0 and then nothing a TIFF holds");
    // 3000 pixels of 60000 16-bit samples: a row of 360 MB in a file of 134 bytes.
    std::filesystem::copy_file(QUILO_SOURCE_DIR "/fuzz/corpus/fuzz_geotiff/wide-row-samples",
                               dir.File("wide.tif"));
    const struct {
        const char* name;
        const char* error;
    } rows[] = {
        {"cut.tif", "cannot be read"},
        {"huge.tif", "The image is 1000000 x 1000000 pixels and needs "},
        {"float.tif", "floating-point"},
        {"not.tif", ""},
        {"wide.tif", "rows are empty or too large"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const GeoTiffPyramid loaded = Load(dir.File(row.name));
        EXPECT_TRUE(loaded.map.Empty());
        EXPECT_FALSE(loaded.error.empty());
        EXPECT_NE(loaded.error.find(row.error), std::string::npos) << loaded.error;
    }
}

// GeoKeys that name a code no registry has: libgeotiff asks PROJ about it, and PROJ's answer
// ("crs not found") is no line of ours; the tool says in its own words what became of the map.
TEST(GeoTiff, ACodeNoRegistryHasIsToldInOurOwnWords) {
    testsupport::TempDir dir;
    std::string bytes =
        testsupport::ReadBytes(Translate(dir, "utm.tif", Args({"-a_srs", "EPSG:32632"})));
    // ProjectedCSTypeGeoKey (3072) in the key directory, one SHORT of value 32632.
    const std::string key("\x00\x0c\x00\x00\x01\x00\x78\x7f", 8);
    const std::size_t at = bytes.find(key);
    ASSERT_NE(at, std::string::npos);
    bytes[at + 6] = '\xfe';
    bytes[at + 7] = '\xff'; // 65534
    testsupport::WriteBytes(dir.File("absurd.tif"), bytes);
    const testsupport::RunResult run = testsupport::RunTool({"map", dir.File("absurd.tif")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "quilo-tool map: " + dir.File("absurd.tif") +
                           ": The file's coordinate system is user-defined and cannot be "
                           "described; it opens uncalibrated.\n");
}

} // namespace
} // namespace map
