#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Little-endian values in byte strings, whatever the host's byte order.
namespace base {

void AppendU8(std::string& out, std::uint8_t value);
void AppendU16(std::string& out, std::uint16_t value);
void AppendU32(std::string& out, std::uint32_t value);
void AppendU64(std::string& out, std::uint64_t value);
void AppendI32(std::string& out, std::int32_t value);
// The IEEE-754 bits of value, as they are (NaN payloads included).
void AppendF64(std::string& out, double value);

// Reads values one after another from bytes it does not own. A read that needs more bytes
// than are left returns nothing and leaves the offset where it was, so a truncated file
// cannot be read past its end; an offset beyond the end counts as nothing left.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes, std::size_t offset = 0)
        : bytes_(bytes), offset_(offset) {}

    [[nodiscard]] std::optional<std::uint8_t> U8();
    [[nodiscard]] std::optional<std::uint16_t> U16();
    [[nodiscard]] std::optional<std::uint32_t> U32();
    [[nodiscard]] std::optional<std::uint64_t> U64();
    [[nodiscard]] std::optional<std::int32_t> I32();
    [[nodiscard]] std::optional<double> F64();
    // The next `count` bytes as they are.
    [[nodiscard]] std::optional<std::string_view> Take(std::size_t count);
    // Steps over `count` bytes; false, not moving, when fewer are left.
    [[nodiscard]] bool Skip(std::size_t count);

    [[nodiscard]] std::size_t Offset() const { return offset_; }
    [[nodiscard]] std::size_t Remaining() const {
        return offset_ < bytes_.size() ? bytes_.size() - offset_ : 0;
    }

private:
    [[nodiscard]] std::optional<std::uint64_t> Read(std::size_t width);

    std::string_view bytes_;
    std::size_t offset_ = 0;
};

} // namespace base
