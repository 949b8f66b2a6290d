// quilo-tool calib FILE.mcd --height H [--pixel X Y]... [--geo LAT LON]...: loads a calibration
// file into a fresh calibration and converts image pixels to positions and back, or, without
// conversions, lists what the file holds.
#include "calib/CalibrationFile.h"
#include "tool/ToolCommand.h"

#include <climits>
#include <cmath>
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
    const auto value = tool::ParseNumber(text);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

int RunCalib(const tool::Args& args, std::ostream& out, std::ostream& err) {
    std::optional<std::string_view> file;
    std::optional<int> height;
    std::vector<Conversion> conversions;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--height") {
            const auto value = i + 1 < args.size() ? tool::ParseInteger(args[i + 1]) : std::nullopt;
            if (!value || *value < 0 || *value > INT_MAX) {
                err << "calib: --height needs the image height in pixels (0 or more)\n";
                return 2;
            }
            height = static_cast<int>(*value);
            ++i;
        } else if (arg == "--pixel" || arg == "--geo") {
            const bool fromPixel = arg == "--pixel";
            std::optional<double> first, second;
            if (i + 2 < args.size()) {
                first = ParseFinite(args[i + 1]);
                second = ParseFinite(args[i + 2]);
            }
            if (!first || !second ||
                (!fromPixel && (std::fabs(*first) > 90.0 || std::fabs(*second) > 180.0))) {
                err << "calib: " << arg
                    << (fromPixel ? " needs X Y (column, row from the top)\n"
                                  : " needs LAT LON (-90 to 90, -180 to 180)\n");
                return 2;
            }
            conversions.push_back({fromPixel, *first, *second});
            i += 2;
        } else if (arg.starts_with("--")) {
            err << "calib: unknown option '" << arg << "'\n";
            return 2;
        } else if (file) {
            err << "calib: more than one file given ('" << *file << "', '" << arg << "')\n";
            return 2;
        } else {
            file = arg;
        }
    }
    if (!file) {
        err << "calib: missing FILE.mcd\n";
        return 2;
    }
    if (!conversions.empty() && !height) {
        err << "calib: conversions need --height H, the image height in pixels\n";
        return 2;
    }

    calib::CGPSMapFuncs calibration;
    const std::string path(*file);
    const auto loaded = calib::LoadCalibrationFile(path, calibration);
    switch (loaded.status) {
    case platform::LoadStatus::Loaded:
        break;
    case platform::LoadStatus::Missing:
        err << "calib: " << path << ": no such file\n";
        return 2;
    case platform::LoadStatus::Unreadable:
    case platform::LoadStatus::Damaged:
        err << "calib: " << loaded.error << '\n';
        return 2;
    }

    using tool::FormatNumber;
    if (conversions.empty()) {
        // One record per pair (plane point as stored: column, height minus row; then the
        // position), then the variation, then the parameters A..F.
        const auto& points = calibration.GetCalibrationPoints();
        for (std::size_t i = 0; i + 1 < points.size(); i += 2) {
            out << "pair\t" << FormatNumber(points[i].x) << '\t' << FormatNumber(points[i].y)
                << '\t' << FormatNumber(points[i + 1].y) << '\t' << FormatNumber(points[i + 1].x)
                << '\n';
        }
        out << "magvar\t" << FormatNumber(calibration.GetMagVar()) << '\n';
        out << "params\t" << FormatNumber(calibration.GetA()) << '\t'
            << FormatNumber(calibration.GetB()) << '\t' << FormatNumber(calibration.GetC()) << '\t'
            << FormatNumber(calibration.GetD()) << '\t' << FormatNumber(calibration.GetE()) << '\t'
            << FormatNumber(calibration.GetF()) << '\n';
        return 0;
    }
    for (const Conversion& c : conversions) {
        if (c.fromPixel) {
            const MapPos geo = calibration.PixelToGeo(MapPos(c.first, c.second), *height);
            out << FormatNumber(geo.y) << '\t' << FormatNumber(geo.x) << '\n';
        } else {
            const MapPos pixel = calibration.GeoToPixel(MapPos(c.second, c.first), *height);
            out << FormatNumber(pixel.x) << '\t' << FormatNumber(pixel.y) << '\n';
        }
    }
    return 0;
}

const tool::ToolCommandRegistrar registrar(
    {"calib", "calib FILE.mcd --height H [--pixel X Y]... [--geo LAT LON]...", &RunCalib});

} // namespace
