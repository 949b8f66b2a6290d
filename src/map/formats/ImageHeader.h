#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace map {

// The image formats a map can be read from.
enum class ImageKind { Jpeg, Png, Gif, Bmp, Tiff };

// "jpeg", "png", "gif", "bmp" or "tiff".
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

// Reads the header of the image file at path: JPEG through the JPEG decoder's header reader,
// the others from their first bytes. A path that is missing, no regular file, or no image of
// these kinds gives an error.
ImageHeaderResult ReadImageHeader(const std::string& path);
// The same for the file open at fd (read with pread, its offset left alone); errors name name.
ImageHeaderResult ReadImageHeader(int fd, const std::string& name);

} // namespace map
