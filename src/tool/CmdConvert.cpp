// quilo-tool convert IN OUT [--min-delta M] [--max-length N]: NMEA text, a trail file or GPX
// tracks into a trail file, KML or GPX; points files, and GPX waypoints into a points file, are
// handed to ConvertPointsFile.
#include "base/FileKind.h"
#include "base/Number.h"
#include "gps/NmeaDecode.h"
#include "gps/NmeaLineCutter.h"
#include "gps/NmeaSentence.h"
#include "platform/AtomicFileWriter.h"
#include "platform/FileIo.h"
#include "tool/ConvertPoints.h"
#include "tool/ToolCommand.h"
#include "trail/Journal.h"
#include "trail/JournalGpx.h"
#include "trail/JournalReader.h"
#include "trail/TrailBuffer.h"
#include "trail/TrailFile.h"
#include "trail/TrailGpx.h"
#include "trail/TrailJournal.h"
#include "trail/TrailKml.h"
#include "xml/GpxReader.h"
#include "xml/GpxWriter.h"
#include "xml/KmlWriter.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <functional>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <utility>
#include <variant>
#include <vector>

namespace {

using base::FileKind;

// A trail format's row when the kind has one and the flag is set in it.
bool Trail(FileKind kind, bool base::TrailFormat::*flag) {
    const base::TrailFormat* format = base::TrailFormatOf(kind);
    return format != nullptr && format->*flag;
}

// NMEA sentences are at most 82 characters; a "line" far beyond that is binary noise and is
// skipped rather than buffered, so memory stays bounded whatever the input holds.
constexpr std::size_t kMaxLineLength = 64 * 1024;
constexpr std::size_t kReadChunk = 1 << 20;
constexpr std::size_t kWriteChunk = 1 << 20;

// Calls onLine for every line of the file (gps::NmeaLineCutter's rule; lines longer than
// kMaxLineLength are dropped), reading it in fixed-size chunks. Returns 0 or an errno value.
template <typename OnLine> int ForEachLine(const std::string& path, OnLine&& onLine) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    std::string buffer(kReadChunk, '\0');
    gps::NmeaLineCutter cutter(kMaxLineLength);
    int err = 0;
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            err = errno;
            break;
        }
        if (n == 0)
            break;
        cutter.Feed(std::string_view(buffer.data(), static_cast<std::size_t>(n)), onLine);
    }
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err == 0)
        cutter.Finish(onLine);
    return err;
}

struct Options {
    std::string in;
    std::string out;
    double minDelta = 5.0;
    std::optional<std::int32_t> maxLength; // none: no limit
};

int Fail(std::ostream& err, const std::string& message) {
    return tool::Fail(err, "convert", message);
}

// Tells on err what a GPX or KML writer left out of OUT, if anything.
void WarnLeftOut(std::ostream& err, const std::string& out, const xml::GpxLeftOut& leftOut) {
    if (const std::string text = xml::GpxLeftOutText(leftOut); !text.empty())
        err << "quilo-tool convert: warning: " << out << ": " << text << '\n';
}

// A receiver log as GPX fixes. The positions kept are the ones a trail keeps (each GGA or RMC
// position in line order, at the minimum distance from the last one kept); each carries what
// the sentences of its epoch (those with its time field) say: the time, the height (GGA), the
// speed and course (RMC). A GGA has no date: it takes the last RMC's.
class NmeaEpochs {
public:
    template <typename OnFix>
    NmeaEpochs(double minDelta, OnFix&& onFix)
        : minDelta_(minDelta), onFix_(std::forward<OnFix>(onFix)) {}

