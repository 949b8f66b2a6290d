#include "terrain/DemRaster.h"

#include "base/Number.h"
#include "map/formats/TiffFile.h"
#include "terrain/HgtTile.h"
#include "terrain/Shading.h"

#include <geotiff/xtiffio.h>
#include <tiffio.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <mutex>

namespace terrain {

namespace {

DemRasterResult Failed(const std::string& path, const std::string& why) {
    return {std::nullopt, path + ": " + why};
}

TIFFExtendProc previousExtender = nullptr;

// GDAL's no-data tag is no tag libtiff knows: without this it is read as bytes of a count.
void AddNoDataTag(TIFF* tiff) {
    static const TIFFFieldInfo noData[] = {{TIFFTAG_GDAL_NODATA, -1, -1, TIFF_ASCII, FIELD_CUSTOM,
                                            1, 0, const_cast<char*>("GDALNoDataValue")}};
    TIFFMergeFieldInfo(tiff, noData, 1);
    if (previousExtender != nullptr)
        previousExtender(tiff);
}

void RegisterTags() {
    static std::once_flag registered;
    std::call_once(registered, [] {
        XTIFFInitialize();
        previousExtender = TIFFSetTagExtender(&AddNoDataTag);
    });
}

int QuietTiff(TIFF*, void*, const char*, const char*, va_list) {
    return 1;
}

// GDAL's reading of an SRTM tile: the samples are the centres of pixels of one step.
DemRasterResult ReadHgt(const std::string& path) {
    const auto key = ParseTileName(std::filesystem::path(path).filename().string());
    if (!key)
        return Failed(path, "an SRTM tile is named as N46E007.hgt or N46E007.hgt.zip");
    const HgtTile::OpenResult opened = HgtTile::Open(path, *key);
    if (!opened.tile)
        return {std::nullopt, opened.error};
    const HgtTile& tile = *opened.tile;
    DemRaster raster;
    raster.width = raster.height = tile.Size();
    raster.heights.resize(static_cast<std::size_t>(tile.Size()) * tile.Size());
    for (int r = 0; r < tile.Size(); ++r)
        for (int c = 0; c < tile.Size(); ++c)
            raster.heights[static_cast<std::size_t>(r) * tile.Size() + c] = tile.Sample(r, c);
    const double step = 1.0 / (tile.Size() - 1);
    raster.xStep = step;
    raster.yStep = -step;
    raster.geographic = true;
    raster.noData = kHgtVoid;
    raster.tags.pixelScale = {step, step, 0.0};
    raster.tags.tiePoints = {0, 0, 0, key->lon - step / 2, key->lat + 1 + step / 2, 0};
    // Geographic, pixels as areas, WGS 84.
    raster.tags.keys = {1, 1, 0, 3, 1024, 0, 1, 2, 1025, 0, 1, 1, 2048, 0, 1, 4326};
    return {std::move(raster), {}};
}

template <class T> std::vector<T> FieldArray(TIFF* tiff, ttag_t tag) {
    std::uint16_t count = 0;
    T* values = nullptr;
    if (TIFFGetField(tiff, tag, &count, &values) != 1 || values == nullptr)
        return {};
    return {values, values + count};
}

// One sample of the file's type at bytes, as a float.
float SampleAt(const unsigned char* bytes, int format, int bits) {
    switch (bits) {
    case 8:
        return format == SAMPLEFORMAT_INT ? static_cast<float>(static_cast<std::int8_t>(*bytes))
                                          : static_cast<float>(*bytes);
    case 16: {
        std::uint16_t v;
        std::memcpy(&v, bytes, 2);
        return format == SAMPLEFORMAT_INT ? static_cast<float>(static_cast<std::int16_t>(v))
                                          : static_cast<float>(v);
    }
    case 32: {
        if (format == SAMPLEFORMAT_IEEEFP) {
            float f;
            std::memcpy(&f, bytes, 4);
            return f;
        }
        std::uint32_t v;
        std::memcpy(&v, bytes, 4);
        return format == SAMPLEFORMAT_INT ? static_cast<float>(static_cast<std::int32_t>(v))
                                          : static_cast<float>(v);
    }
    default: {
        double d;
        std::memcpy(&d, bytes, 8);
        return static_cast<float>(d);
    }
    }
}

DemRasterResult ReadGeoTiffDem(const std::string& path) {
    RegisterTags();
    int err = 0;
    const platform::UniqueFd fd = platform::OpenRegularFile(path, &err);
    if (!fd.Valid())
        return Failed(path, platform::ErrorText(err));
    std::string error;
    const auto file = map::TiffFile::Open(fd.Get(), &error);
    if (!file)
        return Failed(path, error);
    TIFF* tiff = file->Handle();
    std::uint32_t width = 0, height = 0;
    std::uint16_t samples = 1, bits = 0, format = SAMPLEFORMAT_UINT;
    TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLEFORMAT, &format);
    const bool known = (format == SAMPLEFORMAT_IEEEFP && (bits == 32 || bits == 64)) ||
                       ((format == SAMPLEFORMAT_INT || format == SAMPLEFORMAT_UINT) &&
                        (bits == 8 || bits == 16 || bits == 32));
    if (samples != 1 || !known)
        return Failed(path, "not a DEM (one band of 8-, 16- or 32-bit integers or of floats)");
    if (width < 1 || height < 1 || static_cast<std::uint64_t>(width) * height > kMaxDemSamples)
        return Failed(path, "a DEM of " + std::to_string(width) + " x " + std::to_string(height) +
                                " samples (at most " + std::to_string(kMaxDemSamples) + ")");

