#include "map/GridMap.h"

#include "map/GeoTiff.h"
#include "map/MbTiles.h"
#include "map/TiffFile.h"
#include "platform/FileIo.h"

namespace map {

GridMapResult ReadGridMap(const std::string& path) {
    GridMapResult out;
    int err = 0;
    const platform::UniqueFd fd = platform::OpenRegularFile(path, &err);
    if (!fd.Valid()) {
        out.error = path + ": " + platform::ErrorText(err);
        return out;
    }
    std::string why;
    if (IsTiffFile(fd.Get())) {
        out.recognised = true;
        const GeoTiffHeaderResult read = ReadGeoTiffHeader(fd.Get());
        if (!read.header) {
            out.error = path + ": " + read.error;
            return out;
        }
        std::optional<GridGeoreference> grid;
        why = read.header->warning;
        if (!read.header->crs.empty()) {
            grid = GridGeoreference::FromAffine(read.header->crs, read.header->worldFile, &why);
            if (!grid)
                why = "The file's coordinate system cannot be used (" + why +
                      "); it opens uncalibrated.";
        }
        out.map.emplace("geotiff", read.header->width, read.header->height, std::move(grid));
    } else if (IsMbTilesFile(fd.Get())) {
        out.recognised = true;
        const MbTilesInfoResult read = ReadMbTilesInfo(path);
        if (!read.info) {
            out.error = path + ": " + read.error;
            return out;
        }
        std::optional<GridGeoreference> grid =
            GridGeoreference::FromAffine(kWebMercator, read.info->WorldFile(), &why);
        out.map.emplace("mbtiles", read.info->Width(), read.info->Height(), std::move(grid));
    } else {
        out.error = path + ": neither a GeoTIFF nor an MBTiles file";
        return out;
    }
    if (!out.map->Grid())
        out.warning = path + ": " + why;
    return out;
}

} // namespace map
