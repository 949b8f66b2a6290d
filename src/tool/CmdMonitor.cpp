// quilo-tool monitor SOURCE [--baud N|auto] [--seconds S] [--rate MS]
// [--format dms|dm|d|utm|mgrs] [--json]:
// connects to a GPS source through the GPS link and prints the status line after each handled
// update, the same text the map view shows (with --json the receiver details instead, one
// JSON object an update). The "does my receiver work?" tool.
#include "base/Number.h"
#include "coords/CoordFormat.h"
#include "gps/GpsFeed.h"
#include "gps/GpsSourceName.h"
#include "session/StatusLine.h"
#include "tool/NmeaJson.h"
#include "tool/SourceArg.h"
#include "tool/ToolCommand.h"

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

extern "C" void OnStopSignal(int) {
    stopRequested = 1;
}

// Ctrl-C ends the run like its time running out: the link is closed properly.
void CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = &OnStopSignal;
    sigemptyset(&action.sa_mask);
    (void)sigaction(SIGINT, &action, nullptr);
    (void)sigaction(SIGTERM, &action, nullptr);
}

struct Options {
    std::string_view device;
    std::int32_t baud = 4800;
    std::optional<double> seconds; // none: until interrupted
    std::uint32_t rateMs = 1000;
    coords::CoordFormat format = coords::CoordFormat::Dms;
    bool json = false;
};

// Reads the option values; "" when they are good, else why not.
std::string ReadOptions(const tool::ParsedArgs& args, Options& options) {
    options.device = args.positionals[0];
    for (const tool::OptionUse& use : args.options)
        options.json = options.json || use.name == "--json";
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
        // A year is plenty; the bound keeps the deadline arithmetic far from overflow.
        const auto seconds = base::ParseExact(base::SkipPlus(*value), 0.0, 3.2e7);
        if (!seconds || *seconds <= 0)
            return "bad duration '" + std::string(*value) + "' (seconds above 0)";
        options.seconds = *seconds;
    }
    if (const auto value = args.Value("--rate")) {
        const auto rate = base::ParseExact(base::SkipPlus(*value), std::int32_t{0},
                                           std::numeric_limits<std::int32_t>::max());
        if (!rate)
            return "bad update rate '" + std::string(*value) + "' (milliseconds, 0 or more)";
        options.rateMs = static_cast<std::uint32_t>(*rate);
    }
    if (const auto value = args.Value("--format")) {
        const auto format = tool::ParseCoordFormat(*value);
        if (!format)
            return "unknown format '" + std::string(*value) + "' (use dms, dm, d, utm or mgrs)";
        options.format = *format;
    }
    return {};
}

int RunMonitor(const tool::ParsedArgs& args, std::ostream& out, std::ostream& err) {
    Options options;
    if (const std::string error = ReadOptions(args, options); !error.empty())
        return tool::Fail(err, "monitor", error);
    gps::GpsFeed feed;
    CatchStopSignals();
    if (const std::string error = tool::OpenSourceArg(feed, options.device, options.baud);
        !error.empty())
        return tool::Fail(err, "monitor", error);
    // JSON lines only, so that every line of the output parses.
    if (!options.json)
        out << session::StatusConnected() << std::endl;

    using Clock = gps::GpsFeed::Clock;
    const auto start = Clock::now();
    std::optional<Clock::time_point> deadline;
    if (options.seconds)
        deadline = start + std::chrono::duration_cast<Clock::duration>(
                               std::chrono::duration<double>(*options.seconds));
    // How often a pending Ctrl-C is noticed while no update comes.
    constexpr auto kSignalCheck = std::chrono::milliseconds(100);

    bool ended = false;
    while (stopRequested == 0 && !ended) {
        auto wakeAt = Clock::now() + kSignalCheck;
        if (deadline && *deadline < wakeAt)
            wakeAt = *deadline;
        const std::int64_t posts = feed.WaitForPosts(wakeAt);
        if (deadline && Clock::now() >= *deadline)
            break;
        // One update per post, as the view gets one event per post.
        for (std::int64_t post = 0; post < posts; ++post) {
            const gps::GpsUpdate update = feed.TakeUpdate(gps::TickCountMs(), options.rateMs);
            if (options.json) {
                if (update.handled)
                    out << tool::DetailsJson(update.details) << std::flush;
            } else {
                if (update.Has(gps::GpsUpdate::kNote))
                    out << session::StatusSaying(update.note) << std::endl;
                if (update.handled)
                    out << session::StatusAfter(update, options.format) << std::endl;
            }
            // The end of a replayed log is the end of the run.
            ended = ended || update.Has(gps::GpsUpdate::kEnded);
        }
    }
    // The view keeps the last position on the status line when it disconnects with a fix.
    const bool hadFix = feed.Fix().hasFix;
    feed.Close();
    if (!hadFix && !options.json)
        out << session::StatusDisconnected() << std::endl;
    return 0;
}

const tool::ToolCommandRegistrar registrar({
    {"monitor",
     "SOURCE",
     "[--baud N|auto] [--seconds S] [--rate MS] [--format dms|dm|d|utm|mgrs] [--json]",
     "connects to a GPS source and prints the status line after each handled update. SOURCE "
     "is one of: a serial device path (/dev/ttyUSB0, /dev/serial/by-id/...) or a COM port "
     "number; gpsd://[HOST][:PORT] (gpsd, default localhost:2947); tcp://HOST:PORT (NMEA from "
     "a TCP server); udp://[ADDR]:PORT (NMEA datagrams to a local port); "
     "file:PATH[?speed=N][&loop=1] or the path of a log file (a recorded log replayed at its "
     "own pace, N times faster); sim: (the demo's simulated receiver)",
     {{"--baud", "N|auto",
       "the serial line speed (default 4800); auto tries 4800, 9600, 38400, 115200, 19200 and "
       "57600 until sentences arrive"},
      {"--seconds", "S", "stop after S seconds (default: run until interrupted)"},
      {"--rate", "MS", "the update rate in milliseconds, 0 or more (default 1000)"},
      {"--format", "dms|dm|d|utm|mgrs", "the coordinate format (default dms)"},
      {"--json", "",
       "print the receiver details after each handled update instead, one JSON object a line"}}},
    &RunMonitor,
});

} // namespace
