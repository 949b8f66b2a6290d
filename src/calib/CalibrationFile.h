#pragma once

#include "calib/CGPSMapFuncs.h"
#include "platform/FileIo.h"

#include <string>
#include <string_view>

namespace calib {

// The files beside a map image share its name: the image path with exactly its last four
// characters removed ("/maps/area.gif" -> "/maps/area", "area.jpeg" -> "area."), then ".mcd"
// for the calibration and ".pts" for the map points. Characters, not bytes: a UTF-8 sequence
// is never cut. A path of fewer than four characters gives "".
// One map of a file of several ("/maps/sheets.pdf#2", see base::SplitChosenMap) has the file's
// base name and its number ("/maps/sheets#2"), so that each map keeps its own files.
std::string MapBaseName(std::string_view imagePath);
std::string CalibrationFileName(std::string_view mapBaseName); // mapBaseName + ".mcd"
std::string PointsFileName(std::string_view mapBaseName);      // mapBaseName + ".pts"

// Reads the calibration file at path into calibration: on Loaded the points and variation are
// replaced (and refitted when three pairs were read; check calibration.GetFitResult() for three
// that could not be fitted). Anything else leaves the calibration exactly as it was.
platform::LoadResult LoadCalibrationFile(const std::string& path, CGPSMapFuncs& calibration);

// Writes the calibration file at path atomically (temporary file, then rename): on failure the
// old file is intact and the result names the path and the reason.
platform::FileResult SaveCalibrationFile(const std::string& path, const CGPSMapFuncs& calibration);

} // namespace calib
