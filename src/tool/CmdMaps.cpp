// quilo-tool maps FOLDER [--at LAT LON]: the placed maps of a folder, as the viewer's map folder
// indexes them, most detailed first.
#include "base/Number.h"
#include "map/MapFolder.h"
#include "tool/ToolCommand.h"

#include <cmath>
#include <optional>
#include <ostream>
#include <string>

namespace {

int RunMaps(const tool::ParsedArgs& args, std::ostream& out, std::ostream& err) {
    std::optional<MapPos> at;
    for (const tool::OptionUse& use : args.options) {
        if (use.name != "--at")
            continue;
        const auto lat = base::ParseExact(base::SkipPlus(use.values[0]), -90.0, 90.0);
        const auto lon = base::ParseExact(base::SkipPlus(use.values[1]), -180.0, 180.0);
        if (!lat || !lon)
            return tool::Fail(err, "maps", "--at needs LAT LON (-90 to 90, -180 to 180)");
        at = MapPos(*lon, *lat);
    }
    const map::IndexedFolder indexed =
        map::IndexMapFolder(std::string(args.positionals[0]), map::DefaultFolderIndexCache());
    if (!indexed.index)
        return tool::Fail(err, "maps", indexed.error);
    for (const std::string& warning : indexed.warnings)
        err << "quilo-tool maps: " << warning << '\n';
    for (const map::FolderMap* file : map::MapsByDetail(*indexed.index, at))
        out << indexed.index->PathOf(*file) << '\t' << file->kind << '\t'
            << base::FormatShortest(file->metresPerPixel) << '\n';
    return 0;
}

const tool::ToolCommandRegistrar registrar({
    {"maps",
     "FOLDER",
     "[--at LAT LON]",
     "lists the placed maps of FOLDER and its subfolders, most detailed first: the path, the "
     "kind and the metres a pixel spans at the map's centre",
     {{"--at", "LAT LON", "lists only the maps whose outline holds the position"}}},
    &RunMaps,
});

} // namespace
