#pragma once

// Maps made by GDAL's command-line tools (gdal-bin) at test time from a generated picture, and
// gdaltransform's answer for where their pixels lie.

#include "support/RunTool.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace testsupport {

// The generated picture's pixel (x, y), 0xFFRRGGBB: smooth ramps (so JPEG keeps them close)
// with a fine check in blue (so a pixel out of place shows).
inline std::uint32_t PatternPixel(int x, int y) {
    const auto r = static_cast<std::uint32_t>((x * 7) % 256);
    const auto g = static_cast<std::uint32_t>((y * 5) % 256);
    const std::uint32_t b = ((x / 4 + y / 4) % 2) != 0 ? 200u : 40u;
    return 0xFF000000u | r << 16 | g << 8 | b;
}

// The picture, width x height, as a binary PPM at path.
inline void WritePatternPpm(const std::string& path, int width, int height) {
    std::string bytes = "P6\n" + std::to_string(width) + ' ' + std::to_string(height) + "\n255\n";
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = PatternPixel(x, y);
            bytes += static_cast<char>(p >> 16 & 0xFFu);
            bytes += static_cast<char>(p >> 8 & 0xFFu);
            bytes += static_cast<char>(p & 0xFFu);
        }
    WriteBytes(path, bytes);
}

// The pixels of a binary PPM (as gdal_translate -of PNM writes one) as 0xFFRRGGBB, row by row;
// empty when it is none.
inline std::vector<std::uint32_t> ReadPpm(const std::string& path) {
    const std::string bytes = ReadBytes(path);
    std::istringstream in(bytes);
    std::string magic;
    int width = 0, height = 0, max = 0;
    in >> magic >> width >> height >> max;
    const std::size_t start = static_cast<std::size_t>(in.tellg()) + 1;
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    std::vector<std::uint32_t> pixels;
    if (magic != "P6" || max != 255 || bytes.size() < start + 3 * count)
        return pixels;
    for (std::size_t i = 0; i < count; ++i) {
        const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + start + 3 * i);
        pixels.push_back(0xFF000000u | std::uint32_t{p[0]} << 16 | std::uint32_t{p[1]} << 8 | p[2]);
    }
    return pixels;
}

// Runs one of GDAL's tools by name; false, failing the test, when it fails.
inline bool RunGdal(const std::string& tool, const std::vector<std::string>& args) {
    const RunResult result = Run("/usr/bin/" + tool, args);
    EXPECT_EQ(result.status, 0) << tool << ": " << result.err;
    return result.status == 0;
}

// A PDF of two pages at dir/two.pdf as GDAL composes one from the picture, 300 x 200 points
// each: the first at UTM 32N 355356, 5085739 (top left), 10 m a point; the second 100 km east,
// its colours inverted. Empty after a failure.
inline std::string WriteTwoPagePdf(const TempDir& dir) {
    WritePatternPpm(dir.File("a.ppm"), 300, 200);
    std::string xml = "<PDFComposition>";
    for (const std::string page : {"1", "2"}) {
        const std::vector<std::string> invert{"-scale", "0", "255", "255", "0"};
        std::vector<std::string> args{"-q",           "-a_srs",  "EPSG:32632",   "-a_ullr",
                                      page + "55356", "5085739", page + "58356", "5083739"};
        if (page == "2")
            args.insert(args.end(), invert.begin(), invert.end());
        args.insert(args.end(), {dir.File("a.ppm"), dir.File(page + ".tif")});
        if (!RunGdal("gdal_translate", args))
            return {};
        xml += "<Page><DPI>72</DPI><Width>300</Width><Height>200</Height><Georeferencing id='g" +
               page + "'><SRS>EPSG:32632</SRS><BoundingBox x1='0' y1='0' x2='300' y2='200'/>" +
               "<ControlPoint x='0' y='0' GeoX='" + page + "55356' GeoY='5083739'/>" +
               "<ControlPoint x='0' y='200' GeoX='" + page + "55356' GeoY='5085739'/>" +
               "<ControlPoint x='300' y='0' GeoX='" + page + "58356' GeoY='5083739'/>" +
               "<ControlPoint x='300' y='200' GeoX='" + page + "58356' GeoY='5085739'/>" +
               "</Georeferencing><Content><Raster dataset='" + dir.File(page + ".tif") +
               "' georeferencingId='g" + page + "'/></Content></Page>";
    }
    WriteBytes(dir.File("comp.xml"), xml + "</PDFComposition>");
    const std::string path = dir.File("two.pdf");
    return RunGdal("gdal_create",
                   {"-of", "PDF", "-co", "COMPOSITION_FILE=" + dir.File("comp.xml"), path})
               ? path
               : std::string();
}

// gdaltransform's answer for pixels (column, row from the top, as pairs): the positions in the
// file's own grid, or in crs when given (longitude first); empty after a failure.
inline std::vector<double> GdalTransform(const std::string& file, const std::vector<double>& pixels,
                                         const std::string& crs = "") {
    std::string input;
    for (std::size_t i = 0; i + 1 < pixels.size(); i += 2)
        input += std::to_string(pixels[i]) + ' ' + std::to_string(pixels[i + 1]) + '\n';
    std::vector<std::string> args{"-output_xy"};
    if (!crs.empty())
        args.insert(args.end(), {"-t_srs", crs});
    args.push_back(file);
    const RunResult result = Run("/usr/bin/gdaltransform", args, input);
    EXPECT_EQ(result.status, 0) << result.err;
    std::istringstream in(result.out);
    in.imbue(std::locale::classic());
    std::vector<double> out;
    for (double v = 0; in >> v;)
        out.push_back(v);
    EXPECT_EQ(out.size(), pixels.size()) << result.out << result.err;
    return out;
}

} // namespace testsupport
