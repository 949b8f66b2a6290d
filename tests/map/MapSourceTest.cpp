// Maps made by other programs, read as the viewer reads them. Images come from GDAL's
// gdal_create; .map files are written here in the format's own layout, their points placed by
// PROJ's cs2cs; the truth of each pixel comes from cs2cs or gdaltransform, second processes.

#include "map/formats/MapSource.h"
#include "geo/Proj.h"
#include "map/MapFolder.h"
#include "map/OpenMap.h"
#include "map/formats/WorldFile.h"
#include "support/Cs2cs.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

using testsupport::Pair;
using testsupport::TempDir;

constexpr int kWidth = 1000;
constexpr int kHeight = 800;

void MakeImage(const std::string& path, const std::vector<std::string>& extra = {}) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::vector<std::string> args{
        "-of", "PNG", "-outsize", std::to_string(kWidth), std::to_string(kHeight), "-burn", "90"};
    args.insert(args.end(), extra.begin(), extra.end());
    args.push_back(path);
    const testsupport::RunResult run = testsupport::Run(QUILO_GDAL_CREATE, args);
    ASSERT_EQ(run.status, 0) << run.err;
}

// The largest distance, in pixels, between each pixel and where the map puts its true place.
double WorstMiss(const map::GridGeoreference& grid, const std::vector<Pair>& pixels,
                 const std::vector<Pair>& truth) {
    double worst = 0;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const MapPos back = grid.ToPixel(MapPos(truth[i][0], truth[i][1]));
        const double miss = std::hypot(back.x - pixels[i][0], back.y - pixels[i][1]);
        worst = std::max(worst, std::isfinite(miss) ? miss : INFINITY);
    }
    return worst;
}

std::vector<Pair> SamplePixels() {
    std::vector<Pair> pixels;
    for (int i = 0; i <= 4; ++i)
        for (int j = 0; j <= 4; ++j)
            pixels.push_back({kWidth * i / 4.0, kHeight * j / 4.0});
    return pixels;
}

struct OziSheet {
    const char* legend;
    const char* datum;      // as the .map names it
    const char* geographic; // the truth's definition of that datum (its published shift)
    const char* projection; // as the .map names it, and its setup line's values
    const char* setup;
    const char* grid; // the truth's definition of the grid
    double lon, lat;  // the sheet's centre
    double scale;     // grid units per pixel
    bool gridPoints;  // points in grid coordinates, else in degrees and minutes
    int points;
    const char* written; // the image path the .map holds (UTF-8 here)
    const char* image;   // the image file, relative to the .map
    // The grid the scan is drawn in, its pixels evenly spaced in it, when not the one the .map
    // names; whether the .map asks for a polynomial, the order expected (0: the affine), and a
    // part of the warning expected.
    const char* drawn = nullptr;
    bool polyCal = false;
    int order = 0;
    const char* warning = nullptr;
};

const OziSheet kOziSheets[] = {
    {"UTM grid points, a Windows path in other capitals", "WGS 84",
     "+proj=longlat +datum=WGS84 +type=crs", "(UTM) Universal Transverse Mercator", "",
     "+proj=utm +zone=32 +datum=WGS84 +type=crs", 9.4, 45.6, 10, true, 4,
     "C:\\Users\\ana\\Maps\\SHEET.PNG", "Sheet.png"},
    {"ED50 Transverse Mercator from its setup, a relative path", "European 1950",
     "+proj=longlat +ellps=intl +towgs84=-87,-98,-121 +type=crs", "Transverse Mercator",
     "0.0,15.0,0.9996,500000,0,,,,,",
     "+proj=tmerc +lat_0=0 +lon_0=15 +k=0.9996 +x_0=500000 +y_0=0 +ellps=intl "
     "+towgs84=-87,-98,-121 +type=crs",
     15.3, 45.8, 10, false, 4, "sub\\tm.png", "sub/tm.png"},
    {"British grid points on OSGB 36", "Ord Srvy Grt Britn",
     "+proj=longlat +ellps=airy +towgs84=375,-111,431 +type=crs", "(BNG) British National Grid", "",
     "+proj=tmerc +lat_0=49 +lon_0=-2 +k=0.9996012717 +x_0=400000 +y_0=-100000 +ellps=airy "
     "+towgs84=375,-111,431 +type=crs",
     -3.2, 54.5, 25, true, 3, "lakes.png", "lakes.png"},
    {"Pulkovo degrees on a Cyrillic name in Windows-1251", "Pulkovo 1942 (1)",
     "+proj=longlat +ellps=krass +towgs84=28,-130,-95 +type=crs", "Latitude/Longitude", "",
     "+proj=longlat +ellps=krass +towgs84=28,-130,-95 +type=crs", 37.6, 55.7, 0.0002, false, 4,
     "D:\\Карты\\Лист.png", "Лист.png"},
    {"NAD27 Lambert, two points", "NAD27 CONUS",
     "+proj=longlat +ellps=clrk66 +towgs84=-8,160,176 +type=crs", "Lambert Conformal Conic",
     "33,-97,,0,0,33,45,,,",
     "+proj=lcc +lat_0=33 +lon_0=-97 +lat_1=33 +lat_2=45 +x_0=0 +y_0=0 +ellps=clrk66 "
     "+towgs84=-8,160,176 +type=crs",
     -96.5, 38.2, 20, false, 2, "kansas.png", "kansas.png"},
    {"a Mercator chart read as Latitude/Longitude, six points, polynomial", "WGS 84",
     "+proj=longlat +datum=WGS84 +type=crs", "Latitude/Longitude", "",
     "+proj=longlat +datum=WGS84 +type=crs", 10.0, 62.0, 400, false, 6, "chart.png", "chart.png",
     "+proj=merc +lon_0=0 +datum=WGS84 +type=crs", true, 2},
    {"a UTM scan read as Latitude/Longitude, twenty points, polynomial", "WGS 84",
     "+proj=longlat +datum=WGS84 +type=crs", "Latitude/Longitude", "",
     "+proj=longlat +datum=WGS84 +type=crs", 6.0, 55.0, 600, false, 20, "utm.png", "utm.png",
     "+proj=utm +zone=32 +datum=WGS84 +type=crs", true, 3},
    {"a polynomial asked for with four points: the affine, with a warning", "WGS 84",
     "+proj=longlat +datum=WGS84 +type=crs", "(UTM) Universal Transverse Mercator", "",
     "+proj=utm +zone=32 +datum=WGS84 +type=crs", 9.4, 45.6, 10, true, 4, "Sheet.png", "Sheet.png",
     nullptr, true, 0,
     "sheet.map: its polynomial calibration is shown as the "
     "nearest affine: 4 points, where a polynomial of order 2 needs 6"},
};

