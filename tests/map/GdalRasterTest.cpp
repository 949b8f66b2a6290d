// The rasters GDAL reads: placed where GDAL's own tools place them, shown not black, their
// collar clipped, and refused when they reach beyond local files. GDAL's tools make every map.
#include "map/formats/GdalRaster.h"
#include "map/OpenMap.h"
#include "map/ShownMap.h"
#include "support/GdalMaps.h"

#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <regex>

namespace {

// The pixels of a map opened without a cache: a pyramid in memory.
const map::MapPyramid& Pixels(const map::OpenedMap& opened) {
    return dynamic_cast<const map::MapPyramid&>(*opened.shown->Tiles());
}

using testsupport::RunGdal;
using testsupport::TempDir;

// A PDF page is rendered at 300 dpi; gdaltransform and gdalinfo are told so.
const std::vector<std::string> kPdfDpi{"--config", "GDAL_PDF_DPI", "300"};

class NoEvents : public map::OpenMapEvents {
public:
    bool Progress(double) override { return true; }
    bool Cancelled() override { return false; }
    void EarlyPicture(map::MapPyramid) override {}
    void RowsStored(map::MapPyramid, int, int) override {}
};

// gdal_translate from the 300 x 200 picture into dir/out.
std::string Translate(const TempDir& dir, std::vector<std::string> args, const std::string& out) {
    testsupport::WritePatternPpm(dir.File("a.ppm"), 300, 200);
    args.insert(args.begin(), "-q");
    args.insert(args.end(), {dir.File("a.ppm"), dir.File(out)});
    RunGdal("gdal_translate", args);
    return dir.File(out);
}

// A BSB 3 chart of the picture's size in the format's own layout (GDAL reads it but cannot
// write one): its header, a 3-bit palette, four reference points on a Mercator chart, then each
// row run-length coded (every pixel a run of one here) and the index of the rows.
std::string KapChart(int width, int height) {
    const auto line = [](const std::string& text) { return text + "\r\n"; };
    std::string kap = line("VER/3.0") +
                      line("BSB/NA=Harbour,NU=1,RA=" + std::to_string(width) + "," +
                           std::to_string(height) + ",DU=254") +
                      line("KNP/SC=10000,GD=WGS84,PR=MERCATOR,PP=45.0,PI=UNKNOWN,SK=0.0,"
                           "TA=90,UN=METRES") +
                      line("RGB/1,255,255,255") + line("RGB/2,200,40,40") + line("RGB/3,40,40,200");
    const std::string w = std::to_string(width);
    const std::string h = std::to_string(height);
    for (const std::string& ref : {std::string("1,0,0,46.0,7.0"), "2," + w + ",0,46.0,7.3",
                                   "3," + w + "," + h + ",45.8,7.3", "4,0," + h + ",45.8,7.0"})
        kap += line("REF/" + ref);
    kap += std::string("\x1A\0\x03", 3);
    std::vector<std::uint32_t> rows;
    for (int y = 0; y < height; ++y) {
        rows.push_back(static_cast<std::uint32_t>(kap.size()));
        kap += static_cast<char>(y % 127 + 1); // the row number; charts this small need one byte
        for (int x = 0; x < width; ++x)
            kap += static_cast<char>((1 + (x / 4 + y / 4) % 3) << 4);
        kap += '\0';
    }
    rows.push_back(static_cast<std::uint32_t>(kap.size()));
    for (const std::uint32_t offset : rows)
        for (int shift = 24; shift >= 0; shift -= 8)
            kap += static_cast<char>(offset >> shift & 0xFF);
    return kap;
}

TEST(GdalRaster, EveryKindIsPlacedWithinHalfAPixelOfGdal) {
    const std::string utm = " -a_srs EPSG:32632 -a_ullr 355356 5085739 358356 5083739";
    const std::string gcps = "-a_srs EPSG:4326 -gcp 0 0 7 46 -gcp 300 0 7.3 46 -gcp 0 200 7 45.8";
    // Twelve bent ones, on a lattice of four by three.
    std::string twelve = "-a_srs EPSG:4326";
    for (int i = 0; i < 12; ++i)
        twelve += " -gcp " + std::to_string(i % 4 * 100) + ' ' + std::to_string(i / 4 * 100) + ' ' +
                  std::to_string(7 + i % 4 * 0.1 + (i * 7 % 5) * 0.002) + ' ' +
                  std::to_string(46 - i / 4 * 0.1 + (i * 3 % 4) * 0.002);
    const struct {
        const char* file;
        std::string args; // gdal_translate's; none: written here
        bool tps = false; // fitted, and asked of gdaltransform, by thin plate splines
    } rows[] = {
        {"a.pdf", "-of PDF" + utm},
        {"a.jp2", "-of JP2OpenJPEG -a_srs EPSG:2056 -a_ullr 2600000 1200000 2603000 1198000"},
        {"a.gpkg", "-of GPKG -a_srs EPSG:3857 -a_ullr 794265 5765938 797265 5763938"},
        {"a.vrt", "-of VRT -a_srs EPSG:31467 -a_ullr 3500000 5500000 3503000 5498000"},
        {"a.img", "-of HFA -a_srs EPSG:4326 -a_ullr 170.5 -40 171.1 -40.4"},
        {"a.rsw", "-of RMF" + utm},
        {"band.tif", "-co INTERLEAVE=BAND -a_srs EPSG:32633 -a_ullr 500000 6000000 503000 5998000"},
        {"u16.tif", "-ot UInt16 -scale 0 255 0 4000" + utm},
        {"c.kap", ""},
        // Three and four points: the first order; seven bent ones: the second.
        {"gcp3.tif", gcps},
        {"gcp4.tif", gcps + " -gcp 300 200 7.31 45.79"},
        {"gcp7.tif", gcps + " -gcp 300 200 7.31 45.79 -gcp 150 100 7.16 45.905 -gcp 150 0 7.15 "
                            "46.003 -gcp 0 100 6.998 45.9"},
        {"gcp12.tif", twelve},
        {"tps12.tif", twelve, true},
    };
    const std::vector<double> pixels{0.5, 0.5, 299.5, 0.5, 150, 100, 12.25, 187.75, 299.5, 199.5};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        const TempDir dir;
        std::istringstream words(row.args);
        const std::vector<std::string> args{std::istream_iterator<std::string>(words), {}};
        if (args.empty())
            testsupport::WriteBytes(dir.File(row.file), KapChart(300, 200));
        map::SetControlPointFit(row.tps ? map::ControlPointFit::ThinPlateSpline
                                        : map::ControlPointFit::Polynomial);
        const std::string path = args.empty() ? dir.File(row.file) : Translate(dir, args, row.file);
        const map::ShownMapResult shown = map::ReadShownMap(path);
        ASSERT_TRUE(shown.map) << shown.error;
        EXPECT_TRUE(shown.calibrated);
        EXPECT_EQ(shown.map->Kind(), "gdal");
        const bool pdf = std::string_view(row.file).ends_with(".pdf");
        // A page renders larger than the picture: the same places, scaled.
        const double scale = pdf ? shown.map->Width() / 300.0 : 1.0;
        std::vector<double> scaled;
        for (double v : pixels)
            scaled.push_back(v * scale);
        std::string input;
        for (std::size_t i = 0; i < scaled.size(); i += 2)
            input += std::to_string(scaled[i]) + ' ' + std::to_string(scaled[i + 1]) + '\n';
        std::vector<std::string> ask = pdf ? kPdfDpi : std::vector<std::string>{};
        if (row.tps)
            ask.push_back("-tps");
        ask.insert(ask.end(), {"-t_srs", "EPSG:4326", "-output_xy", path});
        const auto truth = testsupport::Run("/usr/bin/gdaltransform", ask, input);
        std::istringstream in(truth.out);
        for (std::size_t i = 0; i < scaled.size(); i += 2) {
            MapPos geo;
            ASSERT_TRUE(in >> geo.x >> geo.y) << truth.err;
            const MapPos there = shown.map->ToPixel(geo);
            EXPECT_NEAR(there.x, scaled[i], 0.5) << "pixel " << i / 2;
            EXPECT_NEAR(there.y, scaled[i + 1], 0.5) << "pixel " << i / 2;
        }
    }
}

