#include "map/formats/ImageDecoder.h"

#include "map/formats/GdalPyramid.h"
#include "map/formats/GeoTiffPyramid.h"
#include "map/formats/JpegPyramid.h"
#include "map/formats/MbTiles.h"
#include "map/formats/TiffFile.h"
#include "platform/FileIo.h"
#include "platform/JpegDecoder.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

namespace map {

namespace {

bool AnyFile(int) {
    return true;
}

bool NoContent(int) {
    return false;
}

// PNG, GIF and BMP from their first bytes; anything else the open's other decoder can tell.
ImageHeaderResult OtherImageHeader(int fd, const std::string& path, const DecodeContext* context) {
    char buffer[kImageHeaderBytes];
    ssize_t got = 0;
    do {
        got = pread(fd, buffer, sizeof buffer, 0);
    } while (got < 0 && errno == EINTR);
    if (got < 0)
        return {std::nullopt, path + ": " + platform::ErrorText(errno)};
    if (auto header = ParseImageHeader(std::string_view(buffer, static_cast<std::size_t>(got))))
        return {header, {}};
    int width = 0;
    int height = 0;
    if (context != nullptr && context->options.otherImages != nullptr &&
        context->options.otherImages->HeaderSize(fd, &width, &height) && width > 0 && height > 0)
        return {ImageHeader{ImageKind::Other, width, height}, {}};
    return {std::nullopt, path + ": not an image the map can show"};
}

// Decoded whole in memory by the decoder the caller brings.
DecodedImage DecodeOtherImage(int fd, const std::string&, const DecodeContext& context) {
    DecodedImage out;
    if (context.options.otherImages == nullptr) {
        out.error = "not a JPEG image";
        return out;
    }
    OpenMapEvents& events = context.events;
    WholeImageDecoder::Decoded decoded = context.options.otherImages->Decode(
        fd, context.target, [&events](double done) { return events.Progress(done); });
    out.error = std::move(decoded.error);
    out.incomplete = decoded.incomplete;
    if (!decoded.place)
        return out;
    // Part of a file that ends early is missing: shown this once, never kept.
    if (decoded.incomplete) {
        out.map = decoded.place->Discard();
    } else {
        out.map = decoded.place->Pyramid();
        out.keep = std::move(decoded.place);
    }
    return out;
}

constexpr std::array kDecoders{
    ImageDecoder{"jpeg", &platform::IsJpegFile, &JpegImageHeader, &DecodeJpegImage},
    ImageDecoder{"tiff", &IsTiffFile, &TiffImageHeader, &DecodeTiffImage},
    ImageDecoder{"tiles", &IsMbTilesFile, &TilesImageHeader, &DecodeTilesImage},
    ImageDecoder{"gdal", &NoContent, &GdalImageHeader, &DecodeGdalImage},
    ImageDecoder{"image", &AnyFile, &OtherImageHeader, &DecodeOtherImage},
};

} // namespace

std::span<const ImageDecoder> ImageDecoders() {
    return kDecoders;
}

const ImageDecoder& DecoderFor(int fd) {
    return *std::ranges::find_if(kDecoders, [fd](const ImageDecoder& row) { return row.is(fd); });
}

const ImageDecoder& DecoderFor(int fd, const MapFormat& format) {
    if (format.kind == MapFileKind::Gdal)
        return *std::ranges::find(kDecoders, std::string_view("gdal"), &ImageDecoder::name);
    return DecoderFor(fd);
}

} // namespace map
