#pragma once

#include "platform/MappedFile.h"

#include <cstddef>
#include <string>

namespace map {

// Bounds on what a KMZ may make us hold, whatever its headers claim: its entries are counted
// and its bytes measured as they are inflated, so a zip bomb stops at the bound.
inline constexpr std::size_t kMaxKmzEntries = 65536;
inline constexpr std::size_t kMaxKmzDocumentBytes = std::size_t{16} << 20;
inline constexpr std::size_t kMaxKmzImageBytes = std::size_t{512} << 20;

struct KmzDocument {
    std::string text;   // the KML document; empty with an error
    std::string folder; // its folder inside the archive ("" at the top), which its links start at
    std::string error;  // "PATH: REASON"
};

// The KML document of the KMZ at path: doc.kml, else the first .kml entry, as the format has it.
KmzDocument ReadKmzDocument(const std::string& path);

struct KmzEntry {
    platform::UniqueFd fd; // the entry's bytes in an anonymous file in memory, read from its start
    std::string error;     // "PATH: REASON" when not valid
};

// The entry named entry (a path inside the archive, matched as written, else without regard to
// case) taken out of the KMZ at path into memory; with headBytes, only about its first
// headBytes (enough for an image's header, which is all a listing reads).
KmzEntry ExtractKmzEntry(const std::string& path, const std::string& entry,
                         std::size_t headBytes = 0);

} // namespace map
