// quilo-tool calib FILE.mcd --height H [--pixel X Y]... [--geo LAT LON]...: loads a calibration
// file into a fresh calibration and converts image pixels to positions and back, or, without
// conversions, lists what the file holds.
#include "base/Number.h"
#include "calib/CalibrationFile.h"
#include "tool/ToolCommand.h"

#include <climits>
#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Conversion {
    bool fromPixel; // --pixel X Y, else --geo LAT LON
    double first, second;
};

std::optional<double> ParseFinite(std::string_view text) {
    return base::ParseExact(base::SkipPlus(text), std::numeric_limits<double>::lowest(),
                            std::numeric_limits<double>::max());
}

int RunCalib(const tool::ParsedArgs& args, std::ostream& out, std::ostream& err) {
    const std::string_view file = args.positionals[0];
    std::optional<int> height;
    if (const auto text = args.Value("--height")) {
        const auto value = base::ParseExact(base::SkipPlus(*text), 0L, long{INT_MAX});
        if (!value)
            return tool::Fail(err, "calib",
                              "--height needs the image height in pixels (0 or more)");
        height = static_cast<int>(*value);
    }
    std::vector<Conversion> conversions;
    for (const tool::OptionUse& use : args.options) {
        if (use.name != "--pixel" && use.name != "--geo")
            continue;
        const bool fromPixel = use.name == "--pixel";
        const auto first = ParseFinite(use.values[0]);
        const auto second = ParseFinite(use.values[1]);
        if (!first || !second ||
            (!fromPixel && (std::fabs(*first) > 90.0 || std::fabs(*second) > 180.0)))
            return tool::Fail(err, "calib",
                              std::string(use.name) +
                                  (fromPixel ? " needs X Y (column, row from the top)"
                                             : " needs LAT LON (-90 to 90, -180 to 180)"));
        conversions.push_back({fromPixel, *first, *second});
    }
    if (!conversions.empty() && !height)
        return tool::Fail(err, "calib", "conversions need --height H, the image height in pixels");

    calib::CGPSMapFuncs calibration;
    const std::string path(file);
    const auto loaded = calib::LoadCalibrationFile(path, calibration);
    switch (loaded.status) {
    case platform::LoadStatus::Loaded:
        break;
    case platform::LoadStatus::Missing:
        return tool::Fail(err, "calib", path + ": no such file");
    case platform::LoadStatus::Unreadable:
    case platform::LoadStatus::Damaged:
        return tool::Fail(err, "calib", loaded.error);
    }

    using base::FormatShortest;
    if (conversions.empty()) {
        // One record per pair (plane point as stored: column, height minus row; then the
        // position), then the variation, then the parameters A..F.
        const auto& points = calibration.GetCalibrationPoints();
        for (std::size_t i = 0; i + 1 < points.size(); i += 2) {
            out << "pair\t" << FormatShortest(points[i].x) << '\t' << FormatShortest(points[i].y)
                << '\t' << FormatShortest(points[i + 1].y) << '\t'
                << FormatShortest(points[i + 1].x) << '\n';
        }
        out << "magvar\t" << FormatShortest(calibration.GetMagVar()) << '\n';
        out << "params\t" << FormatShortest(calibration.GetA()) << '\t'
            << FormatShortest(calibration.GetB()) << '\t' << FormatShortest(calibration.GetC())
            << '\t' << FormatShortest(calibration.GetD()) << '\t'
            << FormatShortest(calibration.GetE()) << '\t' << FormatShortest(calibration.GetF())
            << '\n';
        return 0;
    }
    for (const Conversion& c : conversions) {
        if (c.fromPixel) {
            const MapPos geo = calibration.PixelToGeo(MapPos(c.first, c.second), *height);
            out << FormatShortest(geo.y) << '\t' << FormatShortest(geo.x) << '\n';
        } else {
            const MapPos pixel = calibration.GeoToPixel(MapPos(c.second, c.first), *height);
            out << FormatShortest(pixel.x) << '\t' << FormatShortest(pixel.y) << '\n';
        }
    }
    return 0;
}

const tool::ToolCommandRegistrar registrar({
    {"calib",
     "FILE.mcd",
     "--height H [--pixel X Y]... [--geo LAT LON]...",
     "lists a calibration file, or converts pixels to positions and back in argument order",
     {{"--height", "H", "the image height in pixels, needed by conversions"},
      {"--pixel", "X Y", "prints the position of the pixel (column, row from the top)"},
      {"--geo", "LAT LON", "prints the pixel of the position"}}},
    &RunCalib,
});

} // namespace
