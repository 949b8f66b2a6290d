#include "coords/Utm.h"

#include "base/Number.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <mutex>
#include <utility>

namespace coords {

namespace {

constexpr std::string_view kBands = "CDEFGHJKLMNPQRSTUVWX";

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

// "EPSG:4230" -> 4230; nothing for any other text.
std::optional<int> EpsgCode(std::string_view crs) {
    if (crs.size() <= 5 || !EqualNoCase(crs.substr(0, 5), "EPSG:"))
        return std::nullopt;
    return base::ParseExact<int>(crs.substr(5), 1, 999999);
}

} // namespace

char BandOf(double latitude) {
    if (!(latitude >= kUtmSouthLimit && latitude <= kUtmNorthLimit))
        return 0;
    // X is 12 degrees tall, so 80..84 falls into it too.
    const auto index = std::min<std::size_t>(
        static_cast<std::size_t>((latitude - kUtmSouthLimit) / 8.0), kBands.size() - 1);
    return kBands[index];
}

std::optional<LatitudeRange> BandLatitudes(char band) {
    const std::size_t index = kBands.find(band);
    if (band == 0 || index == std::string_view::npos)
        return std::nullopt;
    const double south = kUtmSouthLimit + 8.0 * static_cast<double>(index);
    return LatitudeRange{south, band == 'X' ? kUtmNorthLimit : south + 8.0};
}

int ZoneOf(double latitude, double longitude) {
    const char band = BandOf(latitude);
    if (band == 0 || !(longitude >= -180.0 && longitude <= 180.0))
        return 0;
    if (band == 'V' && longitude >= 3.0 && longitude < 12.0)
        return 32;
    if (band == 'X' && longitude >= 0.0 && longitude < 42.0)
        return longitude < 9.0 ? 31 : longitude < 21.0 ? 33 : longitude < 33.0 ? 35 : 37;
    return std::clamp(static_cast<int>(std::floor((longitude + 180.0) / 6.0)) + 1, 1, 60);
}

std::optional<LongitudeRange> ZoneLongitudes(int zone, char band) {
    if (zone < 1 || zone > 60)
        return std::nullopt;
    if (band == 'V' && (zone == 31 || zone == 32))
        return zone == 31 ? LongitudeRange{0.0, 3.0} : LongitudeRange{3.0, 12.0};
    if (band == 'X' && zone >= 31 && zone <= 37) {
        if (zone % 2 == 0)
            return std::nullopt;
        static constexpr LongitudeRange kSvalbard[] = {{0, 9}, {9, 21}, {21, 33}, {33, 42}};
        return kSvalbard[(zone - 31) / 2];
    }
    const double west = -180.0 + 6.0 * (zone - 1);
    return LongitudeRange{west, west + 6.0};
}

bool IsWgs84(std::string_view datumCrs) {
    return datumCrs.empty() || EqualNoCase(datumCrs, map::kWgs84);
}

std::string UtmCrs(int zone, bool south, std::string_view datumCrs, std::string* error) {
    const std::string zoneText = std::to_string(zone);
    if (IsWgs84(datumCrs))
        return (south ? "EPSG:327" : "EPSG:326") + base::FormatPadded(zone, 2);
    if (const auto code = EpsgCode(datumCrs)) {
        // EPSG's UTM conversions are 16001..16060 (north) and 16101..16160 (south); with the
        // datum's own geographic CRS as base they give UTM on that datum, whichever it is.
        return "urn:ogc:def:crs,crs:EPSG::" + std::to_string(*code) +
               ",cs:EPSG::4400,coordinateOperation:EPSG::" +
               std::to_string((south ? 16100 : 16000) + zone);
    }
    for (std::string_view longlat : {"+proj=longlat", "+proj=latlong"}) {
        if (datumCrs.size() >= longlat.size() &&
            EqualNoCase(datumCrs.substr(0, longlat.size()), longlat)) {
            std::string crs = "+proj=utm +zone=" + zoneText + (south ? " +south" : "");
            crs += datumCrs.substr(longlat.size());
            return crs;
        }
    }
    if (error)
        *error = std::string(datumCrs) + ": UTM on this datum needs it as an EPSG code";
    return {};
}

std::shared_ptr<const map::ProjTransform> CachedTransform(std::string_view from,
                                                          std::string_view to, std::string* error) {
    // Making a transform reads PROJ's database (milliseconds); a status line rebuilt every
    // second must not pay that each time.
    static std::mutex mutex;
    static std::map<std::pair<std::string, std::string>, std::shared_ptr<const map::ProjTransform>>
        cache;
    std::pair<std::string, std::string> key{std::string(from), std::string(to)};
    {
        const std::lock_guard lock(mutex);
        if (const auto it = cache.find(key); it != cache.end())
            return it->second;
    }
    auto transform = map::ProjTransform::Make(from, to, error);
    if (transform) {
        const std::lock_guard lock(mutex);
        // Typed free-text datums are unbounded in number; a user never needs many at once.
        if (cache.size() >= 64)
            cache.clear();
        cache.emplace(std::move(key), transform);
    }
    return transform;
}

std::optional<UtmPosition> ToUtm(const MapPos& position, std::string_view datumCrs) {
    const int zone = ZoneOf(position.y, position.x);
    if (zone == 0)
        return std::nullopt;
    UtmPosition utm;
    utm.zone = zone;
    utm.south = position.y < 0.0;
    const std::string crs = UtmCrs(zone, utm.south, datumCrs, nullptr);
    if (crs.empty())
        return std::nullopt;
    const auto transform =
        CachedTransform(IsWgs84(datumCrs) ? map::kWgs84 : datumCrs, crs, nullptr);
    MapPos p = position;
    if (!transform || !transform->Forward(p))
        return std::nullopt;
    utm.easting = p.x;
    utm.northing = p.y;
    return utm;
}

std::string FormatUtm(const MapPos& position, std::string_view datumCrs) {
    const auto utm = ToUtm(position, datumCrs);
    if (!utm)
        return {};
    std::string text = std::to_string(utm->zone);
    text += BandOf(position.y);
    text += ' ';
    text += base::FormatPadded(std::llround(utm->easting), 0);
    text += ' ';
    text += base::FormatPadded(std::llround(utm->northing), 0);
    return text;
}

} // namespace coords
