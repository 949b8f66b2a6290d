// quilo-tool calib FILE.mcd --height H [--pixel X Y]... [--geo LAT LON]...: converts image
// pixels to positions and back as the viewer places them (the grid file beside the calibration
// file, when there is one, decides the model), or, without conversions, lists what the file
// holds. With --add, --grid, --datum or --keep it calibrates the map instead: both calibration
// files are written and the fit's misses printed.
#include "base/Number.h"
#include "calib/CalibrationFile.h"
#include "calib/FitReport.h"
#include "calib/HandheldGeoreference.h"
#include "calib/MapCalibration.h"
#include "coords/PositionText.h"
#include "geo/Datums.h"
#include "session/MapDocument.h"
#include "tool/Conversions.h"
#include "tool/ToolCommand.h"

#include <climits>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace {

bool Calibrates(const tool::ParsedArgs& args) {
    for (const tool::OptionUse& use : args.options)
        if (use.name == "--add" || use.name == "--grid" || use.name == "--datum" ||
            use.name == "--keep")
            return true;
    return false;
}

// Applies the options to the map's calibration and writes both files; the first error, which
// names what is refused, leaves every file as it was.
int RunCalibrate(const tool::ParsedArgs& args, const std::string& path, int height,
                 std::ostream& out, std::ostream& err) {
    const auto fail = [&err](std::string_view message) {
        return tool::Fail(err, "calib", message);
    };
    if (calib::MapBaseName(path) + ".mcd" != path)
        return fail(path + ": the calibration file's name ends in .mcd");
    session::MapDocument document;
    // Its name less the last four characters names the map, as the image's does.
    for (const session::Notice& notice : document.OpenCalibration(path, height).notices)
        if (notice.kind == session::Notice::Kind::Error)
            return fail(notice.text);

    map::GridSettings settings = document.Grid();
    if (const auto keep = args.Value("--keep")) {
        const auto value =
            base::ParseExact(base::SkipPlus(*keep), map::kMinKeptPoints, map::kMaxKeptPoints);
        if (!value)
            return fail("--keep needs a number of points from " +
                        std::to_string(map::kMinKeptPoints) + " to " +
                        std::to_string(map::kMaxKeptPoints));
        settings.keep = *value;
    }
    std::string why;
    if (const auto grid = args.Value("--grid")) {
        const std::optional<map::GridModel> model = map::GridModel::Parse(*grid, &why);
        if (!model)
            return fail("--grid: " + why);
        settings.model = *model;
    }
    if (const auto datum = args.Value("--datum")) {
        if (!map::DatumCrs(*datum, &why))
            return fail("--datum: " + why);
        settings.datum = std::string(*datum);
    }
    std::string datumCrs = std::string(map::kWgs84);
    if (settings.datum != map::GridSettings().datum)
        datumCrs = map::DatumCrs(settings.datum, &why).value_or(datumCrs);
    for (const tool::OptionUse& use : args.options) {
        if (use.name != "--add")
            continue;
        const auto x = base::ParseExact(base::SkipPlus(use.values[0]), 0.0, double{INT_MAX});
        const auto y = base::ParseExact(base::SkipPlus(use.values[1]), 0.0, double{INT_MAX});
        if (!x || !y)
            return fail("--add needs X Y (column, row from the top) and a position");
        std::optional<MapPos> geo = coords::ParsePosition(use.values[2], datumCrs, &why);
        // A named grid's easting and northing, as Enter Coordinates takes them.
        if (!geo && settings.model.kind == map::GridKind::Named)
            geo = coords::ParseGridPosition(use.values[2], settings.model.crs, &why);
        if (!geo)
            return fail("--add: " + why);
        settings.Add({MapPos(*x, *y), *geo});
    }
    for (const session::Notice& notice : document.Recalibrate(settings).notices)
        if (notice.kind == session::Notice::Kind::Error)
            return fail(notice.text);

    // One record a point: its pixel, its position, how far the fit misses it and how far the
    // fit of the other points does, in metres; then the RMS, and a model that fits clearly
    // better.
    using base::FormatShortest;
    const map::FitReport report =
        map::ReportFit(document.Georeference(), document.Grid().model, document.Grid().points);
    const auto metres = [](const std::optional<double>& value) {
        return value ? base::FormatFixed(*value, 3) : std::string("none");
    };
    for (const calib::PairCheck& point : report.points)
        out << "point\t" << FormatShortest(point.pixel.x) << '\t' << FormatShortest(point.pixel.y)
            << '\t' << FormatShortest(point.geo.y) << '\t' << FormatShortest(point.geo.x) << '\t'
            << metres(point.missMetres) << '\t' << metres(point.leftOutMetres) << '\n';
    if (report.rmsMetres)
        out << "rms\t" << base::FormatFixed(*report.rmsMetres, 3) << '\n';
    if (report.better)
        out << "better\t" << report.better->Name() << '\n';
    return 0;
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
    const tool::Conversions conversions = tool::ParseConversions(args);
    if (!conversions.error.empty())
        return tool::Fail(err, "calib", conversions.error);
    if (!conversions.list.empty() && !height)
        return tool::Fail(err, "calib", "conversions need --height H, the image height in pixels");
    if (Calibrates(args)) {
        if (!height)
            return tool::Fail(err, "calib",
                              "calibrating needs --height H, the image height in pixels");
        if (!conversions.list.empty())
            return tool::Fail(err, "calib", "convert with quilo-tool map after calibrating");
        return RunCalibrate(args, std::string(file), *height, out, err);
    }

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
    // The grid file beside a calibration file places the pixels, as the viewer and map read it.
    if (const std::string base = calib::MapBaseName(path); base + ".mcd" == path) {
        const map::MapCalibrationRead read = map::ReadMapCalibration(base, *height);
        if (!read.georeference)
            return tool::Fail(err, "calib", read.error);
        tool::PrintConversions(conversions.list, *read.georeference, out);
        return 0;
    }
    tool::PrintConversions(conversions.list, map::HandheldGeoreference(calibration, *height), out);
    return 0;
}

const tool::ToolCommandRegistrar registrar({
    {"calib",
     "FILE.mcd",
     "--height H [--pixel X Y]... [--geo LAT LON]... | --height H [--add X Y POSITION]... "
     "[--grid MODEL] [--datum NAME] [--keep N]",
     "lists a calibration file, converts pixels to positions and back in argument order, or "
     "calibrates the map and prints how far the fit, and the fit of the others, misses each point",
     {{"--height", "H", "the image height in pixels, needed by conversions and calibrating"},
      {"--pixel", "X Y", "prints the position of the pixel (column, row from the top)"},
      {"--geo", "LAT LON", "prints the pixel of the position"},
      {"--add", "X Y POSITION",
       "a calibration point: the pixel and its position as one text (or its easting and "
       "northing in a named grid)"},
      {"--grid", "MODEL", "graticule, topographic, chart, or a grid such as \"UTM 32N\""},
      {"--datum", "NAME", "the datum of the map's printed coordinates (WGS84, ED50...)"},
      {"--keep", "N", "how many calibration points the map keeps (3 to 50)"}}},
    &RunCalib,
});

} // namespace
