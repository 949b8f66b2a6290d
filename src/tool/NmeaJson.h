#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "gps/GpsDetails.h"
#include "gps/GpsDetailsReader.h"
#include "gps/NmeaDecode.h"

// The JSON lines of `decode --json` and `monitor --json`, one object a line; the man page
// lists their fields. Unknown values are null.
namespace tool {

// One decoded sentence of an understood type: "type", "line", "talker", "ok", then every field
// its record holds.
std::string SentenceJson(std::size_t lineNumber, std::string_view line,
                         const gps::DecodedSentence& sentence);

// One completed GSV group: "type": "sky", the line of its last sentence, the time the
// details know, the talker, the signal and its satellites.
std::string SkyJson(std::size_t lineNumber, std::optional<std::int64_t> utcMs,
                    const gps::SkyGroup& group);

// The receiver details of one update.
std::string DetailsJson(const gps::GpsDetails& details);

} // namespace tool
