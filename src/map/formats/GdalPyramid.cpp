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

struct Channel {
    GDALRasterBandH band = nullptr;
    double low = 0.0; // the sample shown black
    double high = 255.0;
    bool hasNoData = false;
    double noData = 0.0;
};

// Samples read at once (a few strips of a wide map), made into pixels a row at a time.
constexpr std::size_t kReadBytes = std::size_t{64} << 20;

// How the samples of a dataset become pixels: three colour bands, a palette, or one grey band,
// each stretched between its low and high value, with an alpha band when there is one.
class PixelSource {
public:
    PixelSource(GDALDatasetH dataset, const OpenMapOptions& options, OpenMapEvents& events);

    // Reads the window (x, y, width x height of the file) as columns x rows samples; false
    // with *error.
    bool Read(int x, int y, int width, int height, int columns, int rows, std::string* error);
    // Row r of the last window read, as pixels.
    void Row(int r, std::vector<MapPixel>* out) const;
    // The bytes of samples one pixel takes in a read.
    [[nodiscard]] std::size_t SampleBytes() const {
        return bands_.size() * static_cast<std::size_t>(GDALGetDataTypeSizeBytes(type_));
    }

private:
    Channel MakeChannel(GDALRasterBandH band) const;
    template <typename Sample> void Convert(std::size_t first, std::vector<MapPixel>* out) const;

