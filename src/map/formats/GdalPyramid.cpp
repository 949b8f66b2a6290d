#include "map/formats/GdalPyramid.h"

#include "map/formats/GdalLibrary.h"
#include "map/formats/GdalRaster.h"
#include "map/formats/JpegPyramid.h"
#include "map/pyramid/PyramidBands.h"
#include "platform/JpegDecoder.h"

#include <cpl_string.h>
#include <gdal.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace map {

namespace {

// What stands where a file has no picture: nodata, transparency, a collar.
constexpr MapPixel kPaper = 0xFFFFFFFFu;

// Columns read at once: with a strip of kTileSize rows, a few megabytes a band.
constexpr int kWindowColumns = 8 * MapPyramid::kTileSize;

struct Channel {
    GDALRasterBandH band = nullptr;
    double low = 0.0; // the sample shown black
    double high = 255.0;
    bool hasNoData = false;
    double noData = 0.0;
};

// How the samples of a dataset become pixels: three colour bands, a palette, or one grey band,
// each stretched between its low and high value, with an alpha band when there is one.
class PixelSource {
public:
    PixelSource(GDALDatasetH dataset, const OpenMapOptions& options, OpenMapEvents& events);

    // The window (x, y, width x height of the file) read into columns x rows pixels, row by row;
    // false with *error.
    bool Read(int x, int y, int width, int height, int columns, int rows,
              std::vector<MapPixel>* out, std::string* error);

private:
    Channel MakeChannel(GDALRasterBandH band) const;
    const OpenMapOptions& options_;

    OpenMapEvents& events_;
    std::vector<Channel> colour_; // one (grey or palette) or three (red, green, blue)
    GDALRasterBandH alpha_ = nullptr;
    std::vector<MapPixel> palette_;
    std::vector<std::vector<double>> samples_;
    std::vector<double> alphaSamples_;
};

// The values at the low and high percentiles of the band's finite samples other than nodata,
// read from a picture of at most kPercentileSide pixels a side (its overviews, where it has
// them); nothing when it cannot be read or holds no such sample.
std::optional<std::array<double, 2>> Percentiles(const Channel& channel, double low, double high) {
    constexpr int kPercentileSide = 1024;
    const int width = GDALGetRasterBandXSize(channel.band);
    const int height = GDALGetRasterBandYSize(channel.band);
    const int columns = std::min(width, kPercentileSide);
    const int rows = std::min(height, kPercentileSide);
    std::vector<double> values(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows));
    if (GDALRasterIO(channel.band, GF_Read, 0, 0, width, height, values.data(), columns, rows,
                     GDT_Float64, 0, 0) != CE_None)
        return std::nullopt;
    std::erase_if(values, [&](double v) {
        return !std::isfinite(v) || (channel.hasNoData && v == channel.noData);
    });
    if (values.empty())
        return std::nullopt;
    const auto at = [&values](double percent) {
        const auto last = static_cast<double>(values.size() - 1);
        const auto nth =
            values.begin() +
            static_cast<std::ptrdiff_t>(std::lround(std::clamp(percent, 0.0, 100.0) / 100 * last));
        std::nth_element(values.begin(), nth, values.end());
        return *nth;
    };
    return std::array<double, 2>{at(low), at(high)};
}

Channel PixelSource::MakeChannel(GDALRasterBandH band) const {
    Channel channel;
    channel.band = band;
    int has = 0;
    channel.noData = GDALGetRasterNoDataValue(band, &has);
    channel.hasNoData = has != 0;
    if (GDALGetRasterDataType(band) == GDT_Byte)
        return channel;
    // Elevations and 16-bit scans span their own range, far from 0..255: shown across it.
    std::array<double, 2> range{0.0, 255.0};
    if (GDALComputeRasterMinMax(band, TRUE, range.data()) == CE_None && std::isfinite(range[0]) &&
        std::isfinite(range[1])) {
        channel.low = range[0];
        channel.high = range[1];
    }
    const double low = options_.stretchLowPercent;
    const double high = options_.stretchHighPercent;
    if (low > 0 || high < 100) {
        if (const auto values = Percentiles(channel, low, high);
            values && (*values)[0] < (*values)[1]) {
            channel.low = (*values)[0];
            channel.high = (*values)[1];
        }
    }
    return channel;
}

