#pragma once

#include "base/MapPos.h"
#include "geo/Proj.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

// UTM: zones, latitude bands and the conversions between a geographic position and a zone's
// easting and northing. The projection itself is PROJ's; this file only says which zone, which
// band, and which CRS. UTM covers 80°S to 84°N; the polar caps beyond (UPS) are not handled.
namespace coords {

struct UtmPosition {
    int zone = 0;        // 1..60
    bool south = false;  // the southern hemisphere: false northing 10 000 km
    double easting = 0;  // metres, false easting 500 km
    double northing = 0; // metres
};

inline constexpr double kUtmSouthLimit = -80.0;
inline constexpr double kUtmNorthLimit = 84.0;

// The latitude band letter of a latitude in [-80, 84] (C..X without I and O, 8 degrees each,
// X from 72 to 84; exactly 84 is X); 0 outside.
char BandOf(double latitude);

struct LatitudeRange {
    double south = 0;
    double north = 0;
};
// The latitudes a band letter (upper case) covers; nothing for a letter that is no band.
std::optional<LatitudeRange> BandLatitudes(char band);

// The zone of a position within [-80, 84] latitude, with the wider zones off south-west Norway
// (32V) and around Svalbard (31X, 33X, 35X, 37X); longitude 180 counts as zone 60, -180 as 1.
// 0 outside UTM's range or for a non-finite position.
int ZoneOf(double latitude, double longitude);

struct LongitudeRange {
    double west = 0;
    double east = 0;
};
// The longitudes zone (1..60) covers within band (its exceptions included); nothing for the
// zones that do not exist in band X (32X, 34X, 36X) or a zone out of 1..60.
std::optional<LongitudeRange> ZoneLongitudes(int zone, char band);

// The PROJ definition of UTM zone/hemisphere on the datum of datumCrs (a geographic CRS as
// map::DatumCrs gives it: "EPSG:4230", or a "+proj=longlat" definition). WGS 84 gives
// "EPSG:32632"; other EPSG datums the zone's conversion on that base. Empty, with *error, for a
// datum written some other way.
std::string UtmCrs(int zone, bool south, std::string_view datumCrs, std::string* error);

// Whether datumCrs names WGS 84 ("EPSG:4326" in any case, or empty): its numbers need no shift.
bool IsWgs84(std::string_view datumCrs);

// A transform from `from` to `to`, made once per pair and kept for the program's run (the few
// datums and zones a user meets); null with *error as map::ProjTransform::Make sets it.
std::shared_ptr<const map::ProjTransform> CachedTransform(std::string_view from,
                                                          std::string_view to, std::string* error);

// A geographic position on datumCrs -> its UTM position in the zone ZoneOf gives. Nothing
// outside UTM's range or when PROJ cannot convert it.
std::optional<UtmPosition> ToUtm(const MapPos& position, std::string_view datumCrs);

// A position on datumCrs -> "32T 500000 4982950": zone, band, easting and northing rounded to
// the metre, on that datum's UTM. Empty outside UTM's range.
std::string FormatUtm(const MapPos& position, std::string_view datumCrs = map::kWgs84);

} // namespace coords
