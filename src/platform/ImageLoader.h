#pragma once

#include <QImage>
#include <QString>

namespace platform {

// Largest map image we agree to decode: 20000 x 20000 pixels at 4 bytes each, plus room.
// QImageReader refuses anything bigger, so a small hostile file cannot claim all memory.
inline constexpr int kImageAllocationLimitMb = 1700;

struct MapImage {
    QImage image;            // null when the file could not be decoded
    QString error;           // why, when image is null
    bool incomplete = false; // decoded, but the file ends early: part may be missing
};

// Loads the GIF, PNG, JPEG or BMP map image file fd (a regular file, OpenRegularFile; read from
// its first byte, left open) in the file's own pixel grid (an EXIF orientation
// is not applied, so calibration files made for the image stay valid), flattened over white
// into an opaque format that paints fast. Images of more than allocationLimitMb at 4 bytes a
// pixel are refused.
MapImage LoadMapImageFile(int fd, int allocationLimitMb = kImageAllocationLimitMb);

// Whether the file at path is an image Qt can read, by its content; false, without waiting, for
// anything but a regular file (a FIFO's open would wait for a writer).
bool IsMapImageFile(const QString& path);

// The size the header of the image file fd says, without decoding it; invalid when it says
// none.
QSize MapImageFileSize(int fd);

} // namespace platform
