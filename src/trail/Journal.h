#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "trail/TrackPoint.h"

// The recording journal (.qjr): every sample the trail accepts and every break, appended as it
// happens, so that a crash or a power cut loses at most what was not yet on the disk.
//
// Layout, all numbers little-endian:
//   header, 16 bytes:
//     0  8  magic "QUILOJRN"
//     8  2  version, 1
//    10  2  record size, 56
//    12  4  CRC-32 of bytes 0..11
//   then records of 56 bytes each, nothing else:
//     0  4  CRC-32 of bytes 4..55 of the record
//     4  1  kind: 1 fix, 2 break, 3 sample of a loaded trail file
//     5  3  zero
//     8  8  UTC time, milliseconds since 1970-01-01 (signed); 0 when unknown
//    16  8  latitude, degrees north, IEEE-754 double   (0 for a break)
//    24  8  longitude, degrees east                    (0 for a break)
//    32  8  height above mean sea level, metres        (NaN when unknown; NaN for a break)
//    40  8  speed over ground, knots                   (NaN when unknown)
//    48  8  course over ground, degrees true           (NaN when unknown)
//
// A record is good when its CRC matches, its kind is known, its padding is zero, a break holds
// nothing but its time (bit for bit as written) and a fix's numbers are possible (a fix within
// -90..90 and -180..180, finite or NaN where unknown is allowed). Records sit at fixed places
// (16 + 56 n), so a record that is not good costs only itself: reading goes on at the next
// place, and every good record after damage is read. What follows the last good record (a write
// torn by a crash or a power cut, or damage) is dropped, never read as data.
//
// A journal being written may end in zero bytes after its records: room the writer made ahead
// (see JournalWriter.h). A zero record is never good (its CRC does not match); such a zero tail is
// no damage, and appending carries on at its start.
namespace trail {

inline constexpr std::string_view kJournalMagic = "QUILOJRN";
inline constexpr std::uint16_t kJournalVersion = 1;
inline constexpr std::size_t kJournalHeaderSize = 16;
inline constexpr std::size_t kJournalRecordSize = 56;

struct JournalEntry {
    // A loaded sample is a fix that came from a trail file rather than the receiver: the trail
    // took it by the load's rules, not by recording's.
    enum class Kind : std::uint8_t { Fix = 1, Break = 2, Loaded = 3 };
    Kind kind = Kind::Fix;
    TrackPoint point; // a break keeps only point.utcMs

    static JournalEntry Break(std::int64_t utcMs) {
        JournalEntry e;
        e.kind = Kind::Break;
        e.point.utcMs = utcMs;
        return e;
    }
    [[nodiscard]] bool IsBreak() const { return kind == Kind::Break; }
};

std::string EncodeJournalHeader();
// A break is written with its position 0 and its other values unknown, whatever entry holds.
std::string EncodeJournalRecord(const JournalEntry& entry);
// One record of kJournalRecordSize bytes by the rules above; false when it is not good.
bool DecodeJournalRecord(std::string_view record, JournalEntry& entry);

// What reading a journal found, apart from the entries themselves.
struct JournalSummary {
    enum class Status {
        Ok,         // the header is good; the good records are the entries
        NotJournal, // too short for a header, another magic, or a damaged header
        Version,    // a journal of another version or record size
    };
    Status status = Status::Ok;
    std::size_t records = 0; // good records
    // Bytes of the header up to the end of the last good record: where appending carries on.
    std::size_t goodBytes = 0;
    // Record places before the last good record that held no good record: damage read past.
    std::size_t damagedRecords = 0;
    // Bytes after the last good record that were dropped (a torn or damaged tail).
    std::size_t droppedBytes = 0;
    // Bytes after it that are all zero: room made ahead, not damage (droppedBytes is then 0).
    std::size_t spareBytes = 0;
    // A torn write leaves at most its first record place of the dropped bytes not zero (the
    // writer writes over room made ahead). Anything more is damage: then the record places of
    // the dropped bytes not all zero, else 0.
    std::size_t damagedTailRecords = 0;
};

struct JournalContent : JournalSummary {
    std::vector<JournalEntry> entries;
};

// Reads journal bytes held in memory by the rules above (see JournalReader for a file). Never
// reads past the end; allocates at most one entry per whole record in the input.
JournalContent DecodeJournal(std::string_view bytes);

// The recording as runs of fixes between breaks, oldest first; empty runs are left out. A loaded
// sample at 0 N 0 E is a break (a trail file's break marker).
Track JournalTrack(const std::vector<JournalEntry>& entries);

// JournalTrack's cut into runs, one entry at a time, for a journal read in pieces: true when
// the entry is a point of a run, newRun then telling whether it begins one.
class JournalRunCutter {
public:
    bool Take(const JournalEntry& entry, bool& newRun);

private:
    bool open_ = false;
};

} // namespace trail
