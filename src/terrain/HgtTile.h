#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace terrain {

// The degree square a tile covers, by its south-west corner: N46E007 is {46, 7}.
struct TileKey {
    int lat = 0;
    int lon = 0;
    auto operator<=>(const TileKey&) const = default;
};

// "N46E007", "S01W073".
std::string TileName(TileKey key);

// The key of an SRTM file name ("N46E007.hgt", "n46e007.hgt.zip"); nullopt for any other name.
std::optional<TileKey> ParseTileName(std::string_view fileName);

// The sample SRTM writes where it measured nothing.
inline constexpr std::int16_t kHgtVoid = -32768;

// One SRTM tile: a square of big-endian 16-bit heights in metres, 1201 (3") or 3601 (1")
// samples a side, row 0 at the north edge, the edge rows and columns shared with the
// neighbours. A plain .hgt is mapped, never read whole; a zipped one is inflated into memory
// (at most 26 MB, checked against the entry's size before and while inflating).
class HgtTile {
public:
    struct OpenResult {
        std::shared_ptr<const HgtTile> tile;
        std::string error; // "PATH: REASON" when there is no tile
    };
    // The file at path (".hgt" or ".hgt.zip", by its name) as the tile of key.
    static OpenResult Open(const std::string& path, TileKey key);

    [[nodiscard]] TileKey Key() const { return key_; }
    [[nodiscard]] int Size() const { return size_; }
    // row from the north, col from the west, both in [0, Size()).
    [[nodiscard]] std::int16_t Sample(int row, int col) const {
        const std::size_t at = (static_cast<std::size_t>(row) * static_cast<std::size_t>(size_) +
                                static_cast<std::size_t>(col)) *
                               2;
        return static_cast<std::int16_t>(static_cast<unsigned>(bytes_[at]) << 8 |
                                         static_cast<unsigned>(bytes_[at + 1]));
    }

private:
    HgtTile(TileKey key, int size, std::shared_ptr<const std::byte[]> bytes)
        : key_(key), size_(size), bytes_(std::move(bytes)) {}

    TileKey key_;
    int size_ = 0;
    std::shared_ptr<const std::byte[]> bytes_;
};

// Samples a side for a tile file of byteCount bytes: 1201, 3601, or 0 for any other size.
int HgtSizeForBytes(std::uint64_t byteCount);

} // namespace terrain
