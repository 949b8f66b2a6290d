#include "calib/GridFile.h"

#include "base/Number.h"
#include "base/Text.h"
#include "geo/Datums.h"

#include <array>
#include <cstddef>

namespace map {

namespace {

constexpr std::string_view kMagic = "QUILO-GRID 1";
constexpr std::string_view kBlanks = " \t";
// Fifty points and a long PROJ definition fit many times over; nothing larger is a grid file.
constexpr std::size_t kMaxGridFileBytes = std::size_t{64} << 10;
// Far beyond any image the viewer opens, so that a pixel never overflows a view coordinate.
constexpr double kMaxPixel = 1e7;

struct Line {
    int number = 0;
    std::string_view key;
    std::string_view value;
};

std::string LineError(int number, std::string_view what) {
    return "line " + std::to_string(number) + ": " + std::string(what);
}

std::optional<CalibrationPoint> ParsePoint(std::string_view value) {
    std::array<double, 4> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        value = base::Trim(value, kBlanks);
        const std::size_t end = std::min(value.find_first_of(kBlanks), value.size());
        const std::optional<double> number = base::ParseExact<double>(value.substr(0, end));
        if (!number)
            return std::nullopt;
        numbers[i] = *number;
        value.remove_prefix(end);
    }
    if (!base::Trim(value, kBlanks).empty())
        return std::nullopt;
    const auto within = [](double v, double bound) { return v >= -bound && v <= bound; };
    if (!within(numbers[0], kMaxPixel) || !within(numbers[1], kMaxPixel) ||
        !within(numbers[2], 90.0) || !within(numbers[3], 180.0))
        return std::nullopt;
    return CalibrationPoint{MapPos(numbers[0], numbers[1]), MapPos(numbers[3], numbers[2])};
}

} // namespace

void GridSettings::Add(const CalibrationPoint& point) {
    points.push_back(point);
    const auto limit = static_cast<std::size_t>(std::max(keep, kMinKeptPoints));
    if (points.size() > limit)
        points.erase(points.begin(), points.end() - static_cast<std::ptrdiff_t>(limit));
}

std::string GridFileName(std::string_view mapBaseName) {
    return std::string(mapBaseName) + ".grid";
}

std::string FormatGridFile(const GridSettings& settings) {
    std::string text(kMagic);
    text += "\n# The calibration of the map beside this file. Each point: the pixel's column and"
            "\n# row from the top left corner, then its WGS 84 latitude and longitude.\n";
    text += "model " + settings.model.Name() + '\n';
    text += "datum " + settings.datum + '\n';
    text += "keep " + std::to_string(settings.keep) + '\n';
    for (const CalibrationPoint& p : settings.points)
        text += "point " + base::FormatShortest(p.pixel.x) + ' ' + base::FormatShortest(p.pixel.y) +
                ' ' + base::FormatShortest(p.geo.y) + ' ' + base::FormatShortest(p.geo.x) + '\n';
    return text;
}

std::optional<GridSettings> ParseGridFile(std::string_view text, std::string* error) {
    const auto fail = [error](std::string why) {
        *error = std::move(why);
        return std::nullopt;
    };
    if (text.size() > kMaxGridFileBytes)
        return fail("too large for a grid file");
    GridSettings settings;
    bool seenModel = false;
    bool seenDatum = false;
    bool seenKeep = false;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (number == 1) {
            if (line != kMagic)
                return fail("not a grid file (the first line is not \"" + std::string(kMagic) +
                            "\")");
            continue;
        }
        line = base::Trim(line, kBlanks);
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t split = std::min(line.find_first_of(kBlanks), line.size());
        const std::string_view key = line.substr(0, split);
        const std::string_view value = base::Trim(line.substr(split), kBlanks);
        std::string why;
        if (key == "model" && !seenModel) {
            const std::optional<GridModel> model = GridModel::Parse(value, &why);
            if (!model)
                return fail(LineError(number, why));
            settings.model = *model;
            seenModel = true;
        } else if (key == "datum" && !seenDatum) {
            if (!DatumCrs(value, &why))
                return fail(LineError(number, why));
            settings.datum = std::string(value);
            seenDatum = true;
        } else if (key == "keep" && !seenKeep) {
            const std::optional<int> keep =
                base::ParseExact<int>(value, kMinKeptPoints, kMaxKeptPoints);
            if (!keep)
                return fail(LineError(number, "keep is not a number from " +
                                                  std::to_string(kMinKeptPoints) + " to " +
                                                  std::to_string(kMaxKeptPoints)));
            settings.keep = *keep;
            seenKeep = true;
        } else if (key == "point") {
            const std::optional<CalibrationPoint> point = ParsePoint(value);
            if (!point)
                return fail(LineError(number, "a point is a column, a row, a latitude and a "
                                              "longitude"));
            if (settings.points.size() >= static_cast<std::size_t>(kMaxKeptPoints))
                return fail(LineError(number, "too many points"));
            settings.points.push_back(*point);
        } else if (key == "model" || key == "datum" || key == "keep") {
            return fail(LineError(number, std::string(key) + " given twice"));
        } else {
            return fail(LineError(number, "unknown key \"" + std::string(key) + "\""));
        }
    }
    if (!seenModel || !seenDatum || !seenKeep)
        return fail(std::string(!seenModel   ? "model"
                                : !seenDatum ? "datum"
                                             : "keep") +
                    " is missing");
    if (settings.points.size() > static_cast<std::size_t>(settings.keep))
        return fail("more points than keep allows");
    return settings;
}

platform::LoadResult LoadGridFile(const std::string& path, GridSettings& settings) {
    std::string bytes;
    if (auto read = platform::ReadFileToLoad(path, bytes, kMaxGridFileBytes + 1); !read)
        return read;
    std::string why;
    std::optional<GridSettings> parsed = ParseGridFile(bytes, &why);
    if (!parsed)
        return platform::LoadResult::Damaged(path + ": damaged grid file: " + why);
    settings = std::move(*parsed);
    return {};
}

platform::FileResult SaveGridFile(const std::string& path, const GridSettings& settings) {
    return platform::WriteFileAtomically(path, FormatGridFile(settings));
}

} // namespace map
