#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace map {

// A datum as users know it from the margin of a paper map.
struct DatumChoice {
    std::string_view key;   // as typed on the command line: "ED50"
    std::string_view label; // as listed in the entry: "European Datum 1950 (ED50)"
    std::string_view crs;   // its geographic CRS for PROJ: "EPSG:4230"
};

// The common datums, WGS 84 first.
std::span<const DatumChoice> CommonDatums();

// The geographic CRS of a datum written as users write it: a key or label of the list (case and
// blanks ignored: "wgs 84", "ED50", "OSGB36", "NAD27"), "EPSG:NNNN" or any geographic CRS PROJ
// knows. Nothing, with *error naming the text ("ED51: unknown datum"), otherwise.
std::optional<std::string> DatumCrs(std::string_view name, std::string* error);

} // namespace map
