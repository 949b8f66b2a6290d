// quilo-tool coord LAT LON [--format dms|dm|d|utm|mgrs]: the position as the status line
// shows it.
#include "base/Number.h"
#include "coords/CoordFormat.h"
#include "tool/ToolCommand.h"

#include <optional>
#include <ostream>
#include <string>

namespace {

int RunCoord(const tool::ParsedArgs& args, std::ostream& out, std::ostream& err) {
    coords::CoordFormat format = coords::CoordFormat::Dms;
    if (const auto name = args.Value("--format")) {
        const auto parsed = tool::ParseCoordFormat(*name);
        if (!parsed)
            return tool::Fail(err, "coord",
                              "unknown format '" + std::string(*name) +
                                  "' (use dms, dm, d, utm or mgrs)");
        format = *parsed;
    }
    const auto latitude = base::ParseExact(base::SkipPlus(args.positionals[0]), -90.0, 90.0);
    if (!latitude)
        return tool::Fail(err, "coord",
                          "bad latitude '" + std::string(args.positionals[0]) +
                              "' (a number from -90 to 90)");
    const auto longitude = base::ParseExact(base::SkipPlus(args.positionals[1]), -180.0, 180.0);
    if (!longitude)
        return tool::Fail(err, "coord",
                          "bad longitude '" + std::string(args.positionals[1]) +
                              "' (a number from -180 to 180)");
    out << coords::FormatPosition(MapPos(*longitude, *latitude), format) << '\n';
    return 0;
}

const tool::ToolCommandRegistrar registrar({
    {"coord",
     "LAT LON",
     "[--format dms|dm|d|utm|mgrs]",
     "the position as the status line shows it, longitude first",
     {{"--format", "dms|dm|d|utm|mgrs",
       "degrees-minutes-seconds (default), degrees-minutes, degrees, UTM or MGRS"}}},
    &RunCoord,
});

} // namespace
