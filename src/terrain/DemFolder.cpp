#include "terrain/DemFolder.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <limits>
#include <string_view>

namespace terrain {

namespace {

// The extensions of the elevation grids the enabled GDAL drivers read; a picture beside them
// (a PNG, a JPEG) is no DEM.
bool ElevationExtension(std::string extension) {
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    static constexpr std::string_view kExtensions[] = {
        ".tif", ".tiff", ".vrt",  ".img", ".asc", ".bil", ".flt", ".dem",  ".dt0", ".dt1", ".dt2",
        ".grd", ".ers",  ".sdat", ".rst", ".rsw", ".mtw", ".jp2", ".gpkg", ".ter", ".hf2", ".hfz"};
    return std::find(std::begin(kExtensions), std::end(kExtensions), extension) !=
           std::end(kExtensions);
}

} // namespace

DemFolder::DemFolder(std::string folder) : folder_(std::move(folder)) {}

const std::vector<std::shared_ptr<ElevationRaster>>& DemFolder::Rasters() {
    std::call_once(listed_, [this] {
        std::error_code ec;
        std::vector<std::filesystem::path> paths;
        for (std::filesystem::directory_iterator it(folder_, ec), end; !ec && it != end;
             it.increment(ec))
            if (it->is_regular_file(ec) && ElevationExtension(it->path().extension().string()))
                paths.push_back(it->path());
        std::sort(paths.begin(), paths.end());
        for (const std::filesystem::path& path : paths) {
            ElevationRaster::OpenResult opened = ElevationRaster::Open(path.string());
            if (opened.raster)
                rasters_.push_back(std::move(opened.raster));
            else
                rasterErrors_.push_back(std::move(opened.error));
        }
        std::stable_sort(rasters_.begin(), rasters_.end(), [](const auto& a, const auto& b) {
            return a->SampleMetres() < b->SampleMetres();
        });
    });
    return rasters_;
}

std::vector<std::string> DemFolder::RasterPaths() {
    std::vector<std::string> paths;
    for (const auto& raster : Rasters())
        paths.push_back(raster->Path());
    return paths;
}

std::vector<std::string> DemFolder::RasterErrors() {
    Rasters();
    return rasterErrors_;
}

void DemFolder::Used(const std::shared_ptr<ElevationRaster>& raster) {
    std::lock_guard lock(mutex_);
    if (!recentRasters_.empty() && recentRasters_.front() == raster.get())
        return;
    recentRasters_.remove(raster.get());
    recentRasters_.push_front(raster.get());
    if (recentRasters_.size() > kKeptRasters) {
        recentRasters_.back()->Release();
        recentRasters_.pop_back();
    }
}

std::optional<double> DemFolder::SampleMetres(double lat, double lon) {
    for (const auto& raster : Rasters())
        if (raster->Height(lat, lon).covered)
            return raster->SampleMetres();
    if (!(lat >= -90.0 && lat <= 90.0 && lon >= -180.0 && lon <= 180.0))
        return std::nullopt;
    const TileKey key{static_cast<int>(std::floor(std::min(lat, 89.5))),
                      static_cast<int>(std::floor(std::min(lon, 179.5)))};
    const Found found = TileFor(key);
    if (!found.tile)
        return std::nullopt;
    // A second of latitude is about 30.9 m.
    return 3600.0 / (found.tile->Size() - 1) * 30.87;
}

DemFolder::Found DemFolder::Locate(TileKey key) const {
    std::string name = TileName(key);
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const std::string& stem : {name, lower}) {
        for (const char* extension : {".hgt", ".hgt.zip"}) {
            const std::string path = folder_ + "/" + stem + extension;
            struct stat info {};
            if (::stat(path.c_str(), &info) != 0)
                continue;
            HgtTile::OpenResult opened = HgtTile::Open(path, key);
            return {std::move(opened.tile), std::move(opened.error)};
        }
    }
    return {};
}

