#pragma once

#include "calib/CGPSMapFuncs.h"
#include "calib/GridFile.h"
#include "calib/GridModel.h"
#include "calib/MapGeoreference.h"
#include "platform/FileIo.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace map {

// A calibration file beside a map that could not be taken as it is.
struct FileIssue {
    std::string path;
    // Unreadable or Damaged: the file is there but was not read; Loaded: read, but its points
    // give no fit.
    platform::LoadStatus status = platform::LoadStatus::Loaded;
    std::string text; // "PATH: REASON"
};

// What places an image's pixels, by the one rule every reader of a map follows.
enum class PlacedBy {
    Nothing,     // no file places it
    Calibration, // the handheld's calibration file, the user's grid file having no say
    UserGrid,    // the user's grid file (with the handheld's file it keeps in step)
    File,        // the map file's own placement (a .map, a world file, a GeoTIFF's tags...)
};

struct ImagePlacement {
    // The handheld's model (the calibration file's pairs and variation, the image height) and
    // the grid that places the pixels, if any.
    MapGeoreference georeference;
    GridSettings grid; // the user's grid settings and points, kept for the next calibration
    PlacedBy placedBy = PlacedBy::Nothing;
    // The map counts as calibrated: a calibration file was read (it may hold fewer than three
    // pairs) or a grid places it.
    bool calibrated = false;
    platform::LoadStatus calibrationFile = platform::LoadStatus::Missing; // the .mcd
    platform::LoadStatus gridFile = platform::LoadStatus::Missing;        // the .grid
    std::vector<FileIssue> issues; // in the order met: the .mcd's, then the .grid's
};

// The one rule for which model places an image imageHeight pixels high, opened from mapPath,
// whose calibration files are named after it (the path minus its last four characters, plus
// ".mcd" and ".grid"). The user's grid file is their own correction: when it is there and
// places the pixels, it does, over the map file's own placement (placedByFile: a .map, a world
// file, a ground overlay, a GeoTIFF's tags, a tile set), which places them otherwise; without
// either, the handheld's calibration file does. A grid file whose points no longer match the
// handheld's file gives way to it where another program wrote that since. A file that cannot be
// read, or a grid that cannot be fitted, is an issue and has no say. unreadableKeeps is the
// calibration kept when the calibration file is there but cannot be read (the map showing,
// opened again); the map is otherwise uncalibrated then.
ImagePlacement PlaceImage(std::string_view mapPath, int imageHeight,
                          std::shared_ptr<const GridGeoreference> placedByFile,
                          const calib::CGPSMapFuncs& unreadableKeeps = {});

} // namespace map
