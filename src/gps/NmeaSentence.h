#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The sentence-level view of one NMEA 0183 line: its type and its comma-separated fields.
//
// A sentence line is the text of one sentence as the line assembler queues it, starting with
// "$" and without its carriage return; bytes that followed the sentence may still trail it
// behind the "*". Any bytes are legal input (NUL and non-ASCII included): nothing here reads
// outside the line, allocates beyond its size, or throws. Lines are taken as bytes; no
// checksum is verified and the talker (the two characters after "$") is not looked at.
namespace gps {

// The three characters at positions 3, 4 and 5 of the line ("$GPGGA,..." and "$GNGGA,..."
// give "GGA"), or "" for a line shorter than 6 characters. Compare the result with the
// case-sensitive "GGA", "RMC" and "GSA": "$gpgga," is not a GGA sentence.
std::string NmeaSentenceType(std::string_view line);

// Replaces the contents of fields with the fields of the line and returns their count (at
// least 1). Field 0 is the address ("$GPGGA"); the others are numbered from 1 as in NMEA 0183.
// Fields are separated by ","; an empty field is an empty string in its place. The last field
// ends at the first "*" behind the last comma (the checksum and whatever follows it are cut
// off), or at the end of the line; a "*" before the last comma is an ordinary character.
// "$GPGSA,A,,3*39\n" gives "$GPGSA", "A", "", "3"; "abc" gives one field "abc".
std::int32_t NmeaSplitFields(std::string_view line, std::vector<std::string>& fields);

} // namespace gps
