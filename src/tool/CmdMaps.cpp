// quilo-tool maps FOLDER [--at LAT LON]: the placed maps of a folder and its subfolders, or
// those holding a position, most detailed first.
#include "base/Number.h"
#include "map/MapFolder.h"
#include "tool/ToolCommand.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

namespace {

int RunMaps(const tool::ParsedArgs& args, std::ostream& out, std::ostream& err) {
    std::optional<MapPos> at;
    for (const tool::OptionUse& use : args.options) {
        if (use.name != "--at")
            continue;
        const auto lat = base::ParseExact<double>(base::SkipPlus(use.values[0]), -90.0, 90.0);
        const auto lon = base::ParseExact<double>(base::SkipPlus(use.values[1]), -180.0, 180.0);
        if (!lat || !lon)
            return tool::Fail(err, "maps", "--at needs LAT LON (-90 to 90, -180 to 180)");
        at = MapPos(*lon, *lat);
    }
    const std::string folder(args.positionals[0]);
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        return tool::Fail(err, "maps", folder + ": not a folder");
    const map::MapFolderListing listing = map::ListMapFolder(folder);
    for (const std::string& problem : listing.problems)
        err << "quilo-tool maps: " << problem << '\n';
    if (listing.truncated)
        err << "quilo-tool maps: " << folder << ": only the first " << map::kMaxFolderFiles
            << " files are looked at\n";
    for (const map::FolderMap& found : listing.maps)
        if (!at || map::MapHolds(found, *at))
            out << found.path << '\t' << found.kind << '\t'
                << base::FormatShortest(found.metresPerPixel) << '\n';
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
