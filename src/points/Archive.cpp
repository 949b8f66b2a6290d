#include "points/Archive.h"

#include <array>
#include <bit>

namespace points {

namespace {

constexpr char32_t kReplacementChar = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes the well-formed UTF-8 sequence at the front of text into c and returns its length,
// or returns 0 when there is none (overlong forms, surrogates, values above U+10FFFF and
// truncated sequences are not well-formed).
std::size_t DecodeUtf8(std::string_view text, char32_t& c) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        c = lead;
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        c = lead & 0x0F;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        c = lead & 0x07;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
        c = (c << 6) | (byte(i) & 0x3F);
    }
    return length;
}

constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        char32_t c = 0;
        std::size_t used = DecodeUtf8(utf8, c);
        if (used == 0) {
            c = kReplacementChar;
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
            AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (utf16[i + 1] - 0xDC00));
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            AppendUtf8(out, kReplacementChar);
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        AppendUtf8(out, b >= 0x80 && b < 0xA0 ? kWindows1252High[b - 0x80] : char32_t{b});
    }
    return out;
}

void ArchiveWriter::WriteByte(std::uint8_t value) {
    bytes_ += static_cast<char>(value);
}

void ArchiveWriter::WriteWord(std::uint16_t value) {
    WriteByte(static_cast<std::uint8_t>(value));
    WriteByte(static_cast<std::uint8_t>(value >> 8));
}

void ArchiveWriter::WriteDword(std::uint32_t value) {
    WriteWord(static_cast<std::uint16_t>(value));
    WriteWord(static_cast<std::uint16_t>(value >> 16));
}

void ArchiveWriter::WriteQword(std::uint64_t value) {
    WriteDword(static_cast<std::uint32_t>(value));
    WriteDword(static_cast<std::uint32_t>(value >> 32));
}

void ArchiveWriter::WriteInt32(std::int32_t value) {
    WriteDword(static_cast<std::uint32_t>(value));
}

void ArchiveWriter::WriteDouble(double value) {
    WriteQword(std::bit_cast<std::uint64_t>(value));
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

bool ArchiveReader::ReadLittleEndian(std::size_t width, std::uint64_t& value) {
    if (Remaining() < width)
        return false;
    std::uint64_t result = 0;
    for (std::size_t i = 0; i < width; ++i)
        result |= std::uint64_t{static_cast<unsigned char>(bytes_[offset_ + i])} << (8 * i);
    offset_ += width;
    value = result;
    return true;
}

bool ArchiveReader::ReadByte(std::uint8_t& value) {
    std::uint64_t raw = 0;
    if (!ReadLittleEndian(1, raw))
        return false;
    value = static_cast<std::uint8_t>(raw);
    return true;
}

bool ArchiveReader::ReadWord(std::uint16_t& value) {
    std::uint64_t raw = 0;
    if (!ReadLittleEndian(2, raw))
        return false;
    value = static_cast<std::uint16_t>(raw);
    return true;
}

bool ArchiveReader::ReadDword(std::uint32_t& value) {
    std::uint64_t raw = 0;
    if (!ReadLittleEndian(4, raw))
        return false;
    value = static_cast<std::uint32_t>(raw);
    return true;
}

bool ArchiveReader::ReadQword(std::uint64_t& value) {
    return ReadLittleEndian(8, value);
}

bool ArchiveReader::ReadInt32(std::int32_t& value) {
    std::uint32_t raw = 0;
    if (!ReadDword(raw))
        return false;
    value = static_cast<std::int32_t>(raw);
    return true;
}

bool ArchiveReader::ReadDouble(double& value) {
    std::uint64_t raw = 0;
    if (!ReadQword(raw))
        return false;
    value = std::bit_cast<double>(raw);
    return true;
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
    const std::string_view raw = bytes_.substr(offset_, length * unitSize);
    offset_ += raw.size();
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
        if (nameLength > kMaxClassNameLength || nameLength > Remaining())
            return false;
        result.kind = ArchiveTag::Kind::NewClass;
        result.className = std::string(bytes_.substr(offset_, nameLength));
        offset_ += nameLength;
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
