#include "terrain/DemFolder.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>

namespace terrain {

DemFolder::DemFolder(std::string folder) : folder_(std::move(folder)) {}

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
