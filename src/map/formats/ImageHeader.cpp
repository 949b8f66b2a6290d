#include "map/formats/ImageHeader.h"

#include "base/Bytes.h"
#include "calib/CalibrationFile.h"
#include "map/formats/ImageDecoder.h"
#include "map/formats/MapSource.h"
#include "map/formats/WorldFile.h"
#include "platform/FileIo.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace map {

namespace {

constexpr std::string_view kPngSignature("\x89PNG\r\n\x1a\n", 8);

std::optional<std::uint32_t> BigEndian32(std::string_view bytes, std::size_t offset) {
    if (offset + 4 > bytes.size())
        return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

std::optional<ImageHeader> Sized(ImageKind kind, std::int64_t width, std::int64_t height) {
    if (width <= 0 || height <= 0 || width > INT_MAX || height > INT_MAX)
        return std::nullopt;
    return ImageHeader{kind, static_cast<int>(width), static_cast<int>(height)};
}

std::optional<ImageHeader> ParsePng(std::string_view bytes) {
    // The IHDR chunk comes first: its length (13), its type, then width and height.
    if (bytes.size() < 24 || bytes.substr(12, 4) != "IHDR")
        return std::nullopt;
    const auto width = BigEndian32(bytes, 16);
    const auto height = BigEndian32(bytes, 20);
    if (!width || !height)
        return std::nullopt;
    return Sized(ImageKind::Png, *width, *height);
}

std::optional<ImageHeader> ParseGif(std::string_view bytes) {
    base::ByteReader reader(bytes, 6);
    const auto width = reader.U16();
    const auto height = reader.U16();
    if (!width || !height)
        return std::nullopt;
    return Sized(ImageKind::Gif, *width, *height);
}

std::optional<ImageHeader> ParseBmp(std::string_view bytes) {
    base::ByteReader reader(bytes, 14);
    const auto infoSize = reader.U32();
    if (!infoSize)
        return std::nullopt;
    if (*infoSize == 12) { // the old core header: unsigned 16-bit sides
        const auto width = reader.U16();
        const auto height = reader.U16();
        if (!width || !height)
            return std::nullopt;
        return Sized(ImageKind::Bmp, *width, *height);
    }
    if (*infoSize < 40)
        return std::nullopt;
    const auto width = reader.I32();
    const auto height = reader.I32(); // negative: rows stored from the top
    if (!width || !height)
        return std::nullopt;
    return Sized(ImageKind::Bmp, *width, std::llabs(static_cast<long long>(*height)));
}

} // namespace

std::string_view ImageKindName(ImageKind kind) {
    switch (kind) {
    case ImageKind::Jpeg:
        return "jpeg";
    case ImageKind::Png:
        return "png";
    case ImageKind::Gif:
        return "gif";
    case ImageKind::Bmp:
        return "bmp";
    case ImageKind::Tiff:
        return "tiff";
    case ImageKind::Tiles:
        return "tiles";
    case ImageKind::Other:
        return "image";
    }
    return "";
}

std::optional<ImageHeader> ParseImageHeader(std::string_view bytes) {
    if (bytes.starts_with(kPngSignature))
        return ParsePng(bytes);
    if (bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a"))
        return ParseGif(bytes);
    if (bytes.starts_with("BM"))
        return ParseBmp(bytes);
    return std::nullopt;
}

ImageHeaderResult ReadImageHeader(const std::string& path) {
    int err = 0;
    const platform::UniqueFd fd = platform::OpenRegularFile(path, &err);
    if (!fd.Valid())
        return {std::nullopt, path + ": " + platform::ErrorText(err)};
    return ReadImageHeader(fd.Get(), path);
}

ImageHeaderResult ReadImageHeader(int fd, const std::string& path) {
    return DecoderFor(fd).header(fd, path, nullptr);
}

MapSourceResult ReadImageFile(MapSource source, const std::function<bool()>&) {
    source.imagePath = source.path;
    // The handheld's calibration, which the user edits, comes before any other.
    std::error_code ec;
    if (std::filesystem::exists(calib::CalibrationFileName(calib::MapBaseName(source.path)), ec))
        return {std::move(source), {}};
    const std::string world = FindFileIgnoringCase(WorldFileNames(source.path));
    if (world.empty())
        return {std::move(source), {}};
    return PlaceByWorldFile(std::move(source), world);
}

} // namespace map