    DemRaster raster;
    raster.width = static_cast<int>(width);
    raster.height = static_cast<int>(height);
    raster.tags.pixelScale = FieldArray<double>(tiff, TIFFTAG_GEOPIXELSCALE);
    raster.tags.tiePoints = FieldArray<double>(tiff, TIFFTAG_GEOTIEPOINTS);
    raster.tags.transformation = FieldArray<double>(tiff, TIFFTAG_GEOTRANSMATRIX);
    raster.tags.keys = FieldArray<std::uint16_t>(tiff, TIFFTAG_GEOKEYDIRECTORY);
    raster.tags.doubleParams = FieldArray<double>(tiff, TIFFTAG_GEODOUBLEPARAMS);
    if (char* ascii = nullptr; TIFFGetField(tiff, TIFFTAG_GEOASCIIPARAMS, &ascii) == 1 && ascii)
        raster.tags.asciiParams = ascii;
    if (raster.tags.pixelScale.size() >= 2 && raster.tags.pixelScale[0] > 0 &&
        raster.tags.pixelScale[1] > 0) {
        raster.xStep = raster.tags.pixelScale[0];
        raster.yStep = -raster.tags.pixelScale[1];
    } else if (raster.tags.transformation.size() == 16 && raster.tags.transformation[0] != 0 &&
               raster.tags.transformation[5] != 0) {
        raster.xStep = raster.tags.transformation[0];
        raster.yStep = raster.tags.transformation[5];
    } else {
        return Failed(path, "the DEM is not georeferenced (no pixel scale)");
    }
    // GTModelTypeGeoKey 2: a geographic grid, in degrees.
    const auto& keys = raster.tags.keys;
    for (std::size_t k = 4; k + 3 < keys.size() && k / 4 <= keys[3]; k += 4)
        if (keys[k] == 1024 && keys[k + 1] == 0)
            raster.geographic = keys[k + 3] == 2;
    if (char* text = nullptr; TIFFGetField(tiff, TIFFTAG_GDAL_NODATA, &text) == 1 && text) {
        std::string_view value(text);
        if (const auto parsed = base::ParseExact<double>(value))
            raster.noData = static_cast<float>(*parsed);
    }