DemFolder::Found DemFolder::TileFor(TileKey key) {
    std::lock_guard lock(mutex_);
    if (const auto known = found_.find(key); known != found_.end()) {
        if (known->second.tile) {
            recent_.remove(key);
            recent_.push_front(key);
        }
        return known->second;
    }
    Found found = Locate(key);
    if (found.tile) {
        recent_.push_front(key);
        if (recent_.size() > kKeptTiles) {
            found_.erase(recent_.back());
            recent_.pop_back();
        }
    }
    found_.emplace(key, found);
    return found;
}

HeightResult DemFolder::Height(double lat, double lon) {
    if (!(lat >= -90.0 && lat <= 90.0 && lon >= -180.0 && lon <= 180.0))
        return {};
    std::string voidIn;
    for (const auto& raster : Rasters()) {
        const RasterHeight h = raster->Height(lat, lon);
        if (!h.covered)
            continue;
        Used(raster);
        if (h.metres)
            return {HeightResult::Status::Ok,
                    *h.metres,
                    std::filesystem::path(raster->Path()).filename().string(),
                    {}};
        if (voidIn.empty())
            voidIn = std::filesystem::path(raster->Path()).filename().string();
    }
    HeightResult result = TileHeight(lat, lon);
    if (result.status == HeightResult::Status::Missing && !voidIn.empty()) {
        result.status = HeightResult::Status::Void;
        result.tile = voidIn;
    }
    return result;
}

void DemFolder::Heights(std::span<const MapPos> positions, double pixelMetres, float* out) {
    std::fill(out, out + positions.size(), std::numeric_limits<float>::quiet_NaN());
    for (const auto& raster : Rasters())
        if (raster->FillHeights(positions, pixelMetres, out))
            Used(raster);
    for (std::size_t i = 0; i < positions.size(); ++i)
        if (std::isnan(out[i]))
            if (const HeightResult h = TileHeight(positions[i].y, positions[i].x);
                h.status == HeightResult::Status::Ok)
                out[i] = static_cast<float>(h.metres);
}

HeightResult DemFolder::TileHeight(double lat, double lon) {
    HeightResult result;
    if (!(lat >= -90.0 && lat <= 90.0 && lon >= -180.0 && lon <= 180.0))
        return result;
    // The north and east edges belong to the tiles beyond them, which share those samples; the
    // poles and the antimeridian are answered by the tiles below and west of them.
    const TileKey key{static_cast<int>(std::floor(std::min(lat, 89.5))),
                      static_cast<int>(std::floor(std::min(lon, 179.5)))};
    result.tile = TileName(key);
    const Found found = TileFor(key);
    if (!found.tile) {
        result.status =
            found.error.empty() ? HeightResult::Status::Missing : HeightResult::Status::Damaged;
        result.error = found.error;
        return result;
    }
    const int last = found.tile->Size() - 1;
    const double x = (lon - key.lon) * last;
    const double y = (key.lat + 1 - lat) * last;
    const int col = std::clamp(static_cast<int>(std::floor(x)), 0, last - 1);
    const int row = std::clamp(static_cast<int>(std::floor(y)), 0, last - 1);
    const double fx = x - col;
    const double fy = y - row;
    const double weights[4] = {(1 - fx) * (1 - fy), fx * (1 - fy), (1 - fx) * fy, fx * fy};
    double sum = 0.0;
    for (int i = 0; i < 4; ++i) {
        if (weights[i] == 0.0)
            continue;
        const std::int16_t sample = found.tile->Sample(row + i / 2, col + i % 2);
        if (sample == kHgtVoid) {
            result.status = HeightResult::Status::Void;
            return result;
        }
        sum += weights[i] * sample;
    }
    result.status = HeightResult::Status::Ok;
    result.metres = sum;
    return result;
}

void DemFolder::Sample(double north, double west, double dLat, double dLon, int width, int height,
                       float* out, std::ptrdiff_t stride) {
    for (int r = 0; r < height; ++r) {
        float* row = out + r * stride;
        for (int c = 0; c < width; ++c) {
            const HeightResult h = Height(north - r * dLat, west + c * dLon);
            row[c] = h.status == HeightResult::Status::Ok ? static_cast<float>(h.metres)
                                                          : std::numeric_limits<float>::quiet_NaN();
        }
    }
}

} // namespace terrain
