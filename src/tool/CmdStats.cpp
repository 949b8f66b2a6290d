// quilo-tool stats FILE... [--json]: the figures Trail Statistics shows, of trail journals,
// trail files, GPX and KML tracks and NMEA logs, taken together in the order given.
#include "base/FileKind.h"
#include "base/Number.h"
#include "base/Time.h"
#include "platform/FileIo.h"
#include "session/TrackFiles.h"
#include "tool/JsonLine.h"
#include "tool/ToolCommand.h"
#include "trail/JournalReader.h"
#include "trail/TrailBuffer.h"
#include "trail/TrailFile.h"
#include "trail/TrailStatistics.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace {

using base::FileKind;

int Fail(std::ostream& err, const std::string& message) {
    return tool::Fail(err, "stats", message);
}

trail::JournalEntry FixOf(const trail::TrackPoint& point) {
    return {trail::JournalEntry::Kind::Fix, point};
}

// Every receiver fix of the log, gathered from its GGA and RMC sentences by their time.
int AddNmea(const std::string& path, trail::TrailStatisticsBuilder& builder, std::ostream& err) {
    std::string bytes;
    if (auto read = platform::ReadFileToLoad(path, bytes); !read)
        return Fail(err, read.error);
    for (const trail::TrackPoint& point : session::NmeaFixes(bytes))
        builder.Add(FixOf(point));
    return 0;
}

// The recording's fixes; what a loaded trail file put in the journal is no recording. Damaged
// records are read past, and said once.
int AddJournal(const std::string& path, trail::TrailStatisticsBuilder& builder, std::ostream& err) {
    trail::JournalReader reader(path);
    if (!reader.Opened())
        return Fail(err, reader.Opened().error);
    if (reader.Summary().status != trail::JournalSummary::Status::Ok && reader.Error().empty())
        return Fail(err, path + ": not a trail journal of this version");
    for (trail::JournalEntry entry; reader.Next(entry);)
        builder.Add(entry);
    if (!reader.Error().empty())
        return Fail(err, reader.Error());
    if (const std::size_t damaged =
            reader.Summary().damagedRecords + reader.Summary().damagedTailRecords;
        damaged > 0)
        err << "quilo-tool stats: " << path << ": " << damaged
            << (damaged == 1 ? " damaged record" : " damaged records") << " skipped\n";
    return 0;
}

// A trail file, GPX or KML, as Load Trail reads it: each run of the file a segment.
int AddTrack(const std::string& path, trail::TrailStatisticsBuilder& builder, std::ostream& err) {
    trail::TrailBuffer unused;
    trail::Track track;
    if (auto read = trail::LoadTrail(unused, path, 0, &track); !read)
        return Fail(err, read.error);
    for (const trail::TrackSegment& segment : track) {
        builder.Add(trail::JournalEntry::Break(0));
        for (const trail::TrackPoint& point : segment)
            builder.Add(FixOf(point));
    }
    return 0;
}

std::string TimeText(std::int64_t utcMs) {
    if (utcMs == 0 || !base::IsFourDigitYear(utcMs))
        return "unknown";
    std::string text;
    base::AppendIso8601(text, utcMs);
    return text;
}

int RunStats(const tool::ParsedArgs& args, std::ostream& out, std::ostream& err) {
    trail::TrailStatisticsBuilder builder;
    for (const std::string_view name : args.positionals) {
        const std::string path(name);
        const FileKind kind = base::KindOfFile(path);
        int status = 0;
        if (kind == FileKind::Nmea)
            status = AddNmea(path, builder, err);
        else if (kind == FileKind::Journal)
            status = AddJournal(path, builder, err);
        else if (kind == FileKind::TrailFile || kind == FileKind::Gpx || kind == FileKind::Kml)
            status = AddTrack(path, builder, err);
        else
            return Fail(err, path + ": unknown kind (use .qjr, .trl, .gpx, .kml, .nmea, .log or "
                                    ".txt)");
        if (status != 0)
            return status;
        // One file's end is no journey to the next one's start.
        builder.Add(trail::JournalEntry::Break(0));
    }
    const trail::TrailStatistics s = builder.Result();
    // Times are whole milliseconds; no more digits than that.
    const double movingS = std::round(s.movingSeconds * 1000.0) / 1000.0;
    if (std::any_of(args.options.begin(), args.options.end(),
                    [](const tool::OptionUse& use) { return use.name == "--json"; })) {
        tool::JsonLine json;
        json.Field("fixes", static_cast<std::int64_t>(s.fixes))
            .Field("length_m", s.lengthM)
            .Field("moving_s", movingS)
            .Field("average_kmh", s.averageKmh)
            .Field("top_kmh", s.topKmh)
            .Key("start")
            .Time(s.startUtcMs == 0 ? std::nullopt : std::optional(s.startUtcMs))
            .Key("end")
            .Time(s.endUtcMs == 0 ? std::nullopt : std::optional(s.endUtcMs))
            .Field("ascent_m", s.ascentM)
            .Field("descent_m", s.descentM);
        out << json.Finish();
        return 0;
    }
    out << "fixes\t" << s.fixes << '\n'
        << "length_m\t" << base::FormatShortest(s.lengthM) << '\n'
        << "moving_s\t" << base::FormatShortest(movingS) << '\n'
        << "average_kmh\t" << base::FormatShortest(s.averageKmh) << '\n'
        << "top_kmh\t" << base::FormatShortest(s.topKmh) << '\n'
        << "start\t" << TimeText(s.startUtcMs) << '\n'
        << "end\t" << TimeText(s.endUtcMs) << '\n'
        << "ascent_m\t" << base::FormatShortest(s.ascentM) << '\n'
        << "descent_m\t" << base::FormatShortest(s.descentM) << '\n';
    return 0;
}

const tool::ToolCommandRegistrar registrar({
    {"stats",
     "FILE...",
     "[--json]",
     "length, moving time, average and top speed, start and end, ascent and descent of trail "
     "journals (.qjr), trail files, GPX and KML tracks and NMEA logs, taken together",
     {{"--json", "", "one JSON object instead of one figure a line"}}},
    &RunStats,
});

} // namespace
