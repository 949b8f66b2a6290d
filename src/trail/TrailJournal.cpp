#include "trail/TrailJournal.h"

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "geo/RangeBearing.h"
#include "platform/AtomicFileWriter.h"
#include "platform/FileIo.h"
#include "platform/FileLock.h"
#include "platform/StateFolder.h"
#include "trail/JournalFolder.h"
#include "trail/JournalGpx.h"
#include "trail/JournalReader.h"

namespace trail {

namespace {

std::int64_t SystemClockMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

TrailRestorer::TrailRestorer(TrailBuffer& trail, std::int32_t maxLength)
    : trail_(trail), maxLength_(maxLength) {
    trail_.Clear();
}

void TrailRestorer::Add(const JournalEntry& entry) {
    const auto length = static_cast<std::size_t>(std::max(maxLength_, 0));
    switch (entry.kind) {
    case JournalEntry::Kind::Break:
        // A full trail holds at most a break, a loaded trail's two and the one that follows
        // them beyond its length; more breaks than that in a row change nothing drawn.
        if (trail_.Count() > length + 2)
            trail_.RemoveOldest();
        trail_.AddBreak();
        owed_ = previous_ == JournalEntry::Kind::Loaded ? 1 : 0;
        break;
    case JournalEntry::Kind::Fix:
        trail_.AddFront(entry.point.position);
        trail_.TrimTo(maxLength_);
        owed_ = 0;
        break;
    case JournalEntry::Kind::Loaded:
        trail_.AddFront(entry.point.position);
        for (int n = 0; n <= owed_; ++n)
            if (trail_.Count() > length)
                trail_.RemoveOldest();
        owed_ = 0;
        break;
    }
    previous_ = entry.kind;
}

void RestoreTrail(TrailBuffer& trail, const std::vector<JournalEntry>& entries,
                  std::int32_t maxLength) {
    TrailRestorer restorer(trail, maxLength);
    for (const JournalEntry& e : entries)
        restorer.Add(e);
}

TrailJournal::TrailJournal() : TrailJournal(SystemClockMs) {}

TrailJournal::TrailJournal(Clock clock) : clock_(std::move(clock)) {}

TrailJournal& TrailJournal::operator=(const TrailJournal& other) {
    if (this != &other) {
        Close();
        path_.clear();
        error_.clear();
        heldElsewhere_ = false;
        openNotice_.clear();
        clock_ = other.clock_;
        newest_ = other.newest_;
    }
    return *this;
}

void TrailJournal::Open(const std::string& path, TrailBuffer& trail, std::int32_t maxLength,
                        std::chrono::milliseconds syncDelay) {
    Close();
    path_ = path;
    syncDelay_ = syncDelay;
    error_.clear();
    heldElsewhere_ = false;
    newest_.reset();
    platform::MakeFolders(FolderOf(path));

    // Locked first, so that nothing another program is recording is read half-written, set
    // aside or cut. A lock that cannot be taken for another reason (a read-only file) still lets
    // the journal be read, and the writer then says why it cannot write.
    platform::FileLock lock;
    if (lock.Take(path) == platform::FileLock::Status::Busy) {
        heldElsewhere_ = true;
        error_ = JournalHeldElsewhere(path);
        return;
    }
    openNotice_.clear();
    JournalSummary found;
    bool exists = false;
    {
        JournalReader reader(path);
        if (reader.Opened().status == platform::LoadStatus::Unreadable || !reader.Error().empty()) {
            error_ = reader.Opened() ? reader.Error() : reader.Opened().error;
            return;
        }
        // An empty file is a journal not yet begun, not a file of somebody else's to keep.
        exists = reader.Opened().status != platform::LoadStatus::Missing && !reader.Empty();
        if (exists && reader.Summary().status == JournalSummary::Status::Ok) {
            const bool recording = trail.recording;
            TrailRestorer restorer(trail, maxLength);
            JournalEntry entry;
            while (reader.Next(entry)) {
                restorer.Add(entry);
                if (!entry.IsBreak())
                    newest_ = entry.point;
            }
            trail.recording = recording;
            if (!reader.Error().empty()) {
                error_ = reader.Error();
                return;
            }
            found = reader.Summary();
        } else if (exists) {
            if (!RotateJournals(path, error_))
                return;
            lock = {}; // it went with the file set aside; the writer locks the new one
            exists = false;
        }
    }
    JournalSummary now = found;
    if (found.damagedRecords + found.damagedTailRecords > 0) {
        if (!KeepDamaged(found, now))
            return;
        lock = {}; // it went with the file set aside; the writer locks the new one
    }
    writer_ = JournalWriter::Open(path, syncDelay, exists ? &now : nullptr, std::move(lock));
}

// Damage (more than a torn write leaves): nothing of the file is cut. It is set aside whole, as
// a file that is no journal is, and the journal begins again with every good record it held.
bool TrailJournal::KeepDamaged(const JournalSummary& found, JournalSummary& now) {
    if (!RotateJournals(path_, error_))
        return false;
    const std::string kept = KeptJournalPath(path_, 1);
    // Made first with the journal's own permissions, which the atomic write keeps: a journal
    // is where its user has been.
    if (const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        fd >= 0)
        ::close(fd);
    platform::AtomicFileWriter out(path_);
    JournalReader reader(kept);
    std::string chunk = EncodeJournalHeader();
    JournalEntry entry;
    while (reader.Next(entry)) {
        chunk += EncodeJournalRecord(entry);
        if (chunk.size() >= JournalReader::kBufferBytes) {
            out.Append(chunk);
            chunk.clear();
        }
    }
    out.Append(chunk);
    const platform::FileResult written =
        !reader.Opened() || !reader.Error().empty()
            ? platform::FileResult{false, reader.Opened() ? reader.Error() : reader.Opened().error}
            : out.Commit();
    if (!written) {
        // The good records stay in the kept file; no empty journal is left to be set aside too.
        out.Abandon();
        ::unlink(path_.c_str());
        error_ = written.error;
        return false;
    }
    now = JournalSummary{};
    now.records = reader.Summary().records;
    now.goodBytes = kJournalHeaderSize + now.records * kJournalRecordSize;
    const std::size_t damaged = found.damagedRecords + found.damagedTailRecords;
    openNotice_ = path_ + ": " + std::to_string(damaged) +
                  (damaged == 1 ? " damaged record" : " damaged records") +
                  " skipped; the journal as it was is kept as " + kept;
    return true;
}

void TrailJournal::Close() {
    writer_.reset();
}

void TrailJournal::Flush() {
    if (writer_)
        writer_->Sync();
}

bool TrailJournal::Failed() const {
    return !error_.empty() || (writer_ && writer_->Failed());
}

bool TrailJournal::HeldElsewhere() const {
    return heldElsewhere_ || (writer_ && writer_->HeldElsewhere());
}

std::string TrailJournal::Error() const {
    if (!error_.empty())
        return error_;
    return writer_ ? writer_->Error() : std::string();
}

void TrailJournal::Append(const JournalEntry& entry) {
    if (writer_)
        writer_->Append(entry);
}

void TrailJournal::AddBreak(TrailBuffer& trail) {
    trail.AddBreak();
    Append(JournalEntry::Break(clock_()));
}

bool TrailJournal::IsJump(const TrailBuffer& trail, const TrackPoint& point,
                          double maxSpeedKmh) const {
    if (!(maxSpeedKmh > 0.0) || !newest_ || trail.Empty())
        return false;
    const MapPos& front = *trail.NewestToOldest().begin();
    if (!front.IsSet() || !(front == newest_->position))
        return false;
    const double seconds =
        std::max<double>(static_cast<double>(point.utcMs - newest_->utcMs) / 1000.0, 1.0);
    const double metres = calib::RangeAndBearing(front, point.position).distance;
    // Written so that a NaN distance is no jump: the minimum distance refuses it anyway.
    return metres / seconds * 3.6 > maxSpeedKmh;
}

bool TrailJournal::Record(TrailBuffer& trail, TrackPoint point, double minDelta,
                          std::int32_t maxLength, double maxSpeedKmh) {
    if (point.utcMs == 0)
        point.utcMs = clock_();
    if (!trail.Empty() &&
        !TrailBuffer::ReachesMinDelta(*trail.NewestToOldest().begin(), point.position, minDelta))
        return false;
    if (IsJump(trail, point, maxSpeedKmh))
        AddBreak(trail);
    if (!trail.Record(point.position, minDelta, maxLength))
        return false;
    newest_ = point;
    Append({JournalEntry::Kind::Fix, point});
    return true;
}

void TrailJournal::Loaded(const Track& track) {
    const std::int64_t now = clock_();
    Append(JournalEntry::Break(now));
    bool first = true;
    for (const TrackSegment& segment : track) {
        if (segment.empty())
            continue;
        if (!first)
            Append(JournalEntry::Break(now));
        first = false;
        for (const TrackPoint& point : segment)
            Append({JournalEntry::Kind::Loaded, point});
    }
    Append(JournalEntry::Break(now));
    newest_.reset();
}

void TrailJournal::Clear(TrailBuffer& trail) {
    trail.Clear();
    newest_.reset();
    if (path_.empty() || HeldElsewhere())
        return;
    // A journal being written is set aside while its lock is held, so that no other program
    // takes it in between; the writer then finishes it where it now lies. An empty journal is
    // not worth a place among the ten kept. (Closed, a journal has no room made ahead: its size
    // is that of its records.)
    const bool writing = writer_ && !writer_->Failed();
    struct stat info {};
    const bool empty = writing ? writer_->EntryCount() == 0
                               : ::stat(path_.c_str(), &info) == 0 &&
                                     static_cast<std::size_t>(info.st_size) <= kJournalHeaderSize;
    error_.clear();
    const bool kept = empty || RotateJournals(path_, error_);
    Close();
    if (kept)
        writer_ = JournalWriter::Open(path_, syncDelay_);
}

std::vector<JournalEntry> TrailJournal::Recording() const {
    std::vector<JournalEntry> entries;
    std::string error;
    ReadRecording([&](const JournalEntry& e) { entries.push_back(e); }, error);
    return entries;
}

bool TrailJournal::ReadRecording(const std::function<void(const JournalEntry&)>& take,
                                 std::string& error) const {
    if (writer_)
        writer_->Sync();
    if (path_.empty()) {
        error = "no trail journal";
        return false;
    }
    JournalReader reader(path_);
    JournalEntry entry;
    while (reader.Next(entry))
        take(entry);
    if (!reader.Opened() || !reader.Error().empty()) {
        error = reader.Opened() ? reader.Error() : reader.Opened().error;
        return false;
    }
    return true;
}

platform::FileResult TrailJournal::ExportGpx(const std::string& path,
                                             xml::GpxLeftOut* leftOut) const {
    if (writer_)
        writer_->Sync();
    JournalReader reader(path_);
    return ExportJournalGpx(reader, path, leftOut);
}

} // namespace trail
