#pragma once

#include "calib/MapPos.h"

#include <cstddef>
#include <string>
#include <vector>

namespace map {

// One placed map of a folder: where it lies and how detailed it is.
struct FolderMap {
    std::string path;
    std::string kind;
    std::vector<MapPos> outline; // WGS 84, x the longitude, clockwise from the top left
    double metresPerPixel = 0.0; // across a pixel at the map's centre
};

struct MapFolderListing {
    std::vector<FolderMap> maps;       // most detailed first
    std::vector<std::string> problems; // "PATH: REASON" of the map files that could not be read
    bool truncated = false;            // the folder held more files than are looked at
};

// The most files of a folder tree looked at: a card of scans, not a whole disk.
inline constexpr std::size_t kMaxFolderFiles = 20000;

// The placed maps of the folder and its subfolders, most detailed first (then by path): the map
// files of every kind, an image only when its calibration or world file places it (a world file
// stands for its image, which is listed). A file that is no map is passed over; a map file that
// cannot be read is named in problems.
MapFolderListing ListMapFolder(const std::string& folder);

// Whether position (x the longitude) lies inside the map's outline.
bool MapHolds(const FolderMap& map, const MapPos& position);

} // namespace map
