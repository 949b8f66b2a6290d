#include "calib/PositionList.h"

#include <bit>
#include <cstring>

namespace calib {

namespace {

template <typename Unsigned> void AppendLittleEndian(std::string& out, Unsigned value) {
    for (std::size_t i = 0; i < sizeof(Unsigned); ++i)
        out.push_back(static_cast<char>(static_cast<unsigned char>(value >> (8 * i))));
}

template <typename Unsigned>
std::optional<Unsigned> ReadLittleEndian(std::string_view bytes, std::size_t& cursor) {
    if (cursor > bytes.size() || bytes.size() - cursor < sizeof(Unsigned))
        return std::nullopt;
    Unsigned value = 0;
    for (std::size_t i = 0; i < sizeof(Unsigned); ++i)
        value |= static_cast<Unsigned>(static_cast<unsigned char>(bytes[cursor + i])) << (8 * i);
    cursor += sizeof(Unsigned);
    return value;
}

} // namespace

void AppendU16(std::string& out, std::uint16_t value) {
    AppendLittleEndian(out, value);
}
void AppendU32(std::string& out, std::uint32_t value) {
    AppendLittleEndian(out, value);
}
void AppendDouble(std::string& out, double value) {
    AppendLittleEndian(out, std::bit_cast<std::uint64_t>(value));
}

std::optional<std::uint16_t> ReadU16(std::string_view bytes, std::size_t& cursor) {
    return ReadLittleEndian<std::uint16_t>(bytes, cursor);
}
std::optional<std::uint32_t> ReadU32(std::string_view bytes, std::size_t& cursor) {
    return ReadLittleEndian<std::uint32_t>(bytes, cursor);
}
std::optional<double> ReadDouble(std::string_view bytes, std::size_t& cursor) {
    const auto raw = ReadLittleEndian<std::uint64_t>(bytes, cursor);
    if (!raw)
        return std::nullopt;
    return std::bit_cast<double>(*raw);
}

bool EncodePositionList(std::string& out, std::span<const MapPos> positions) {
    if (positions.size() > kMaxPositionCount)
        return false;
    if (positions.size() < 0xFFFF) {
        AppendU16(out, static_cast<std::uint16_t>(positions.size()));
    } else {
        AppendU16(out, 0xFFFF);
        AppendU32(out, static_cast<std::uint32_t>(positions.size()));
    }
    out.reserve(out.size() + positions.size() * kPositionRecordSize);
    for (const MapPos& position : positions) {
        AppendU32(out, kPositionRecordTag);
        AppendU32(out, 0);
        AppendDouble(out, position.y);
        AppendDouble(out, position.x);
    }
    return true;
}

std::optional<std::vector<MapPos>> DecodePositionList(std::string_view bytes, std::size_t& cursor) {
    std::size_t at = cursor;
    const auto shortCount = ReadU16(bytes, at);
    if (!shortCount)
        return std::nullopt;
    std::uint64_t count = *shortCount;
    if (count == 0xFFFF) {
        const auto longCount = ReadU32(bytes, at);
        if (!longCount)
            return std::nullopt;
        count = *longCount;
    }
    // at <= bytes.size() here, and count * 24 cannot overflow 64 bits.
    if (count * kPositionRecordSize > bytes.size() - at)
        return std::nullopt;

    std::vector<MapPos> positions;
    positions.reserve(static_cast<std::size_t>(count));
    for (std::uint64_t i = 0; i < count; ++i) {
        at += 8; // the two reserved words
        const double y = *ReadDouble(bytes, at);
        const double x = *ReadDouble(bytes, at);
        positions.emplace_back(x, y);
    }
    cursor = at;
    return positions;
}

} // namespace calib
