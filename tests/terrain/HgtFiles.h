#pragma once

// SRTM tiles written byte by byte from a function of (row, col).

#include "support/TestFiles.h"

#include <cstdint>
#include <string>

namespace terraintest {

template <class Height> void WriteHgt(const std::string& path, int size, Height height) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size) * size * 2);
    for (int r = 0; r < size; ++r)
        for (int c = 0; c < size; ++c) {
            const auto v = static_cast<std::uint16_t>(static_cast<std::int16_t>(height(r, c)));
            bytes += static_cast<char>(v >> 8);
            bytes += static_cast<char>(v & 0xFF);
        }
    testsupport::WriteBytes(path, bytes);
}

} // namespace terraintest
