// quilo-tool convert IN OUT [--min-delta M] [--max-length N]: NMEA text, a trail file or GPX
// tracks into a trail file, KML or GPX; points files, and GPX waypoints into a points file, are
// handed to ConvertPointsFile.
#include "base/Number.h"
#include "gps/NmeaDecode.h"
#include "gps/NmeaLineCutter.h"
#include "platform/AtomicFileWriter.h"
#include "platform/FileIo.h"
#include "tool/ConvertPoints.h"
#include "tool/ToolCommand.h"
#include "trail/GpxReader.h"
#include "trail/GpxWriter.h"
#include "trail/Journal.h"
#include "trail/JournalGpx.h"
#include "trail/JournalReader.h"
#include "trail/KmlWriter.h"
#include "trail/TrailBuffer.h"
#include "trail/TrailFile.h"
#include "trail/TrailJournal.h"
#include "trail/TrailKml.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

enum class Kind { Nmea, Trail, Kml, Gpx, Points, Journal, Other };

Kind KindOf(std::string_view path) {
    const auto dot = path.find_last_of('.');
    if (dot == std::string_view::npos || path.find('/', dot) != std::string_view::npos)
        return Kind::Other;
    std::string extension(path.substr(dot + 1));
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == "nmea" || extension == "log" || extension == "txt")
        return Kind::Nmea;
    if (extension == "trl")
        return Kind::Trail;
    if (extension == "kml")
        return Kind::Kml;
    if (extension == "gpx")
        return Kind::Gpx;
    if (extension == "pts")
        return Kind::Points;
    if (extension == "qjr")
        return Kind::Journal;
    return Kind::Other;
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

// The GPX document fed the way TrailKmlWriter is: one position at a time.
class TrailGpxWriter {
public:
    // The declaration goes out before the track writer opens its <trk>.
    explicit TrailGpxWriter(std::string& out)
        : out_((trail::AppendGpxDocumentStart(out), out)), track_(out_, trail::kGpxTrackName) {}
    void Add(const MapPos& position) { track_.Add(trail::TrackPoint{position}); }
    void Finish() {
        track_.Finish();
        trail::AppendGpxDocumentEnd(out_);
    }

private:
    std::string& out_;
    trail::GpxTrackWriter track_;
};

// Without a length limit nothing is ever trimmed, so the KML or GPX document can be written
// while the log is read: each kept position goes straight out, in constant memory.
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

// The tracks of a GPX file, a break between segments; a length limit keeps the newest samples.
int ReadGpxTrack(const Options& options, trail::TrailBuffer& trail, std::ostream& err) {
    trail::GpxContents gpx;
    if (auto read = trail::ReadGpxFile(options.in, gpx); !read)
        return Fail(err, read.error);
    const std::vector<MapPos> samples = trail::NewestFirstSamples(gpx.track);
    for (auto it = samples.rbegin(); it != samples.rend(); ++it)
        trail.AddFront(*it);
    if (options.maxLength)
        trail.TrimTo(*options.maxLength);
    return 0;
}

// GPX to GPX keeps the waypoints, the times and the heights.
int CopyGpx(const Options& options, std::ostream& err) {
    trail::GpxContents gpx;
    if (auto read = trail::ReadGpxFile(options.in, gpx); !read)
        return Fail(err, read.error);
    if (options.maxLength) {
        // The newest samples are the last ones of the last segments.
        auto left = static_cast<std::size_t>(*options.maxLength);
        for (auto segment = gpx.track.rbegin(); segment != gpx.track.rend(); ++segment) {
            const std::size_t keep = std::min(left, segment->size());
            segment->erase(segment->begin(),
                           segment->begin() + static_cast<std::ptrdiff_t>(segment->size() - keep));
            left -= keep;
        }
    }
    if (auto written = platform::WriteFileAtomically(options.out,
                                                     trail::GpxDocument(gpx.waypoints, gpx.track));
        !written)
        return Fail(err, written.error);
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
        if (auto result = trail::ExportJournalGpx(reader, options.out); !result)
            return Fail(err, result.error);
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

    const Kind in = KindOf(options.in);
    const Kind out = KindOf(options.out);
    if (in == Kind::Points || (in == Kind::Gpx && out == Kind::Points))
        return tool::ConvertPointsFile(options.in, options.out, err);
    if (in != Kind::Nmea && in != Kind::Trail && in != Kind::Gpx && in != Kind::Journal)
        return Fail(err, options.in + ": unknown input kind (use .nmea, .log, .txt, .trl, .gpx, "
                                      ".qjr or .pts)");
    if (out != Kind::Trail && out != Kind::Kml && out != Kind::Gpx)
        return Fail(err, options.out + ": unknown output kind (use .trl, .kml or .gpx)");

    if (in == Kind::Gpx && out == Kind::Gpx)
        return CopyGpx(options, err);
    if (in == Kind::Nmea && out == Kind::Kml && !options.maxLength)
        return StreamNmea<trail::TrailKmlWriter>(options, err);
    if (in == Kind::Nmea && out == Kind::Gpx && !options.maxLength)
        return StreamNmea<TrailGpxWriter>(options, err);

    trail::TrailBuffer trail;
    const bool journalToGpx = in == Kind::Journal && out == Kind::Gpx && !options.maxLength;
    const int status = in == Kind::Nmea    ? ReadNmeaTrail(options, trail, err)
                       : in == Kind::Trail ? ReadTrailFile(options, trail, err)
                       : in == Kind::Gpx   ? ReadGpxTrack(options, trail, err)
                                           : ConvertJournal(options, journalToGpx, trail, err);
    if (status != 0 || journalToGpx)
        return status;
    const auto result =
        out == Kind::Trail
            ? platform::WriteFileAtomically(options.out, trail::EncodeTrailFile(trail))
        : out == Kind::Kml ? trail::ExportTrailKml(trail, options.out)
                           : trail::ExportTrailGpx(trail, options.out);
    if (!result)
        return Fail(err, result.error);
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
