#include "points/Archive.h"

#include "base/Bytes.h"
#include "base/Utf8.h"

#include <array>
#include <optional>

namespace points {

namespace {

constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const base::Utf8Sequence sequence = base::DecodeUtf8(utf8);
        char32_t c = sequence.codePoint;
        std::size_t used = sequence.length;
        if (used == 0) {
            c = base::kReplacementCharacter;
            used = 1;
        }
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
        utf8.remove_prefix(used);
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char32_t unit = utf16[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF) {
            base::AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (utf16[i + 1] - 0xDC00));
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            base::AppendUtf8(out, base::kReplacementCharacter);
        } else {
            base::AppendUtf8(out, unit);
        }
    }
    return out;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        base::AppendUtf8(out, b >= 0x80 && b < 0xA0 ? kWindows1252High[b - 0x80] : char32_t{b});
    }
    return out;
}

void ArchiveWriter::WriteByte(std::uint8_t value) {
    base::AppendU8(bytes_, value);
}

void ArchiveWriter::WriteWord(std::uint16_t value) {
    base::AppendU16(bytes_, value);
}

void ArchiveWriter::WriteDword(std::uint32_t value) {
    base::AppendU32(bytes_, value);
}

void ArchiveWriter::WriteQword(std::uint64_t value) {
    base::AppendU64(bytes_, value);
}

void ArchiveWriter::WriteInt32(std::int32_t value) {
    base::AppendI32(bytes_, value);
}

void ArchiveWriter::WriteDouble(double value) {
    base::AppendF64(bytes_, value);
}

void ArchiveWriter::WriteCount(std::uint64_t count) {
    if (count < 0xFFFF) {
        WriteWord(static_cast<std::uint16_t>(count));
        return;
    }
    WriteWord(0xFFFF);
    if (count < 0xFFFFFFFF) {
        WriteDword(static_cast<std::uint32_t>(count));
        return;
    }
    WriteDword(0xFFFFFFFF);
    WriteQword(count);
}

void ArchiveWriter::WriteString(std::string_view utf8) {
    const std::u16string units = Utf8ToUtf16(utf8);
    const std::uint64_t length = units.size();
    WriteByte(0xFF);
    WriteWord(0xFFFE);
    if (length < 0xFF) {
        WriteByte(static_cast<std::uint8_t>(length));
    } else {
        WriteByte(0xFF);
        if (length < 0xFFFE) {
            WriteWord(static_cast<std::uint16_t>(length));
        } else {
            WriteWord(0xFFFF);
            if (length < 0xFFFFFFFF) {
                WriteDword(static_cast<std::uint32_t>(length));
            } else {
                WriteDword(0xFFFFFFFF);
                WriteQword(length);
            }
        }
    }
    for (const char16_t unit : units)
        WriteWord(unit);
}

void ArchiveWriter::WriteNewClass(std::uint16_t schema, std::string_view className) {
    className = className.substr(0, kMaxClassNameLength);
    WriteWord(kNewClassTag);
    WriteWord(schema);
    WriteWord(static_cast<std::uint16_t>(className.size()));
    bytes_ += className;
}

void ArchiveWriter::WriteClassReference(std::uint32_t classIndex) {
    if (classIndex < kBigObjectTag) {
        WriteWord(static_cast<std::uint16_t>(kClassTag | classIndex));
    } else {
        WriteWord(kBigObjectTag);
        WriteDword(kBigClassTag | classIndex);
    }
}

namespace {

// Moves a read value into the caller's variable, leaving it untouched on failure.
template <typename T> bool Store(std::optional<T> read, T& value) {
    if (!read)
        return false;
    value = *read;
    return true;
}

} // namespace

bool ArchiveReader::ReadByte(std::uint8_t& value) {
    return Store(reader_.U8(), value);
}

bool ArchiveReader::ReadWord(std::uint16_t& value) {
    return Store(reader_.U16(), value);
}

bool ArchiveReader::ReadDword(std::uint32_t& value) {
    return Store(reader_.U32(), value);
}

bool ArchiveReader::ReadQword(std::uint64_t& value) {
    return Store(reader_.U64(), value);
}

bool ArchiveReader::ReadInt32(std::int32_t& value) {
    return Store(reader_.I32(), value);
}

bool ArchiveReader::ReadDouble(double& value) {
    return Store(reader_.F64(), value);
}

bool ArchiveReader::ReadCount(std::uint64_t& count) {
    std::uint16_t word = 0;
    if (!ReadWord(word))
        return false;
    if (word != 0xFFFF) {
        count = word;
        return true;
    }
    std::uint32_t dword = 0;
    if (!ReadDword(dword))
        return false;
    if (dword != 0xFFFFFFFF) {
        count = dword;
        return true;
    }
    return ReadQword(count);
}

bool ArchiveReader::ReadString(std::string& utf8) {
    // The length escapes follow the framework's reader exactly: after the wide mark the
    // length starts over with a byte, and a word of 0xFFFE is then a plain length.
    bool wide = false;
    std::uint64_t length = 0;
    std::uint8_t byteLength = 0;
    std::uint16_t wordLength = 0;
    if (!ReadByte(byteLength))
        return false;
    if (byteLength < 0xFF) {
        length = byteLength;
    } else {
        if (!ReadWord(wordLength))
            return false;
        if (wordLength == 0xFFFE) {
            wide = true;
            if (!ReadByte(byteLength))
                return false;
            if (byteLength < 0xFF) {
                length = byteLength;
            } else if (!ReadWord(wordLength)) {
                return false;
            }
        }
        if (byteLength == 0xFF) {
            if (wordLength < 0xFFFF) {
                length = wordLength;
            } else {
                std::uint32_t dwordLength = 0;
                if (!ReadDword(dwordLength))
                    return false;
                length = dwordLength;
                if (dwordLength == 0xFFFFFFFF && !ReadQword(length))
                    return false;
            }
        }
    }
    const std::uint64_t unitSize = wide ? 2 : 1;
    if (length > Remaining() / unitSize)
        return false;
    const std::string_view raw = *reader_.Take(length * unitSize);
    if (!wide) {
        utf8 = Windows1252ToUtf8(raw);
        return true;
    }
    std::u16string units(length, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(raw[2 * i]) |
                                         static_cast<unsigned char>(raw[2 * i + 1]) << 8);
    }
    utf8 = Utf16ToUtf8(units);
    return true;
}

bool ArchiveReader::ReadObjectTag(ArchiveTag& tag) {
    std::uint16_t word = 0;
    if (!ReadWord(word))
        return false;
    ArchiveTag result;
    if (word == kNewClassTag) {
        std::uint16_t nameLength = 0;
        if (!ReadWord(result.schema) || !ReadWord(nameLength))
            return false;
        const auto name =
            nameLength > kMaxClassNameLength ? std::nullopt : reader_.Take(nameLength);
        if (!name)
            return false;
        result.kind = ArchiveTag::Kind::NewClass;
        result.className = std::string(*name);
        tag = std::move(result);
        return true;
    }
    std::uint32_t full = 0;
    if (word == kBigObjectTag) {
        if (!ReadDword(full))
            return false;
    } else {
        full = (std::uint32_t{word} & kClassTag) << 16 | (word & ~kClassTag);
    }
    if (full & kBigClassTag) {
        result.kind = ArchiveTag::Kind::ClassReference;
        result.index = full & ~kBigClassTag;
    } else if (full == kNullTag) {
        result.kind = ArchiveTag::Kind::Null;
    } else {
        result.kind = ArchiveTag::Kind::ObjectReference;
        result.index = full;
    }
    tag = std::move(result);
    return true;
}

} // namespace points
