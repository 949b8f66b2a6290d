// quilo-tool decode [FILE]: decodes the GGA, RMC and GSA lines of an NMEA byte stream, one
// output line per decoded input line.
#include "base/Number.h"
#include "gps/NmeaDecode.h"
#include "gps/NmeaLineCutter.h"
#include "platform/FileIo.h"
#include "tool/ToolCommand.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ostream>
#include <string>
#include <string_view>

namespace {

// The same bound as for files: a capture is kilobytes, a hostile pipe must not take all memory.
constexpr std::size_t kMaxInputBytes = std::size_t{256} << 20;

bool ReadStandardInput(std::string& data, std::string& error) {
    char buffer[65536];
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, stdin);
        if (data.size() + n > kMaxInputBytes) {
            error = "standard input: input larger than 256 MiB";
            return false;
        }
        data.append(buffer, n);
        if (n < sizeof buffer) {
            if (std::ferror(stdin)) {
                error = std::string("standard input: ") + std::strerror(errno);
                return false;
            }
            return true;
        }
    }
}

void Field(std::string& out, std::string_view text) {
    out += '\t';
    out += text;
}

void RecordFields(std::string& out, const gps::NmeaRecord& record) {
    if (const auto* gga = std::get_if<gps::GgaRecord>(&record)) {
        Field(out, base::FormatShortest(gga->latitude));
        Field(out, base::FormatShortest(gga->longitude));
        Field(out, std::to_string(gga->satellites));
        Field(out, base::FormatShortest(gga->hdop));
        Field(out, base::FormatShortest(gga->altitude));
    } else if (const auto* rmc = std::get_if<gps::RmcRecord>(&record)) {
        Field(out, base::FormatShortest(rmc->latitude));
        Field(out, base::FormatShortest(rmc->longitude));
    } else if (const auto* gsa = std::get_if<gps::GsaRecord>(&record)) {
        Field(out, std::to_string(gsa->satellitesUsed));
        Field(out, base::FormatShortest(gsa->hdop));
    }
}

void DecodeLine(std::string_view line, std::size_t number, std::string& out) {
    const gps::DecodedSentence sentence = gps::DecodeSentence(line);
    if (sentence.Type() == gps::NmeaType::Other)
        return;
    out += std::to_string(number);
    Field(out, gps::NmeaSentenceType(line));
    Field(out, sentence.ok ? "1" : "0");
    if (sentence.ok)
        RecordFields(out, sentence.record);
    out += '\n';
}

int RunDecode(const tool::ParsedArgs& args, std::ostream& out, std::ostream& err) {
    const std::string_view file = args.positionals.empty() ? "-" : args.positionals[0];
    std::string data;
    if (file == "-") {
        std::string error;
        if (!ReadStandardInput(data, error))
            return tool::Fail(err, "decode", error);
    } else {
        const auto result = platform::ReadWholeFile(std::string(file), data, kMaxInputBytes);
        if (!result)
            return tool::Fail(err, "decode", result.error);
    }

    std::string text;
    std::size_t number = 0;
    const auto onLine = [&](std::string_view line) { DecodeLine(line, ++number, text); };
    gps::NmeaLineCutter cutter;
    cutter.Feed(data, onLine);
    cutter.Finish(onLine);
    if (!(out << text).flush()) {
        err << "decode: cannot write the output\n";
        return 2;
    }
    return 0;
}

const tool::ToolCommandRegistrar registrar({
    {"decode",
     "[FILE]",
     "",
     "decodes the GGA, RMC and GSA lines of FILE or standard input (\"-\"), one line each",
     {}},
    &RunDecode,
});

} // namespace