PixelSource::PixelSource(GDALDatasetH dataset, const OpenMapOptions& options, OpenMapEvents& events)
    : options_(options), events_(events) {
    const int count = GDALGetRasterCount(dataset);
    GDALRasterBandH first = GDALGetRasterBand(dataset, 1);
    GDALColorTableH table = GDALGetRasterColorTable(first);
    if (count >= 3) {
        for (int i = 1; i <= 3; ++i)
            colour_.push_back(MakeChannel(GDALGetRasterBand(dataset, i)));
        if (count >= 4 &&
            GDALGetRasterColorInterpretation(GDALGetRasterBand(dataset, 4)) == GCI_AlphaBand)
            alpha_ = GDALGetRasterBand(dataset, 4);
    } else {
        colour_.push_back(MakeChannel(first));
        if (count == 2 &&
            GDALGetRasterColorInterpretation(GDALGetRasterBand(dataset, 2)) == GCI_AlphaBand)
            alpha_ = GDALGetRasterBand(dataset, 2);
    }
    if (colour_.size() == 1 && table != nullptr &&
        GDALGetRasterColorInterpretation(first) == GCI_PaletteIndex) {
        const int entries = std::min(GDALGetColorEntryCount(table), 65536);
        for (int i = 0; i < entries; ++i) {
            GDALColorEntry rgb{};
            GDALGetColorEntryAsRGB(table, i, &rgb);
            palette_.push_back(rgb.c4 < 128
                                   ? kPaper
                                   : 0xFF000000u | static_cast<MapPixel>(rgb.c1 & 0xFF) << 16 |
                                         static_cast<MapPixel>(rgb.c2 & 0xFF) << 8 |
                                         static_cast<MapPixel>(rgb.c3 & 0xFF));
        }
    }
    samples_.resize(colour_.size());
}

bool PixelSource::Read(int x, int y, int width, int height, int columns, int rows,
                       std::vector<MapPixel>* out, std::string* error) {
    const auto size = static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows);
    const auto read = [&](GDALRasterBandH band, std::vector<double>& into) {
        into.resize(size);
        // A page that renders for long, or a slow driver, still stops when asked.
        GDALRasterIOExtraArg extra;
        INIT_RASTERIO_EXTRA_ARG(extra);
        extra.pfnProgress = [](double, const char*, void* events) {
            return static_cast<OpenMapEvents*>(events)->Cancelled() ? FALSE : TRUE;
        };
        extra.pProgressData = &events_;
        return GDALRasterIOEx(band, GF_Read, x, y, width, height, into.data(), columns, rows,
                              GDT_Float64, 0, 0, &extra) == CE_None;
    };
    for (std::size_t c = 0; c < colour_.size(); ++c) {
        if (!read(colour_[c].band, samples_[c])) {
            *error = GdalReason("its pixels cannot be read");
            return false;
        }
    }
    if (alpha_ != nullptr && !read(alpha_, alphaSamples_)) {
        *error = GdalReason("its pixels cannot be read");
        return false;
    }
    out->resize(size);
    for (std::size_t i = 0; i < size; ++i) {
        MapPixel pixel = 0xFF000000u;
        bool blank = alpha_ != nullptr && alphaSamples_[i] < 128;
        for (std::size_t c = 0; c < colour_.size() && !blank; ++c) {
            const Channel& channel = colour_[c];
            const double v = samples_[c][i];
            blank = !std::isfinite(v) || (channel.hasNoData && v == channel.noData);
            if (blank)
                break;
            if (!palette_.empty()) {
                const double index = std::clamp(v, 0.0, static_cast<double>(palette_.size() - 1));
                pixel = palette_[static_cast<std::size_t>(index)];
                continue;
            }
            const double span = channel.high - channel.low;
            const double level =
                span > 0 ? std::clamp((v - channel.low) / span, 0.0, 1.0) * 255.0 + 0.5 : 128.0;
            const auto byte = static_cast<MapPixel>(level);
            pixel |= colour_.size() == 1 ? byte << 16 | byte << 8 | byte
                                         : byte << (8 * (2 - static_cast<unsigned>(c)));
        }
        (*out)[i] = blank ? kPaper : pixel;
    }
    return true;
}

