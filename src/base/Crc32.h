#pragma once

#include <cstdint>
#include <string_view>

namespace base {

// CRC-32 as zlib, PNG and Ethernet compute it (reflected polynomial 0xEDB88320, initial and
// final value 0xFFFFFFFF): Crc32("123456789") == 0xCBF43926. Detects every burst of up to 32
// bits and misses other damage with a probability of 2^-32.
std::uint32_t Crc32(std::string_view bytes);

} // namespace base
