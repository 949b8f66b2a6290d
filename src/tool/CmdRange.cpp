// quilo-tool range LAT1 LON1 LAT2 LON2 [--magvar DEG]: great-circle distance in metres, then
// the true and the magnetic initial bearing in degrees.
#include "base/Number.h"
#include "geo/RangeBearing.h"
#include "tool/ToolCommand.h"

#include <ostream>
#include <string>

namespace {

int RunRange(const tool::ParsedArgs& args, std::ostream& out, std::ostream& err) {
    double magVar = 0.0;
    if (const auto text = args.Value("--magvar")) {
        const auto parsed = base::ParseExact(base::SkipPlus(*text), -180.0, 180.0);
        if (!parsed)
            return tool::Fail(err, "range",
                              "bad variation '" + std::string(*text) +
                                  "' (a number from -180 to 180)");
        magVar = *parsed;
    }
    double values[4];
    for (std::size_t i = 0; i < 4; ++i) {
        const bool isLatitude = i % 2 == 0;
        const double limit = isLatitude ? 90.0 : 180.0;
        const auto parsed = base::ParseExact(base::SkipPlus(args.positionals[i]), -limit, limit);
        if (!parsed)
            return tool::Fail(err, "range",
                              std::string("bad ") + (isLatitude ? "latitude" : "longitude") + " '" +
                                  std::string(args.positionals[i]) + "' (a number from " +
                                  (isLatitude ? "-90 to 90" : "-180 to 180") + ")");
        values[i] = *parsed;
    }
    const auto rb =
        calib::RangeAndBearing(MapPos(values[1], values[0]), MapPos(values[3], values[2]), magVar);
    out << base::FormatShortest(rb.distance) << '\t' << base::FormatShortest(rb.trueBearing) << '\t'
        << base::FormatShortest(rb.magneticBearing) << '\n';
    return 0;
}

const tool::ToolCommandRegistrar registrar({
    {"range",
     "LAT1 LON1 LAT2 LON2",
     "[--magvar DEG]",
     "distance in metres, true and magnetic initial bearing in degrees",
     {{"--magvar", "DEG", "magnetic variation, east positive, -180 to 180 (default 0)"}}},
    &RunRange,
});

} // namespace