    GDALDatasetH dataset_;
    const OpenMapOptions& options_;
    OpenMapEvents& events_;
    std::vector<Channel> colour_; // one (grey or palette) or three (red, green, blue)
    bool alpha_ = false;          // the band after the colour bands is their alpha
    std::vector<int> bands_;      // the dataset's bands read: colour_, then the alpha band
    // Bytes where every band read holds bytes (a PDF's renderer and a JPEG 2000's decoder then
    // serve the window in one pass for all bands), else doubles.
    GDALDataType type_ = GDT_Float64;
    std::vector<MapPixel> palette_;
    // Band after band; doubles, so that either type reads them without breaking aliasing.
    std::vector<double> samples_;
    int columns_ = 0; // of the last window read
    int rows_ = 0;
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
    // Elevations and 16-bit scans span their own range, far from 0..255: shown across it. Not
    // GDAL's own minimum and maximum: they go on past a block that cannot be read, and in a
    // truncated ASCII grid each line after the last good one reads every line back to it again,
    // minutes for a file of 300 bytes; a read of the picture stops at the first.
    if (const auto range = Percentiles(channel, 0.0, 100.0)) {
        channel.low = (*range)[0];
        channel.high = (*range)[1];
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
    : dataset_(dataset), options_(options), events_(events) {
    const int count = GDALGetRasterCount(dataset);
    GDALRasterBandH first = GDALGetRasterBand(dataset, 1);
    GDALColorTableH table = GDALGetRasterColorTable(first);
    const int colours = count >= 3 ? 3 : 1;
    for (int i = 1; i <= colours; ++i) {
        colour_.push_back(MakeChannel(GDALGetRasterBand(dataset, i)));
        bands_.push_back(i);
    }
    // RGBA, or grey and alpha.
    const int alpha = colours == 3 ? 4 : 2;
    if (count >= alpha && (colours == 3 || count == 2) &&
        GDALGetRasterColorInterpretation(GDALGetRasterBand(dataset, alpha)) == GCI_AlphaBand) {
        alpha_ = true;
        bands_.push_back(alpha);
    }
    if (std::ranges::all_of(bands_, [&](int band) {
            return GDALGetRasterDataType(GDALGetRasterBand(dataset, band)) == GDT_Byte;
        }))
        type_ = GDT_Byte;
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
}

bool PixelSource::Read(int x, int y, int width, int height, int columns, int rows,
                       std::string* error) {
    const auto size = static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows);
    columns_ = columns;
    rows_ = rows;
    samples_.resize((size * SampleBytes() + sizeof(double) - 1) / sizeof(double));
    // A page that renders for long, or a slow driver, still stops when asked.
    GDALRasterIOExtraArg extra;
    INIT_RASTERIO_EXTRA_ARG(extra);
    extra.pfnProgress = [](double, const char*, void* events) {
        return static_cast<OpenMapEvents*>(events)->Cancelled() ? FALSE : TRUE;
    };
    extra.pProgressData = &events_;
    // All bands in one call: band by band, a driver may render or decode the window again for
    // each band.
    const auto sample = static_cast<GSpacing>(GDALGetDataTypeSizeBytes(type_));
    if (GDALDatasetRasterIOEx(dataset_, GF_Read, x, y, width, height, samples_.data(), columns,
                              rows, type_, static_cast<int>(bands_.size()), bands_.data(), sample,
                              sample * columns, sample * static_cast<GSpacing>(size),
                              &extra) != CE_None) {
        *error = GdalReason("its pixels cannot be read");
        return false;
    }
    return true;
}

void PixelSource::Row(int r, std::vector<MapPixel>* out) const {
    const std::size_t first = static_cast<std::size_t>(r) * static_cast<std::size_t>(columns_);
    if (type_ == GDT_Byte)
        Convert<unsigned char>(first, out);
    else
        Convert<double>(first, out);
}

template <typename Sample>
void PixelSource::Convert(std::size_t first, std::vector<MapPixel>* out) const {
    const std::size_t size = static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_);
    const auto* samples = reinterpret_cast<const Sample*>(samples_.data());
    const Sample* alphas = alpha_ ? samples + colour_.size() * size : nullptr;
    out->resize(static_cast<std::size_t>(columns_));
    for (std::size_t i = first; i < first + out->size(); ++i) {
        MapPixel pixel = 0xFF000000u;
        bool blank = alphas != nullptr && alphas[i] < 128;
        for (std::size_t c = 0; c < colour_.size() && !blank; ++c) {
            const Channel& channel = colour_[c];
            const auto v = static_cast<double>(samples[c * size + i]);
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
        (*out)[i - first] = blank ? kPaper : pixel;
    }
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

// Drivers whose overviews are made from the whole file at each read (a JPEG 2000's resolution
// levels decode every tile): a picture from them costs many first views, so it comes after.
bool CostlyOverviews(GDALDatasetH dataset) {
    GDALDriverH driver = GDALGetDatasetDriver(dataset);
    const std::string_view name = driver != nullptr ? GDALGetDriverShortName(driver) : "";
    return name == "JP2OpenJPEG" || name == "PDF";
}

// Whole tiles of at most kReadBytes of samples (sampleBytes a pixel) out of columns x rows,
// columns first.
std::array<int, 2> ReadShape(int columns, int rows, std::size_t sampleBytes) {
    const auto tiles = [](std::size_t side, int most) {
        const auto tile = static_cast<std::size_t>(MapPyramid::kTileSize);
        return static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(most),
                                                      std::max(tile, side / tile * tile)));
    };
    const auto tile = static_cast<std::size_t>(MapPyramid::kTileSize);
    const int width = tiles(kReadBytes / (tile * sampleBytes), columns);
    return {width, tiles(kReadBytes / (static_cast<std::size_t>(width) * sampleBytes), rows)};
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