// A page renders at 300 dpi unless its longer side would pass 20000 pixels, whatever resolution
// the file records (GDAL first opens a page at it).
TEST(GdalRaster, APageRendersAtMost20000PixelsASide) {
    const struct {
        const char* recorded;
        int width; // of the page's picture, 60 pixels high
        int rendered;
    } rows[] = {{"72", 300, 1250}, {"72", 6000, 20000}, {"200", 6000, 9000}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.recorded);
        const TempDir dir;
        testsupport::WritePatternPpm(dir.File("a.ppm"), row.width, 60);
        RunGdal("gdal_translate", {"-q", "-of", "PDF", "-co", std::string("DPI=") + row.recorded,
                                   dir.File("a.ppm"), dir.File("a.pdf")});
        const map::ShownMapResult shown = map::ReadShownMap(dir.File("a.pdf"));
        ASSERT_TRUE(shown.map) << shown.error;
        EXPECT_EQ(shown.map->Width(), row.rendered);
    }
}

// A PDF of two pages, as GDAL composes one: the first lists both, "FILE#2" opens the second
// where gdaltransform places it, with its own pixels, and a page it lacks is refused.
TEST(GdalRaster, AFileOfSeveralMapsListsThemAndOpensTheOneChosen) {
    const TempDir dir;
    const std::string path = testsupport::WriteTwoPagePdf(dir);
    ASSERT_FALSE(path.empty());
    const map::ShownMapResult first = map::ReadShownMap(path);
    ASSERT_TRUE(first.map) << first.error;
    ASSERT_EQ(first.maps.size(), 2u);
    EXPECT_EQ(first.maps[1].path, path + "#2");
    const map::ShownMapResult second = map::ReadShownMap(path + "#2");
    ASSERT_TRUE(second.map) << second.error;
    EXPECT_TRUE(second.maps.empty());
    const MapPos middle(second.map->Width() / 2.0, second.map->Height() / 2.0);
    std::vector<std::string> ask = kPdfDpi;
    ask.insert(ask.end(), {"-t_srs", "EPSG:4326", "-output_xy", "PDF:2:" + path});
    const auto truth = testsupport::Run("/usr/bin/gdaltransform", ask,
                                        std::to_string(middle.x) + ' ' + std::to_string(middle.y));
    MapPos geo;
    ASSERT_TRUE(std::istringstream(truth.out) >> geo.x >> geo.y) << truth.err;
    const MapPos there = second.map->ToPixel(geo);
    EXPECT_NEAR(there.x, middle.x, 0.5);
    EXPECT_NEAR(there.y, middle.y, 0.5);

    NoEvents events;
    const map::OpenedMap one = map::OpenMap(path, {}, events);
    const map::OpenedMap two = map::OpenMap(path + "#2", {}, events);
    ASSERT_TRUE(one.shown && two.shown) << one.error << two.error;
    EXPECT_NE(Pixels(one).Pixel(0, 40, 40), Pixels(two).Pixel(0, 40, 40));
    EXPECT_FALSE(map::ReadShownMap(path + "#3").map);
}

