#pragma once

#include "base/MapPos.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

struct pj_ctx; // PROJ's PJ_CONTEXT

// The one door to PROJ: every projection and datum shift of the program goes through here.
namespace map {

// WGS 84 latitude/longitude: GPS positions, the handheld's files and every MapPos "geo".
inline constexpr std::string_view kWgs84 = "EPSG:4326";

// A conversion between two coordinate reference systems, made once and reused. A CRS is any
// definition PROJ accepts: "EPSG:32632", "+proj=utm +zone=32 +datum=WGS84 +type=crs", a WKT
// text, "OGC:CRS84". Axis order is normalised for both ends: x is the easting or longitude, y
// the northing or latitude; angles are decimal degrees, lengths the CRS's unit (metres).
// Const and safe to share between threads: each thread converts with its own PROJ context.
class ProjTransform {
public:
    // Null, with *error set to one line naming the definition and the reason
    // ("ED51: unknown coordinate reference system"), when PROJ cannot make it.
    static std::shared_ptr<const ProjTransform> Make(std::string_view from, std::string_view to,
                                                     std::string* error);
    virtual ~ProjTransform() = default;

    // from -> to, in place; false, leaving p as it was, when the point cannot be converted
    // (outside the projection's domain, not finite).
    [[nodiscard]] virtual bool Forward(MapPos& p) const = 0;
    // to -> from, in place, likewise.
    [[nodiscard]] virtual bool Inverse(MapPos& p) const = 0;
    // Many points at once (a trail after a calibration change); the points that cannot be
    // converted become non-finite. False when none could.
    virtual bool Forward(std::span<MapPos> points) const = 0;
    virtual bool Inverse(std::span<MapPos> points) const = 0;

    [[nodiscard]] virtual const std::string& From() const = 0;
    [[nodiscard]] virtual const std::string& To() const = 0;
    // Whether that end is latitude/longitude: its x is a longitude, which wraps at 180.
    [[nodiscard]] virtual bool FromGeographic() const = 0;
    [[nodiscard]] virtual bool ToGeographic() const = 0;
};

// This thread's PROJ context, for a library that asks for one (libgeotiff): it logs nothing
// and never goes on the network. Null when PROJ could not be started.
pj_ctx* ThreadProjContext();

// True when PROJ can be used: its database is found. Otherwise *error says what is missing and
// how to get it ("PROJ's database proj.db was not found: install the package proj-data").
bool ProjAvailable(std::string* error);

// What a definition names: latitude/longitude on a datum (2D or 3D), a projected grid, or
// anything else (geocentric, vertical, compound). Nothing, with *error naming the definition
// ("ED51: unknown coordinate reference system"), when it names no CRS.
enum class CrsKind { Geographic, Projected, Other };
std::optional<CrsKind> KindOfCrs(std::string_view definition, std::string* error);

// The distance on the WGS 84 ellipsoid between two WGS 84 positions (latitude in y, longitude
// in x), metres, exact to a few nanometres at any distance; NaN when either is not finite.
double GroundMetres(const MapPos& a, const MapPos& b);

// The CRS's name as PROJ knows it ("WGS 84 / UTM zone 32N"); empty, with *error, when the
// definition names no CRS.
std::string CrsName(std::string_view definition, std::string* error);

// The CRS as ESRI's WKT, the text a .prj beside a world file holds, on one line; empty, with
// *error, when the definition names no CRS or PROJ cannot write it so.
std::string CrsEsriWkt(std::string_view definition, std::string* error);

// definition (a projected or geographic CRS) moved onto a datum EPSG registers: that of the
// geographic CRS geographicCode, or when that is 0, the datum datumCode. For a grid defined by
// its own parameters on a registered datum, so that PROJ finds that datum's shift to WGS 84.
// WKT on one line; empty, with *error, when PROJ knows neither code or cannot describe the
// result.
std::string CrsOnEpsgDatum(std::string_view definition, int geographicCode, int datumCode,
                           std::string* error);

} // namespace map
