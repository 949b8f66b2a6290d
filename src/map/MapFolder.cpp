#include "map/MapFolder.h"

#include "map/GridMap.h"
#include "map/MapFormats.h"
#include "map/Proj.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace map {

namespace {

namespace fs = std::filesystem;

std::optional<FolderMap> Place(const std::string& path, MapFolderListing& listing) {
    const RecognisedMap recognised = RecogniseMapFile(path);
    if (recognised.format == nullptr || recognised.format->kind == MapFileKind::WorldFile)
        return std::nullopt;
    const ShownMapResult read = ReadShownMap(path);
    if (!read.map) {
        listing.problems.push_back(read.error);
        return std::nullopt;
    }
    if (!read.calibrated || !read.map->Georef().HasTransform())
        return std::nullopt;
    const ShownMap& shown = *read.map;
    const MapPos centre(shown.Width() / 2.0, shown.Height() / 2.0);
    FolderMap out{path, shown.Kind(), shown.Outline(),
                  GroundMetres(shown.ToGeo(centre), shown.ToGeo(MapPos(centre.x + 1, centre.y)))};
    if (out.outline.size() < 3 || !std::isfinite(out.metresPerPixel))
        return std::nullopt;
    return out;
}

} // namespace

MapFolderListing ListMapFolder(const std::string& folder) {
    MapFolderListing listing;
    std::error_code ec;
    std::vector<std::string> files;
    for (fs::recursive_directory_iterator
             it(folder, fs::directory_options::skip_permission_denied, ec),
         end;
         !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec))
            continue;
        if (files.size() == kMaxFolderFiles) {
            listing.truncated = true;
            break;
        }
        files.push_back(it->path().string());
    }
    if (ec && files.empty())
        listing.problems.push_back(folder + ": " + ec.message());
    std::sort(files.begin(), files.end());
    for (const std::string& file : files)
        if (std::optional<FolderMap> placed = Place(file, listing))
            listing.maps.push_back(std::move(*placed));
    std::stable_sort(
        listing.maps.begin(), listing.maps.end(),
        [](const FolderMap& a, const FolderMap& b) { return a.metresPerPixel < b.metresPerPixel; });
    return listing;
}

bool MapHolds(const FolderMap& map, const MapPos& position) {
    // Even-odd crossings of a ray eastwards from the position.
    bool inside = false;
    const std::vector<MapPos>& ring = map.outline;
    for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        const MapPos& a = ring[i];
        const MapPos& b = ring[j];
        if ((a.y > position.y) != (b.y > position.y) &&
            position.x < a.x + (position.y - a.y) * (b.x - a.x) / (b.y - a.y))
            inside = !inside;
    }
    return inside;
}

} // namespace map
