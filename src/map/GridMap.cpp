#include "map/GridMap.h"

#include "map/formats/ImageHeader.h"

namespace map {

ShownMapResult ReadShownMap(const std::string& path) {
    MapSourceResult read = ReadMapSource(path);
    if (!read.source)
        return {nullptr, false, std::move(read.error), {}};
    MapSource& source = *read.source;
    if (!source.grid) {
        ImageMapResult image = ReadImageMap(source.imagePath);
        if (!image.map)
            return {nullptr, false, std::move(image.error), std::move(source.warnings)};
        return {std::make_unique<ImageMap>(std::move(*image.map)),
                image.calibrated,
                {},
                std::move(source.warnings)};
    }
    // Several overlays as one map: their grid and size are the mosaic's, their pixels not read.
    if (!source.overlays.empty())
        return {std::make_unique<GridMap>(std::string(source.format->name) + "/mosaic",
                                          source.width, source.height, std::move(source.grid)),
                true,
                {},
                std::move(source.warnings)};
    // A GeoTIFF or MBTiles file is its own image, sized by its reader.
    if (source.width > 0 && source.height > 0 && source.imagePath == source.path &&
        !source.imageFd.Valid())
        return {std::make_unique<GridMap>(std::string(source.format->name), source.width,
                                          source.height, std::move(source.grid),
                                          std::move(source.outline)),
                true,
                {},
                std::move(source.warnings)};
    const ImageHeaderResult header = source.imageFd.Valid()
                                         ? ReadImageHeader(source.imageFd.Get(), path)
                                         : ReadImageHeader(source.imagePath);
    if (!header.header)
        return {nullptr, false, header.error, std::move(source.warnings)};
    return {std::make_unique<GridMap>(std::string(source.format->name) + '/' +
                                          std::string(ImageKindName(header.header->kind)),
                                      header.header->width, header.header->height,
                                      std::move(source.grid), std::move(source.outline)),
            true,
            {},
            std::move(source.warnings)};
}

} // namespace map