// An elevation grid that promises 5356 lines and holds three: GDAL's own minimum and maximum
// read every line back to the last good one again for each line after it, minutes for these
// few bytes. It opens at once, the lines it lacks as nodata, or is refused.
TEST(GdalRaster, ATruncatedElevationGridOpensAtOnce) {
    const TempDir dir;
    const std::string path = dir.File("cut.asc");
    std::ofstream(path) << "ncols 8\nnrows 5356\nxllcorner 355356\nyllcorner 5085679\n"
                           "cellsize 10\n0 30 60 90 120 150 180 210\n7 37 67 97 127 157 187 217\n"
                           "14 44 74 104 134 164 1\n";
    NoEvents events;
    const map::OpenedMap opened = map::OpenMap(path, {}, events);
    if (opened.shown)
        EXPECT_EQ(opened.shown->Height(), 5356);
    else
        EXPECT_NE(opened.error.find("cut.asc"), std::string::npos) << opened.error;
}

// One line naming the file, and not a byte to the server the file names.
TEST(GdalRaster, WhatReachesBeyondLocalFilesIsRefusedWithoutARequest) {
    const int server = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(::bind(server, reinterpret_cast<sockaddr*>(&address), length), 0);
    ASSERT_EQ(::listen(server, 4), 0);
    ::getsockname(server, reinterpret_cast<sockaddr*>(&address), &length);
    const std::string url = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port));
    const auto vrt = [](const std::string& source) {
        return "<VRTDataset rasterXSize=\"10\" rasterYSize=\"10\"><VRTRasterBand dataType=\"Byte\" "
               "band=\"1\"><SimpleSource><SourceFilename>" +
               source + "</SourceFilename></SimpleSource></VRTRasterBand></VRTDataset>";
    };
    const TempDir dir;
    testsupport::WriteBytes(dir.File("inner.vrt"), vrt("/vsicurl/" + url + "/x.tif"));
    const struct {
        const char* file;
        std::string content;
    } rows[] = {
        {"curl.vrt", vrt("/vsicurl/" + url + "/x.tif")},
        {"spelt.vrt", vrt("&#47;vsicurl&#47;" + url + "/x.tif")},
        {"outer.vrt", vrt("inner.vrt")},
        {"zip.vrt", vrt("/vsizip/" + dir.File("a.zip") + "/a.tif")},
        {"mem.vrt", vrt("MEM:::DATAPOINTER=0,PIXELS=10,LINES=10")},
        {"wms.img", "<GDAL_WMS><Service name=\"WMS\"><ServerUrl>" + url +
                        "/wms</ServerUrl></Service></GDAL_WMS>"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        const std::string path = dir.File(row.file);
        testsupport::WriteBytes(path, row.content);
        const map::MapSourceResult read = map::ReadMapSource(path);
        EXPECT_FALSE(read.source);
        EXPECT_TRUE(read.error.starts_with(path + ": ")) << read.error;
        EXPECT_EQ(read.error.find('\n'), std::string::npos) << read.error;
        const auto run = testsupport::RunTool({"map", path});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_LT(::accept(server, nullptr, nullptr), 0) << "a request was made";
    }
    ::close(server);
}

