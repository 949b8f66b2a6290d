#pragma once

#include <optional>
#include <string_view>

// Reading the leading number of an NMEA field the way the C scanf conversions "%lf" and "%f"
// read it ("%d" is base::ScanInt), but independent of the process locale: leading blanks
// (space, \t, \n, \v, \f, \r) are skipped, one optional sign is taken, and reading stops at
// the first character that does not fit, so "0.9abc" reads as 0.9. The result is empty when
// the text does not start with a number ("", "abc", "-", ".").
//
// Unlike scanf, a value that cannot be held (a float or double that overflows or underflows)
// and the texts "inf", "infinity" and "nan" also give an empty result: a receiver never means
// them, and they must not reach positions or the status line.
namespace gps {

// "%lf": decimal with optional fraction and exponent ("1.5e2"), or hexadecimal ("0x1.8p1").
std::optional<double> ScanDouble(std::string_view text);
// "%f": as ScanDouble, but rounded once, directly from the text, to single precision.
std::optional<float> ScanFloat(std::string_view text);

} // namespace gps
