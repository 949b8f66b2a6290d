// One input is a journal. Whatever it holds, reading keeps to whole record places, every entry
// read is a possible fix or a break, the entries encode back to exactly the bytes of the places
// they came from (the others counted as damage), and the runs hold every fix.
#include "FuzzCheck.h"
#include "trail/Journal.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const trail::JournalContent content = trail::DecodeJournal(bytes);
    using Status = trail::JournalContent::Status;
    if (content.status != Status::Ok) {
        fuzz::Check(content.entries.empty());
        return 0;
    }
    fuzz::Check(content.records == content.entries.size());
    fuzz::Check(content.goodBytes ==
                trail::kJournalHeaderSize +
                    (content.records + content.damagedRecords) * trail::kJournalRecordSize);
    fuzz::Check(content.goodBytes + content.droppedBytes + content.spareBytes == size);
    // A tail is either room made ahead (all zero) or dropped, never both.
    fuzz::Check(content.spareBytes == 0 || content.droppedBytes == 0);
    fuzz::Check(bytes.substr(content.goodBytes, content.spareBytes).find_first_not_of('\0') ==
                std::string_view::npos);
    fuzz::Check(content.droppedBytes < trail::kJournalRecordSize ||
                trail::DecodeJournal(bytes.substr(0, content.goodBytes + trail::kJournalRecordSize))
                        .entries.size() == content.entries.size());

    std::size_t fixes = 0;
    std::size_t next = 0;
    std::size_t damaged = 0;
    for (std::size_t at = trail::kJournalHeaderSize; at < content.goodBytes;
         at += trail::kJournalRecordSize) {
        const std::string_view place = bytes.substr(at, trail::kJournalRecordSize);
        if (next < content.entries.size() &&
            trail::EncodeJournalRecord(content.entries[next]) == place) {
            const trail::JournalEntry& e = content.entries[next++];
            if (!e.IsBreak()) {
                ++fixes;
                fuzz::Check(std::fabs(e.point.position.y) <= 90.0 &&
                            std::fabs(e.point.position.x) <= 180.0);
            }
        } else {
            ++damaged;
        }
    }
    fuzz::Check(next == content.entries.size() && damaged == content.damagedRecords);

    std::size_t inRuns = 0;
    for (const trail::TrackSegment& run : trail::JournalTrack(content.entries)) {
        fuzz::Check(!run.empty());
        inRuns += run.size();
    }
    fuzz::Check(inRuns == fixes);
    return 0;
}
