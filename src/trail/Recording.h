#pragma once

#include "trail/TrailBuffer.h"
#include "trail/TrailJournal.h"
#include "trail/TrailStatistics.h"

#include <cstdint>
#include <deque>
#include <string>

namespace trail {

// What the trail takes and keeps, from the GPS settings.
struct RecordingRules {
    double minDelta = 0.0;      // metres between recorded samples
    std::int32_t maxLength = 0; // most samples kept
    double maxSpeedKmh = 0.0;   // above 0: a faster jump starts a new segment
};

// The trail, the journal that keeps it and the rules it records by, as one: every sample and
// break goes into both, so the journal always holds what the trail was built from.
class Recording {
public:
    // Switched off, in memory only until Open.
    Recording() { trail_.recording = false; }
    // A scene for tests and benchmarks: trail as it is (even beyond the rules' length), in
    // memory only.
    Recording(TrailBuffer trail, const RecordingRules& rules)
        : trail_(std::move(trail)), rules_(rules) {}

    [[nodiscard]] const TrailBuffer& Trail() const { return trail_; }
    [[nodiscard]] const TrailJournal& Journal() const { return journal_; }
    [[nodiscard]] const RecordingRules& Rules() const { return rules_; }
    // Switching on adds a break: the trail does not join the walk before it.
    void SwitchOn(bool on);
    // New rules; the trail is trimmed to the new length at once.
    void SetRules(const RecordingRules& rules);
    // Keeps the trail in the journal at path from now on, rebuilding it from what the journal
    // holds (see TrailJournal::Open). What to tell the user once: empty when nothing.
    std::string Open(const std::string& path);
    void AddBreak() { journal_.AddBreak(trail_); }
    // Offers a receiver fix to the trail by the rules, while switched on; true when recorded.
    bool Record(const TrackPoint& point);
    // Empties the trail; the journal starts afresh, the old one kept beside it.
    void Clear() {
        journal_.Clear(trail_);
        recent_.clear();
    }
    // A trail file was read into trail (a copy of Trail() with the file's samples inserted,
    // loaded its runs): it replaces the trail, and the journal sets the recording before it
    // aside as Clear does, going on from the loaded runs.
    void ReplaceWithLoaded(TrailBuffer trail, const Track& loaded);
    // The journal keeps the whole recording, not less than the trail shows: it is open and has
    // not failed, and does not read back empty while the trail holds samples.
    [[nodiscard]] bool HoldsWholeRecording() const;
    // From the whole recording while the journal holds it, otherwise from the trail (without
    // times).
    [[nodiscard]] TrailStatistics Statistics() const;
    // The newest points taken into the trail with what the receiver or the file said of them,
    // oldest first, no more than twice the trail's length: what colours the trail by value. The
    // trail's samples are these points' positions in order, some since trimmed away.
    [[nodiscard]] const std::deque<TrackPoint>& RecentPoints() const { return recent_; }

private:
    void KeepRecent(const TrackPoint& point);

    TrailBuffer trail_;
    TrailJournal journal_;
    RecordingRules rules_;
    std::deque<TrackPoint> recent_;
};

} // namespace trail
