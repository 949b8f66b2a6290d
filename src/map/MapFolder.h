#pragma once

#include "base/MapPos.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace map {

// One file of a map folder as its index keeps it: where the map lies and how detailed it is,
// read once without decoding a pixel.
struct FolderMap {
    std::string path; // relative to the folder, '/'-separated
    // The format's name ("ozi-map", "image"...); empty for a file that is no map, kept so the
    // next open need not read it again.
    std::string kind;
    // The sizes and modification times of the file and of those beside it that share its name
    // (calibration, world file, .prj) when it was read; a change reads it again.
    std::uint64_t signature = 0;
    // The map's edge, WGS 84 (x the longitude), clockwise; empty when the map places nothing
    // (no calibration, no grid, or it could not be read).
    std::vector<MapPos> outline;
    double metresPerPixel = 0.0; // across one pixel at the map's centre; 0 when not placed

    [[nodiscard]] bool Placed() const { return outline.size() >= 3 && metresPerPixel > 0.0; }
    // The file's name without its folders: how lists and the status line name the map.
    [[nodiscard]] std::string Name() const;
    friend bool operator==(const FolderMap&, const FolderMap&) = default;
};

// The maps of one folder and every folder under it.
struct MapFolderIndex {
    std::string folder;           // absolute, without symbolic links
    std::vector<FolderMap> files; // by path

    // The absolute path of one of the files.
    [[nodiscard]] std::string PathOf(const FolderMap& map) const;
    // The file whose absolute path is path; nullptr when it is none of the index's.
    [[nodiscard]] const FolderMap* Find(std::string_view path) const;
    friend bool operator==(const MapFolderIndex&, const MapFolderIndex&) = default;
};

// Bounds of an index read back: a file beyond them is damaged.
inline constexpr std::size_t kMaxFolderFiles = 100000;
inline constexpr std::size_t kMaxOutlinePoints = 1024;
inline constexpr std::size_t kMaxFolderIndexBytes = std::size_t{64} << 20;

// The index as it is kept: UTF-8 text, one file a line, tab-separated, numbers locale-free.
std::string FormatFolderIndex(const MapFolderIndex& index);
// The inverse; nothing, with *error naming the line and the reason, for bytes that are not an
// index (truncated, a number out of range, a path leaving the folder, too many of anything).
std::optional<MapFolderIndex> ParseFolderIndex(std::string_view bytes, std::string* error);

// Where indexes are kept when nothing else is said: $XDG_CACHE_HOME/quilo/folders, else
// ~/.cache/quilo/folders; empty without a home.
std::filesystem::path DefaultFolderIndexCache();

struct IndexedFolder {
    std::optional<MapFolderIndex> index;
    std::string error;                 // "FOLDER: REASON" when the folder cannot be read
    std::vector<std::string> warnings; // "PATH: REASON": maps that could not be read, an
                                       // index that could not be kept
    int readAfresh = 0;                // files read now rather than taken from the kept index
};

// Indexes folder and every folder under it (hidden ones and symbolic links to folders left
// out, so a loop cannot hold it up), at most kMaxFolderFiles files. A file whose signature is
// as the index kept in cache says is taken from it; any other is recognised and its map read
// for its outline and scale. A world file is left to the image it places. The new index is
// kept in cache (written atomically; created when missing) when it differs from the one kept;
// an empty cache keeps nothing. A kept index that is damaged or of another folder is read past.
IndexedFolder IndexMapFolder(const std::string& folder, const std::filesystem::path& cache);

// True when position (WGS 84, x the longitude) lies inside outline (at least three corners;
// on an edge counts as inside only by the rounding of the test). An outline may cross the 180th
// meridian, span more than 180 degrees of longitude, or go round a pole.
bool OutlineHolds(std::span<const MapPos> outline, const MapPos& position);

// The placed maps of index, most detailed (fewest metres per pixel) first, ties by path; only
// those holding *at when it is given.
std::vector<const FolderMap*> MapsByDetail(const MapFolderIndex& index,
                                           const std::optional<MapPos>& at = std::nullopt);

// The map to show while following the GPS at position: the most detailed one holding it, once
// position has left currentOutline (the map showing). Nothing while the map showing holds
// position or places nothing (it may be being calibrated), or when no map holds position.
const FolderMap* MapToFollow(const MapFolderIndex& index, std::span<const MapPos> currentOutline,
                             const MapPos& position);

} // namespace map