// "  45, 30.0000,N": degrees and minutes as the format writes them.
std::string DegreesMinutes(double value, char positive, char negative) {
    const double magnitude = std::abs(value);
    const double degrees = std::floor(magnitude);
    char text[64];
    std::snprintf(text, sizeof text, "%4.0f,%8.4f,%c", degrees, (magnitude - degrees) * 60,
                  value < 0 ? negative : positive);
    return text;
}

std::string OziMapText(const OziSheet& sheet, const std::vector<Pair>& pixels,
                       const std::vector<Pair>& grid, const std::vector<Pair>& geo) {
    std::ostringstream out;
    out.precision(12);
    out << "OziExplorer Map Data File Version 2.2\r\n"
        << sheet.image << "\r\n"
        << sheet.written << "\r\n1 ,Map Code,\r\n"
        << sheet.datum << ",WGS 84,   0.0000,   0.0000,WGS 84\r\nReserved 1\r\nReserved 2\r\n"
        << "Magnetic Variation,,,E\r\nMap Projection," << sheet.projection << ",PolyCal,"
        << (sheet.polyCal ? "Yes" : "No") << ",AutoCalOnly,No,BSBUseWPX,No\r\n";
    for (std::size_t i = 0; i < 30; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "Point%02zu", i + 1);
        out << name << ",xy,";
        if (i >= pixels.size())
            out << "     ,     ,in, deg,    ,        ,N,    ,        ,E, grid,   ,           ,"
                   "           ,N\r\n";
        else if (sheet.gridPoints)
            out << pixels[i][0] << ',' << pixels[i][1]
                << ",in, deg,    ,        ,N,    ,        ,E, grid, 32," << grid[i][0] << ','
                << grid[i][1] << ",N\r\n";
        else
            out << pixels[i][0] << ',' << pixels[i][1] << ",in, deg,"
                << DegreesMinutes(geo[i][1], 'N', 'S') << ',' << DegreesMinutes(geo[i][0], 'E', 'W')
                << ", grid,   ,           ,           ,N\r\n";
    }
    out << "Projection Setup," << sheet.setup << "\r\n"
        << "Map Feature = MF ; Map Comment = MC     These follow if they exist\r\n"
        << "Track File = TF      These follow if they exist\r\n"
        << "Moving Map Parameters = MM?    These follow if they exist\r\nMM0,Yes\r\nMMPNUM,4\r\n"
        << "IWH,Map Image Width/Height," << kWidth << ',' << kHeight << "\r\n";
    return out.str();
}

// cs2cs reads an argument that starts with '+' in its old syntax, as part of a longer definition.
std::string Def(const std::string& definition) {
    return ' ' + definition;
}

// The bytes in Windows-1251, by the system's iconv.
std::string ToCp1251(const std::string& utf8) {
    const testsupport::RunResult run =
        testsupport::Run(QUILO_ICONV, {"-f", "UTF-8", "-t", "CP1251"}, utf8);
    EXPECT_EQ(run.status, 0) << run.err;
    return run.out;
}

// The corners, the middles of two edges, then a lattice inside.
std::vector<Pair> PointPixels(int count) {
    std::vector<Pair> pixels{{50, 60}, {950, 740}, {940, 70}, {60, 730}, {500, 50}, {40, 400}};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            pixels.push_back({200.0 + 200 * i, 170.0 + 150 * j});
    pixels.resize(static_cast<std::size_t>(count));
    return pixels;
}

