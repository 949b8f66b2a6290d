#include "map/formats/TiffFile.h"

#include <geotiff/xtiffio.h>
#include <tiffio.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace map {

namespace {

tmsize_t ReadAt(thandle_t handle, void* buffer, tmsize_t size) {
    auto* source = static_cast<TiffFile::Source*>(handle);
    tmsize_t done = 0;
    while (done < size) {
        const ssize_t got =
            ::pread(source->fd, static_cast<char*>(buffer) + done,
                    static_cast<std::size_t>(size - done), static_cast<off_t>(source->offset));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += got;
        source->offset += static_cast<unsigned long long>(got);
    }
    return done;
}

tmsize_t NoWrite(thandle_t, void*, tmsize_t) {
    return 0;
}

toff_t FileSize(thandle_t handle) {
    struct stat st {};
    const auto* source = static_cast<const TiffFile::Source*>(handle);
    return ::fstat(source->fd, &st) == 0 ? static_cast<toff_t>(st.st_size) : 0;
}

toff_t SeekTo(thandle_t handle, toff_t offset, int whence) {
    auto* source = static_cast<TiffFile::Source*>(handle);
    switch (whence) {
    case SEEK_SET:
        source->offset = offset;
        break;
    case SEEK_CUR:
        source->offset += offset;
        break;
    case SEEK_END:
        source->offset = FileSize(handle) + offset;
        break;
    default:
        return static_cast<toff_t>(-1);
    }
    return source->offset;
}

int NoClose(thandle_t) {
    return 0;
}

int NoMap(thandle_t, void**, toff_t*) {
    return 0;
}

void NoUnmap(thandle_t, void*, toff_t) {}

int Quiet(TIFF*, void*, const char*, const char*, va_list) {
    return 1;
}

} // namespace

int TiffFile::OnError(TIFF*, void* self, const char*, const char* format, va_list args) {
    char text[512];
    std::vsnprintf(text, sizeof text, format, args);
    static_cast<TiffFile*>(self)->lastError_ = text;
    return 1;
}

std::unique_ptr<TiffFile> TiffFile::Open(int fd, std::string* error) {
    // The GeoTIFF tags are registered with libtiff once, before any file is opened.
    static std::once_flag registered;
    std::call_once(registered, [] { XTIFFInitialize(); });
    std::unique_ptr<TiffFile> file(new TiffFile);
    file->source_.fd = fd;
    std::unique_ptr<TIFFOpenOptions, void (*)(TIFFOpenOptions*)> options(TIFFOpenOptionsAlloc(),
                                                                         TIFFOpenOptionsFree);
    TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), kMaxTiffAllocation);
    TIFFOpenOptionsSetErrorHandlerExtR(options.get(), &TiffFile::OnError, file.get());
    TIFFOpenOptionsSetWarningHandlerExtR(options.get(), &Quiet, nullptr);
    // "m": no memory mapping, every byte comes through pread.
    file->tiff_ = TIFFClientOpenExt("map", "rm", &file->source_, ReadAt, NoWrite, SeekTo, NoClose,
                                    FileSize, NoMap, NoUnmap, options.get());
    if (file->tiff_ == nullptr) {
        *error = file->Reason("not a TIFF image");
        return nullptr;
    }
    return file;
}

TiffFile::~TiffFile() {
    if (tiff_ != nullptr)
        TIFFClose(tiff_);
}

std::string TiffFile::Reason(const std::string& otherwise) const {
    return lastError_.empty() ? otherwise : lastError_;
}

bool IsTiffFile(int fd) {
    unsigned char head[4];
    ssize_t got = 0;
    do {
        got = ::pread(fd, head, sizeof head, 0);
    } while (got < 0 && errno == EINTR);
    if (got != sizeof head)
        return false;
    const bool little = head[0] == 'I' && head[1] == 'I';
    const bool big = head[0] == 'M' && head[1] == 'M';
    const int version = little ? head[2] | head[3] << 8 : head[2] << 8 | head[3];
    return (little || big) && (version == 42 || version == 43);
}

} // namespace map

