#pragma once

#include "base/MapPos.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The position list encoding shared by the calibration file and the trail file. Byte order
// is little-endian whatever the host (base/Bytes.h).
//
//   count   2 bytes, unsigned; a count of 65535 or more is 0xFFFF followed by 4 bytes
//   records 24 bytes each, in list order:
//             0  4  reserved word, written as 0x0001F7B8, skipped when read
//             4  4  reserved, written as zero, skipped when read
//             8  8  y, IEEE-754 double
//            16  8  x, IEEE-754 double
namespace calib {

inline constexpr std::size_t kPositionRecordSize = 24;
inline constexpr std::uint32_t kPositionRecordTag = 0x0001F7B8;
// Beyond this the count does not fit the 32-bit escape.
inline constexpr std::size_t kMaxPositionCount = 0xFFFFFFFFu;

// Appends the count and one record per position to `out`. Returns false, appending nothing,
// only when positions.size() > kMaxPositionCount.
[[nodiscard]] bool EncodePositionList(std::string& out, std::span<const MapPos> positions);

// Reads one list starting at `cursor`. On success returns the positions and moves the cursor
// past the list. When the count is more than the bytes left can hold (a truncated or damaged
// file) returns nullopt, leaves the cursor unchanged and allocates nothing: the count is
// checked against the remaining bytes before any memory is reserved. A 0xFFFF escape followed
// by a 4-byte count below 65535 is accepted, as the archive format reads it. Non-finite
// coordinates are passed on as they are; the caller decides what they mean.
std::optional<std::vector<MapPos>> DecodePositionList(std::string_view bytes, std::size_t& cursor);

} // namespace calib