    void Line(std::string_view line) {
        const gps::DecodedSentence decoded = gps::DecodeSentence(line);
        if (decoded.Type() != gps::NmeaType::Gga && decoded.Type() != gps::NmeaType::Rmc)
            return;
        const std::string_view time = gps::SplitNmeaFields(line)[1];
        if (time.empty() || time != epoch_) {
            Finish();
            epoch_ = time;
        }
        if (const auto* gga = std::get_if<gps::GgaRecord>(&decoded.record)) {
            if (gga->altitude && std::isnan(fix_.heightM))
                fix_.heightM = *gga->altitude;
            const auto ofDay = gps::NmeaUtcMs(time, "010170");
            if (fix_.utcMs == 0 && ofDay && lastRmcMs_ != 0) {
                constexpr std::int64_t kDayMs = 86'400'000;
                std::int64_t utcMs = lastRmcMs_ - lastRmcMs_ % kDayMs + *ofDay;
                if (utcMs < lastRmcMs_ - kDayMs / 2) // past midnight since that RMC
                    utcMs += kDayMs;
                fix_.utcMs = utcMs;
            }
        } else if (const auto* rmc = std::get_if<gps::RmcRecord>(&decoded.record);
                   rmc != nullptr && decoded.ok) {
            if (rmc->utcMs > 0) {
                fix_.utcMs = rmc->utcMs; // a whole date and time beats a GGA's time of day
                lastRmcMs_ = rmc->utcMs;
            }
            fix_.speedKnots = rmc->speedKnots;
            fix_.courseDeg = rmc->courseDeg;
        }
        const auto position = decoded.Position();
        if (!position ||
            (newest_ && !trail::TrailBuffer::ReachesMinDelta(*newest_, *position, minDelta_)))
            return;
        newest_ = *position;
        if (!kept_)
            fix_.position = *position;
        kept_ = true;
    }

    // Hands on the fix of the epoch read last, if its position was kept.
    void Finish() {
        if (kept_)
            onFix_(fix_);
        fix_ = trail::TrackPoint{};
        kept_ = false;
        epoch_.clear();
    }

private:
    double minDelta_;
    std::function<void(const trail::TrackPoint&)> onFix_;
    std::optional<MapPos> newest_; // the last position kept
    std::string epoch_;            // the time field of the epoch being read, "" for none
    trail::TrackPoint fix_;        // what the epoch's sentences said so far
    bool kept_ = false;            // fix_.position is a position kept
    std::int64_t lastRmcMs_ = 0;
};

// NMEA into GPX with times, heights, speeds and courses. Without a length limit each fix goes
// straight out, in constant memory; with one, the newest fixes wait in a queue.
int NmeaToGpx(const Options& options, std::ostream& err) {
    platform::AtomicFileWriter file(options.out);
    std::string text;
    text.reserve(kWriteChunk + 4096);
    xml::AppendGpxDocumentStart(text);
    xml::GpxTrackWriter track(text, xml::kGpxTrackName);
    std::deque<trail::TrackPoint> newest;
    NmeaEpochs epochs(options.minDelta, [&](const trail::TrackPoint& fix) {
        if (options.maxLength) {
            newest.push_back(fix);
            if (newest.size() > static_cast<std::size_t>(*options.maxLength))
                newest.pop_front();
            return;
        }
        track.Add(fix);
        if (text.size() >= kWriteChunk) {
            file.Append(text);
            text.clear();
        }
    });
    const int readError =
        ForEachLine(options.in, [&](std::string_view line) { epochs.Line(line); });
    if (readError != 0)
        return Fail(err, options.in + ": " + std::strerror(readError));
    epochs.Finish();
    for (const trail::TrackPoint& fix : newest)
        track.Add(fix);
    track.Finish();
    xml::AppendGpxDocumentEnd(text);
    file.Append(text);
    if (auto result = file.Commit(); !result)
        return Fail(err, result.error);
    WarnLeftOut(err, options.out, track.LeftOut());
    return 0;
}

// Without a length limit nothing is ever trimmed, so the KML document can be written while the
// log is read: each kept position goes straight out, in constant memory.
template <typename Writer> int StreamNmea(const Options& options, std::ostream& err) {
    platform::AtomicFileWriter file(options.out);
    std::string text;
    text.reserve(kWriteChunk + 4096);
    Writer kml(text);
    std::optional<MapPos> newest;
    const int readError = ForEachLine(options.in, [&](std::string_view line) {
        const auto position = gps::DecodeSentence(line).Position();
        if (!position)
            return;
        if (newest && !trail::TrailBuffer::ReachesMinDelta(*newest, *position, options.minDelta))
            return;
        newest = *position;
        kml.Add(*position);
        if (text.size() >= kWriteChunk) {
            file.Append(text);
            text.clear();
        }
    });
    if (readError != 0)
        return Fail(err, options.in + ": " + std::strerror(readError));
    kml.Finish();
    file.Append(text);
    if (auto result = file.Commit(); !result)
        return Fail(err, result.error);
    WarnLeftOut(err, options.out, {kml.LeftOut(), 0});
    return 0;
}

