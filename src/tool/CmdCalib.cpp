// quilo-tool calib FILE.mcd --height H [--pixel X Y]... [--geo LAT LON]...: loads a calibration
// file into a fresh calibration and converts image pixels to positions and back, or, without
// conversions, lists what the file holds.
#include "base/Number.h"
#include "calib/CalibrationFile.h"
#include "map/HandheldGeoreference.h"
#include "tool/Conversions.h"
#include "tool/ToolCommand.h"

#include <climits>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace {

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
    const tool::Conversions conversions = tool::ParseConversions(args);
    if (!conversions.error.empty())
        return tool::Fail(err, "calib", conversions.error);
    if (!conversions.list.empty() && !height)
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
    if (conversions.list.empty()) {
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
    tool::PrintConversions(conversions.list, map::HandheldGeoreference(calibration, *height), out);
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