// Elevations and 16-bit scans span their own range: the lowest shows black, the highest white,
// nodata paper white.
TEST(GdalRaster, SamplesThatAreNoBytesAreStretchedBetweenTheirOwnLowAndHigh) {
    // The red ramp (x * 7) % 256: 0 at column 0, 255 at column 73, 7 (nodata) at column 1.
    const struct {
        const char* type;
        const char* low;
        const char* high;
        const char* noData;
    } rows[] = {{"UInt16", "1000", "1255", "1007"},
                {"Int16", "-300", "-45", "-293"},
                {"Float32", "0.25", "0.5", "0.25686275"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.type);
        const TempDir dir;
        const std::string path =
            Translate(dir,
                      {"-b", "1", "-ot", row.type, "-scale", "0", "255", row.low, row.high,
                       "-a_nodata", row.noData, "-a_srs", "EPSG:32632", "-a_ullr", "355356",
                       "5085739", "358356", "5083739"},
                      "e.tif");
        NoEvents events;
        const map::OpenedMap opened = map::OpenMap(path, {}, events);
        ASSERT_TRUE(opened.shown) << opened.error;
        const map::MapPyramid& pixels = Pixels(opened);
        EXPECT_EQ(pixels.Pixel(0, 0, 5), 0xFF000000u);
        EXPECT_EQ(pixels.Pixel(0, 73, 5), 0xFFFFFFFFu);
        EXPECT_EQ(pixels.Pixel(0, 1, 5), 0xFFFFFFFFu);       // nodata
        const map::MapPixel middle = pixels.Pixel(0, 18, 5); // (18 * 7) = 126
        EXPECT_NEAR(static_cast<int>(middle & 0xFF), 126, 2);
    }
}

// Heights of 1000 + 10 per column, the first column a spike of 60000: between their own low and
// high nearly black; between the 2nd and 98th percentiles (1030 and 1980: a hundred samples of
// each height) the grey of the heights.
TEST(GdalRaster, PercentilesStretchPastOutliers) {
    const TempDir dir;
    std::string pgm = "P5\n100 100\n65535\n";
    for (int i = 0; i < 100 * 100; ++i) {
        const int v = i % 100 == 0 ? 60000 : 1000 + 10 * (i % 100);
        pgm += static_cast<char>(v >> 8);
        pgm += static_cast<char>(v & 0xFF);
    }
    testsupport::WriteBytes(dir.File("h.pgm"), pgm);
    const std::string path = dir.File("h.tif");
    ASSERT_TRUE(
        RunGdal("gdal_translate", {"-q", "-a_srs", "EPSG:32632", "-a_ullr", "355356", "5085739",
                                   "356356", "5084739", dir.File("h.pgm"), path}));
    const auto grey = [&](double low, double high, int column) {
        map::OpenMapOptions options;
        options.stretchLowPercent = low;
        options.stretchHighPercent = high;
        NoEvents events;
        const map::OpenedMap opened = map::OpenMap(path, options, events);
        EXPECT_TRUE(opened.shown) << opened.error;
        return opened.shown ? static_cast<int>(Pixels(opened).Pixel(0, column, 50) & 0xFF) : -1;
    };
    EXPECT_LE(grey(0, 100, 50), 5);
    for (const int column : {1, 2, 50, 98, 99})
        EXPECT_NEAR(grey(2, 98, column),
                    std::clamp((1000 + 10 * column - 1030) / 950.0, 0.0, 1.0) * 255, 1)
            << column;
}

