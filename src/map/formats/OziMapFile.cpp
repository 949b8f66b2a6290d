#include "map/formats/OziMapFile.h"

#include "base/Number.h"
#include "base/Text.h"
#include "base/Utf8.h"
#include "calib/AffineFit.h"
#include "calib/PolynomialFit.h"
#include "geo/Proj.h"
#include "map/formats/MapSource.h"
#include "map/formats/OziGrid.h"
#include "map/formats/WorldFile.h"
#include "platform/FileIo.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>

namespace map {

namespace {

constexpr std::string_view kBlanks = " \t\r";
// The largest pixel coordinate or grid value a sane file holds.
constexpr double kMaxPixel = 1e7;
constexpr double kMaxGrid = 1e8;

// Windows-1251 from 0x80 to 0xBF; from 0xC0 the letters run from U+0410 in order.
constexpr std::array<char16_t, 64> kCp1251High{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};
// Windows-1252 from 0x80 to 0x9F; the rest is Latin-1.
constexpr std::array<char16_t, 32> kCp1252High{
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

// Three letters from 0xC0 up in a row are a Cyrillic word: Latin words seldom have two accented
// letters side by side, never three.
bool LooksCyrillic(std::string_view text) {
    int run = 0;
    for (const char c : text) {
        run = static_cast<unsigned char>(c) >= 0xC0 ? run + 1 : 0;
        if (run == 3)
            return true;
    }
    return false;
}

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (;;) {
        const auto comma = line.find(',');
        fields.push_back(base::Trim(line.substr(0, comma), kBlanks));
        if (comma == std::string_view::npos)
            return fields;
        line.remove_prefix(comma + 1);
    }
}

std::string_view Field(const std::vector<std::string_view>& fields, std::size_t i) {
    return i < fields.size() ? fields[i] : std::string_view();
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// Reads one line's fields, or says why not.
class LineReader {
public:
    LineReader(int number, std::string_view line) : number_(number), fields_(Fields(line)) {}

    [[nodiscard]] std::string_view Text(std::size_t i) const { return Field(fields_, i); }
    [[nodiscard]] bool Empty(std::size_t i) const { return Text(i).empty(); }
    // The number in field i within [min, max]; empty field: nothing and no error.
    std::optional<double> Number(std::size_t i, double min, double max, std::string_view what) {
        const std::string_view text = Text(i);
        if (text.empty())
            return std::nullopt;
        const std::optional<double> value = base::ParseExact<double>(base::SkipPlus(text));
        if (!value || !std::isfinite(*value) || *value < min || *value > max) {
            Fail(std::string(what) + " \"" + std::string(text) + "\" out of range");
            return std::nullopt;
        }
        return value;
    }
    void Fail(const std::string& reason) {
        if (error_.empty())
            error_ = "line " + std::to_string(number_) + ": " + reason;
    }
    [[nodiscard]] const std::string& Error() const { return error_; }

private:
    int number_;
    std::vector<std::string_view> fields_;
    std::string error_;
};

// Degrees and minutes with a hemisphere letter ("N"/"S" or "E"/"W"): the signed degrees.
std::optional<double> DegreesMinutes(LineReader& line, std::size_t at, double maxDegrees,
                                     char negative, std::string_view what) {
    const std::optional<double> degrees = line.Number(at, 0, maxDegrees, what);
    const std::optional<double> minutes = line.Number(at + 1, 0, 60, what);
    if (!degrees)
        return std::nullopt;
    const double value = *degrees + minutes.value_or(0.0) / 60.0;
    if (value > maxDegrees) {
        line.Fail(std::string(what) + " out of range");
        return std::nullopt;
    }
    const std::string_view side = line.Text(at + 2);
    return !side.empty() && (side[0] == negative || side[0] == negative + 32) ? -value : value;
}

// "Point01,xy, 123, 456,in, deg, 51, 30.0,N, 0, 10.0,W, grid, 30, 699000, 5710000,N"
void ReadPoint(LineReader& line, OziMapFile& map) {
    const auto x = line.Number(2, -kMaxPixel, kMaxPixel, "pixel");
    const auto y = line.Number(3, -kMaxPixel, kMaxPixel, "pixel");
    OziPoint point;
    const auto latitude = DegreesMinutes(line, 6, 90, 'S', "latitude");
    const auto longitude = DegreesMinutes(line, 9, 180, 'W', "longitude");
    if (latitude && longitude)
        point.geo = MapPos(*longitude, *latitude);
    const auto easting = line.Number(14, -kMaxGrid, kMaxGrid, "easting");
    const auto northing = line.Number(15, -kMaxGrid, kMaxGrid, "northing");
    if (easting && northing) {
        const auto zone = line.Number(13, 0, 60, "zone");
        const std::string_view hemisphere = line.Text(16);
        point.grid =
            OziGridPos{*easting, *northing, static_cast<int>(zone.value_or(0)),
                       !hemisphere.empty() && (hemisphere[0] == 'S' || hemisphere[0] == 's')};
    }
    // An unused slot has no pixel or no position: skipped, as the format means it.
    if (!x || !y || (!point.geo && !point.grid) || !line.Error().empty())
        return;
    if (map.points.size() == kMaxOziPoints) {
        line.Fail("more than " + std::to_string(kMaxOziPoints) + " calibration points");
        return;
    }
    point.pixel = MapPos(*x, *y);
    map.points.push_back(point);
}

void ReadSetup(LineReader& line, OziProjectionSetup& setup) {
    setup.latitudeOrigin = line.Number(1, -90, 90, "latitude of origin");
    setup.centralMeridian = line.Number(2, -360, 360, "central meridian");
    setup.scaleFactor = line.Number(3, 1e-3, 10, "scale factor");
    setup.falseEasting = line.Number(4, -kMaxGrid, kMaxGrid, "false easting");
    setup.falseNorthing = line.Number(5, -kMaxGrid, kMaxGrid, "false northing");
    setup.standardParallel1 = line.Number(6, -90, 90, "standard parallel");
    setup.standardParallel2 = line.Number(7, -90, 90, "standard parallel");
}

// "MMPXY,1,0,0" and "MMPLL,1, 12.3, 45.6" (longitude first).
void ReadNeatLine(LineReader& line, std::vector<MapPos>& corners, bool geo) {
    const double limitX = geo ? 180 : kMaxPixel;
    const double limitY = geo ? 90 : kMaxPixel;
    const auto x = line.Number(2, -limitX, limitX, geo ? "longitude" : "pixel");
    const auto y = line.Number(3, -limitY, limitY, geo ? "latitude" : "pixel");
    if (!x || !y)
        return;
    if (corners.size() == kMaxOziPoints)
        line.Fail("more than " + std::to_string(kMaxOziPoints) + " neat line corners");
    else
        corners.emplace_back(*x, *y);
}

} // namespace

std::string OziTextToUtf8(std::string_view text) {
    if (base::IsWellFormedUtf8(text))
        return std::string(text);
    const bool cyrillic = LooksCyrillic(text);
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            out += c;
        else if (cyrillic)
            base::AppendUtf8(out, byte >= 0xC0 ? char32_t{0x0410} + (byte - 0xC0)
                                               : kCp1251High[byte - 0x80]);
        else
            base::AppendUtf8(out, byte >= 0xA0 ? char32_t{byte} : kCp1252High[byte - 0x80]);
    }
    return out;
}

OziMapParse ParseOziMap(std::string_view bytes) {
    if (bytes.size() > kMaxOziMapBytes)
        return {std::nullopt, "larger than an OziExplorer map file can be"};
    if (StartsWith(bytes, "\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    OziMapFile map;
    std::string error;
    bool projectionSeen = false;
    int number = 0;
    while (!bytes.empty() && error.empty()) {
        const auto end = bytes.find('\n');
        const std::string_view text = base::Trim(bytes.substr(0, end), kBlanks);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        ++number;
        LineReader line(number, text);
        if (number == 1) {
            if (!StartsWith(text, "OziExplorer Map Data File"))
                return {std::nullopt, "not an OziExplorer map file"};
        } else if (number == 2) {
            map.title = OziTextToUtf8(text);
        } else if (number == 3) {
            map.imagePath = OziTextToUtf8(text);
        } else if (number == 5) {
            map.datum = OziTextToUtf8(line.Text(0));
        } else if (StartsWith(text, "Point")) {
            ReadPoint(line, map);
        } else if (StartsWith(text, "Map Projection,")) {
            projectionSeen = true;
            map.projection = OziTextToUtf8(line.Text(1));
            map.polynomial = line.Text(2) == "PolyCal" && line.Text(3) == "Yes";
        } else if (StartsWith(text, "Projection Setup,")) {
            ReadSetup(line, map.setup);
        } else if (StartsWith(text, "Magnetic Variation,")) {
            const auto variation = line.Number(1, -180, 180, "magnetic variation");
            if (variation)
                map.magneticVariation = line.Text(3) == "W" ? -*variation : *variation;
        } else if (StartsWith(text, "MMPXY,")) {
            ReadNeatLine(line, map.neatLinePixels, false);
        } else if (StartsWith(text, "MMPLL,")) {
            ReadNeatLine(line, map.neatLineGeo, true);
        } else if (StartsWith(text, "IWH,")) {
            map.imageWidth =
                static_cast<int>(line.Number(2, 0, kMaxPixel, "image width").value_or(0));
            map.imageHeight =
                static_cast<int>(line.Number(3, 0, kMaxPixel, "image height").value_or(0));
        }
        error = line.Error();
    }
    if (!error.empty())
        return {std::nullopt, error};
    if (number < 5 || map.imagePath.empty())
        return {std::nullopt, "the file ends before its image and datum lines"};
    if (!projectionSeen || map.projection.empty())
        return {std::nullopt, "no map projection line"};
    if (map.points.size() < 2)
        return {std::nullopt, "fewer than two calibration points"};
    return {std::move(map), {}};
}

namespace {

// The polynomial a .map asks for: of the third order when twice its ten terms in points
// over-determine it, else of the second; none, with a warning naming the reason, when the points
// cannot carry either, and the affine places the map.
std::optional<PixelPolynomial> OziPolynomial(const OziMapFile& file,
                                             const std::vector<MapPos>& pixels,
                                             const std::vector<MapPos>& grid,
                                             const std::string& path,
                                             std::vector<std::string>& warnings) {
    // The image and the points, wherever they lie: where the polynomial must stay sound.
    PixelArea area{MapPos(0, 0), MapPos(file.imageWidth, file.imageHeight)};
    for (const MapPos& p : pixels) {
        area.min = MapPos(std::min(area.min.x, p.x), std::min(area.min.y, p.y));
        area.max = MapPos(std::max(area.max.x, p.x), std::max(area.max.y, p.y));
    }
    std::string why;
    const bool many = pixels.size() >= 2 * PolynomialTerms(kMaxPolynomialOrder);
    for (int order = many ? kMaxPolynomialOrder : 2; order >= 2; --order) {
        if (std::optional<PixelPolynomial> fit =
                PixelPolynomial::Fit(pixels, grid, order, area, &why))
            return fit;
    }
    warnings.push_back(path +
                       ": its polynomial calibration is shown as the nearest affine: " + why);
    return std::nullopt;
}

} // namespace

std::string FindOziImage(const std::string& mapPath, const std::string& written) {
    const std::string folder = FolderOf(mapPath);
    std::string relative = written;
    for (char& c : relative)
        c = c == '\\' ? '/' : c;
    std::error_code ec;
    // A path with a drive letter names another computer's folder.
    if (relative.find(':') == std::string::npos && !relative.empty() && relative.front() != '/') {
        const std::filesystem::path beside = std::filesystem::path(folder) / relative;
        if (std::filesystem::is_regular_file(beside, ec))
            return beside.string();
    }
    const std::string name = std::filesystem::path(relative).filename().string();
    if (name.empty())
        return {};
    return FindFileIgnoringCase({(std::filesystem::path(folder) / name).string()});
}

MapSourceResult ReadOziMap(MapSource source, const std::function<bool()>&) {
    std::string bytes;
    if (const auto read = platform::ReadWholeFile(source.path, bytes, kMaxOziMapBytes); !read)
        return {std::nullopt, read.error};
    OziMapParse parsed = ParseOziMap(bytes);
    if (!parsed.map)
        return SourceFailure(source.path, parsed.error);
    const OziMapFile& file = *parsed.map;
    source.imagePath = FindOziImage(source.path, file.imagePath);
    if (source.imagePath.empty())
        return SourceFailure(source.path, "its image " + file.imagePath + " is not beside it");
    std::string error;
    const std::optional<std::string> gridCrs = OziGridCrs(file, &error);
    const std::optional<std::string> datumCrs = OziDatumCrs(file.datum, &error);
    if (!gridCrs || !datumCrs)
        return SourceFailure(source.path, error);
    const auto toGrid = ProjTransform::Make(*datumCrs, *gridCrs, &error);
    if (!toGrid)
        return SourceFailure(source.path, error);
    std::vector<MapPos> pixels;
    std::vector<MapPos> grid;
    for (const OziPoint& point : file.points) {
        MapPos at;
        if (point.grid) {
            at = MapPos(point.grid->easting, point.grid->northing);
        } else {
            at = *point.geo;
            if (!toGrid->Forward(at))
                return SourceFailure(source.path,
                                     "a calibration point lies outside its projection");
        }
        pixels.push_back(point.pixel);
        grid.push_back(at);
    }
    if (toGrid->ToGeographic()) {
        // One run of longitudes for a sheet across the 180th meridian.
        for (MapPos& p : grid)
            p.x = LongitudeNear(p.x, grid.front().x);
    }
    const std::optional<std::array<double, 6>> affine = FitAffine(pixels, grid);
    if (!affine)
        return SourceFailure(source.path, "its calibration points lie on one line");
    std::optional<PixelPolynomial> polynomial;
    if (file.polynomial)
        polynomial = OziPolynomial(file, pixels, grid, source.path, source.warnings);
    const std::optional<MapPos> middle = file.imageWidth > 0
                                             ? ImageMiddle(file.imageWidth, file.imageHeight)
                                             : ImageMiddle(source.imagePath, *gridCrs);
    source.grid =
        SharedGrid(polynomial ? GridGeoreference::FromPolynomial(*gridCrs, *affine, *polynomial,
                                                                 &error, middle)
                              : GridGeoreference::FromAffine(*gridCrs, *affine, &error, middle));
    if (!source.grid)
        return SourceFailure(source.path, error);
    source.magneticVariation = file.magneticVariation;
    if (file.neatLineGeo.size() >= 3)
        source.outline = file.neatLineGeo;
    return {std::move(source), {}};
}

} // namespace map
