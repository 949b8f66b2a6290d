#include "map/formats/GeoTiffPyramid.h"

#include "map/formats/GeoTiff.h"
#include "map/formats/JpegPyramid.h"
#include "map/formats/TiffFile.h"
#include "map/pyramid/PyramidBands.h"
#include "platform/JpegDecoder.h"

#include <tiffio.h>

#include <algorithm>
#include <vector>

namespace map {

namespace {

// The paper white picture that stands in while the tiles decode.
MapPyramid BlankPicture(int width, int height) {
    MapPyramid picture = MapPyramid::Allocate(platform::JpegScaledSide(width, kJpegPreviewScale),
                                              platform::JpegScaledSide(height, kJpegPreviewScale));
    if (picture.Empty())
        return picture;
    const std::vector<MapPixel> white(static_cast<std::size_t>(picture.Width()), 0xFFFFFFFFu);
    for (int y = 0; y < picture.Height(); ++y)
        picture.StoreRow(y, white.data());
    picture.BuildReducedLevels();
    return picture;
}

class Loader {
public:
    Loader(TiffFile& file, const TiffLayout& layout, MapPyramid& pyramid,
           const GeoTiffPyramidOptions& options, bool showRegions)
        : file_(file), layout_(layout), pyramid_(pyramid), bands_(pyramid), options_(options),
          showRegions_(showRegions), row_(static_cast<std::size_t>(layout.width)) {}

    // False with error_ set, or stopped_ set, when the load ends early.
    bool Tiles();
    bool Strips();

    std::string error_;
    bool stopped_ = false;

private:
    bool Tile(int column, int row);
    // Rows 0..rows of level 0 are complete: the bands under them are built, the caller told.
    bool RowsDone(int rows);

