#include "trail/Recording.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace trail {

void Recording::SwitchOn(bool on) {
    const bool start = on && !trail_.recording;
    trail_.recording = on;
    if (start)
        journal_.AddBreak(trail_);
}

void Recording::SetRules(const RecordingRules& rules) {
    rules_ = rules;
    trail_.TrimTo(rules_.maxLength);
}

std::string Recording::Open(const std::string& path) {
    journal_.Open(path, trail_, rules_.maxLength);
    recent_.clear();
    if (!trail_.Empty() && HoldsWholeRecording()) {
        std::string error;
        journal_.ReadRecording(
            [this](const JournalEntry& e) {
                if (e.kind != JournalEntry::Kind::Break)
                    KeepRecent(e.point);
            },
            error);
    }
    return journal_.OpenNotice();
}

bool Recording::Record(const TrackPoint& point) {
    const bool recorded = trail_.recording && journal_.Record(trail_, point, rules_.minDelta,
                                                              rules_.maxLength, rules_.maxSpeedKmh);
    if (recorded)
        KeepRecent(point);
    return recorded;
}

void Recording::KeepRecent(const TrackPoint& point) {
    recent_.push_back(point);
    const auto most = 2 * static_cast<std::size_t>(std::max<std::int32_t>(rules_.maxLength, 1));
    while (recent_.size() > most)
        recent_.pop_front();
}

void Recording::ReplaceWithLoaded(TrailBuffer trail, const Track& loaded) {
    // In the journal the loaded trail starts a new recording; the one before is kept aside as
    // Clear keeps it, never merged with the file.
    const bool recording = trail_.recording;
    journal_.Clear(trail_);
    trail_ = std::move(trail);
    trail_.recording = recording;
    journal_.Loaded(loaded);
    recent_.clear();
    for (const TrackSegment& segment : loaded)
        for (const TrackPoint& point : segment)
            KeepRecent(point);
}

bool Recording::HoldsWholeRecording() const {
    // A journal that failed, or reads back empty while the map shows a trail, holds less than
    // the trail shows.
    return journal_.Keeps() && (journal_.EntryCount() > 0 || trail_.Empty());
}

TrailStatistics Recording::Statistics() const {
    // Read in pieces: a long recording needs no more memory than a short one.
    TrailStatisticsBuilder statistics;
    if (HoldsWholeRecording()) {
        std::string error;
        // A loaded file's points are the trail shown: their length and times count.
        journal_.ReadRecording(
            [&](JournalEntry e) {
                if (e.kind == JournalEntry::Kind::Loaded)
                    e.kind = JournalEntry::Kind::Fix;
                statistics.Add(e);
            },
            error);
        return statistics.Result();
    }
    // The trail's samples as a recording without times, oldest first.
    for (const MapPos& sample : trail_.OldestToNewest())
        statistics.Add(sample.IsSet() ? JournalEntry{JournalEntry::Kind::Fix, {sample}}
                                      : JournalEntry::Break(0));
    return statistics.Result();
}

} // namespace trail
