// quilo-tool record SOURCE JOURNAL [--seconds S] [--min-delta M] [--max-speed K] [--baud N]:
// the map view's recorder without the window, for a small computer in a car or on a boat. Every
// fix the trail takes (and a break at the start) goes into the journal as the view would put
// it there; a crash, a kill or a power cut loses at most the last second.
#include "base/Number.h"
#include "gps/GpsFeed.h"
#include "gps/GpsSourceName.h"
#include "platform/FileIo.h"
#include "tool/SourceArg.h"
#include "tool/ToolCommand.h"
#include "trail/JournalReader.h"
#include "trail/TrailJournal.h"

#include <chrono>
#include <csignal>
#include <cstdint>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

extern "C" void OnRecordStopSignal(int) {
    stopRequested = 1;
}

struct Options {
    std::string_view source;
    std::string journal;
    std::int32_t baud = 4800;
    std::optional<double> seconds; // none: until interrupted
    double minDelta = 5.0;
    double maxSpeedKmh = 500.0;
};

std::string ReadOptions(const tool::ParsedArgs& args, Options& options) {
    options.source = args.positionals[0];
    options.journal = std::string(args.positionals[1]);
    if (const auto value = args.Value("--baud"); value && *value == "auto") {
        options.baud = gps::kAutoBaud;
    } else if (value) {
        const auto baud = base::ParseExact(base::SkipPlus(*value), std::int32_t{1},
                                           std::numeric_limits<std::int32_t>::max());
        if (!baud)
            return "bad baud rate '" + std::string(*value) + "' (a positive whole number or auto)";
        options.baud = *baud;
    }
    if (const auto value = args.Value("--seconds")) {
        const auto seconds = base::ParseExact(base::SkipPlus(*value), 0.0, 3.2e7);
        if (!seconds || *seconds <= 0)
            return "bad duration '" + std::string(*value) + "' (seconds above 0)";
        options.seconds = *seconds;
    }
    if (const auto value = args.Value("--min-delta")) {
        const auto metres = base::ParseExact(base::SkipPlus(*value), 0.0, 1e7);
        if (!metres)
            return "bad minimum distance '" + std::string(*value) + "' (metres, 0 or more)";
        options.minDelta = *metres;
    }
    if (const auto value = args.Value("--max-speed")) {
        const auto kmh = base::ParseExact(base::SkipPlus(*value), 0.0, 1e7);
        if (!kmh)
            return "bad speed '" + std::string(*value) + "' (km/h, 0 or more; 0 is off)";
        options.maxSpeedKmh = *kmh;
    }
    return {};
}

int RunRecord(const tool::ParsedArgs& args, std::ostream& out, std::ostream& err) {
    Options options;
    if (const std::string error = ReadOptions(args, options); !error.empty())
        return tool::Fail(err, "record", error);
    // Only the newest samples matter here: the minimum distance and the jump filter look at
    // the newest one, and the journal keeps everything.
    // A file given by name that is not a journal is somebody's, not ours to set aside. Only its
    // header is read here: the journal itself is read once, in pieces, as it is opened.
    {
        const trail::JournalReader reader(options.journal);
        std::string refused;
        if (!reader.Opened() && reader.Opened().status != platform::LoadStatus::Missing)
            refused = reader.Opened().error;
        else if (!reader.Error().empty())
            refused = reader.Error();
        else if (reader.Opened() && reader.Summary().status != trail::JournalSummary::Status::Ok)
            refused = options.journal + ": not a trail journal of this version";
        if (!refused.empty())
            return tool::Fail(err, "record", refused);
    }

    constexpr std::int32_t kTrailLength = 16;
    trail::TrailBuffer trail;
    trail::TrailJournal journal;
    journal.Open(options.journal, trail, kTrailLength);
    if (journal.Failed())
        return tool::Fail(err, "record", journal.Error());
    if (!journal.OpenNotice().empty())
        err << "quilo-tool record: " << journal.OpenNotice() << std::endl;

    // A receiver at 10 Hz sends a fix every 100 ms: read that often.
    gps::GpsLinkOptions linkOptions;
    linkOptions.pollInterval = std::chrono::milliseconds(100);
    gps::GpsFeed feed(linkOptions);
    struct sigaction action {};
    action.sa_handler = &OnRecordStopSignal;
    sigemptyset(&action.sa_mask);
    (void)sigaction(SIGINT, &action, nullptr);
    (void)sigaction(SIGTERM, &action, nullptr);
    if (const std::string error = tool::OpenSourceArg(feed, options.source, options.baud);
        !error.empty())
        return tool::Fail(err, "record", error);
    journal.AddBreak(trail);

    using Clock = gps::GpsFeed::Clock;
    std::optional<Clock::time_point> deadline;
    if (options.seconds)
        deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                      std::chrono::duration<double>(*options.seconds));
    constexpr auto kSignalCheck = std::chrono::milliseconds(100);

    std::uint64_t recorded = 0;
    bool ended = false;
    while (stopRequested == 0 && !ended && !journal.Failed()) {
        auto wakeAt = Clock::now() + kSignalCheck;
        if (deadline && *deadline < wakeAt)
            wakeAt = *deadline;
        const std::int64_t posts = feed.WaitForPosts(wakeAt);
        if (deadline && Clock::now() >= *deadline)
            break;
        for (std::int64_t post = 0; post < posts; ++post) {
            const gps::GpsUpdate update = feed.TakeUpdate(gps::TickCountMs(), 0);
            for (const gps::GpsEpoch& epoch : update.epochs)
                if (journal.Record(trail,
                                   trail::TrackPoint{epoch.position, epoch.utcMs, epoch.heightM,
                                                     epoch.speedKnots, epoch.courseDeg},
                                   options.minDelta, kTrailLength, options.maxSpeedKmh))
                    ++recorded;
            // The end of a replayed log is the end of the recording, as in monitor.
            ended = ended || update.Has(gps::GpsUpdate::kEnded);
        }
    }
    feed.Close();
    const bool failed = journal.Failed();
    const std::string error = journal.Error();
    journal.Close();
    if (failed)
        return tool::Fail(err, "record", error);
    out << "recorded\t" << recorded << std::endl;
    return 0;
}

const tool::ToolCommandRegistrar registrar({
    {"record",
     "SOURCE JOURNAL",
     "[--seconds S] [--min-delta M] [--max-speed K] [--baud N|auto]",
     "records the fixes of a GPS receiver (as monitor opens it) into a trail journal (.qjr), "
     "continuing one that exists, and prints how many it recorded",
     {{"--seconds", "S", "stop after S seconds (default: run until interrupted)"},
      {"--min-delta", "M", "the trail's minimum distance in metres (default 5)"},
      {"--max-speed", "K",
       "a fix faster than K km/h from the last starts a new segment; 0 is "
       "off (default 500)"},
      {"--baud", "N|auto", "the serial line speed (default 4800); auto as in monitor"}}},
    &RunRecord,
});

} // namespace
