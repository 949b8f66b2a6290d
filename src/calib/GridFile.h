#pragma once

#include "calib/GridModel.h"
#include "platform/FileIo.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace map {

// How many calibration points a map may keep: the handheld's three at least.
inline constexpr int kMinKeptPoints = 3;
inline constexpr int kMaxKeptPoints = 50;

// What a map's calibration holds beyond the handheld's calibration file: the grid model, the
// datum its printed coordinates are on, and all its calibration points (the calibration file
// keeps only the newest three).
struct GridSettings {
    GridModel model;                      // topographic for a map calibrated here
    std::string datum = "WGS84";          // as the user wrote it; see DatumCrs
    int keep = kMinKeptPoints;            // kMinKeptPoints..kMaxKeptPoints
    std::vector<CalibrationPoint> points; // oldest first, never more than keep

    // Appends point, dropping the oldest while more than keep are held.
    void Add(const CalibrationPoint& point);
    friend bool operator==(const GridSettings&, const GridSettings&) = default;
};

// The grid file beside a map: its base name (see calib::MapBaseName) plus ".grid". A text file,
// UTF-8, LF line ends:
//
//     QUILO-GRID 1
//     model topographic          graticule, topographic, chart, or a CRS for PROJ
//     datum ED50                 of the coordinates printed on the map
//     keep 3                     how many calibration points are kept
//     point 120 4380 46.5 7.25   column, row (from the top left), then WGS 84 latitude, longitude
//
// Each line is a key, blanks, and its value; blank lines and lines starting with '#' are
// skipped. model, datum and keep appear once each, any order; points oldest first.
std::string GridFileName(std::string_view mapBaseName);

// The file's text, and back. Parse checks everything: the first line, every key and number,
// the model and datum (through PROJ), at most keep points; otherwise nothing, with *error
// saying which line and why ("line 3: ED51: unknown datum").
std::string FormatGridFile(const GridSettings& settings);
std::optional<GridSettings> ParseGridFile(std::string_view text, std::string* error);

// Reads the grid file at path into settings (replaced only when Loaded; a damaged file's error
// names the path and the reason), and writes it atomically.
platform::LoadResult LoadGridFile(const std::string& path, GridSettings& settings);
platform::FileResult SaveGridFile(const std::string& path, const GridSettings& settings);

} // namespace map
