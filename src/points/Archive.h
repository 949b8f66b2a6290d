#pragma once

#include "base/Bytes.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The persistence archive of the handheld program's framework, as far as the points file uses
// it. Everything is little-endian whatever the host.
//
// Count:   a word; 0xFFFF escapes to a dword, and a dword of 0xFFFFFFFF to a qword.
// Strings: a length in characters, then the characters. The length is a byte; 0xFF escapes to
//          a word, 0xFFFF to a dword, 0xFFFFFFFF to a qword. A wide string is marked by the
//          byte 0xFF and the word 0xFFFE ahead of its length and holds UTF-16LE units;
//          without the mark the characters are 8-bit Windows-1252.
// Objects: a word tag: 0 is null; 0xFFFF opens a new class record (schema word, name length
//          word, 8-bit name); 0x8000 | n refers to the class of archive index n; any other
//          value n is a reference to the already stored object of index n. 0x7FFF escapes
//          to a dword tag with the class flag moved to 0x80000000. Indices start at 1 and
//          are handed out in order of appearance to classes and objects alike.
//
// Inside the program text is UTF-8. Writing always uses the wide form; text that is not
// well-formed UTF-8 is written with U+FFFD in place of each bad byte, and reading turns
// unpaired UTF-16 surrogates into U+FFFD, so every string read is well-formed UTF-8.
namespace points {

inline constexpr std::uint16_t kNullTag = 0x0000;
inline constexpr std::uint16_t kNewClassTag = 0xFFFF;
inline constexpr std::uint16_t kClassTag = 0x8000;
inline constexpr std::uint16_t kBigObjectTag = 0x7FFF;
inline constexpr std::uint32_t kBigClassTag = 0x80000000;
// The framework keeps class names in 64 characters with the terminating null and refuses
// longer ones; so do we, before allocating.
inline constexpr std::size_t kMaxClassNameLength = 63;

class ArchiveWriter {
public:
    void WriteByte(std::uint8_t value);
    void WriteWord(std::uint16_t value);
    void WriteDword(std::uint32_t value);
    void WriteQword(std::uint64_t value);
    void WriteInt32(std::int32_t value);
    void WriteDouble(double value);
    void WriteCount(std::uint64_t count);
    // UTF-8 text as a wide string.
    void WriteString(std::string_view utf8);
    // Tag 0xFFFF, schema, name length and name (8-bit, at most kMaxClassNameLength bytes).
    void WriteNewClass(std::uint16_t schema, std::string_view className);
    // The tag of a class already written at archive index classIndex (>= 1).
    void WriteClassReference(std::uint32_t classIndex);

    [[nodiscard]] const std::string& Bytes() const { return bytes_; }
    [[nodiscard]] std::string TakeBytes() { return std::move(bytes_); }

private:
    std::string bytes_;
};

// What an object tag announced.
struct ArchiveTag {
    enum class Kind { Null, ObjectReference, ClassReference, NewClass };
    Kind kind = Kind::Null;
    std::uint32_t index = 0;  // ObjectReference, ClassReference: the archive index
    std::uint16_t schema = 0; // NewClass
    std::string className;    // NewClass, 8-bit as stored
};

// Reads from a byte range it does not own. Every Read* returns false, leaving its output
// untouched, when the bytes left cannot hold the value (or a string's announced length);
// the position is then unspecified and the caller is expected to give up.
class ArchiveReader {
public:
    explicit ArchiveReader(std::string_view bytes) : reader_(bytes) {}

    [[nodiscard]] bool ReadByte(std::uint8_t& value);
    [[nodiscard]] bool ReadWord(std::uint16_t& value);
    [[nodiscard]] bool ReadDword(std::uint32_t& value);
    [[nodiscard]] bool ReadQword(std::uint64_t& value);
    [[nodiscard]] bool ReadInt32(std::int32_t& value);
    [[nodiscard]] bool ReadDouble(double& value);
    [[nodiscard]] bool ReadCount(std::uint64_t& count);
    // A wide or 8-bit string, as UTF-8.
    [[nodiscard]] bool ReadString(std::string& utf8);
    // An object tag; for a new class record also its schema and name.
    [[nodiscard]] bool ReadObjectTag(ArchiveTag& tag);

    [[nodiscard]] std::size_t Offset() const { return reader_.Offset(); }
    [[nodiscard]] std::size_t Remaining() const { return reader_.Remaining(); }

private:
    base::ByteReader reader_;
};

// UTF-8 to UTF-16 code units; each byte that does not start a well-formed sequence becomes
// U+FFFD. "Café" gives 43 61 66 E9; U+1F30D gives the pair D83C DF0D.
[[nodiscard]] std::u16string Utf8ToUtf16(std::string_view utf8);
// UTF-16 code units to UTF-8; an unpaired surrogate becomes U+FFFD.
[[nodiscard]] std::string Utf16ToUtf8(std::u16string_view utf16);
// Windows-1252 to UTF-8. The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) map to the C1 controls of the same value, as the system's own converter does.
[[nodiscard]] std::string Windows1252ToUtf8(std::string_view bytes);

} // namespace points