TEST(MapSource, OziMapsAgreeWithCs2cs) {
    const std::string wgs84 = "+proj=longlat +datum=WGS84 +type=crs";
    for (const OziSheet& sheet : kOziSheets) {
        SCOPED_TRACE(sheet.legend);
        TempDir dir;
        MakeImage(dir.File(sheet.image));
        const std::string drawn = Def(sheet.drawn != nullptr ? sheet.drawn : sheet.grid);
        const Pair centre =
            testsupport::Cs2cs(Def(sheet.geographic), drawn, {{sheet.lon, sheet.lat}})[0];
        const auto toDrawn = [&](const std::vector<Pair>& pixels) {
            std::vector<Pair> out;
            for (const Pair& p : pixels)
                out.push_back({centre[0] + (p[0] - kWidth / 2.0) * sheet.scale,
                               centre[1] - (p[1] - kHeight / 2.0) * sheet.scale});
            return out;
        };
        const std::vector<Pair> pixels = PointPixels(sheet.points);
        const std::vector<Pair> grid = testsupport::Cs2cs(drawn, Def(sheet.grid), toDrawn(pixels));
        const std::vector<Pair> geo =
            testsupport::Cs2cs(drawn, Def(sheet.geographic), toDrawn(pixels));
        std::string text = OziMapText(sheet, pixels, grid, geo);
        if (std::string(sheet.legend).find("1251") != std::string::npos)
            text = ToCp1251(text);
        testsupport::WriteBytes(dir.File("sheet.map"), text);

        const map::MapSourceResult read = map::ReadMapSource(dir.File("sheet.map"));
        ASSERT_TRUE(read.source) << read.error;
        EXPECT_EQ(read.source->imagePath, dir.File(sheet.image));
        EXPECT_EQ(read.source->warnings, sheet.warning
                                             ? std::vector<std::string>{dir.File(sheet.warning)}
                                             : std::vector<std::string>{});
        ASSERT_TRUE(read.source->grid);
        const map::GridGeoreference& placed = *read.source->grid;
        const std::string model = placed.Describe();
        EXPECT_EQ(model.substr(0, model.find('\t')), sheet.order > 0 ? "polynomial" : "named");
        std::vector<Pair> samples = SamplePixels();
        samples.insert(samples.end(), pixels.begin(), pixels.end());
        const std::vector<Pair> truth = testsupport::Cs2cs(drawn, Def(wgs84), toDrawn(samples));
        EXPECT_LT(WorstMiss(placed, samples, truth), 0.5);
        double worstTrip = 0;
        for (const Pair& p : samples) {
            const MapPos back = placed.ToPixel(placed.ToGeo(MapPos(p[0], p[1])));
            worstTrip = std::max(worstTrip, std::hypot(back.x - p[0], back.y - p[1]));
        }
        EXPECT_LT(worstTrip, 1e-3);
        if (sheet.order == 0)
            continue;
        EXPECT_NE(model.find('\t' + std::to_string(sheet.order) + '\t'), std::string::npos)
            << model;
        // The same points without the polynomial: the scan's bend is more than the affine takes.
        OziSheet affine = sheet;
        affine.polyCal = false;
        testsupport::WriteBytes(dir.File("sheet.map"), OziMapText(affine, pixels, grid, geo));
        const map::MapSourceResult flat = map::ReadMapSource(dir.File("sheet.map"));
        ASSERT_TRUE(flat.source && flat.source->grid) << flat.error;
        EXPECT_GT(WorstMiss(*flat.source->grid, samples, truth), 2.0);
    }
}

} // namespace

