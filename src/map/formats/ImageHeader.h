#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace map {

struct MapSource;
struct MapSourceResult;

// The image formats a map can be read from: Tiles is a tile set's, Other one the core does not
// read itself (an open's other decoder tells its size).
enum class ImageKind { Jpeg, Png, Gif, Bmp, Tiff, Tiles, Other };

// "jpeg", "png", "gif", "bmp", "tiff", "tiles" or "image".
std::string_view ImageKindName(ImageKind kind);

// What an image file's header says, before any pixel is decoded.
struct ImageHeader {
    ImageKind kind = ImageKind::Jpeg;
    int width = 0;
    int height = 0;
};

// The first bytes a PNG, GIF or BMP header needs: its size is within them.
inline constexpr std::size_t kImageHeaderBytes = 26;

// The header of a PNG (IHDR), GIF (logical screen) or BMP (file and info header) from the first
// bytes of the file; nothing when the bytes are none of these or claim a side of 0 or beyond
// what an int holds. JPEG headers need the decoder (see ReadImageHeader).
std::optional<ImageHeader> ParseImageHeader(std::string_view bytes);

struct ImageHeaderResult {
    std::optional<ImageHeader> header;
    std::string error; // "PATH: REASON" when there is no header
};

// Reads the header of the image file at path through its decoder row (ImageDecoder): JPEG
// through the JPEG decoder's header reader, TIFF from its tags, the others from their first
// bytes. A path that is missing, no regular file, or no image of these kinds gives an error.
ImageHeaderResult ReadImageHeader(const std::string& path);
// The same for the file open at fd (read with pread, its offset left alone); errors name name.
ImageHeaderResult ReadImageHeader(int fd, const std::string& name);

// The reader row of a bare image (JPEG, PNG, GIF, BMP; a TIFF its tags do not place): the
// handheld's calibration file beside it, which the user edits, comes before any other; else a
// world file beside it places it; else nothing does.
MapSourceResult ReadImageFile(MapSource source, const std::function<bool()>& cancelled);

} // namespace map
