#pragma once

#include "calib/CGPSMapFuncs.h"

#include <optional>
#include <string>
#include <string_view>

// The Qt-free logic of the Map Settings dialog: how the variation is split into a magnitude and
// a side and read back, and how the fitted parameters are shown.
namespace calib {

inline constexpr double kMaxMagVarMagnitude = 180.0;

// A variation as the dialog shows it: its magnitude and whether it is east. Zero is 0 East;
// -3.5 is 3.5 West.
struct MagVarEntry {
    double magnitude = 0.0;
    bool east = true;
};
MagVarEntry SplitMagVar(double magVar);
// West gives -magnitude, East +magnitude.
double SignedMagVar(const MagVarEntry& entry);

// The magnitude as the edit field shows it: the shortest plain decimal that reads back as the
// same number ("3.5", "0", "12.25"), never an exponent and never a decimal comma.
std::string FormatMagVarMagnitude(double magnitude);

// Reads the edit field: a plain decimal with a point ("3.5", "180", ".5", "+2", surrounding
// spaces allowed) from 0 to 180 inclusive. Anything else (empty, "1e2", "3,5", "-1", "180.5",
// "nan") gives nullopt.
std::optional<double> ParseMagVarMagnitude(std::string_view text);

// The six parameters as "A: %.10f   B: %.10f\nC: %.10f   D: %.10f\nE: %.10f   F: %.10f",
// formatted without regard to the process locale. An uncalibrated map gives
// "A: 0.0100000000   B: 0.0000000000\n...F: 52.0000000000".
std::string FormatCalibrationParams(const CGPSMapFuncs& calibration);

} // namespace calib
