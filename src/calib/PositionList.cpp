#include "calib/PositionList.h"

#include "base/Bytes.h"

namespace calib {

bool EncodePositionList(std::string& out, std::span<const MapPos> positions) {
    if (positions.size() > kMaxPositionCount)
        return false;
    if (positions.size() < 0xFFFF) {
        base::AppendU16(out, static_cast<std::uint16_t>(positions.size()));
    } else {
        base::AppendU16(out, 0xFFFF);
        base::AppendU32(out, static_cast<std::uint32_t>(positions.size()));
    }
    out.reserve(out.size() + positions.size() * kPositionRecordSize);
    for (const MapPos& position : positions) {
        base::AppendU32(out, kPositionRecordTag);
        base::AppendU32(out, 0);
        base::AppendF64(out, position.y);
        base::AppendF64(out, position.x);
    }
    return true;
}

std::optional<std::vector<MapPos>> DecodePositionList(std::string_view bytes, std::size_t& cursor) {
    base::ByteReader reader(bytes, cursor);
    const auto shortCount = reader.U16();
    if (!shortCount)
        return std::nullopt;
    std::uint64_t count = *shortCount;
    if (count == 0xFFFF) {
        const auto longCount = reader.U32();
        if (!longCount)
            return std::nullopt;
        count = *longCount;
    }
    // count * 24 cannot overflow 64 bits.
    if (count * kPositionRecordSize > reader.Remaining())
        return std::nullopt;

    std::vector<MapPos> positions;
    positions.reserve(static_cast<std::size_t>(count));
    for (std::uint64_t i = 0; i < count; ++i) {
        // The two reserved words, then y and x; the size check above covers all of them.
        (void)reader.Skip(8);
        const double y = *reader.F64();
        const double x = *reader.F64();
        positions.emplace_back(x, y);
    }
    cursor = reader.Offset();
    return positions;
}

} // namespace calib
