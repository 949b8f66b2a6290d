#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The sentence-level view of one NMEA 0183 line: its type and its comma-separated fields.
//
// A sentence line is the text of one sentence as the line assembler queues it, starting with
// "$" and without its carriage return; bytes that followed the sentence may still trail it
// behind the "*". Any bytes are legal input (NUL and non-ASCII included): nothing here reads
// outside the line, allocates, or throws. Lines are taken as bytes; no checksum is verified
// and the talker (the two characters after "$") is not looked at.
namespace gps {

// The three characters at positions 3, 4 and 5 of the line ("$GPGGA,..." and "$GNGGA,..."
// give "GGA"), or "" for a line shorter than 6 characters. Compare the result with the
// case-sensitive "GGA", "RMC" and "GSA": "$gpgga," is not a GGA sentence.
std::string_view NmeaSentenceType(std::string_view line);

// No understood sentence reads a field beyond 21 (a GSV of four satellites, its signal and a
// vendor's system id), so only that many are kept: a hostile line of a million commas costs
// no allocation.
inline constexpr std::size_t kNmeaKeptFields = 22;

// The fields of a line as views into it. Field 0 is the address ("$GPGGA"); the others are
// numbered from 1 as in NMEA 0183.
struct NmeaFields {
    std::array<std::string_view, kNmeaKeptFields> kept{};
    std::size_t count = 0; // all fields of the line, kept or not; at least 1

    // Field i; "" for a field beyond the line's or beyond the kept ones.
    std::string_view operator[](std::size_t i) const {
        return i < kept.size() ? kept[i] : std::string_view();
    }
};

// Fields are separated by ","; an empty field is an empty view in its place. The last field
// ends at the first "*" behind the last comma (the checksum and whatever follows it are cut
// off), or at the end of the line; a "*" before the last comma is an ordinary character.
// "$GPGSA,A,,3*39\n" gives "$GPGSA", "A", "", "3"; "abc" gives one field "abc".
NmeaFields SplitNmeaFields(std::string_view line);

// True when line is "$" + body + "*" + two hex digits (either case) whose value is the XOR of
// the body's bytes, with only blanks or line ends after them. "$GPGSA,A,1,,,,,,,,,,,,,,,*1E"
// is valid; a line without "*", with one hex digit, or with a wrong sum is not.
bool NmeaChecksumValid(std::string_view line);

} // namespace gps