namespace {

testsupport::RunResult Ran(const char* program, const std::vector<std::string>& args,
                           const std::string& input = "") {
    testsupport::RunResult run = testsupport::Run(program, args, input);
    EXPECT_EQ(run.status, 0) << program << ": " << run.err;
    return run;
}

// A ground overlay of the image at href, over 7.2E..8E, 45.5N..46N unless placed elsewhere.
std::string OverlayXml(const std::string& href,
                       const std::string& place = "<LatLonBox><north>46</north><south>45.5"
                                                  "</south><east>8</east><west>7.2</west>"
                                                  "</LatLonBox>") {
    return "<GroundOverlay><name>sheet</name><Icon><href>" + href + "</href></Icon>" + place +
           "</GroundOverlay>";
}

std::string KmlDocument(const std::string& overlays) {
    return "<?xml version=\"1.0\"?><kml xmlns=\"http://www.opengis.net/kml/2.2\" "
           "xmlns:gx=\"http://www.google.com/kml/ext/2.2\"><Document><Style/>" +
           overlays + "</Document></kml>";
}

std::string OverlayKml(const std::string& href) {
    return KmlDocument(OverlayXml(href));
}

void Zip(const TempDir& dir, const std::string& archive, const std::vector<std::string>& files) {
    std::vector<std::string> args{"-q", "-9", archive};
    args.insert(args.end(), files.begin(), files.end());
    std::string command = "cd '" + dir.Path().string() + "' && " + QUILO_ZIP;
    for (const std::string& arg : args)
        command += " '" + arg + "'";
    Ran("/bin/sh", {"-c", command});
}

const std::string kUtm32 = "+proj=utm +zone=32 +datum=WGS84 +type=crs";
const std::vector<std::string> kSheetArea{"-a_srs",  "EPSG:32632", "-a_ullr",
                                          "480000",  "5100000",    "490000",
                                          "5092000", "-co",        "WORLDFILE=YES"};

struct Placed {
    const char* legend;
    const char* open;    // the file opened, in the folder
    const char* truthOf; // the file gdaltransform reads
    void (*make)(const TempDir&);
};

const Placed kPlaced[] = {
    {"world file and an ESRI .prj, opened by the image", "t.png", "t.png",
     [](const TempDir& dir) {
         MakeImage(dir.File("t.png"), kSheetArea);
         testsupport::WriteBytes(dir.File("t.prj"),
                                 Ran(QUILO_GDALSRSINFO, {"-o", "wkt_esri", "EPSG:32632"}).out);
     }},
    {"world file opened itself, NAME.EXT.prj in WKT", "t.wld", "t.png",
     [](const TempDir& dir) {
         MakeImage(dir.File("t.png"), kSheetArea);
         testsupport::WriteBytes(dir.File("t.png.prj"),
                                 Ran(QUILO_GDALSRSINFO, {"-o", "wkt1", "EPSG:32632"}).out);
     }},
    {"world file whose grid the user named", "t.png", "t.png",
     [](const TempDir& dir) {
         MakeImage(dir.File("t.png"), kSheetArea);
         std::string error;
         EXPECT_TRUE(map::WritePrj(dir.File("t.png"), "UTM 32N", &error)) << error;
     }},
    {"KML ground overlay", "o.kml", "o.kml",
     [](const TempDir& dir) {
         MakeImage(dir.File("o.png"));
         testsupport::WriteBytes(dir.File("o.kml"), OverlayKml("o.png"));
     }},
    {"KMZ ground overlay, its image in a folder", "o.kmz", "o.kml",
     [](const TempDir& dir) {
         MakeImage(dir.File("files/o.png"));
         testsupport::WriteBytes(dir.File("doc.kml"), OverlayKml("files/o.png"));
         Zip(dir, "o.kmz", {"doc.kml", "files/o.png"});
         testsupport::WriteBytes(dir.File("o.kml"), OverlayKml("files/o.png"));
     }},
};

TEST(MapSource, WorldFilesAndOverlaysAgreeWithGdaltransform) {
    for (const Placed& row : kPlaced) {
        SCOPED_TRACE(row.legend);
        TempDir dir;
        row.make(dir);
        const map::MapSourceResult read = map::ReadMapSource(dir.File(row.open));
        ASSERT_TRUE(read.source) << read.error;
        ASSERT_TRUE(read.source->grid);
        const std::vector<Pair> samples = SamplePixels();
        std::ostringstream in;
        for (const Pair& p : samples)
            in << p[0] << ' ' << p[1] << '\n';
        std::istringstream out(Ran(QUILO_GDALTRANSFORM,
                                   {"-t_srs", "+proj=longlat +datum=WGS84", dir.File(row.truthOf)},
                                   in.str())
                                   .out);
        std::vector<Pair> truth(samples.size(), Pair{NAN, NAN});
        for (Pair& p : truth) {
            double z = 0;
            out >> p[0] >> p[1] >> z;
        }
        EXPECT_LT(WorstMiss(*read.source->grid, samples, truth), 0.5);
    }
}

// A gx:LatLonQuad lays the image's corners on its own (lower left, lower right, upper right,
// upper left, longitude first), whatever its shape.
TEST(MapSource, AQuadLaysTheImageOnItsFourCorners) {
    const struct {
        const char* legend;
        std::array<Pair, 4> corners;
    } rows[] = {
        {"a skewed quad", {{{6.50, 46.30}, {7.00, 46.32}, {7.08, 46.66}, {6.52, 46.60}}}},
        {"across the 180th meridian",
         {{{179.8, -17.8}, {-179.7, -17.7}, {-179.75, -17.0}, {179.9, -17.1}}}},
    };
    const std::array<MapPos, 4> pixels{MapPos(0, kHeight), MapPos(kWidth, kHeight),
                                       MapPos(kWidth, 0), MapPos(0, 0)};
    TempDir dir;
    MakeImage(dir.File("o.png"));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        std::ostringstream quad;
        quad.precision(17);
        quad << "<gx:LatLonQuad><coordinates>";
        for (const Pair& p : row.corners)
            quad << p[0] << ',' << p[1] << ' ';
        quad << "</coordinates></gx:LatLonQuad>";
        testsupport::WriteBytes(dir.File("o.kml"), KmlDocument(OverlayXml("o.png", quad.str())));
        const map::MapSourceResult read = map::ReadMapSource(dir.File("o.kml"));
        ASSERT_TRUE(read.source) << read.error;
        ASSERT_TRUE(read.source->grid);
        const map::GridGeoreference& grid = *read.source->grid;
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const MapPos corner(row.corners[i][0], row.corners[i][1]);
            EXPECT_LT(map::GroundMetres(grid.ToGeo(pixels[i]), corner), 0.001) << i;
            const MapPos back = grid.ToPixel(corner);
            EXPECT_LT(std::hypot(back.x - pixels[i].x, back.y - pixels[i].y), 1e-4) << i;
        }
    }
}

