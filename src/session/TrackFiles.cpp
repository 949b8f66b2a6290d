#include "session/TrackFiles.h"

#include "base/FileKind.h"
#include "gps/GpsEpoch.h"
#include "gps/NmeaLineCutter.h"
#include "platform/FileIo.h"
#include "platform/SettingsStore.h"
#include "session/LastSession.h"
#include "trail/JournalReader.h"
#include "trail/TrailFile.h"
#include "xml/GpxReader.h"
#include "xml/KmlReader.h"

#include <algorithm>

namespace session {

namespace {

using base::FileKind;
using trail::LoadedTrack;
using trail::Track;

constexpr std::size_t kMaxNmeaLine = 64 * 1024;

std::string FileName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (const std::size_t dot = name.find_last_of('.'); dot != std::string::npos && dot > 0)
        name.resize(dot);
    return name;
}

bool HasPoint(const Track& track) {
    return std::any_of(track.begin(), track.end(),
                       [](const trail::TrackSegment& s) { return !s.empty(); });
}

void ReadGpx(const std::string& path, TrackFileRead& read) {
    xml::GpxContents gpx;
    if (auto loaded = xml::ReadGpxFile(path, gpx); !loaded) {
        read.error = loaded.error;
        return;
    }
    auto segment = gpx.track.begin();
    for (const xml::GpxTrack& t : gpx.tracks) {
        LoadedTrack& track = read.tracks.emplace_back();
        track.path = path;
        track.name = t.name;
        // The reader counts a <trk>'s segments among those it kept; no more than are there.
        const auto count = std::min<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(t.segments),
                                                    gpx.track.end() - segment);
        track.track.assign(segment, segment + count);
        segment += count;
    }
    for (const xml::GpxRoute& route : gpx.routes) {
        if (route.points.empty())
            continue;
        LoadedTrack& track = read.tracks.emplace_back();
        track.path = path;
        track.name = route.name;
        trail::TrackSegment& points = track.track.emplace_back();
        for (const xml::GpxWaypoint& p : route.points)
            points.push_back({p.position, 0, p.heightM.value_or(trail::TrackPoint::kUnknown)});
    }
}

void ReadJournal(const std::string& path, TrackFileRead& read) {
    trail::JournalReader reader(path);
    if (!reader.Opened()) {
        read.error = reader.Opened().error;
        return;
    }
    Track track(1);
    for (trail::JournalEntry entry; reader.Next(entry);) {
        if (entry.kind != trail::JournalEntry::Kind::Break)
            track.back().push_back(entry.point);
        else if (!track.back().empty())
            track.emplace_back();
    }
    if (!reader.Error().empty()) {
        read.error = reader.Error();
        return;
    }
    if (reader.Summary().status != trail::JournalSummary::Status::Ok) {
        read.error = path + ": not a trail journal of this version";
        return;
    }
    read.tracks.push_back({path, {}, std::move(track)});
}

} // namespace

trail::TrackSegment NmeaFixes(std::string_view bytes) {
    gps::GpsEpochAssembler epochs;
    gps::NmeaLineCutter cutter(kMaxNmeaLine);
    const auto add = [&](std::string_view line) { epochs.Add(gps::DecodeSentence(line)); };
    cutter.Feed(bytes, add);
    cutter.Finish(add);
    epochs.Finish();
    trail::TrackSegment fixes;
    for (const gps::GpsEpoch& e : epochs.TakeCompleted())
        fixes.push_back({e.position, e.utcMs, e.heightM, e.speedKnots, e.courseDeg});
    return fixes;
}

std::vector<std::string> ReadOpenTracks(const SettingsStore& store) {
    const int count = store.ReadInt(kSessionSection, "OpenTracks", 0);
    std::vector<std::string> paths;
    for (int i = 1; i <= std::min<int>(count, static_cast<int>(kMostOpenTracks)); ++i) {
        std::string path = store.ReadText(kSessionSection, "OpenTrack" + std::to_string(i), "");
        if (!path.empty() && std::find(paths.begin(), paths.end(), path) == paths.end())
            paths.push_back(std::move(path));
    }
    return paths;
}

void WriteOpenTracks(SettingsStore& store, const std::vector<std::string>& paths) {
    const int before = store.ReadInt(kSessionSection, "OpenTracks", 0);
    const auto count = static_cast<int>(std::min(paths.size(), kMostOpenTracks));
    for (int i = 0; i < count; ++i)
        store.WriteText(kSessionSection, "OpenTrack" + std::to_string(i + 1),
                        paths[static_cast<std::size_t>(i)]);
    // Entries beyond the new count are emptied: a later count written by hand finds none.
    for (int i = count; i < std::min(before, static_cast<int>(kMostOpenTracks)); ++i)
        store.WriteText(kSessionSection, "OpenTrack" + std::to_string(i + 1), "");
    store.WriteInt(kSessionSection, "OpenTracks", count);
}

bool IsTrackFile(std::string_view path) {
    const FileKind kind = base::KindOfFile(path);
    return kind == FileKind::Gpx || kind == FileKind::Kml || kind == FileKind::TrailFile ||
           kind == FileKind::Journal || kind == FileKind::Nmea;
}

TrackFileRead ReadTrackFile(const std::string& path) {
    TrackFileRead read;
    switch (base::KindOfFile(path)) {
    case FileKind::Gpx:
        ReadGpx(path, read);
        break;
    case FileKind::Kml: {
        Track track;
        if (auto loaded = xml::ReadKmlTrack(path, track); !loaded)
            read.error = loaded.error;
        else
            read.tracks.push_back({path, {}, std::move(track)});
        break;
    }
    case FileKind::TrailFile: {
        trail::TrailBuffer unused;
        Track track;
        if (auto loaded = trail::LoadTrail(unused, path, 0, &track); !loaded)
            read.error = loaded.error;
        else
            read.tracks.push_back({path, {}, std::move(track)});
        break;
    }
    case FileKind::Journal:
        ReadJournal(path, read);
        break;
    case FileKind::Nmea: {
        std::string bytes;
        if (auto loaded = platform::ReadFileToLoad(path, bytes); !loaded)
            read.error = loaded.error;
        else
            read.tracks.push_back({path, {}, {NmeaFixes(bytes)}});
        break;
    }
    default:
        read.error = path + ": not a track file (use .gpx, .kml, .trl, .qjr, .nmea, .log or .txt)";
        break;
    }
    if (!read.error.empty()) {
        read.tracks.clear();
        return read;
    }
    std::erase_if(read.tracks, [](const LoadedTrack& t) { return !HasPoint(t.track); });
    if (read.tracks.empty()) {
        read.error = path + ": holds no track or route";
        return read;
    }
    const std::string file = FileName(path);
    for (std::size_t i = 0; i < read.tracks.size(); ++i)
        if (read.tracks[i].name.empty())
            read.tracks[i].name =
                read.tracks.size() == 1 ? file : file + " " + std::to_string(i + 1);
    return read;
}

} // namespace session
