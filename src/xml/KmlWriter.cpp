#include "xml/KmlWriter.h"

#include "base/Number.h"
#include "base/Utf8.h"

#include <cmath>

namespace xml {

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
                base::AppendUtf8(out, base::kReplacementCharacter);
            } else if (u < 0x80) {
                out += c;
            } else if (const std::size_t length = base::DecodeUtf8(text).length; length == 0) {
                base::AppendUtf8(out, base::kReplacementCharacter);
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
    base::AppendFixed(out, value, 10);
}

bool IsKmlPosition(double longitude, double latitude) {
    return std::isfinite(longitude) && std::isfinite(latitude) && std::abs(latitude) <= 90.0 &&
           std::abs(longitude) <= 180.0;
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

} // namespace xml
