#include "base/Bytes.h"

#include <bit>

namespace base {

namespace {

void Append(std::string& out, std::uint64_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i)
        out.push_back(static_cast<char>(static_cast<unsigned char>(value >> (8 * i))));
}

} // namespace

void AppendU8(std::string& out, std::uint8_t value) {
    Append(out, value, 1);
}
void AppendU16(std::string& out, std::uint16_t value) {
    Append(out, value, 2);
}
void AppendU32(std::string& out, std::uint32_t value) {
    Append(out, value, 4);
}
void AppendU64(std::string& out, std::uint64_t value) {
    Append(out, value, 8);
}
void AppendI32(std::string& out, std::int32_t value) {
    Append(out, static_cast<std::uint32_t>(value), 4);
}
void AppendF64(std::string& out, double value) {
    Append(out, std::bit_cast<std::uint64_t>(value), 8);
}

std::optional<std::uint64_t> ByteReader::Read(std::size_t width) {
    if (Remaining() < width)
        return std::nullopt;
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
        value |= std::uint64_t{static_cast<unsigned char>(bytes_[offset_ + i])} << (8 * i);
    offset_ += width;
    return value;
}

std::optional<std::uint8_t> ByteReader::U8() {
    const auto value = Read(1);
    return value ? std::optional<std::uint8_t>(static_cast<std::uint8_t>(*value)) : std::nullopt;
}
std::optional<std::uint16_t> ByteReader::U16() {
    const auto value = Read(2);
    return value ? std::optional<std::uint16_t>(static_cast<std::uint16_t>(*value)) : std::nullopt;
}
std::optional<std::uint32_t> ByteReader::U32() {
    const auto value = Read(4);
    return value ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(*value)) : std::nullopt;
}
std::optional<std::uint64_t> ByteReader::U64() {
    return Read(8);
}
std::optional<std::int32_t> ByteReader::I32() {
    const auto value = Read(4);
    return value ? std::optional<std::int32_t>(static_cast<std::int32_t>(*value)) : std::nullopt;
}
std::optional<double> ByteReader::F64() {
    const auto value = Read(8);
    return value ? std::optional<double>(std::bit_cast<double>(*value)) : std::nullopt;
}

std::optional<std::string_view> ByteReader::Take(std::size_t count) {
    if (Remaining() < count)
        return std::nullopt;
    const std::string_view taken = bytes_.substr(offset_, count);
    offset_ += count;
    return taken;
}

bool ByteReader::Skip(std::size_t count) {
    return Take(count).has_value();
}

} // namespace base
