// quilo-tool monitor DEVICE [--baud N] [--seconds S] [--rate MS] [--format dms|dm|d]: connects
// to a GPS receiver through the GPS link and prints the status line after each handled update,
// the same text the map view shows. The "does my receiver work?" tool.
#include "coords/CoordFormat.h"
#include "gps/GpsFix.h"
#include "gps/GpsLink.h"
#include "gps/GpsUpdateFold.h"
#include "platform/SerialPort.h"
#include "tool/ToolCommand.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <csignal>
#include <cstdint>
#include <limits>
#include <mutex>
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

// A bare number n is COM port n, as the settings store it; anything else is a device path.
std::string DevicePath(std::string_view device) {
    if (device.find_first_not_of("0123456789") == std::string_view::npos) {
        const auto port = tool::ParseInteger(device);
        if (port && *port <= std::numeric_limits<std::int32_t>::max())
            return platform::ComPortDevicePath(static_cast<std::int32_t>(*port));
        return {};
    }
    return std::string(device);
}

struct Options {
    std::string_view device;
    std::int32_t baud = 4800;
    std::optional<double> seconds; // none: until interrupted
    std::uint32_t rateMs = 1000;
    coords::CoordFormat format = coords::CoordFormat::Dms;
};

// Returns an error text, or "" when the arguments are good.
std::string ParseOptions(const tool::Args& args, Options& options) {
    bool haveDevice = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!arg.starts_with("--")) {
            if (haveDevice)
                return "unexpected argument '" + std::string(arg) + "'";
            options.device = arg;
            haveDevice = true;
            continue;
        }
        if (arg != "--baud" && arg != "--seconds" && arg != "--rate" && arg != "--format")
            return "unknown option '" + std::string(arg) + "'";
        if (i + 1 == args.size())
            return std::string(arg) + " needs a value";
        const std::string_view value = args[++i];
        if (arg == "--baud") {
            const auto baud = tool::ParseInteger(value);
            if (!baud || *baud < 1 || *baud > std::numeric_limits<std::int32_t>::max())
                return "bad baud rate '" + std::string(value) + "' (a positive whole number)";
            options.baud = static_cast<std::int32_t>(*baud);
        } else if (arg == "--seconds") {
            const auto seconds = tool::ParseNumber(value);
            // A year is plenty; the bound keeps the deadline arithmetic far from overflow.
            if (!seconds || !std::isfinite(*seconds) || *seconds <= 0 || *seconds > 3.2e7)
                return "bad duration '" + std::string(value) + "' (seconds above 0)";
            options.seconds = *seconds;
        } else if (arg == "--rate") {
            const auto rate = tool::ParseInteger(value);
            if (!rate || *rate < 0 || *rate > std::numeric_limits<std::int32_t>::max())
                return "bad update rate '" + std::string(value) + "' (milliseconds, 0 or more)";
            options.rateMs = static_cast<std::uint32_t>(*rate);
        } else {
            const auto format = tool::ParseCoordFormat(value);
            if (!format)
                return "unknown format '" + std::string(value) + "' (use dms, dm or d)";
            options.format = *format;
        }
    }
    if (!haveDevice)
        return "missing DEVICE (a device path, or a COM port number)";
    return {};
}

int RunMonitor(const tool::Args& args, std::ostream& out, std::ostream& err) {
    Options options;
    if (const std::string error = ParseOptions(args, options); !error.empty()) {
        err << "monitor: " << error << '\n';
        return 2;
    }
    const std::string path = DevicePath(options.device);

    std::mutex mutex;
    std::condition_variable posted;
    std::uint64_t posts = 0;
    gps::GpsLink link(gps::GpsLink::kDefaultMaxSentences);
    link.SetPostCallback([&](std::int32_t, std::size_t) {
        {
            std::lock_guard lock(mutex);
            ++posts;
        }
        posted.notify_one();
    });
    CatchStopSignals();
    if (path.empty() || !link.Open(path, options.baud)) {
        err << "monitor: Unable to open COM port '" << options.device << "'\n";
        return 2;
    }
    out << gps::StatusConnected() << std::endl;

    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    std::optional<Clock::time_point> deadline;
    if (options.seconds)
        deadline = start + std::chrono::duration_cast<Clock::duration>(
                               std::chrono::duration<double>(*options.seconds));
    // How often a pending Ctrl-C is noticed while no update comes.
    constexpr auto kSignalCheck = std::chrono::milliseconds(100);

    gps::GpsFix fix;
    gps::GpsUpdateRateLimit rateLimit;
    std::uint64_t handledPosts = 0;
    std::unique_lock lock(mutex);
    while (stopRequested == 0) {
        auto wakeAt = Clock::now() + kSignalCheck;
        if (deadline && *deadline < wakeAt)
            wakeAt = *deadline;
        posted.wait_until(lock, wakeAt, [&] { return posts != handledPosts; });
        if (deadline && Clock::now() >= *deadline)
            break;
        // One handler run per posted update, as the view gets one event per post.
        while (handledPosts != posts) {
            ++handledPosts;
            lock.unlock();
            const gps::GpsUpdateOutcome outcome = gps::HandleGpsUpdate(
                link, fix, rateLimit, gps::TickCountMs(), options.rateMs, options.format);
            if (outcome.handled)
                out << outcome.status << std::endl;
            lock.lock();
        }
    }
    lock.unlock();
    link.Close();
    // The view keeps the last position on the status line when it disconnects with a fix.
    if (!fix.hasFix)
        out << gps::StatusDisconnected() << std::endl;
    return 0;
}

const tool::ToolCommandRegistrar
    registrar({"monitor", "monitor DEVICE [--baud N] [--seconds S] [--rate MS] [--format dms|dm|d]",
               &RunMonitor});

} // namespace