// A sheet 1 degree wide across the 180th meridian, from 179.5 E to 179.5 W and 17 to 17.8 S, in
// each kind that can say so: longitudes run on across it, whichever way they are written.
const std::vector<std::string> kAcross180{"-a_srs", "EPSG:4326", "-a_ullr", "179.5",        "-17",
                                          "180.5",  "-17.8",     "-co",     "WORLDFILE=YES"};
const Placed kAcross180Maps[] = {
    {"world file and .prj", "t.png", "",
     [](const TempDir& dir) {
         MakeImage(dir.File("t.png"), kAcross180);
         testsupport::WriteBytes(dir.File("t.prj"),
                                 Ran(QUILO_GDALSRSINFO, {"-o", "wkt1", "EPSG:4326"}).out);
     }},
    {"KML box whose east edge is below its west", "o.kml", "",
     [](const TempDir& dir) {
         MakeImage(dir.File("o.png"));
         testsupport::WriteBytes(
             dir.File("o.kml"),
             KmlDocument(OverlayXml("o.png", "<LatLonBox><north>-17</north><south>-17.8</south>"
                                             "<east>-179.5</east><west>179.5</west></LatLonBox>")));
     }},
    {".map in degrees, 179 30 E and 179 30 W", "f.map", "",
     [](const TempDir& dir) {
         MakeImage(dir.File("f.png"));
         OziSheet sheet = kOziSheets[0];
         sheet.projection = "Latitude/Longitude";
         sheet.gridPoints = false;
         sheet.written = "f.png";
         testsupport::WriteBytes(
             dir.File("f.map"),
             OziMapText(sheet, {{0, 0}, {kWidth, 0}, {0, kHeight}, {kWidth, kHeight}}, {},
                        {{179.5, -17}, {-179.5, -17}, {179.5, -17.8}, {-179.5, -17.8}}));
     }},
};

TEST(MapSource, SheetsAcrossThe180thMeridianStayWhole) {
    for (const Placed& row : kAcross180Maps) {
        SCOPED_TRACE(row.legend);
        TempDir dir;
        row.make(dir);
        const map::MapSourceResult read = map::ReadMapSource(dir.File(row.open));
        ASSERT_TRUE(read.source) << read.error;
        ASSERT_TRUE(read.source->grid);
        const map::GridGeoreference& grid = *read.source->grid;
        const std::vector<Pair> samples = SamplePixels();
        std::vector<Pair> truth;
        for (const Pair& p : samples) {
            const double east = 179.5 + p[0] / kWidth;
            truth.push_back({east > 180 ? east - 360 : east, -17 - 0.8 * p[1] / kHeight});
            const MapPos geo = grid.ToGeo(MapPos(p[0], p[1]));
            EXPECT_NEAR(geo.x, truth.back()[0], 1e-6) << p[0] << ' ' << p[1];
            EXPECT_NEAR(geo.y, truth.back()[1], 1e-6) << p[0] << ' ' << p[1];
        }
        EXPECT_LT(WorstMiss(grid, samples, truth), 0.01);
        const std::vector<MapPos> outline{grid.ToGeo(MapPos(0, 0)), grid.ToGeo(MapPos(kWidth, 0)),
                                          grid.ToGeo(MapPos(kWidth, kHeight)),
                                          grid.ToGeo(MapPos(0, kHeight))};
        EXPECT_TRUE(map::OutlineHolds(outline, MapPos(-179.9, -17.4)));
        EXPECT_TRUE(map::OutlineHolds(outline, MapPos(179.9, -17.4)));
        EXPECT_FALSE(map::OutlineHolds(outline, MapPos(0, -17.4)));
    }
}

struct Hostile {
    const char* legend;
    const char* open;
    void (*make)(const TempDir&);
    const char* error; // a part of the message
};

std::string SmallOziMap(const char* datum, const char* projection, int points) {
    OziSheet sheet = kOziSheets[0];
    sheet.datum = datum;
    sheet.projection = projection;
    sheet.written = "Sheet.png";
    std::string text =
        OziMapText(sheet, {{0, 0}, {900, 700}}, {{500000, 5000000}, {509000, 4993000}}, {});
    for (int i = 0; i < points; ++i)
        text += "Point99,xy,1,2,in, deg,  45, 30.0000,N,   9, 10.0000,E, grid,   ,  ,  ,N\r\n";
    return text;
}

