#include "GpsSoak.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>
#include <optional>
#include <sstream>
#include <vector>

#include "base/Number.h"
#include "gps/GpsFeed.h"
#include "gps/NmeaDecode.h"
#include "gps/NmeaWriter.h"
#include "gps/PtyPair.h"
#include "trail/TrailBuffer.h"

namespace soak {

namespace {

using namespace std::chrono_literals;

constexpr std::uint32_t kUpdateRateMs = 100; // GPSUpdateRateMs: one update per receiver epoch
constexpr std::int64_t kEpochMs = 100;
constexpr std::int64_t kReconnectEveryEpochs = 6000; // every ten simulated minutes
constexpr std::int64_t kBurstEveryEpochs = 97;       // a late read finds five epochs at once
constexpr std::int64_t kBurstEpochs = 5;
constexpr std::int64_t kFixLossEveryEpochs = 1234; // a tunnel: two epochs without position

long PeakRssKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

struct Epoch {
    std::string bytes;
    std::string gga, rmc, gsa; // the three lines the fix is made of, without "\r\n"
};

// The receiver: a vehicle at 60 m/s (6 m an epoch, above TrailMinDelta) on a wide circle.
Epoch MakeEpoch(std::int64_t n) {
    const double angle = static_cast<double>(n) * 6.0 / 40000.0; // 40 km radius
    const double latitude = 48.1 + 40000.0 / 111195.0 * std::sin(angle);
    const double longitude = 11.5 + 40000.0 / (111195.0 * std::cos(48.1 * std::numbers::pi / 180)) *
                                        (1.0 - std::cos(angle));
    const std::int64_t t = n / 10;
    const gps::NmeaUtc time{static_cast<int>(t / 3600 % 24), static_cast<int>(t / 60 % 60),
                            static_cast<int>(t % 60), static_cast<int>(n % 10 * 10)};
    const bool lost = n % kFixLossEveryEpochs < 2 && n > 10;
    const int satellites = 6 + static_cast<int>(n / 50 % 7);
    const double hdop = 0.8 + static_cast<double>(n % 17) / 10.0;
    const double altitude = 500.0 + static_cast<double>(n % 300) / 10.0;
    std::optional<MapPos> position;
    if (!lost)
        position.emplace(longitude, latitude);

    Epoch e;
    gps::GgaFields ggaFields;
    ggaFields.time = time;
    ggaFields.position = position;
    ggaFields.minuteDecimals = 6;
    ggaFields.quality = lost ? 0 : 1;
    ggaFields.satellites = satellites;
    ggaFields.hdop = hdop;
    ggaFields.altitude = altitude;
    ggaFields.geoidSeparation = 46.9;
    std::string gga;
    gps::AppendGga(gga, ggaFields);

    gps::RmcFields rmcFields;
    rmcFields.time = time;
    rmcFields.valid = !lost;
    rmcFields.position = position;
    rmcFields.minuteDecimals = 6;
    rmcFields.speedKnots = 116.6;
    rmcFields.courseDegrees = 45.0;
    rmcFields.date = {8, 12, 26};
    rmcFields.magneticVariation = 2.1;
    std::string rmc;
    gps::AppendRmc(rmc, rmcFields);

    std::string gsaBody = "GPGSA,A,3,";
    for (int i = 0; i < 12; ++i) {
        if (i < satellites)
            base::AppendPadded(gsaBody, i * 3 + 2, 2);
        gsaBody += ',';
    }
    gsaBody += base::FormatFixed(hdop * 1.5, 1) + "," + base::FormatFixed(hdop, 1) + ",1.2";
    const std::string gsa = gps::NmeaSentenceText(gsaBody);
    std::string gsv;
    for (int page = 1; page <= 3; ++page)
        gsv += gps::NmeaSentenceText("GPGSV,3," + std::to_string(page) + ",12,0" +
                                     std::to_string(page) +
                                     ",40,083,46,12,12,123,35,14,60,200,41,25,05,300,");
    e.bytes = gga + rmc + gsa + gsv;
    e.gga = gga.substr(0, gga.size() - 2);
    e.rmc = rmc.substr(0, rmc.size() - 2);
    e.gsa = gsa.substr(0, gsa.size() - 2);
    return e;
}

} // namespace

SoakReport RunGpsSoak(const SoakOptions& options) {
    SoakReport report;
    const auto start = std::chrono::steady_clock::now();
    const auto deadline = start + options.wallBudget;
    const auto fail = [&](std::string why) {
        if (report.failure.empty())
            report.failure = std::move(why);
    };

    PtyPair pty;
    if (!pty.Ok()) {
        report.failure = "no pseudo-terminal";
        return report;
    }
    gps::GpsFeed feed({1ms, 1ms, {}});
    std::int64_t postsTaken = 0;
    trail::TrailBuffer trail;
    std::size_t breaksSinceTrim = 0; // breaks added since the last recorded position

    const auto connect = [&] {
        const std::int64_t reads = feed.Counts().reads;
        if (!feed.Open(pty.Path(), 4800).ok ||
            feed.WaitUntil(deadline, [&](const gps::GpsFeedCounts& c) {
                    return c.reads > reads;
                }).reads == reads)
            return false;
        trail.AddBreak(); // as Connect does
        ++breaksSinceTrim;
        report.trailMax = std::max(report.trailMax, trail.Count());
        return true;
    };
    if (!connect()) {
        report.failure = "the link did not open";
        return report;
    }

    const std::int64_t totalEpochs = options.simulatedSeconds * 1000 / kEpochMs;
    Epoch last;
    std::int64_t expectedSentences = 0;
    std::int64_t n = 0;
    while (n < totalEpochs) {
        if (std::chrono::steady_clock::now() > deadline) {
            fail("wall budget spent after " + std::to_string(n) + " epochs");
            break;
        }
        if (n > 0 && n % kReconnectEveryEpochs == 0) {
            // Disconnect and Connect, as the user does.
            feed.Close();
            if (!connect()) {
                fail("reconnect failed at epoch " + std::to_string(n));
                break;
            }
            ++report.reconnects;
        }
        const std::int64_t count =
            n % kBurstEveryEpochs == 0 ? std::min(kBurstEpochs, totalEpochs - n) : 1;
        std::string bytes;
        for (std::int64_t k = 0; k < count; ++k) {
            last = MakeEpoch(n + k);
            bytes += last.bytes;
        }
        n += count;
        expectedSentences += 3 * count;
        if (!pty.Write(bytes)) {
            fail("write to the line failed");
            break;
        }
        report.bytes += static_cast<std::int64_t>(bytes.size());

        // Every post is one update event for the handler, on the simulated clock.
        const gps::GpsFeedCounts counts =
            feed.WaitUntil(deadline, [&](const gps::GpsFeedCounts& c) {
                return c.sentences >= expectedSentences;
            });
        if (counts.sentences < expectedSentences) {
            fail("sentences lost on the line at epoch " + std::to_string(n));
            break;
        }
        for (; postsTaken < counts.posts; ++postsTaken) {
            const gps::GpsUpdate update =
                feed.TakeUpdate(static_cast<std::uint32_t>(n * kEpochMs), kUpdateRateMs);
            if (!update.handled)
                continue;
            ++report.updates;
            if (update.Has(gps::GpsUpdate::kReadError))
                fail("read error at epoch " + std::to_string(n));
            if (update.Has(gps::GpsUpdate::kPosition) && trail.recording &&
                trail.Record(update.fix.position, options.trailMinDelta, options.trailLength))
                breaksSinceTrim = 0;
        }
        // The bound: TrailLength, plus the breaks added since the last trim.
        const std::size_t bound = static_cast<std::size_t>(options.trailLength) + breaksSinceTrim;
        report.trailMax = std::max(report.trailMax, trail.Count());
        if (trail.Count() > bound)
            fail("trail holds " + std::to_string(trail.Count()) + " > " + std::to_string(bound));
        if (report.trailFullAtEpoch < 0 &&
            trail.Count() >= static_cast<std::size_t>(options.trailLength)) {
            report.trailFullAtEpoch = n;
            report.peakRssTrailFullKb = PeakRssKb();
        }
        if (report.peakRssStartKb == 0 && n >= 600)
            report.peakRssStartKb = PeakRssKb();
    }
    // The next update after the stream ends takes whatever a rate-limited post left queued.
    if (report.failure.empty()) {
        const gps::GpsUpdate update =
            feed.TakeUpdate(static_cast<std::uint32_t>((n + 1) * kEpochMs), kUpdateRateMs);
        if (update.Has(gps::GpsUpdate::kPosition))
            (void)trail.Record(update.fix.position, options.trailMinDelta, options.trailLength);
    }
    report.epochs = n;
    report.sentences = feed.Counts().sentences;
    report.completed = n == totalEpochs && report.failure.empty();

    // The fix the view ends with, against the three sentences of the last epoch decoded
    // directly.
    gps::GgaRecord gga;
    gps::RmcRecord rmc;
    gps::GsaRecord gsa;
    if (gps::DecodeGga(last.gga, gga) && gps::DecodeRmc(last.rmc, rmc) &&
        gps::DecodeGsa(last.gsa, gsa)) {
        const gps::GpsFix& fix = feed.Fix();
        report.finalFixMatches = fix.hasFix &&
                                 fix.position == MapPos(rmc.longitude, rmc.latitude) &&
                                 fix.position == MapPos(gga.longitude, gga.latitude) &&
                                 fix.satellites == gsa.satellitesUsed && fix.hdop == gsa.hdop &&
                                 gga.altitude && fix.altitude == *gga.altitude;
    }
    feed.Close();
    report.trailCount = trail.Count();
    report.peakRssEndKb = PeakRssKb();
    report.wallSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return report;
}

std::string Describe(const SoakReport& r) {
    std::ostringstream out;
    out << "completed: " << (r.completed ? "yes" : "no")
        << (r.failure.empty() ? "" : " (" + r.failure + ")")
        << "\nsimulated: " << r.epochs * kEpochMs / 1000 << " s (" << r.epochs
        << " epochs at 10 Hz)"
        << "\nwall: " << base::FormatFixed(r.wallSeconds, 1) << " s"
        << "\nbytes written: " << r.bytes << "\nsentences queued: " << r.sentences
        << "\nupdates handled: " << r.updates << "\nreconnects: " << r.reconnects
        << "\ntrail: " << r.trailCount << " at the end, at most " << r.trailMax
        << ", first full after epoch " << r.trailFullAtEpoch << "\npeak RSS: " << r.peakRssStartKb
        << " KiB after the first minute, " << r.peakRssTrailFullKb
        << " KiB when the trail was full, " << r.peakRssEndKb << " KiB at the end"
        << "\nfinal fix equals a direct decode of the last epoch: "
        << (r.finalFixMatches ? "yes" : "no") << "\n";
    return out.str();
}

} // namespace soak