int ReadNmeaTrail(const Options& options, trail::TrailBuffer& trail, std::ostream& err) {
    const std::int32_t maxLength =
        options.maxLength.value_or(std::numeric_limits<std::int32_t>::max());
    const int readError = ForEachLine(options.in, [&](std::string_view line) {
        if (const auto position = gps::DecodeSentence(line).Position())
            trail.Record(*position, options.minDelta, maxLength);
    });
    if (readError != 0)
        return Fail(err, options.in + ": " + std::strerror(readError));
    return 0;
}

// A trail file is taken as it stands (no breaks added, no minimum distance); a length limit
// keeps its newest samples.
int ReadTrailFile(const Options& options, trail::TrailBuffer& trail, std::ostream& err) {
    std::string bytes;
    if (auto read = platform::ReadWholeFile(options.in, bytes); !read)
        return Fail(err, read.error);
    const auto samples = trail::DecodeTrailFile(bytes);
    if (!samples)
        return Fail(err, options.in + ": not a trail file, or damaged or truncated");
    for (auto it = samples->rbegin(); it != samples->rend(); ++it)
        trail.AddFront(*it);
    if (options.maxLength)
        trail.TrimTo(*options.maxLength);
    return 0;
}

// The tracks of a GPX file (or its routes when it has none), a break between segments; a
// length limit keeps the newest samples.
int ReadGpxTrack(const Options& options, trail::TrailBuffer& trail, std::ostream& err) {
    xml::GpxContents gpx;
    if (auto read = xml::ReadGpxFile(options.in, gpx); !read)
        return Fail(err, read.error);
    const trail::Track track = xml::GpxTrail(gpx);
    if (track.empty())
        return Fail(err, options.in + ": holds no track or route");
    const std::vector<MapPos> samples = trail::NewestFirstSamples(track);
    for (auto it = samples.rbegin(); it != samples.rend(); ++it)
        trail.AddFront(*it);
    if (options.maxLength)
        trail.TrimTo(*options.maxLength);
    return 0;
}

// GPX to GPX keeps the waypoints, the routes, the tracks with their names, the times, the
// heights, the speeds and the courses.
int CopyGpx(const Options& options, std::ostream& err) {
    xml::GpxContents gpx;
    if (auto read = xml::ReadGpxFile(options.in, gpx); !read)
        return Fail(err, read.error);
    if (options.maxLength) {
        // The newest samples are the last ones of the last segments; a track left without a
        // segment goes.
        auto left = static_cast<std::size_t>(*options.maxLength);
        auto segment = gpx.track.end();
        for (auto track = gpx.tracks.rbegin(); track != gpx.tracks.rend(); ++track) {
            std::size_t kept = 0;
            for (std::size_t i = 0; i < track->segments; ++i) {
                --segment;
                const std::size_t keep = std::min(left, segment->size());
                segment->erase(segment->begin(),
                               segment->end() - static_cast<std::ptrdiff_t>(keep));
                left -= keep;
                kept += keep != 0 ? 1 : 0;
            }
            track->segments = kept;
        }
        std::erase_if(gpx.track, [](const trail::TrackSegment& s) { return s.empty(); });
        std::erase_if(gpx.tracks, [](const xml::GpxTrack& t) { return t.segments == 0; });
    }
    xml::GpxLeftOut leftOut;
    if (auto written =
            platform::WriteFileAtomically(options.out, xml::GpxContentsDocument(gpx, &leftOut));
        !written)
        return Fail(err, written.error);
    WarnLeftOut(err, options.out, leftOut);
    return 0;
}

// A journal as the viewer rebuilds its trail from it (breaks included; a length limit keeps the
// newest samples), or with no limit the whole recording into GPX with its times and heights.
// Read in pieces, so that only the trail kept takes memory. Damaged records are read past as the
// viewer reads past them, and said once; a torn tail is left out.
int ConvertJournal(const Options& options, bool toGpx, trail::TrailBuffer& trail,
                   std::ostream& err) {
    trail::JournalReader reader(options.in);
    if (!reader.Opened())
        return Fail(err, reader.Opened().error);
    if (reader.Summary().status != trail::JournalSummary::Status::Ok && reader.Error().empty())
        return Fail(err, options.in + ": not a trail journal of this version");
    if (toGpx) {
        xml::GpxLeftOut leftOut;
        if (auto result = trail::ExportJournalGpx(reader, options.out, &leftOut); !result)
            return Fail(err, result.error);
        WarnLeftOut(err, options.out, leftOut);
    } else {
        trail::TrailRestorer restorer(
            trail, options.maxLength.value_or(std::numeric_limits<std::int32_t>::max()));
        for (trail::JournalEntry entry; reader.Next(entry);)
            restorer.Add(entry);
    }
    if (!reader.Error().empty())
        return Fail(err, reader.Error());
    if (const std::size_t damaged =
            reader.Summary().damagedRecords + reader.Summary().damagedTailRecords;
        damaged > 0)
        err << "quilo-tool convert: " << options.in << ": " << damaged
            << (damaged == 1 ? " damaged record" : " damaged records") << " skipped\n";
    return 0;
}