    TiffFile& file_;
    const TiffLayout& layout_;
    MapPyramid& pyramid_;
    PyramidBands bands_;
    const GeoTiffPyramidOptions& options_;
    bool showRegions_;
    std::vector<MapPixel> row_;
    std::vector<unsigned char> buffer_;
    int firstRegionRows_ = 0;
};

bool Loader::Tile(int column, int row) {
    const int x0 = column * layout_.tileWidth;
    const int y0 = row * layout_.tileHeight;
    TIFF* tif = file_.Handle();
    const tmsize_t size = TIFFTileSize(tif);
    buffer_.resize(static_cast<std::size_t>(size));
    const auto tile =
        TIFFComputeTile(tif, static_cast<std::uint32_t>(x0), static_cast<std::uint32_t>(y0), 0, 0);
    if (TIFFReadEncodedTile(tif, tile, buffer_.data(), size) < 0) {
        error_ = "the tile at column " + std::to_string(x0) + ", row " + std::to_string(y0) +
                 " cannot be read: " + file_.Reason("its data is damaged");
        return false;
    }
    const auto stride = static_cast<std::size_t>(TIFFTileRowSize(tif));
    const int width = std::min(layout_.tileWidth, layout_.width - x0);
    const int height = std::min(layout_.tileHeight, layout_.height - y0);
    for (int y = 0; y < height; ++y) {
        ConvertTiffRow(layout_, buffer_.data() + static_cast<std::size_t>(y) * stride, row_.data(),
                       width);
        pyramid_.StoreSpan(x0, y0 + y, row_.data(), width);
    }
    return true;
}

bool Loader::RowsDone(int rows) {
    bands_.Advance(rows);
    // Whole rows are told once they hold the first view's region: what shows never shrinks.
    if (showRegions_ && options_.regionStored && rows >= firstRegionRows_)
        options_.regionStored(pyramid_, layout_.width, rows);
    if (options_.progress(0.99 * rows / layout_.height))
        return true;
    stopped_ = true;
    return false;
}

bool Loader::Tiles() {
    const int columns = (layout_.width + layout_.tileWidth - 1) / layout_.tileWidth;
    const int rows = (layout_.height + layout_.tileHeight - 1) / layout_.tileHeight;
    // The first view's tiles first: the rest of the rows it crosses can take seconds.
    int firstColumns = 0;
    int firstRows = 0;
    if (showRegions_ && options_.firstColumns > 0 && options_.firstRows > 0) {
        firstColumns = std::min(columns, options_.firstColumns / layout_.tileWidth + 1);
        firstRows = std::min(rows, options_.firstRows / layout_.tileHeight + 1);
        for (int row = 0; row < firstRows; ++row)
            for (int column = 0; column < firstColumns; ++column)
                if (!Tile(column, row))
                    return false;
        firstRegionRows_ = std::min(layout_.height, firstRows * layout_.tileHeight);
        if (options_.regionStored)
            options_.regionStored(pyramid_,
                                  std::min(layout_.width, firstColumns * layout_.tileWidth),
                                  firstRegionRows_);
    }
    for (int row = 0; row < rows; ++row) {
        for (int column = row < firstRows ? firstColumns : 0; column < columns; ++column)
            if (!Tile(column, row))
                return false;
        if (!RowsDone(std::min(layout_.height, (row + 1) * layout_.tileHeight)))
            return false;
    }
    return true;
}

bool Loader::Strips() {
    TIFF* tif = file_.Handle();
    buffer_.resize(static_cast<std::size_t>(TIFFScanlineSize(tif)));
    for (int y = 0; y < layout_.height; ++y) {
        if (TIFFReadScanline(tif, buffer_.data(), static_cast<std::uint32_t>(y), 0) < 0) {
            error_ = "row " + std::to_string(y) +
                     " cannot be read: " + file_.Reason("its data is damaged");
            return false;
        }
        ConvertTiffRow(layout_, buffer_.data(), row_.data(), layout_.width);
        pyramid_.StoreRow(y, row_.data());
        if (((y + 1) % MapPyramid::kTileSize == 0 || y + 1 == layout_.height) && !RowsDone(y + 1))
            return false;
    }
    return true;
}

} // namespace

GeoTiffPyramid LoadGeoTiffPyramid(int fd, const GeoTiffPyramidOptions& options) {
    GeoTiffPyramid out;
    const std::unique_ptr<TiffFile> file = TiffFile::Open(fd, &out.error);
    if (!file)
        return out;
    TiffLayout layout;
    if (!file->ReadLayout(&layout, &out.error))
        return out;
    std::unique_ptr<PyramidTarget> target = options.target(layout.width, layout.height, &out.error);
    if (!target)
        return out;
    bool showRegions = false;
    if (options.preview &&
        static_cast<long long>(layout.width) * layout.height >= options.previewMinPixels) {
        MapPyramid picture = BlankPicture(layout.width, layout.height);
        showRegions = !picture.Empty();
        if (showRegions)
            options.preview(std::move(picture));
    }
    Loader loader(*file, layout, target->Pyramid(), options, showRegions);
    if (!(layout.tiled ? loader.Tiles() : loader.Strips())) {
        if (!loader.stopped_)
            out.error = std::move(loader.error_);
        return out;
    }
    out.map = target->Pyramid();
    out.keep = std::move(target);
    options.progress(1.0);
    return out;
}

ImageHeaderResult TiffImageHeader(int fd, const std::string& path, const DecodeContext*) {
    const GeoTiffHeaderResult tiff = ReadGeoTiffHeader(fd);
    if (!tiff.header)
        return {std::nullopt, path + ": " + tiff.error};
    return {ImageHeader{ImageKind::Tiff, tiff.header->width, tiff.header->height}, {}};
}

DecodedImage DecodeTiffImage(int fd, const std::string&, const DecodeContext& context) {
    OpenMapEvents& events = context.events;
    GeoTiffPyramidOptions tiff;
    tiff.progress = [&events](double done) { return events.Progress(done); };
    tiff.preview = [&events](MapPyramid picture) { events.EarlyPicture(std::move(picture)); };
    tiff.regionStored = [&events](MapPyramid map, int columns, int rows) {
        events.RowsStored(std::move(map), columns, rows);
    };
    tiff.previewMinPixels = context.options.earlyPictureMinPixels;
    tiff.firstColumns = context.options.firstViewWidth;
    tiff.firstRows = context.options.firstViewHeight;
    tiff.target = context.target;
    GeoTiffPyramid loaded = LoadGeoTiffPyramid(fd, tiff);
    DecodedImage out;
    out.map = std::move(loaded.map);
    out.error = std::move(loaded.error);
    out.keep = std::move(loaded.keep);
    return out;
}

} // namespace map
