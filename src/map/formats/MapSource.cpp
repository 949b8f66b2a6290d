#include "map/formats/MapSource.h"

#include "geo/Proj.h"
#include "map/formats/ImageHeader.h"

#include <filesystem>

namespace map {

MapSourceResult SourceFailure(const std::string& path, const std::string& reason) {
    return {std::nullopt, path + ": " + reason};
}

std::shared_ptr<const GridGeoreference> SharedGrid(std::optional<GridGeoreference> grid) {
    return grid ? std::make_shared<const GridGeoreference>(std::move(*grid)) : nullptr;
}

std::string FolderOf(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

std::optional<MapPos> ImageMiddle(int width, int height) {
    if (width <= 0 || height <= 0)
        return std::nullopt;
    return MapPos(width / 2.0, height / 2.0);
}

std::optional<MapPos> ImageMiddle(const std::string& imagePath, std::string_view crs) {
    // The transform made to tell is the one FromAffine then takes from PROJ's kept ones.
    const auto toWgs84 = ProjTransform::Make(crs, kWgs84, nullptr);
    if (!toWgs84 || !toWgs84->FromGeographic())
        return std::nullopt;
    const ImageHeaderResult read = ReadImageHeader(imagePath);
    return read.header ? ImageMiddle(read.header->width, read.header->height) : std::nullopt;
}

MapSourceResult ReadMapSource(const std::string& path, const ReadCancelled& cancelled) {
    const RecognisedMap recognised = RecogniseMapFile(path);
    if (recognised.format == nullptr)
        return {std::nullopt, recognised.error, !recognised.unrecognised};
    MapSource source;
    source.format = recognised.format;
    source.path = path;
    return recognised.format->read(std::move(source), cancelled);
}

} // namespace map
