// quilo-tool dem DEMFOLDER LAT LON...: the height of each position from a folder of SRTM tiles
// and elevation rasters, bilinear between the samples; a position without one says why and which
// tile.
#include "base/Number.h"
#include "terrain/DemFolder.h"
#include "tool/ToolCommand.h"

#include <sys/stat.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

int RunDem(const tool::ParsedArgs& args, std::ostream& out, std::ostream& err) {
    const std::string folder(args.positionals[0]);
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return tool::Fail(err, "dem", folder + ": not a folder");
    if (args.positionals.size() % 2 != 1)
        return tool::Fail(err, "dem", "positions come as pairs of LAT LON");
    std::vector<double> values;
    for (std::size_t i = 1; i < args.positionals.size(); ++i) {
        const bool isLatitude = i % 2 == 1;
        const double limit = isLatitude ? 90.0 : 180.0;
        const auto parsed = base::ParseExact(base::SkipPlus(args.positionals[i]), -limit, limit);
        if (!parsed)
            return tool::Fail(err, "dem",
                              std::string("bad ") + (isLatitude ? "latitude" : "longitude") + " '" +
                                  std::string(args.positionals[i]) + "' (a number from " +
                                  (isLatitude ? "-90 to 90" : "-180 to 180") + ")");
        values.push_back(*parsed);
    }
    terrain::DemFolder dem(folder);
    for (std::size_t i = 0; i < values.size(); i += 2) {
        const terrain::HeightResult h = dem.Height(values[i], values[i + 1]);
        if (h.status == terrain::HeightResult::Status::Damaged)
            return tool::Fail(err, "dem", h.error);
        out << base::FormatShortest(values[i]) << '\t' << base::FormatShortest(values[i + 1])
            << '\t';
        switch (h.status) {
        case terrain::HeightResult::Status::Ok:
            out << base::FormatShortest(h.metres) << '\n';
            break;
        case terrain::HeightResult::Status::Missing:
            out << "-\tmissing\t" << h.tile << '\n';
            break;
        default:
            out << "-\tvoid\t" << h.tile << '\n';
            break;
        }
    }
    return 0;
}

const tool::ToolCommandRegistrar registrar({
    {"dem",
     "DEMFOLDER LAT LON...",
     "",
     "prints LAT LON HEIGHT for each position from the SRTM tiles (N46E007.hgt, plain or "
     ".hgt.zip) and the elevation rasters GDAL opens in DEMFOLDER, bilinear between samples; "
     "where there is no height, LAT LON - then missing or void and the tile's name",
     {}},
    &RunDem,
});

} // namespace
