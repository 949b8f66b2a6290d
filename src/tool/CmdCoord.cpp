// quilo-tool coord LAT LON [--format dms|dm|d]: the position as the status line shows it.
#include "coords/CoordFormat.h"
#include "tool/ToolCommand.h"

#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

// A finite number within [-limit, limit]; anything else is a bad argument.
std::optional<double> ParseAngle(std::string_view text, double limit) {
    const auto value = tool::ParseNumber(text);
    if (!value || !std::isfinite(*value) || std::fabs(*value) > limit)
        return std::nullopt;
    return value;
}

int RunCoord(const tool::Args& args, std::ostream& out, std::ostream& err) {
    coords::CoordFormat format = coords::CoordFormat::Dms;
    std::vector<std::string_view> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        std::optional<std::string_view> formatName;
        if (arg == "--format") {
            if (i + 1 == args.size()) {
                err << "coord: --format needs a value (dms, dm or d)\n";
                return 2;
            }
            formatName = args[++i];
        } else if (arg.starts_with("--format=")) {
            formatName = arg.substr(9);
        } else if (arg.starts_with("--")) {
            err << "coord: unknown option '" << arg << "'\n";
            return 2;
        } else {
            // Negative numbers ("-0.0014") are positional, not options.
            positional.push_back(arg);
            continue;
        }
        const auto parsed = tool::ParseCoordFormat(*formatName);
        if (!parsed) {
            err << "coord: unknown format '" << *formatName << "' (use dms, dm or d)\n";
            return 2;
        }
        format = *parsed;
    }
    if (positional.size() != 2) {
        err << "coord: expected LAT LON, got " << positional.size() << " numbers\n";
        return 2;
    }
    const auto latitude = ParseAngle(positional[0], 90.0);
    if (!latitude) {
        err << "coord: bad latitude '" << positional[0] << "' (a number from -90 to 90)\n";
        return 2;
    }
    const auto longitude = ParseAngle(positional[1], 180.0);
    if (!longitude) {
        err << "coord: bad longitude '" << positional[1] << "' (a number from -180 to 180)\n";
        return 2;
    }
    out << coords::FormatPosition(MapPos(*longitude, *latitude), format) << '\n';
    return 0;
}

const tool::ToolCommandRegistrar registrar({"coord", "coord LAT LON [--format dms|dm|d]",
                                            &RunCoord});

} // namespace
