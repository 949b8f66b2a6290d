#pragma once

#include "tool/ArgParser.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace map {
class Georeference;
}

// The --pixel X Y and --geo LAT LON options that calib and map share.
namespace tool {

struct Conversion {
    bool fromPixel; // --pixel X Y, else --geo LAT LON
    double first, second;
};

struct Conversions {
    std::vector<Conversion> list; // in command-line order
    std::string error;            // why one is refused; empty when none is
};

Conversions ParseConversions(const ParsedArgs& args);

// "LAT LON" for each --pixel (column, row from the top), "X Y" for each --geo, one a line.
void PrintConversions(const std::vector<Conversion>& conversions,
                      const map::Georeference& georeference, std::ostream& out);

} // namespace tool