// Paper white over what lies outside the neat line (pixel positions, scaled by scale) in the
// rows y0.. of a window x0.., columns wide.
void ClipToNeatLine(const std::vector<MapPos>& line, double scale, int x0, int y0, int columns,
                    int rows, std::vector<MapPixel>* pixels) {
    if (line.empty())
        return;
    std::vector<double> crossings;
    for (int r = 0; r < rows; ++r) {
        const double y = (y0 + r + 0.5) * scale;
        crossings.clear();
        for (std::size_t i = 0; i < line.size(); ++i) {
            const MapPos& a = line[i];
            const MapPos& b = line[(i + 1) % line.size()];
            if ((a.y <= y) != (b.y <= y))
                crossings.push_back(a.x + (y - a.y) / (b.y - a.y) * (b.x - a.x));
        }
        std::ranges::sort(crossings);
        for (int c = 0; c < columns; ++c) {
            const double x = (x0 + c + 0.5) * scale;
            const auto before = std::ranges::upper_bound(crossings, x) - crossings.begin();
            if (before % 2 == 0)
                (*pixels)[static_cast<std::size_t>(r) * static_cast<std::size_t>(columns) +
                          static_cast<std::size_t>(c)] = kPaper;
        }
    }
}

bool NamesOtherFiles(GDALDatasetH dataset) {
    char** list = GDALGetFileList(dataset);
    const int count = CSLCount(list);
    CSLDestroy(list);
    return count > 1;
}

} // namespace

ImageHeaderResult GdalImageHeader(int, const std::string& path, const DecodeContext*) {
    std::string error;
    const GdalDataset dataset = OpenGdalRaster(path, &error);
    if (!dataset)
        return {std::nullopt, path + ": " + error};
    return {ImageHeader{ImageKind::Other, GDALGetRasterXSize(dataset.get()),
                        GDALGetRasterYSize(dataset.get())},
            {}};
}

