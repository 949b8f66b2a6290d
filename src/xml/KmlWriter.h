#pragma once

#include <string>
#include <string_view>

// The KML 2.1 envelope shared by the trail export and the map point export, XML escaping of
// text, and the coordinate number format. Everything appends to a caller's string so that a
// document can be built in memory or streamed out in chunks; nothing depends on the process
// locale.
//
// A document is: KmlDocumentStart, [the trail's style block], KmlFolderStart(name), the
// placemarks, KmlDocumentEnd. Every line ends with a single line feed.
namespace xml {

inline constexpr std::string_view kKmlNamespace = "http://earth.google.com/kml/2.1";

// Appends text as XML character data or attribute content, UTF-8 in, UTF-8 out:
//   & < > " '  become  &amp; &lt; &gt; &quot; &apos;
//   bytes that are not well-formed UTF-8, and control characters that XML 1.0 forbids
//   (U+0000..U+001F except tab, LF, CR) become U+FFFD, so every document parses.
// "A&B <x>" gives "A&amp;B &lt;x&gt;"; "Zürich" is copied unchanged.
void AppendXmlEscaped(std::string& out, std::string_view text);
[[nodiscard]] std::string XmlEscaped(std::string_view text);

// Appends value with exactly ten decimals and a point, as "%.10f" prints it in the "C"
// locale: 151.2093 gives "151.2093000000", -0.0014 gives "-0.0014000000". NaN and the
// infinities give "nan", "-nan", "inf", "-inf" like the C library.
void AppendFixed10(std::string& out, double value);

// True when a KML reader takes the position: both finite, |latitude| <= 90, |longitude| <= 180.
[[nodiscard]] bool IsKmlPosition(double longitude, double latitude);

// "<longitude>,<latitude>" each with ten decimals, no altitude, no line end:
// (151.2093, -33.8688) gives "151.2093000000,-33.8688000000".
void AppendKmlCoordinates(std::string& out, double longitude, double latitude);

// The XML declaration, the kml element with the KML 2.1 namespace, and "<Document>".
void AppendKmlDocumentStart(std::string& out);

// "<Folder><name>NAME</name>" with NAME escaped.
void AppendKmlFolderStart(std::string& out, std::string_view folderName);

// "</Folder>", "</Document>", "</kml>".
void AppendKmlDocumentEnd(std::string& out);

} // namespace xml