namespace map {

bool TiffFile::ReadLayout(TiffLayout* layout, std::string* error) {
    TIFF* tif = tiff_;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &height);
    if (width == 0 || height == 0 || width > INT32_MAX || height > INT32_MAX) {
        *error = "the image has no pixels";
        return false;
    }
    layout->width = static_cast<int>(width);
    layout->height = static_cast<int>(height);
    std::uint16_t compression = COMPRESSION_NONE;
    TIFFGetFieldDefaulted(tif, TIFFTAG_COMPRESSION, &compression);
    if (!TIFFIsCODECConfigured(compression)) {
        *error = "the image is compressed in a way this program cannot decode (method " +
                 std::to_string(compression) + ")";
        return false;
    }
    std::uint16_t format = SAMPLEFORMAT_UINT;
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLEFORMAT, &format);
    std::uint16_t bits = 1;
    std::uint16_t samples = 1;
    std::uint16_t planar = PLANARCONFIG_CONTIG;
    std::uint16_t photometric = PHOTOMETRIC_MINISBLACK;
    TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetFieldDefaulted(tif, TIFFTAG_PLANARCONFIG, &planar);
    if (TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &photometric) != 1)
        photometric = samples >= 3 ? PHOTOMETRIC_RGB : PHOTOMETRIC_MINISBLACK;
    if (format != SAMPLEFORMAT_UINT) {
        *error = "the image holds signed or floating-point samples (measurements, not a picture)";
        return false;
    }
    if (samples > 1 && planar != PLANARCONFIG_CONTIG) {
        *error = "the image stores its colour planes apart, which this program cannot show";
        return false;
    }
    int colourSamples = 1;
    switch (photometric) {
    case PHOTOMETRIC_MINISBLACK:
        layout->colour = TiffLayout::Colour::Grey;
        break;
    case PHOTOMETRIC_MINISWHITE:
        layout->colour = TiffLayout::Colour::WhiteIsZero;
        break;
    case PHOTOMETRIC_PALETTE:
        layout->colour = TiffLayout::Colour::Palette;
        break;
    case PHOTOMETRIC_RGB:
        layout->colour = TiffLayout::Colour::Rgb;
        colourSamples = 3;
        break;
    case PHOTOMETRIC_YCBCR:
        if (compression != COMPRESSION_JPEG) {
            *error = "the image holds YCbCr samples without JPEG compression, which this "
                     "program cannot show";
            return false;
        }
        // libjpeg converts them to RGB.
        TIFFSetField(tif, TIFFTAG_JPEGCOLORMODE, JPEGCOLORMODE_RGB);
        layout->colour = TiffLayout::Colour::Rgb;
        colourSamples = 3;
        break;
    case PHOTOMETRIC_SEPARATED:
        layout->colour = TiffLayout::Colour::Cmyk;
        colourSamples = 4;
        break;
    default:
        *error = "the image's colour model (" + std::to_string(photometric) +
                 ") is not one this program shows";
        return false;
    }
    const bool small = bits == 1 || bits == 2 || bits == 4;
    const bool oneSample = colourSamples == 1 && samples == 1;
    if (samples < colourSamples || !(bits == 8 || bits == 16 || (small && oneSample))) {
        *error = "the image has " + std::to_string(samples) + " samples of " +
                 std::to_string(bits) + " bits a pixel, which this program cannot show";
        return false;
    }
    layout->bits = bits;
    layout->samples = samples;
    layout->alpha = -1;
    std::uint16_t extraCount = 0;
    std::uint16_t* extra = nullptr;
    if (samples > colourSamples &&
        TIFFGetField(tif, TIFFTAG_EXTRASAMPLES, &extraCount, &extra) == 1 && extraCount > 0 &&
        (extra[0] == EXTRASAMPLE_ASSOCALPHA || extra[0] == EXTRASAMPLE_UNASSALPHA)) {
        layout->alpha = colourSamples;
        layout->premultiplied = extra[0] == EXTRASAMPLE_ASSOCALPHA;
    }
    layout->palette.clear();
    if (layout->colour == TiffLayout::Colour::Palette) {
        std::uint16_t* red = nullptr;
        std::uint16_t* green = nullptr;
        std::uint16_t* blue = nullptr;
        if (bits > 8 || TIFFGetField(tif, TIFFTAG_COLORMAP, &red, &green, &blue) != 1) {
            *error = "the image's palette is missing or too large";
            return false;
        }
        for (int i = 0; i < 1 << bits; ++i)
            layout->palette.push_back(0xFF000000u | (red[i] >> 8u) << 16 | (green[i] >> 8u) << 8 |
                                      blue[i] >> 8u);
    }
    layout->tiled = TIFFIsTiled(tif) != 0;
    if (layout->tiled) {
        std::uint32_t tileWidth = 0;
        std::uint32_t tileHeight = 0;
        TIFFGetField(tif, TIFFTAG_TILEWIDTH, &tileWidth);
        TIFFGetField(tif, TIFFTAG_TILELENGTH, &tileHeight);
        if (tileWidth == 0 || tileHeight == 0 || TIFFTileSize64(tif) == 0 ||
            TIFFTileSize64(tif) > static_cast<std::uint64_t>(kMaxTiffAllocation)) {
            *error = "the image's tiles are empty or too large";
            return false;
        }
        layout->tileWidth = static_cast<int>(tileWidth);
        layout->tileHeight = static_cast<int>(tileHeight);
    } else if (TIFFScanlineSize64(tif) == 0 ||
               TIFFScanlineSize64(tif) > static_cast<std::uint64_t>(kMaxTiffAllocation)) {
        // Thousands of samples a pixel make a row of a small image hundreds of megabytes.
        *error = "the image's rows are empty or too large";
        return false;
    }
    return true;
}