const Hostile kHostile[] = {
    {"a KMZ entry that leaves the archive", "x.kmz",
     [](const TempDir& dir) {
         testsupport::WriteBytes(dir.File("doc.kml"), OverlayKml("../../x.png"));
         Zip(dir, "x.kmz", {"doc.kml"});
     },
     "../../x.png is not inside the archive"},
    {"a KMZ none of whose overlays has its image", "x.kmz",
     [](const TempDir& dir) {
         testsupport::WriteBytes(dir.File("doc.kml"),
                                 KmlDocument(OverlayXml("a.png") + OverlayXml("b.png")));
         Zip(dir, "x.kmz", {"doc.kml"});
     },
     "x.kmz: none of its 2 ground overlays can be shown (a.png is not in the archive)"},
    {"a KMZ whose document inflates without end", "x.kmz",
     [](const TempDir& dir) {
         testsupport::WriteBytes(dir.File("doc.kml"),
                                 OverlayKml("a.png") + std::string(std::size_t{17} << 20, ' '));
         Zip(dir, "x.kmz", {"doc.kml"});
     },
     "doc.kml inflates beyond 16 MB"},
    {"a world file of NaNs", "t.png",
     [](const TempDir& dir) {
         MakeImage(dir.File("t.png"));
         testsupport::WriteBytes(dir.File("t.pgw"), "nan\nnan\nnan\nnan\nnan\nnan\n");
     },
     "t.pgw: \"nan\" is not a usable number"},
    {"a .prj that is no WKT", "t.png",
     [](const TempDir& dir) {
         MakeImage(dir.File("t.png"), kSheetArea);
         testsupport::WriteBytes(dir.File("t.prj"), "UTM zone 32, I think\n");
     },
     "t.prj: not a WKT definition"},
    {"a .map with 10 000 points", "m.map",
     [](const TempDir& dir) {
         testsupport::WriteBytes(dir.File("m.map"), SmallOziMap("WGS 84", "Mercator", 10000));
     },
     "more than 100 calibration points"},
    {"a .map on a datum not in the list", "m.map",
     [](const TempDir& dir) {
         MakeImage(dir.File("Sheet.png"));
         testsupport::WriteBytes(dir.File("m.map"), SmallOziMap("Mars 1970", "Mercator", 0));
     },
     "m.map: Datum Mars 1970: unknown datum"},
    {"a .map in a projection not read", "m.map",
     [](const TempDir& dir) {
         MakeImage(dir.File("Sheet.png"));
         testsupport::WriteBytes(dir.File("m.map"), SmallOziMap("WGS 84", "Sinusoidal", 0));
     },
     "Projection Sinusoidal: not a projection QUILO reads"},
    {"a .map without its image", "m.map",
     [](const TempDir& dir) {
         testsupport::WriteBytes(dir.File("m.map"), SmallOziMap("WGS 84", "Mercator", 0));
     },
     "its image Sheet.png is not beside it"},
    {"another program's .map", "v.map",
     [](const TempDir& dir) { testsupport::WriteBytes(dir.File("v.map"), "MAPBIN\x01"); },
     "v.map: not a map of any kind QUILO opens"},
};

TEST(MapSource, HostileFilesAreRefusedWithTheirReason) {
    for (const Hostile& row : kHostile) {
        SCOPED_TRACE(row.legend);
        TempDir dir;
        row.make(dir);
        const map::MapSourceResult read = map::ReadMapSource(dir.File(row.open));
        EXPECT_FALSE(read.source);
        EXPECT_NE(read.error.find(row.error), std::string::npos) << read.error;
    }
}

// One sheet of a mosaic: a JPEG of one colour, placed by a box or by the four corners of a quad
// (lower left, lower right, upper right, upper left, longitude first), which are the truth.
struct MosaicSheet {
    const char* image;
    int width, height;
    int red, green, blue;
    std::array<Pair, 4> corners;
    bool quad;
};

const MosaicSheet kMosaicSheets[] = {
    {"a.jpg", 400, 300, 200, 30, 40, {{{7.2, 45.5}, {8, 45.5}, {8, 46}, {7.2, 46}}}, false},
    // The finest, over the first.
    {"b.jpg", 300, 300, 30, 200, 40, {{{7.6, 45.8}, {7.9, 45.8}, {7.9, 46.2}, {7.6, 46.2}}}, false},
    // Turned, over the first's lower left corner.
    {"c.jpg", 200, 200, 30, 40, 200, {{{7.3, 45.3}, {7.6, 45.4}, {7.5, 45.7}, {7.2, 45.6}}}, true},
};

std::string MosaicKml() {
    std::string overlays;
    for (const MosaicSheet& sheet : kMosaicSheets) {
        const auto& c = sheet.corners;
        std::ostringstream place;
        if (sheet.quad) {
            place << "<gx:LatLonQuad><coordinates>";
            for (const Pair& p : c)
                place << p[0] << ',' << p[1] << ' ';
            place << "</coordinates></gx:LatLonQuad>";
        } else {
            place << "<LatLonBox><north>" << c[2][1] << "</north><south>" << c[0][1]
                  << "</south><east>" << c[2][0] << "</east><west>" << c[0][0]
                  << "</west></LatLonBox>";
        }
        overlays += OverlayXml(sheet.image, place.str());
    }
    // Left out with a warning each: an image that is not there, one that is no image, and one
    // (PNG) that the map room cannot decode without the viewer's decoder.
    return KmlDocument(overlays + OverlayXml("missing.jpg") + OverlayXml("junk.jpg") +
                       OverlayXml("d.png"));
}

