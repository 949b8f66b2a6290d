// quilo-tool range LAT1 LON1 LAT2 LON2 [--magvar DEG]: great-circle distance in metres, then
// the true and the magnetic initial bearing in degrees.
#include "calib/RangeBearing.h"
#include "tool/ToolCommand.h"

#include <cmath>
#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

namespace {

// A finite number within [-limit, limit]; anything else is a bad argument.
std::optional<double> ParseBounded(std::string_view text, double limit) {
    const auto value = tool::ParseNumber(text);
    if (!value || !std::isfinite(*value) || std::fabs(*value) > limit)
        return std::nullopt;
    return value;
}

int RunRange(const tool::Args& args, std::ostream& out, std::ostream& err) {
    double magVar = 0.0;
    std::vector<std::string_view> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        std::optional<std::string_view> magVarText;
        if (arg == "--magvar") {
            if (i + 1 == args.size()) {
                err << "range: --magvar needs a value in degrees (east positive)\n";
                return 2;
            }
            magVarText = args[++i];
        } else if (arg.starts_with("--magvar=")) {
            magVarText = arg.substr(9);
        } else if (arg.starts_with("--")) {
            err << "range: unknown option '" << arg << "'\n";
            return 2;
        } else {
            // Negative numbers ("-0.0014") are positional, not options.
            positional.push_back(arg);
            continue;
        }
        const auto parsed = ParseBounded(*magVarText, 180.0);
        if (!parsed) {
            err << "range: bad variation '" << *magVarText << "' (a number from -180 to 180)\n";
            return 2;
        }
        magVar = *parsed;
    }
    if (positional.size() != 4) {
        err << "range: expected LAT1 LON1 LAT2 LON2, got " << positional.size() << " numbers\n";
        return 2;
    }
    double values[4];
    for (std::size_t i = 0; i < 4; ++i) {
        const bool isLatitude = i % 2 == 0;
        const auto parsed = ParseBounded(positional[i], isLatitude ? 90.0 : 180.0);
        if (!parsed) {
            err << "range: bad " << (isLatitude ? "latitude" : "longitude") << " '" << positional[i]
                << "' (a number from " << (isLatitude ? "-90 to 90" : "-180 to 180") << ")\n";
            return 2;
        }
        values[i] = *parsed;
    }
    const auto rb =
        calib::RangeAndBearing(MapPos(values[1], values[0]), MapPos(values[3], values[2]), magVar);
    out << tool::FormatNumber(rb.distance) << '\t' << tool::FormatNumber(rb.trueBearing) << '\t'
        << tool::FormatNumber(rb.magneticBearing) << '\n';
    return 0;
}

const tool::ToolCommandRegistrar registrar({"range", "range LAT1 LON1 LAT2 LON2 [--magvar DEG]",
                                            &RunRange});

} // namespace
