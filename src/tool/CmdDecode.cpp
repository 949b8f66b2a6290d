// quilo-tool decode [FILE]: decodes the GGA, RMC and GSA lines of an NMEA byte stream, one
// output line per decoded input line.
#include "base/Number.h"
#include "gps/NmeaDecode.h"
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

void DecodeLine(std::string_view line, std::size_t number, std::string& out) {
    const std::string type = gps::NmeaSentenceType(line);
    if (type != "GGA" && type != "RMC" && type != "GSA")
        return;
    out += std::to_string(number);
    Field(out, type);
    if (type == "GGA") {
        gps::GgaRecord record;
        const bool ok = gps::DecodeGga(line, record);
        Field(out, ok ? "1" : "0");
        if (ok) {
            Field(out, base::FormatShortest(record.latitude));
            Field(out, base::FormatShortest(record.longitude));
            Field(out, std::to_string(record.satellites));
            Field(out, base::FormatShortest(record.hdop));
            Field(out, base::FormatShortest(record.altitude));
        }
    } else if (type == "RMC") {
        gps::RmcRecord record;
        const bool ok = gps::DecodeRmc(line, record);
        Field(out, ok ? "1" : "0");
        if (ok) {
            Field(out, base::FormatShortest(record.latitude));
            Field(out, base::FormatShortest(record.longitude));
        }
    } else {
        gps::GsaRecord record;
        const bool ok = gps::DecodeGsa(line, record);
        Field(out, ok ? "1" : "0");
        if (ok) {
            Field(out, std::to_string(record.satellitesUsed));
            Field(out, base::FormatShortest(record.hdop));
        }
    }
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

    // Lines end at LF, CR, or a CR LF pair (one break): receivers and loggers use all three.
    std::string text;
    const std::string_view input = data;
    std::size_t number = 1;
    std::size_t start = 0;
    while (start < input.size()) {
        const std::size_t end = input.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            DecodeLine(input.substr(start), number, text);
            break;
        }
        DecodeLine(input.substr(start, end - start), number, text);
        ++number;
        start = end + 1;
        if (input[end] == '\r' && start < input.size() && input[start] == '\n')
            ++start;
    }
    if (!(out << text).flush())
        return tool::Fail(err, "decode", "cannot write the output");
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
