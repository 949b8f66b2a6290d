#pragma once

#include <string_view>

// What a file holds, as the program tells it by the extension (the text after the last '.'
// of the path, in any case: TRACK.TRL is a trail file). One table, so that the viewer, the
// session and quilo-tool agree on every name.
namespace base {

enum class FileKind {
    Other,
    Nmea,       // NMEA sentences as a receiver sent them
    TrailFile,  // the handheld's trail file
    Journal,    // the recording journal
    PointsFile, // the handheld's map points
    Gpx,        // tracks, routes and waypoints
    Kml,        // line strings and placemarks
};

struct FileKindRow {
    std::string_view extension; // lower case, without the dot
    FileKind kind;
};

inline constexpr FileKindRow kFileKinds[] = {
    {"nmea", FileKind::Nmea},     {"log", FileKind::Nmea},    {"txt", FileKind::Nmea},
    {"trl", FileKind::TrailFile}, {"qjr", FileKind::Journal}, {"pts", FileKind::PointsFile},
    {"gpx", FileKind::Gpx},       {"kml", FileKind::Kml},
};

[[nodiscard]] FileKind KindOfFile(std::string_view path);

// A kind of file a trail goes into or comes from.
struct TrailFormat {
    FileKind kind;
    bool loads;      // Load Trail reads it
    bool converts;   // quilo-tool convert reads it
    bool writes;     // Save Trail and convert write it
    bool keepsTimes; // it holds a recording's times and heights, not only positions
};

inline constexpr TrailFormat kTrailFormats[] = {
    {FileKind::TrailFile, true, true, true, false}, {FileKind::Kml, true, false, true, false},
    {FileKind::Gpx, true, true, true, true},        {FileKind::Nmea, false, true, false, true},
    {FileKind::Journal, false, true, false, true},
};

// The kind's row; nullptr when a trail has no place in it.
[[nodiscard]] const TrailFormat* TrailFormatOf(FileKind kind);

// The format Save Trail writes to path: the path's own when it writes one, else KML.
[[nodiscard]] const TrailFormat& SavedTrailFormat(std::string_view path);

// The format Load Trail reads from path: the path's own when it loads one, else the trail file.
[[nodiscard]] const TrailFormat& LoadedTrailFormat(std::string_view path);

} // namespace base
