#pragma once

#include "calib/CGPSMapFuncs.h"
#include "calib/GridFile.h"
#include "calib/GridModel.h"
#include "calib/MapGeoreference.h"

#include <memory>
#include <optional>
#include <string>

// How a map's two calibration files fit together: the handheld's calibration file holds the
// newest three points and the variation, the grid file everything else.
namespace map {

// The settings of a map without a grid file: the graticule when the handheld's calibration
// file was read (an old folder is drawn as before), the topographic grid for a map calibrated
// here; the points are the calibration's pairs.
GridSettings DefaultGridSettings(const calib::CGPSMapFuncs& calibration, bool calibrationFileRead,
                                 int imageHeight);

// True when the handheld's affine places the pixels: the graticule with three points or fewer.
bool UsesHandheldModel(const GridSettings& settings);

// True when a grid file must be kept: settings hold anything the handheld's file cannot.
bool NeedsGridFile(const GridSettings& settings);

// True when the newest three points of settings are the calibration's pairs.
bool MatchesCalibration(const GridSettings& settings, const calib::CGPSMapFuncs& calibration,
                        int imageHeight);

// The calibration holding the newest three points of settings, with calibration's variation;
// calibration itself when it already holds them, so that its fit stays exactly as it is.
calib::CGPSMapFuncs CalibrationFor(const GridSettings& settings,
                                   const calib::CGPSMapFuncs& calibration, int imageHeight);

// The grid fit that places the pixels: null, with *error empty, when the handheld's model does
// or fewer than three points are held; null with *error set when the fit cannot be made (an
// unknown CRS, points too close or on one line).
std::shared_ptr<const GridGeoreference> FitGrid(const GridSettings& settings, std::string* error);

struct MapCalibrationRead {
    std::optional<MapGeoreference> georeference;
    bool calibrated = false; // the calibration file was read or the grid file's points fitted
    std::string error;       // "PATH: REASON" when there is no georeference
};

// The calibration files of the map baseName names (".mcd" and ".grid" added) for an image
// height pixels high, as the viewer reads them: the grid file, when there is one, decides the
// model; its points give way to the handheld's file where another program wrote that since.
// Missing files leave the map uncalibrated; a file that cannot be read or is damaged, or a grid
// file whose grid cannot be fitted, is an error.
MapCalibrationRead ReadMapCalibration(const std::string& baseName, int height);

} // namespace map
