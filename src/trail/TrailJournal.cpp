#include "trail/TrailJournal.h"

#include <algorithm>
#include <chrono>
#include <sys/stat.h>

#include "calib/RangeBearing.h"
#include "platform/FileIo.h"
#include "platform/FileLock.h"
#include "platform/StateFolder.h"
#include "trail/JournalFolder.h"

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

void RestoreTrail(TrailBuffer& trail, const std::vector<JournalEntry>& entries,
                  std::int32_t maxLength) {
    trail.Clear();
    const auto capacity = static_cast<std::size_t>(std::max(maxLength, 0));
    // A break between two loaded runs was a sample of the file when it was loaded, and took
    // its removal of the oldest then; it is owed until the next loaded sample shows it was one.
    int owed = 0;
    auto previous = JournalEntry::Kind::Break;
    for (const JournalEntry& e : entries) {
        switch (e.kind) {
        case JournalEntry::Kind::Break:
            trail.AddBreak();
            owed = previous == JournalEntry::Kind::Loaded ? 1 : 0;
            break;
        case JournalEntry::Kind::Fix:
            trail.AddFront(e.point.position);
            trail.TrimTo(maxLength);
            owed = 0;
            break;
        case JournalEntry::Kind::Loaded:
            trail.AddFront(e.point.position);
            for (int n = 0; n <= owed; ++n)
                if (trail.Count() > capacity)
                    trail.RemoveOldest();
            owed = 0;
            break;
        }
        previous = e.kind;
    }
}

TrailJournal::TrailJournal() : TrailJournal(SystemClockMs) {}

TrailJournal::TrailJournal(Clock clock) : clock_(std::move(clock)) {}

TrailJournal& TrailJournal::operator=(const TrailJournal& other) {
    if (this != &other) {
        Close();
        path_.clear();
        error_.clear();
        heldElsewhere_ = false;
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
    std::string bytes;
    JournalContent content;
    platform::LoadResult read = platform::ReadFileToLoad(path, bytes, std::size_t{1} << 30);
    if (read && bytes.empty())
        read.status = platform::LoadStatus::Missing; // made by the lock, or left empty: new
    if (read) {
        content = DecodeJournal(bytes);
        if (content.status == JournalContent::Status::Ok) {
            const bool recording = trail.recording;
            RestoreTrail(trail, content.entries, maxLength);
            trail.recording = recording;
            for (auto it = content.entries.rbegin(); it != content.entries.rend(); ++it) {
                if (!it->IsBreak()) {
                    newest_ = it->point;
                    break;
                }
            }
        } else if (!RotateJournals(path, error_)) {
            return;
        } else {
            lock = {}; // it went with the file set aside; the writer locks the new one
        }
    } else if (read.status != platform::LoadStatus::Missing) {
        error_ = read.error;
        return;
    }
    writer_ = JournalWriter::Open(path, syncDelay, read ? &content : nullptr, std::move(lock));
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
    if (writer_)
        writer_->Sync();
    std::string bytes;
    if (path_.empty() || !platform::ReadWholeFile(path_, bytes, std::size_t{1} << 30))
        return {};
    return DecodeJournal(bytes).entries;
}

} // namespace trail
