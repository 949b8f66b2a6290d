#include "trail/KmlWriter.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace trail {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD

// Length of the well-formed UTF-8 sequence at the front of text, or 0 when it is not one
// (overlong forms, surrogates and code points above U+10FFFF are rejected).
std::size_t Utf8SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    if (byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    }
    return length;
}

} // namespace

void AppendXmlEscaped(std::string& out, std::string_view text) {
    while (!text.empty()) {
        const char c = text.front();
        const auto u = static_cast<unsigned char>(c);
        std::size_t used = 1;
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            if (u < 0x20 && c != '\t' && c != '\n' && c != '\r') {
                out += kReplacement;
            } else if (u < 0x80) {
                out += c;
            } else if (const std::size_t length = Utf8SequenceLength(text); length == 0) {
                out += kReplacement;
            } else {
                out.append(text.data(), length);
                used = length;
            }
        }
        text.remove_prefix(used);
    }
}

std::string XmlEscaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    AppendXmlEscaped(out, text);
    return out;
}

void AppendFixed10(std::string& out, double value) {
    if (!std::isfinite(value)) {
        // to_chars would write "nan" for every NaN; the C library keeps the sign.
        if (std::signbit(value))
            out += '-';
        out += std::isnan(value) ? "nan" : "inf";
        return;
    }
    // The widest finite double needs 309 integer digits, a sign, a point and 10 decimals.
    char buffer[330];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 10);
    out.append(buffer, result.ptr);
}

void AppendKmlCoordinates(std::string& out, double longitude, double latitude) {
    AppendFixed10(out, longitude);
    out += ',';
    AppendFixed10(out, latitude);
}

void AppendKmlDocumentStart(std::string& out) {
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kml xmlns=\"";
    out += kKmlNamespace;
    out += "\">\n<Document>\n";
}

void AppendKmlFolderStart(std::string& out, std::string_view folderName) {
    out += "<Folder><name>";
    AppendXmlEscaped(out, folderName);
    out += "</name>\n";
}

void AppendKmlDocumentEnd(std::string& out) {
    out += "</Folder>\n</Document>\n</kml>\n";
}

} // namespace trail
