#include "base/Crc32.h"

#include <array>

namespace base {

namespace {

// Slicing by eight: table k holds the CRC of a byte followed by k zero bytes, so eight bytes
// take eight independent look-ups instead of a chain of eight. A journal record (52 bytes) is
// too short for zlib's crc32, which is slower than one table there.
using Tables = std::array<std::array<std::uint32_t, 256>, 8>;

constexpr Tables MakeTables() {
    Tables t{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1U) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
        t[0][i] = c;
    }
    for (std::size_t k = 1; k < t.size(); ++k) {
        for (std::size_t i = 0; i < 256; ++i)
            t[k][i] = (t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFFU];
    }
    return t;
}

constexpr Tables kTables = MakeTables();

// Little-endian whatever the machine; compilers make this one load.
std::uint32_t Load32(const unsigned char* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}

} // namespace

std::uint32_t Crc32(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t n = bytes.size();
    std::uint32_t c = 0xFFFFFFFFU;
    for (; n >= 8; p += 8, n -= 8) {
        const std::uint32_t lo = Load32(p) ^ c;
        const std::uint32_t hi = Load32(p + 4);
        c = kTables[7][lo & 0xFFU] ^ kTables[6][(lo >> 8) & 0xFFU] ^
            kTables[5][(lo >> 16) & 0xFFU] ^ kTables[4][lo >> 24] ^ kTables[3][hi & 0xFFU] ^
            kTables[2][(hi >> 8) & 0xFFU] ^ kTables[1][(hi >> 16) & 0xFFU] ^ kTables[0][hi >> 24];
    }
    for (; n > 0; ++p, --n)
        c = kTables[0][(c ^ *p) & 0xFFU] ^ (c >> 8);
    return c ^ 0xFFFFFFFFU;
}

} // namespace base
