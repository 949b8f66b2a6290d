#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace platform {

// One square of opaque 0xFFRRGGBB words as a baseline JPEG of its own, for a cache that must
// hold more pixels than a lossless packing leaves room for.

// Appends the JPEG of the side x side pixels to out, colour kept at full resolution (no
// subsampling: map lines and lettering keep their colour); false (out as it was) on failure.
bool EncodeJpegTile(const std::uint32_t* pixels, int side, int quality, std::string& out);

// Decodes a JPEG made by EncodeJpegTile into side x side pixels; false for anything that is
// not a whole, undamaged JPEG of that size (pixels then in any state).
bool DecodeJpegTile(std::span<const std::byte> jpeg, std::uint32_t* pixels, int side);

} // namespace platform