    // A small picture to show while the rest is read: from the file's overviews where they cost
    // little, else paper white (a page renders no faster small).
    const int pictureWidth = platform::JpegScaledSide(width, kJpegPreviewScale);
    const int pictureHeight = platform::JpegScaledSide(height, kJpegPreviewScale);
    const bool overviews = GDALGetOverviewCount(GDALGetRasterBand(handle, 1)) > 0;
    const auto earlyPicture = [&](bool fromOverviews) {
        MapPyramid picture = MapPyramid::Allocate(pictureWidth, pictureHeight);
        const int band = static_cast<int>(std::clamp<std::size_t>(
            kReadBytes / (std::max(1, pictureWidth) * source.SampleBytes()), 64, 1 << 16));
        for (int p0 = 0; !picture.Empty() && p0 < picture.Height(); p0 += band) {
            const int rows = std::min(band, picture.Height() - p0);
            const int y0 = p0 * kJpegPreviewScale;
            const int fileRows = std::min(rows * kJpegPreviewScale, height - y0);
            const bool read =
                fromOverviews && fileRows > 0 &&
                source.Read(0, y0, width, fileRows, picture.Width(), rows, &out.error);
            for (int r = 0; r < rows; ++r) {
                if (read)
                    source.Row(r, &pixels);
                else
                    pixels.assign(static_cast<std::size_t>(picture.Width()), kPaper);
                ClipToNeatLine(neatLine, kJpegPreviewScale, 0, p0 + r, picture.Width(), 1, &pixels);
                picture.StoreRow(p0 + r, pixels.data());
            }
        }
        out.error.clear();
        if (picture.Empty())
            return false;
        picture.BuildReducedLevels();
        events.EarlyPicture(std::move(picture));
        return true;
    };
    bool showRegions = false;
    bool pictureLater = false;
    if (static_cast<long long>(width) * height >= context.options.earlyPictureMinPixels) {
        pictureLater = overviews && CostlyOverviews(handle);
        showRegions = earlyPicture(overviews && !pictureLater);
    }

    // Columns x0..x1 of the rows y0..y1 into level 0, in reads of at most kReadBytes.
    const auto store = [&](int x0, int x1, int y0, int y1) {
        if (x0 >= x1 || y0 >= y1)
            return true;
        const auto [readColumns, readRows] = ReadShape(x1 - x0, y1 - y0, source.SampleBytes());
        for (int y = y0; y < y1; y += readRows) {
            const int rows = std::min(readRows, y1 - y);
            for (int x = x0; x < x1; x += readColumns) {
                const int columns = std::min(readColumns, x1 - x);
                if (!source.Read(x, y, columns, rows, columns, rows, &out.error))
                    return false;
                for (int r = 0; r < rows; ++r) {
                    source.Row(r, &pixels);
                    ClipToNeatLine(neatLine, 1.0, x, y + r, columns, 1, &pixels);
                    pyramid.StoreSpan(x, y + r, pixels.data(), columns);
                }
            }
        }
        return true;
    };
    // The first view's window first, in one read where it fits: the rest of the rows it crosses
    // can take seconds, and a page renders once a read.
    const auto tiles = [](int side) {
        return (side + MapPyramid::kTileSize - 1) / MapPyramid::kTileSize * MapPyramid::kTileSize;
    };
    int regionColumns = 0;
    int regionRows = 0;
    if (showRegions && context.options.firstViewWidth > 0 && context.options.firstViewHeight > 0) {
        regionColumns = std::min(width, tiles(context.options.firstViewWidth));
        regionRows = std::min(height, tiles(context.options.firstViewHeight));
        if (!store(0, regionColumns, 0, regionRows))
            return events.Cancelled() ? DecodedImage{} : std::move(out);
        events.RowsStored(pyramid, regionColumns, regionRows);
    }
    // The whole map's picture, once the first view shows.
    if (pictureLater && showRegions)
        earlyPicture(true);
    if (events.Cancelled())
        return {};
    PyramidBands bands(pyramid);
    const int stripRows = ReadShape(width, height, source.SampleBytes())[1];
    for (int y0 = 0; y0 < height; y0 += stripRows) {
        const int y1 = std::min(height, y0 + stripRows);
        const int split = std::clamp(regionRows, y0, y1);
        if (!store(regionColumns, width, y0, split) || !store(0, width, split, y1))
            return events.Cancelled() ? DecodedImage{} : std::move(out);
        bands.Advance(y1);
        // Whole rows are told once they hold the first view's region: what shows never shrinks.
        if (showRegions && y1 >= regionRows)
            events.RowsStored(pyramid, width, y1);
        if (!events.Progress(0.99 * y1 / height))
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