// The page is placed where gdalinfo says; what lies outside its neat line shows paper white.
TEST(GdalRaster, AGeoPdfsNeatLineClipsItsCollar) {
    const TempDir dir;
    const std::string path =
        Translate(dir,
                  {"-of", "PDF", "-a_srs", "EPSG:32632", "-a_ullr", "355356", "5085739", "358356",
                   "5083739", "-co", "MARGIN=30", "-co",
                   "NEATLINE=POLYGON ((355556 5085539,358156 5085539,358056 5083939,355656 5083939,"
                   "355556 5085539))"},
                  "n.pdf");
    std::vector<std::string> args = kPdfDpi;
    args.push_back(path);
    const auto info = testsupport::Run("/usr/bin/gdalinfo", args);
    std::smatch m;
    const std::regex origin(R"(Origin = \(([-\d.]+),([-\d.]+)\))");
    const std::regex size(R"(Pixel Size = \(([-\d.]+),([-\d.]+)\))");
    const std::regex line(R"(NEATLINE=POLYGON \(\(([^)]*)\)\))");
    ASSERT_TRUE(std::regex_search(info.out, m, origin)) << info.out;
    const double x0 = std::stod(m[1]), y0 = std::stod(m[2]);
    ASSERT_TRUE(std::regex_search(info.out, m, size));
    const double dx = std::stod(m[1]), dy = std::stod(m[2]);
    ASSERT_TRUE(std::regex_search(info.out, m, line));
    std::vector<MapPos> truth;
    std::istringstream corners(std::regex_replace(m[1].str(), std::regex(","), " "));
    for (double x = 0, y = 0; corners >> x >> y;)
        truth.emplace_back((x - x0) / dx, (y - y0) / dy);
    truth.pop_back(); // the ring's closing corner

    const map::ShownMapResult shown = map::ReadShownMap(path);
    ASSERT_TRUE(shown.map) << shown.error;
    const std::vector<MapPos> outline = shown.map->Outline();
    ASSERT_EQ(outline.size(), truth.size());
    for (std::size_t i = 0; i < truth.size(); ++i) {
        const MapPos pixel = shown.map->ToPixel(outline[i]);
        EXPECT_NEAR(pixel.x, truth[i].x, 1.0) << "corner " << i;
        EXPECT_NEAR(pixel.y, truth[i].y, 1.0) << "corner " << i;
    }

    NoEvents events;
    const map::OpenedMap opened = map::OpenMap(path, {}, events);
    ASSERT_TRUE(opened.shown) << opened.error;
    const map::MapPyramid& pixels = Pixels(opened);
    const MapPos middle((truth[0].x + truth[2].x) / 2, (truth[0].y + truth[2].y) / 2);
    const auto at = [&](const MapPos& p) {
        return pixels.Pixel(0, static_cast<int>(p.x), static_cast<int>(p.y));
    };
    EXPECT_NE(at(middle), 0xFFFFFFFFu);
    // Inside the image's extent, beyond the neat line's slanting eastern edge.
    EXPECT_EQ(at(MapPos(truth[1].x - 2, truth[2].y - 2)), 0xFFFFFFFFu);
}

} // namespace

namespace {

class Recorder : public map::OpenMapEvents {
public:
    explicit Recorder(bool stop) : stop_(stop) {}
    bool Progress(double) override { return !stop_; }
    bool Cancelled() override { return false; }
    void EarlyPicture(map::MapPyramid picture) override {
        // Paper white, or the map's picture (its middle is the pattern's, never white).
        const bool white =
            picture.Pixel(0, picture.Width() / 2, picture.Height() / 2) == 0xFFFFFFFFu;
        told.push_back(white ? "white picture" : "picture");
    }
    void RowsStored(map::MapPyramid, int columns, int rows) override {
        told.push_back(std::to_string(columns) + "x" + std::to_string(rows));
    }
    std::vector<std::string> told;

private:
    bool stop_;
};

// A JPEG 2000's overviews decode the whole file: paper white first, then the first view's
// window, the picture from the overviews and whole rows; a stop ends it with nothing.
TEST(GdalRaster, TheFirstViewComesFirstAndAStopStops) {
    const TempDir dir;
    const std::string path = Translate(dir,
                                       {"-of", "JP2OpenJPEG", "-a_srs", "EPSG:32632", "-a_ullr",
                                        "355356", "5085739", "358356", "5083739"},
                                       "v.jp2");
    map::OpenMapOptions options;
    options.earlyPictureMinPixels = 0;
    options.firstViewWidth = 100;
    options.firstViewHeight = 60;
    for (const bool stop : {false, true}) {
        SCOPED_TRACE(stop ? "stopped" : "to the end");
        Recorder events(stop);
        const map::OpenedMap opened = map::OpenMap(path, options, events);
        EXPECT_EQ(opened.shown == nullptr, stop);
        EXPECT_TRUE(opened.error.empty()) << opened.error;
        // The stop comes with the first progress, after the one strip of this small map.
        EXPECT_EQ(events.told,
                  (std::vector<std::string>{"white picture", "256x200", "picture", "300x200"}));
    }
}

} // namespace