    raster.heights.resize(static_cast<std::size_t>(width) * height);
    const std::size_t bytesPerSample = bits / 8u;
    const bool tiled = TIFFIsTiled(tiff) != 0;
    std::uint32_t blockWidth = width, blockHeight = 1;
    if (tiled) {
        TIFFGetField(tiff, TIFFTAG_TILEWIDTH, &blockWidth);
        TIFFGetField(tiff, TIFFTAG_TILELENGTH, &blockHeight);
    }
    const tmsize_t blockBytes = tiled ? TIFFTileSize(tiff) : TIFFScanlineSize(tiff);
    if (blockWidth == 0 || blockHeight == 0 ||
        static_cast<std::uint64_t>(blockBytes) <
            static_cast<std::uint64_t>(blockWidth) * blockHeight * bytesPerSample ||
        static_cast<std::uint64_t>(blockBytes) > map::TiffFile::kMaxTiffAllocation)
        return Failed(path, file->Reason("damaged TIFF layout"));
    std::vector<unsigned char> block(static_cast<std::size_t>(blockBytes));
    for (std::uint32_t top = 0; top < height; top += blockHeight) {
        for (std::uint32_t left = 0; left < width; left += blockWidth) {
            const tmsize_t got = tiled ? TIFFReadTile(tiff, block.data(), left, top, 0, 0)
                                       : TIFFReadScanline(tiff, block.data(), top, 0);
            if (got < 0)
                return Failed(path, file->Reason("unreadable samples"));
            const std::uint32_t rows = std::min(blockHeight, height - top);
            const std::uint32_t cols = std::min(blockWidth, width - left);
            for (std::uint32_t r = 0; r < rows; ++r)
                for (std::uint32_t c = 0; c < cols; ++c)
                    raster.heights[static_cast<std::size_t>(top + r) * width + left + c] =
                        SampleAt(block.data() + (static_cast<std::size_t>(r) * blockWidth + c) *
                                                    bytesPerSample,
                                 format, bits);
        }
    }
    return {std::move(raster), {}};
}

// libtiff writing into a string, which is then saved whole.
struct MemoryFile {
    std::string bytes;
    std::uint64_t at = 0;
};

tmsize_t MemRead(thandle_t handle, void* into, tmsize_t size) {
    auto* file = static_cast<MemoryFile*>(handle);
    const std::uint64_t left = file->at < file->bytes.size() ? file->bytes.size() - file->at : 0;
    const std::size_t n = std::min<std::uint64_t>(left, static_cast<std::uint64_t>(size));
    std::memcpy(into, file->bytes.data() + file->at, n);
    file->at += n;
    return static_cast<tmsize_t>(n);
}

tmsize_t MemWrite(thandle_t handle, void* from, tmsize_t size) {
    auto* file = static_cast<MemoryFile*>(handle);
    const std::size_t n = static_cast<std::size_t>(size);
    if (file->bytes.size() < file->at + n)
        file->bytes.resize(file->at + n);
    std::memcpy(file->bytes.data() + file->at, from, n);
    file->at += n;
    return size;
}

toff_t MemSeek(thandle_t handle, toff_t offset, int whence) {
    auto* file = static_cast<MemoryFile*>(handle);
    const std::uint64_t base = whence == SEEK_SET   ? 0
                               : whence == SEEK_CUR ? file->at
                                                    : file->bytes.size();
    file->at = base + offset;
    return file->at;
}

int MemClose(thandle_t) {
    return 0;
}
toff_t MemSize(thandle_t handle) {
    return static_cast<MemoryFile*>(handle)->bytes.size();
}
int NoMap(thandle_t, void**, toff_t*) {
    return 0;
}
void NoUnmap(thandle_t, void*, toff_t) {}

} // namespace

DemRasterResult ReadDemRaster(const std::string& path) {
    std::string lower = path;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower.ends_with(".hgt") || lower.ends_with(".hgt.zip"))
        return ReadHgt(path);
    return ReadGeoTiffDem(path);
}

