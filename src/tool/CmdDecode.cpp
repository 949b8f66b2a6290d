// quilo-tool decode [FILE] [--json]: decodes the GGA, RMC and GSA lines of an NMEA byte
// stream, one output line per decoded input line; with --json every understood sentence as a
// JSON object, and the sky of every completed GSV group.
#include "base/Number.h"
#include "gps/GpsDetailsReader.h"
#include "gps/NmeaDecode.h"
#include "gps/NmeaLineCutter.h"
#include "platform/FileIo.h"
#include "tool/NmeaJson.h"
#include "tool/ToolCommand.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ostream>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace {

// The same bound as for files: a capture is kilobytes, a hostile pipe must not take all memory.
constexpr std::size_t kMaxInputBytes = std::size_t{256} << 20;

bool ReadStream(std::FILE* in, const std::string& name, std::string& data, std::string& error) {
    char buffer[65536];
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, in);
        if (data.size() + n > kMaxInputBytes) {
            error = name + ": input larger than 256 MiB";
            return false;
        }
        data.append(buffer, n);
        if (n < sizeof buffer) {
            if (std::ferror(in)) {
                error = name + ": " + std::strerror(errno);
                return false;
            }
            return true;
        }
    }
}

// A named pipe, such as a shell's <(...), is read as it comes, like standard input; the tool
// may wait for its writer as any command-line reader does.
bool IsNamedPipe(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISFIFO(info.st_mode);
}

void Field(std::string& out, std::string_view text) {
    out += '\t';
    out += text;
}

void RecordFields(std::string& out, const gps::NmeaRecord& record) {
    if (const auto* gga = std::get_if<gps::GgaRecord>(&record)) {
        Field(out, base::FormatShortest(gga->latitude));
        Field(out, base::FormatShortest(gga->longitude));
        // The text form's numbers for nothing: -1 satellites, hdop -1, altitude 0.
        Field(out, std::to_string(gga->satellites.value_or(-1)));
        Field(out, base::FormatShortest(gga->hdop.value_or(-1.0)));
        Field(out, base::FormatShortest(gga->altitude.value_or(0.0)));
    } else if (const auto* rmc = std::get_if<gps::RmcRecord>(&record)) {
        Field(out, base::FormatShortest(rmc->latitude));
        Field(out, base::FormatShortest(rmc->longitude));
    } else if (const auto* gsa = std::get_if<gps::GsaRecord>(&record)) {
        Field(out, std::to_string(gsa->satellitesUsed));
        Field(out, base::FormatShortest(gsa->hdop.value_or(0.0)));
    }
}

void DecodeLine(std::string_view line, std::size_t number, std::string& out) {
    const gps::DecodedSentence sentence = gps::DecodeSentence(line);
    if (!gps::IsHandheldType(sentence.Type()))
        return;
    out += std::to_string(number);
    Field(out, gps::NmeaSentenceType(line));
    Field(out, sentence.ok ? "1" : "0");
    if (sentence.ok)
        RecordFields(out, sentence.record);
    out += '\n';
}

// The JSON reading: each understood line, then the sky group it completed, if any. The
// details reader sees every line, so "used" and the time are what the stream said so far.
class JsonDecoder {
public:
    void Line(std::string_view line, std::size_t number, std::string& out) {
        const gps::DecodedSentence sentence = gps::DecodeSentence(line);
        if (sentence.Type() != gps::NmeaType::Other)
            out += tool::SentenceJson(number, line, sentence);
        if (reader_.Add(sentence))
            out += tool::SkyJson(number, reader_.Details().utcMs, reader_.LastGroup());
    }

private:
    gps::GpsDetailsReader reader_;
};

bool HasOption(const tool::ParsedArgs& args, std::string_view name) {
    for (const tool::OptionUse& use : args.options) {
        if (use.name == name)
            return true;
    }
    return false;
}

int RunDecode(const tool::ParsedArgs& args, std::ostream& out, std::ostream& err) {
    const std::string_view file = args.positionals.empty() ? "-" : args.positionals[0];
    std::string data;
    if (file == "-") {
        std::string error;
        if (!ReadStream(stdin, "standard input", data, error))
            return tool::Fail(err, "decode", error);
    } else if (const std::string path(file); IsNamedPipe(path)) {
        std::string error;
        std::FILE* in = std::fopen(path.c_str(), "rb");
        if (in == nullptr)
            return tool::Fail(err, "decode", path + ": " + std::strerror(errno));
        const bool read = ReadStream(in, path, data, error);
        std::fclose(in);
        if (!read)
            return tool::Fail(err, "decode", error);
    } else {
        const auto result = platform::ReadWholeFile(std::string(file), data, kMaxInputBytes);
        if (!result)
            return tool::Fail(err, "decode", result.error);
    }

    std::string text;
    std::size_t number = 0;
    const bool json = HasOption(args, "--json");
    JsonDecoder decoder;
    const auto onLine = [&](std::string_view line) {
        if (json)
            decoder.Line(line, ++number, text);
        else
            DecodeLine(line, ++number, text);
    };
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
     "[--json]",
     "decodes the GGA, RMC and GSA lines of FILE or standard input (\"-\"), one line each",
     {{"--json", "",
       "one JSON object a line: every understood sentence (GGA, RMC, GSA, VTG, GST, ZDA, GSV) "
       "with all its fields, and the sky of every completed GSV group"}}},
    &RunDecode,
});

} // namespace