int RunConvert(const tool::ParsedArgs& args, std::ostream&, std::ostream& err) {
    Options options;
    if (const auto value = args.Value("--min-delta")) {
        const auto number =
            base::ParseExact(base::SkipPlus(*value), 0.0, std::numeric_limits<double>::max());
        if (!number)
            return Fail(err,
                        "--min-delta wants metres, 0 or more, not '" + std::string(*value) + "'");
        options.minDelta = *number;
    }
    if (const auto value = args.Value("--max-length")) {
        const auto number = base::ParseExact(base::SkipPlus(*value), std::int32_t{0},
                                             std::numeric_limits<std::int32_t>::max());
        if (!number)
            return Fail(err, "--max-length wants a sample count, 0 or more, not '" +
                                 std::string(*value) + "'");
        options.maxLength = *number;
    }
    options.in = args.positionals[0];
    options.out = args.positionals[1];

    const FileKind in = base::KindOfFile(options.in);
    const FileKind out = base::KindOfFile(options.out);
    if (in == FileKind::PointsFile || (in == FileKind::Gpx && out == FileKind::PointsFile))
        return tool::ConvertPointsFile(options.in, options.out, err);
    if (!Trail(in, &base::TrailFormat::converts))
        return Fail(err, options.in + ": unknown input kind (use .nmea, .log, .txt, .trl, .gpx, "
                                      ".qjr or .pts)");
    if (!Trail(out, &base::TrailFormat::writes))
        return Fail(err, options.out + ": unknown output kind (use .trl, .kml or .gpx)");

    if (in == FileKind::Gpx && out == FileKind::Gpx)
        return CopyGpx(options, err);
    if (in == FileKind::Nmea && out == FileKind::Kml && !options.maxLength)
        return StreamNmea<trail::TrailKmlWriter>(options, err);
    if (in == FileKind::Nmea && out == FileKind::Gpx)
        return NmeaToGpx(options, err);

    trail::TrailBuffer trail;
    const bool journalToGpx = in == FileKind::Journal && out == FileKind::Gpx && !options.maxLength;
    const int status = in == FileKind::Nmea        ? ReadNmeaTrail(options, trail, err)
                       : in == FileKind::TrailFile ? ReadTrailFile(options, trail, err)
                       : in == FileKind::Gpx       ? ReadGpxTrack(options, trail, err)
                                             : ConvertJournal(options, journalToGpx, trail, err);
    if (status != 0 || journalToGpx)
        return status;
    xml::GpxLeftOut leftOut;
    const auto result =
        out == FileKind::TrailFile
            ? platform::WriteFileAtomically(options.out, trail::EncodeTrailFile(trail))
        : out == FileKind::Kml
            ? platform::WriteFileAtomically(options.out, trail::TrailKml(trail, &leftOut.points))
            : platform::WriteFileAtomically(options.out, trail::TrailGpx(trail, &leftOut));
    if (!result)
        return Fail(err, result.error);
    WarnLeftOut(err, options.out, leftOut);
    return 0;
}

const tool::ToolCommandRegistrar registrar({
    {"convert",
     "IN OUT",
     "[--min-delta M] [--max-length N]",
     "NMEA (.nmea .log .txt), .trl, .gpx tracks or a trail journal (.qjr) into .trl, .kml or "
     ".gpx; .pts into .pts, .kml or .gpx; .gpx waypoints into .pts",
     {{"--min-delta", "M", "metres a new NMEA position must be from the last one kept (default 5)"},
      {"--max-length", "N", "keep only the newest N samples (default: no limit)"}}},
    &RunConvert,
});

} // namespace