class NoEvents : public map::OpenMapEvents {
public:
    bool Progress(double) override { return true; }
    bool Cancelled() override { return false; }
    void EarlyPicture(map::MapPyramid) override {}
    void RowsStored(map::MapPyramid, int, int) override {}
};

bool Contains(const std::vector<std::string>& lines, const std::string& part) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.find(part) != std::string::npos;
    });
}

TEST(MapSource, OverlaysOfOneDocumentShowAsOneMapWhereTheySay) {
    for (const bool archive : {true, false}) {
        SCOPED_TRACE(archive ? "KMZ" : "KML");
        TempDir dir;
        std::vector<std::string> files{"doc.kml", "junk.jpg", "d.png"};
        for (const MosaicSheet& sheet : kMosaicSheets) {
            Ran(QUILO_GDAL_CREATE, {"-of", "JPEG", "-outsize", std::to_string(sheet.width),
                                    std::to_string(sheet.height), "-bands", "3", "-burn",
                                    std::to_string(sheet.red), "-burn", std::to_string(sheet.green),
                                    "-burn", std::to_string(sheet.blue), dir.File(sheet.image)});
            files.emplace_back(sheet.image);
        }
        MakeImage(dir.File("d.png"));
        testsupport::WriteBytes(dir.File("junk.jpg"), "not an image");
        testsupport::WriteBytes(dir.File("doc.kml"), MosaicKml());
        if (archive)
            Zip(dir, "m.kmz", files);
        const std::string path = dir.File(archive ? "m.kmz" : "doc.kml");

        map::OpenMapOptions options;
        NoEvents events;
        const map::OpenedMap opened = map::OpenMap(path, options, events);
        ASSERT_TRUE(opened.shown) << opened.error;
        EXPECT_EQ(opened.shown->Kind(), archive ? "kmz/mosaic" : "kml-overlay/mosaic");
        const auto& pixels = dynamic_cast<const map::MapPyramid&>(*opened.shown->Tiles());
        const map::MapSource& source = opened.source;
        EXPECT_EQ(source.overlays.size(), 4u); // the PNG's header reads; its pixels do not
        for (const char* left : {"missing.jpg", "junk.jpg", "d.png: not a JPEG image"})
            EXPECT_TRUE(Contains(source.warnings, left)) << left;
        // The size and the grid are known before a pixel is decoded.
        const map::MapSourceResult read = map::ReadMapSource(path);
        ASSERT_TRUE(read.source) << read.error;
        EXPECT_EQ(pixels.Width(), read.source->width);
        EXPECT_EQ(pixels.Height(), read.source->height);
        const map::GridGeoreference& grid = *read.source->grid;
        // As fine as the finest sheet, the PNG (read for its size, though not decoded).
        const MapPos west = grid.ToPixel(MapPos(7.6, 45.8));
        const MapPos east = grid.ToPixel(MapPos(7.9, 46.2));
        EXPECT_NEAR(east.x - west.x, 0.3 / (0.8 / kWidth), 0.5);
        EXPECT_NEAR(west.y - east.y, 0.4 / (0.5 / kHeight), 0.5);

        // Beside each corner, inside and outside: 0.6 pixel from both of its edges.
        for (const MosaicSheet& sheet : kMosaicSheets) {
            SCOPED_TRACE(sheet.image);
            std::array<MapPos, 4> p;
            for (std::size_t i = 0; i < 4; ++i)
                p[i] = grid.ToPixel(MapPos(sheet.corners[i][0], sheet.corners[i][1]));
            for (std::size_t i = 0; i < 4; ++i) {
                const MapPos& next = p[(i + 1) % 4];
                const MapPos& prev = p[(i + 3) % 4];
                const double l1 = std::hypot(next.x - p[i].x, next.y - p[i].y);
                const double l2 = std::hypot(prev.x - p[i].x, prev.y - p[i].y);
                const Pair e1{(next.x - p[i].x) / l1, (next.y - p[i].y) / l1};
                const Pair e2{(prev.x - p[i].x) / l2, (prev.y - p[i].y) / l2};
                const double scale = 0.6 / std::abs(e1[0] * e2[1] - e1[1] * e2[0]);
                for (const int side : {1, -1}) {
                    const MapPos at(p[i].x + side * scale * (e1[0] + e2[0]),
                                    p[i].y + side * scale * (e1[1] + e2[1]));
                    if (!(at.x >= 0 && at.y >= 0 && at.x < pixels.Width() &&
                          at.y < pixels.Height())) {
                        EXPECT_EQ(side, -1) << "corner " << i;
                        continue;
                    }
                    const map::MapPixel pixel =
                        pixels.Pixel(0, static_cast<int>(at.x), static_cast<int>(at.y));
                    const int distance = std::max({std::abs(int((pixel >> 16) & 255) - sheet.red),
                                                   std::abs(int((pixel >> 8) & 255) - sheet.green),
                                                   std::abs(int(pixel & 255) - sheet.blue)});
                    EXPECT_EQ(distance <= 8, side == 1)
                        << "corner " << i << " pixel " << std::hex << pixel;
                }
            }
        }
        EXPECT_EQ(pixels.Pixel(0, pixels.Width() - 1, 0), 0xFFFFFFFFu); // on no sheet
    }
}