std::optional<DemRaster> ReduceRaster(const DemRaster& raster, int factor, std::string* error) {
    const auto& keys = raster.tags.keys;
    bool pixelIsPoint = false;
    for (std::size_t k = 4; k + 3 < keys.size() && k / 4 <= keys[3]; k += 4)
        pixelIsPoint = pixelIsPoint || (keys[k] == 1025 && keys[k + 1] == 0 && keys[k + 3] == 2);
    const auto& tie = raster.tags.tiePoints;
    if (pixelIsPoint || tie.size() != 6 || tie[0] != 0 || tie[1] != 0 ||
        raster.tags.pixelScale.size() < 2) {
        *error = "only a grid placed by its corner and a pixel size can be reduced";
        return std::nullopt;
    }
    if (raster.width / factor < 1 || raster.height / factor < 1) {
        *error = "the DEM is smaller than the reduction";
        return std::nullopt;
    }
    DemRaster reduced = raster;
    reduced.width = raster.width / factor;
    reduced.height = raster.height / factor;
    reduced.heights.assign(static_cast<std::size_t>(reduced.width) * reduced.height, 0.0f);
    HeightWindow window;
    window.heights = raster.heights.data();
    window.width = raster.width;
    window.height = raster.height;
    window.stride = raster.width;
    window.noData = raster.noData;
    Reduce(window, factor, reduced.heights.data(), reduced.width);
    reduced.noData.reset();
    reduced.xStep *= factor;
    reduced.yStep *= factor;
    reduced.tags.pixelScale[0] *= factor;
    reduced.tags.pixelScale[1] *= factor;
    return reduced;
}

platform::FileResult WriteShadeGeoTiff(const std::string& path, const DemRaster& grid,
                                       const std::vector<std::uint8_t>& grey) {
    RegisterTags();
    MemoryFile memory;
    std::unique_ptr<TIFFOpenOptions, void (*)(TIFFOpenOptions*)> options(TIFFOpenOptionsAlloc(),
                                                                         TIFFOpenOptionsFree);
    TIFFOpenOptionsSetErrorHandlerExtR(options.get(), &QuietTiff, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(options.get(), &QuietTiff, nullptr);
    TIFF* tiff = TIFFClientOpenExt("shade", "w", &memory, MemRead, MemWrite, MemSeek, MemClose,
                                   MemSize, NoMap, NoUnmap, options.get());
    if (tiff == nullptr)
        return {false, path + ": cannot start a TIFF"};
    const auto setArray = [tiff](ttag_t tag, const auto& values) {
        if (!values.empty())
            TIFFSetField(tiff, tag, static_cast<std::uint16_t>(values.size()), values.data());
    };
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, static_cast<std::uint32_t>(grid.width));
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, static_cast<std::uint32_t>(grid.height));
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 1);
    TIFFSetField(tiff, TIFFTAG_SAMPLEFORMAT, SAMPLEFORMAT_UINT);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISBLACK);
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_ADOBE_DEFLATE);
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, 16);
    TIFFSetField(tiff, TIFFTAG_GDAL_NODATA, "0");
    setArray(TIFFTAG_GEOPIXELSCALE, grid.tags.pixelScale);
    setArray(TIFFTAG_GEOTIEPOINTS, grid.tags.tiePoints);
    setArray(TIFFTAG_GEOTRANSMATRIX, grid.tags.transformation);
    setArray(TIFFTAG_GEOKEYDIRECTORY, grid.tags.keys);
    setArray(TIFFTAG_GEODOUBLEPARAMS, grid.tags.doubleParams);
    if (!grid.tags.asciiParams.empty())
        TIFFSetField(tiff, TIFFTAG_GEOASCIIPARAMS, grid.tags.asciiParams.c_str());
    bool ok = true;
    std::vector<std::uint8_t> row(static_cast<std::size_t>(grid.width));
    for (int r = 0; r < grid.height && ok; ++r) {
        std::memcpy(row.data(), grey.data() + static_cast<std::size_t>(r) * grid.width, row.size());
        ok = TIFFWriteScanline(tiff, row.data(), static_cast<std::uint32_t>(r), 0) == 1;
    }
    ok = TIFFWriteDirectory(tiff) == 1 && ok;
    TIFFClose(tiff);
    if (!ok)
        return {false, path + ": cannot write the TIFF"};
    return platform::WriteFileAtomically(path, memory.bytes);
}

} // namespace terrain
