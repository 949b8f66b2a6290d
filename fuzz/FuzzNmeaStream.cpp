// One input is a stretch of serial-line bytes, cut into reads of varying size the way the
// reader thread sees them. The assembler's lines are checked against a plain model of the byte
// rules, then every line goes through the three decoders and the update fold, and the status
// line is made in every coordinate format.
#include "FuzzCheck.h"
#include "coords/CoordFormat.h"
#include "gps/GpsFix.h"
#include "gps/GpsUpdateFold.h"
#include "gps/NmeaDecode.h"
#include "gps/NmeaLineAssembler.h"
#include "session/StatusLine.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using fuzz::Check;
using gps::NmeaLineAssembler;

// The byte rules written out as plainly as possible, to compare the assembler with.
struct ModelAssembler {
    std::size_t maxLines;
    std::deque<std::string> lines;
    std::string current;
    bool started = false;
    bool completedOnce = false; // a CR (or a bare LF) already completed current
    bool justLf = false;        // the previous byte was a bare LF that ended a line

    int Feed(std::string_view bytes) {
        int completed = 0;
        for (const char c : bytes) {
            const bool crAfterLf = c == '\r' && justLf;
            justLf = c == '\n' && started && !completedOnce;
            if (c == '$') {
                current = "$";
                started = true;
                completedOnce = false;
            } else if (crAfterLf) {
                // LF CR is one break
            } else if (c == '\r' || (c == '\n' && started && !completedOnce)) {
                if (started && current.size() <= NmeaLineAssembler::kMaxLineLength) {
                    lines.push_back(current);
                    ++completed;
                    completedOnce = true;
                    if (lines.size() > maxLines)
                        lines.pop_front();
                }
            } else if (started && current.size() <= NmeaLineAssembler::kMaxLineLength) {
                current += c;
            }
        }
        return completed;
    }
};

void CheckFixSane(const gps::GpsFix& fix) {
    Check(std::isfinite(fix.position.y) && std::isfinite(fix.position.x));
    Check(std::isfinite(fix.altitude));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    // First byte: queue capacity 1..8 (small, so the dropping of old lines is reached) and the
    // read size pattern.
    const unsigned control = fuzz::TakeByte(input);
    const auto maxLines = static_cast<std::int32_t>(control % 8 + 1);
    const std::size_t readSize = (control >> 3) == 0 ? input.size() + 1 : (control >> 3) * 7;

    NmeaLineAssembler assembler(maxLines);
    ModelAssembler model{static_cast<std::size_t>(maxLines), {}, {}, false};
    gps::GpsFix fix;
    gps::GpsEpochAssembler epochs;
    gps::UsedSatellites used;
    std::string line;
    std::size_t offset = 0;
    while (offset < input.size()) {
        const std::string_view read = input.substr(offset, readSize);
        offset += read.size();
        const int completed = assembler.Feed(read.data(), read.size());
        Check(completed == model.Feed(read));

        gps::GpsUpdateFold fold(used);
        std::size_t taken = 0;
        while (assembler.PopLine(line)) {
            Check(!model.lines.empty() && line == model.lines.front());
            model.lines.pop_front();
            ++taken;
            Check(taken <= static_cast<std::size_t>(maxLines));
            Check(!line.empty() && line.size() <= NmeaLineAssembler::kMaxLineLength);
            Check(line[0] == '$' && line.find('$', 1) == std::string::npos);
            Check(line.find('\r') == std::string::npos);

            gps::GgaRecord gga;
            gps::RmcRecord rmc;
            gps::GsaRecord gsa;
            const bool isGga = gps::DecodeGga(line, gga);
            const bool isRmc = gps::DecodeRmc(line, rmc);
            const bool isGsa = gps::DecodeGsa(line, gsa);
            Check(int{isGga} + int{isRmc} + int{isGsa} <= 1);
            const auto finite = [](std::optional<double> value) {
                return !value || std::isfinite(*value);
            };
            Check(std::isfinite(gga.latitude) && std::isfinite(gga.longitude) &&
                  finite(gga.altitude) && finite(gga.hdop));
            Check(std::isfinite(rmc.latitude) && std::isfinite(rmc.longitude));
            Check(gsa.satellitesUsed >= 0 && gsa.satellitesUsed <= 12 && finite(gsa.hdop));
            const gps::DecodedSentence sentence = gps::DecodeSentence(line);
            fold.Add(sentence);
            epochs.Add(sentence);
        }
        Check(model.lines.empty());
        // A line ends at most one fix and completes at most one more.
        const std::vector<gps::GpsEpoch> fixes = epochs.TakeCompleted();
        Check(fixes.size() <= 2 * taken);
        // Each is a fix the journal's reader takes back.
        for (const gps::GpsEpoch& epoch : fixes)
            Check(std::fabs(epoch.position.y) <= 90.0 && std::fabs(epoch.position.x) <= 180.0);

        const gps::GpsFix before = fix;
        const gps::GpsBatchResult batch = fold.ApplyTo(fix);
        CheckFixSane(fix);
        if (batch.hasNewPosition)
            Check(fix.position == batch.newPosition);
        else
            Check(fix.position == before.position);
        if (batch.fixLost)
            Check(!fix.hasFix);
        for (const auto format :
             {coords::CoordFormat::Dms, coords::CoordFormat::Dm, coords::CoordFormat::Deg}) {
            const std::string status = session::StatusText(fix, format);
            Check(status.rfind("GPS: ", 0) == 0 && status.size() < 1024);
        }
    }
    return 0;
}