// A box a hair across sets the finest resolution of all: at it, the sheet beside it would
// spread over gigabytes. The mosaic holds no more than a few pixels for each of theirs.
TEST(MapSource, ATinyOverlayDoesNotBlowTheMosaicUp) {
    TempDir dir;
    MakeImage(dir.File("a.png"));
    MakeImage(dir.File("b.png"));
    testsupport::WriteBytes(
        dir.File("doc.kml"),
        KmlDocument(OverlayXml("a.png") +
                    OverlayXml("b.png", "<LatLonBox><north>45.9000000001</north><south>45.9"
                                        "</south><east>7.5000000001</east><west>7.5</west>"
                                        "</LatLonBox>")));
    const map::MapSourceResult read = map::ReadMapSource(dir.File("doc.kml"));
    ASSERT_TRUE(read.source) << read.error;
    EXPECT_LE(static_cast<long long>(read.source->width) * read.source->height,
              map::kMosaicPixelsPerOverlayPixel * 2 * kWidth * kHeight);
    EXPECT_TRUE(Contains(read.source->warnings, "it would hold far more pixels than they do"));
}

// A JPEG whose pyramid is beyond the cache's bound streams into an entry: shown from it after an
// early picture, then reopened from it; a JPEG cut short shows this once and leaves nothing.
TEST(MapSource, AJpegBeyondTheCacheBoundStreamsIntoItsEntry) {
    struct Pictures final : map::OpenMapEvents {
        explicit Pictures(bool stop) : stop(stop) {}
        bool Progress(double) override { return !stop; }
        bool Cancelled() override { return false; }
        void EarlyPicture(map::MapPyramid) override { ++pictures; }
        void RowsStored(map::MapPyramid, int, int) override { ++rows; }
        bool stop;
        int pictures = 0;
        int rows = 0;
    };
    TempDir dir;
    const std::string whole = dir.File("flat.jpg");
    Ran(QUILO_GDAL_CREATE, {"-of", "JPEG", "-outsize", "700", "600", "-bands", "3", "-burn", "200",
                            "-burn", "100", "-burn", "50", whole});
    const std::string bytes = testsupport::ReadBytes(whole);
    testsupport::WriteBytes(dir.File("cut.jpg"), bytes.substr(0, bytes.size() / 2));
    map::OpenMapOptions options;
    options.cacheFolder = dir.File("cache");
    options.cacheLimit = 1u << 20; // the pyramid's pixels are 3.6 MB; its JPEG tiles, a few KB
    options.earlyPictureMinPixels = 0;
    const auto entries = [&] {
        return std::distance(std::filesystem::directory_iterator(options.cacheFolder),
                             std::filesystem::directory_iterator());
    };
    const struct {
        const char* name;
        bool stop;    // at the first row of tiles, while the stream packs it
        int pictures; // the second open comes from the entry, without a decode and its picture
    } opens[] = {{"flat.jpg", true, 1},
                 {"flat.jpg", false, 1},
                 {"flat.jpg", false, 0},
                 {"cut.jpg", false, 1}};
    for (const auto& [name, stop, pictures] : opens) {
        SCOPED_TRACE(::testing::Message() << name << (stop ? ", stopped" : ""));
        Pictures events(stop);
        const map::OpenedMap opened = map::OpenMap(dir.File(name), options, events);
        if (stop) {
            EXPECT_FALSE(opened.shown);
            EXPECT_EQ(opened.error, "");
            EXPECT_EQ(entries(), 0) << "the half-written entry goes";
            continue;
        }
        ASSERT_TRUE(opened.shown) << opened.error;
        EXPECT_FALSE(opened.keep) << "nothing left to commit";
        const map::TiledMap& tiles = *opened.shown->Tiles();
        EXPECT_EQ(dynamic_cast<const map::MapPyramid*>(&tiles), nullptr) << "not held in memory";
        ASSERT_TRUE(tiles.Tile(0, 0, 0));
        EXPECT_EQ(tiles.Tile(0, 0, 0)[100] & 0xFCFCFCu, 0xC86432u & 0xFCFCFCu);
        EXPECT_EQ(events.rows, 0) << "no rows shown before the end: there is no whole pyramid";
        EXPECT_EQ(opened.incomplete, name == std::string("cut.jpg"));
        EXPECT_EQ(entries(), 1) << "the whole map's entry, and no other";
        EXPECT_EQ(events.pictures, pictures);
    }
}

} // namespace
