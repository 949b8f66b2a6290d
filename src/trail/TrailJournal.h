#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileIo.h"
#include "trail/Journal.h"
#include "trail/JournalWriter.h"
#include "trail/TrailBuffer.h"
#include "xml/GpxWriter.h"

namespace trail {

// A trail and the journal that keeps it: every sample and break the trail takes goes through
// here, into the trail and onto the end of the journal, so the next start can rebuild it.
// Without an open journal (none asked for, or it could not be opened) the trail is kept as
// ever, in memory only; Failed() then tells whether a journal was wanted and lost.
class TrailJournal {
public:
    // UTC milliseconds since 1970 for breaks and for fixes the receiver gave no time to.
    using Clock = std::function<std::int64_t()>;
    TrailJournal();
    explicit TrailJournal(Clock clock);
    // A copy keeps the trail's rules but no journal: only one object writes a journal file
    // (a copied session is a scene for tests and benchmarks, not a second recorder).
    TrailJournal(const TrailJournal& other) : clock_(other.clock_), newest_(other.newest_) {}
    TrailJournal& operator=(const TrailJournal& other);
    TrailJournal(TrailJournal&&) = default;
    TrailJournal& operator=(TrailJournal&&) = default;
    ~TrailJournal() = default;

    // Rebuilds trail from the journal at path (its breaks included, trimmed to maxLength as
    // recording does) and appends to it from now on; the folder is created when missing. The
    // journal is read in pieces, so memory follows maxLength, not the journal's size. A file at
    // path that is not a readable journal is set aside as the newest kept journal and a new one
    // begun. A journal with damage (more than a torn write leaves: see JournalSummary) is set
    // aside whole the same way and begun again with every good record it held (OpenNotice()
    // says so). Replaces the trail's samples. When another program holds the journal
    // (JournalWriter.h) nothing is read or written: the trail stays as it is, kept in memory,
    // and HeldElsewhere() says why.
    void Open(const std::string& path, TrailBuffer& trail, std::int32_t maxLength,
              std::chrono::milliseconds syncDelay = JournalWriter::kDefaultSyncDelay);
    // Flushes and closes the journal; the trail stays as it is.
    void Close();

    // Writes what the journal holds and flushes it to the disk now, rather than within the
    // writer's delay.
    void Flush();

    [[nodiscard]] bool IsOpen() const { return writer_ != nullptr; }
    [[nodiscard]] const std::string& Path() const { return path_; }
    // A journal was opened and is no longer being written (its reason in Error()).
    [[nodiscard]] bool Failed() const;
    // The journal asked for is another program's: this one records into none.
    [[nodiscard]] bool HeldElsewhere() const;
    // The journal holds the whole recording: it is open and nothing has failed.
    [[nodiscard]] bool Keeps() const { return IsOpen() && !Failed(); }
    // The records the journal being written holds (0 when none is).
    [[nodiscard]] std::size_t EntryCount() const { return writer_ ? writer_->EntryCount() : 0; }
    [[nodiscard]] std::string Error() const;
    // What the user is to be told once about the journal Open found: damage read past and where
    // the file as it was is kept. Empty when there is nothing to tell.
    [[nodiscard]] const std::string& OpenNotice() const { return openNotice_; }

    void AddBreak(TrailBuffer& trail);
    // Offers a fix to the trail by its rules (TrailBuffer::Record). With maxSpeedKmh above 0,
    // a fix that would mean moving faster than that from the newest sample starts a new
    // segment instead (a break first). Time steps under a second count as one second, since
    // many receivers give whole seconds. point.utcMs 0 takes the clock's time. True when
    // the fix was recorded.
    bool Record(TrailBuffer& trail, TrackPoint point, double minDelta, std::int32_t maxLength,
                double maxSpeedKmh);
    // A trail file was loaded into trail (InsertLoadedSamples): its runs go into the journal
    // with their times and heights, a break before, between and after them.
    void Loaded(const Track& track);
    // Empties the trail and begins a new journal, the old one kept beside it (see
    // JournalFolder.h). A journal another program holds is left alone.
    void Clear(TrailBuffer& trail);

    // The whole recording in the journal, oldest first (not only what the trail holds); what
    // the writer held is written first.
    [[nodiscard]] std::vector<JournalEntry> Recording() const;
    // The same, handed to take one entry at a time in the memory of a small buffer. False
    // (with the reason in error) when there is no journal or it could not be read.
    bool ReadRecording(const std::function<void(const JournalEntry&)>& take,
                       std::string& error) const;
    // Writes the whole recording as a GPX track to path (see ExportJournalGpx); what GPX cannot
    // hold is counted in leftOut.
    [[nodiscard]] platform::FileResult ExportGpx(const std::string& path,
                                                 xml::GpxLeftOut* leftOut = nullptr) const;

private:
    void Append(const JournalEntry& entry);
    bool KeepDamaged(const JournalSummary& found, JournalSummary& now);
    [[nodiscard]] bool IsJump(const TrailBuffer& trail, const TrackPoint& point,
                              double maxSpeedKmh) const;

    Clock clock_;
    std::string path_;
    std::chrono::milliseconds syncDelay_ = JournalWriter::kDefaultSyncDelay;
    std::unique_ptr<JournalWriter> writer_;
    std::string error_; // why the journal could not be opened or set aside
    bool heldElsewhere_ = false;
    std::string openNotice_;
    // The newest fix recorded, for the jump filter.
    std::optional<TrackPoint> newest_;
};

// Replays journal entries into trail as recording and loading built it: a fix is added at the
// front and the trail trimmed to maxLength, a loaded sample added with at most one removal of
// the oldest (InsertLoadedSamples), a break added untrimmed.
void RestoreTrail(TrailBuffer& trail, const std::vector<JournalEntry>& entries,
                  std::int32_t maxLength);
// RestoreTrail one entry at a time, for a journal read in pieces. Breaks in a row beyond a full
// trail push its oldest samples out, so that no journal can make the trail grow without bound.
class TrailRestorer {
public:
    // Empties trail.
    TrailRestorer(TrailBuffer& trail, std::int32_t maxLength);
    void Add(const JournalEntry& entry);

private:
    TrailBuffer& trail_;
    std::int32_t maxLength_;
    // A break between two loaded runs was a sample of the file when it was loaded, and took
    // its removal of the oldest then; it is owed until the next loaded sample shows it was one.
    int owed_ = 0;
    JournalEntry::Kind previous_ = JournalEntry::Kind::Break;
};

} // namespace trail
