#pragma once

#include <QImage>
#include <QString>

namespace platform {

// Largest map image we agree to decode: 20000 x 20000 pixels at 4 bytes each, plus room.
// QImageReader refuses anything bigger, so a small hostile file cannot claim all memory.
inline constexpr int kImageAllocationLimitMb = 1700;

// Loads a GIF, PNG, JPEG or BMP map image and converts it once to a format that paints fast.
// Returns a null image and sets *error (if given) when the file cannot be read.
QImage LoadMapImageFile(const QString& path, QString* error = nullptr);

} // namespace platform