DecodedImage DecodeGdalImage(int, const std::string& path, const DecodeContext& context) {
    DecodedImage out;
    const GdalDataset dataset = OpenGdalRaster(path, &out.error);
    if (!dataset)
        return out;
    GDALDatasetH handle = dataset.get();
    const int width = GDALGetRasterXSize(handle);
    const int height = GDALGetRasterYSize(handle);
    std::unique_ptr<PyramidTarget> target = context.target(width, height, &out.error);
    if (!target)
        return out;
    MapPyramid& pyramid = target->Pyramid();
    PixelSource source(handle, context.options, context.events);
    const std::vector<MapPos> neatLine = GdalNeatLinePixels(handle);
    OpenMapEvents& events = context.events;
    std::vector<MapPixel> pixels;

    // A small picture to show while the rest is read: from the file's overviews, which cost
    // little, else paper white (a page renders no faster small).
    bool showRegions = false;
    if (static_cast<long long>(width) * height >= context.options.earlyPictureMinPixels) {
        MapPyramid picture =
            MapPyramid::Allocate(platform::JpegScaledSide(width, kJpegPreviewScale),
                                 platform::JpegScaledSide(height, kJpegPreviewScale));
        const bool overviews = GDALGetOverviewCount(GDALGetRasterBand(handle, 1)) > 0;
        // Band by band, so that only a few rows of the picture are held besides it.
        constexpr int kBand = 64;
        for (int p0 = 0; !picture.Empty() && p0 < picture.Height(); p0 += kBand) {
            const int rows = std::min(kBand, picture.Height() - p0);
            const int y0 = p0 * kJpegPreviewScale;
            const int fileRows = std::min(rows * kJpegPreviewScale, height - y0);
            if (!overviews || fileRows <= 0 ||
                !source.Read(0, y0, width, fileRows, picture.Width(), rows, &pixels, &out.error))
                pixels.assign(static_cast<std::size_t>(picture.Width()) *
                                  static_cast<std::size_t>(rows),
                              kPaper);
            ClipToNeatLine(neatLine, kJpegPreviewScale, 0, p0, picture.Width(), rows, &pixels);
            for (int r = 0; r < rows; ++r)
                picture.StoreRow(p0 + r,
                                 pixels.data() + static_cast<std::size_t>(r) *
                                                     static_cast<std::size_t>(picture.Width()));
        }
        if (!picture.Empty()) {
            picture.BuildReducedLevels();
            events.EarlyPicture(std::move(picture));
            showRegions = true;
        }
        out.error.clear();
    }

    // Columns x0..x1 of the rows y0.. (at most a strip) into level 0.
    const auto store = [&](int x0, int x1, int y0, int rows) {
        for (; x0 < x1; x0 += kWindowColumns) {
            const int columns = std::min(kWindowColumns, x1 - x0);
            if (!source.Read(x0, y0, columns, rows, columns, rows, &pixels, &out.error))
                return false;
            ClipToNeatLine(neatLine, 1.0, x0, y0, columns, rows, &pixels);
            for (int r = 0; r < rows; ++r)
                pyramid.StoreSpan(x0, y0 + r,
                                  pixels.data() + static_cast<std::size_t>(r) *
                                                      static_cast<std::size_t>(columns),
                                  columns);
        }
        return true;
    };
    // The first view's windows first: the rest of the rows it crosses can take seconds.
    const auto tiles = [](int side) {
        return (side + MapPyramid::kTileSize - 1) / MapPyramid::kTileSize * MapPyramid::kTileSize;
    };
    int regionColumns = 0;
    int regionRows = 0;
    if (showRegions && context.options.firstViewWidth > 0 && context.options.firstViewHeight > 0) {
        regionColumns = std::min(width, tiles(context.options.firstViewWidth));
        regionRows = std::min(height, tiles(context.options.firstViewHeight));
        for (int y0 = 0; y0 < regionRows; y0 += MapPyramid::kTileSize)
            if (!store(0, regionColumns, y0, std::min(MapPyramid::kTileSize, regionRows - y0)))
                return events.Cancelled() ? DecodedImage{} : std::move(out);
        events.RowsStored(pyramid, regionColumns, regionRows);
    }
    PyramidBands bands(pyramid);
    for (int y0 = 0; y0 < height; y0 += MapPyramid::kTileSize) {
        const int rows = std::min(MapPyramid::kTileSize, height - y0);
        if (!store(y0 < regionRows ? regionColumns : 0, width, y0, rows))
            return events.Cancelled() ? DecodedImage{} : std::move(out);
        bands.Advance(y0 + rows);
        // Whole rows are told once they hold the first view's region: what shows never shrinks.
        if (showRegions && y0 + rows >= regionRows)
            events.RowsStored(pyramid, width, y0 + rows);
        if (!events.Progress(0.99 * (y0 + rows) / height))
            return {};
    }
    if (NamesOtherFiles(handle)) {
        out.map = target->Discard();
    } else {
        out.map = target->Pyramid();
        out.keep = std::move(target);
    }
    events.Progress(1.0);
    return out;
}

} // namespace map