namespace {

// Sample i of a row, scaled to 8 bits.
unsigned SampleAt(const unsigned char* row, int bits, std::size_t i) {
    switch (bits) {
    case 16:
        return reinterpret_cast<const std::uint16_t*>(row)[i] >> 8;
    case 8:
        return row[i];
    default: { // 1, 2 or 4: the first pixel in the high bits
        const std::size_t bit = i * static_cast<std::size_t>(bits);
        const unsigned value =
            (row[bit / 8] >> (8 - bits - static_cast<int>(bit % 8))) & ((1u << bits) - 1);
        return value;
    }
    }
}

// A sample value of `bits` bits stretched to 0..255.
unsigned Stretch(unsigned value, int bits) {
    return bits >= 8 ? value : value * 255u / ((1u << bits) - 1);
}

std::uint32_t OverWhite(unsigned r, unsigned g, unsigned b, unsigned alpha, bool premultiplied) {
    const auto over = [&](unsigned c) {
        const unsigned lit = premultiplied ? c : (c * alpha + 127) / 255;
        return std::min(255u, lit + (255 - alpha));
    };
    return 0xFF000000u | over(r) << 16 | over(g) << 8 | over(b);
}

} // namespace

void ConvertTiffRow(const TiffLayout& layout, const unsigned char* row, std::uint32_t* out,
                    int count) {
    const auto samples = static_cast<std::size_t>(layout.samples);
    for (int x = 0; x < count; ++x) {
        const std::size_t at = static_cast<std::size_t>(x) * samples;
        const auto sample = [&](std::size_t i) { return SampleAt(row, layout.bits, at + i); };
        unsigned r = 0;
        unsigned g = 0;
        unsigned b = 0;
        switch (layout.colour) {
        case TiffLayout::Colour::Grey:
            r = g = b = Stretch(sample(0), layout.bits);
            break;
        case TiffLayout::Colour::WhiteIsZero:
            r = g = b = 255 - Stretch(sample(0), layout.bits);
            break;
        case TiffLayout::Colour::Palette: {
            const std::uint32_t colour = layout.palette[sample(0)];
            r = colour >> 16 & 0xFFu;
            g = colour >> 8 & 0xFFu;
            b = colour & 0xFFu;
            break;
        }
        case TiffLayout::Colour::Rgb:
            r = sample(0);
            g = sample(1);
            b = sample(2);
            break;
        case TiffLayout::Colour::Cmyk: {
            const unsigned white = 255 - sample(3);
            r = (255 - sample(0)) * white / 255;
            g = (255 - sample(1)) * white / 255;
            b = (255 - sample(2)) * white / 255;
            break;
        }
        }
        out[x] = layout.alpha < 0
                     ? 0xFF000000u | r << 16 | g << 8 | b
                     : OverWhite(r, g, b, sample(static_cast<std::size_t>(layout.alpha)),
                                 layout.premultiplied);
    }
}

} // namespace map
