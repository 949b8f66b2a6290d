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
#include <fcntl.h>
#include <ostream>
#include <poll.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// NMEA sentences are at most 82 characters; a "line" far beyond that is binary noise: it is
// counted, so the lines after it keep their numbers, but not kept, so memory stays bounded.
constexpr std::size_t kMaxLineLength = 64 * 1024;
constexpr std::size_t kReadChunk = 64 * 1024;

// The input: standard input, a named pipe (a shell's <(...), which the tool waits for as any
// command-line reader does) or a regular file; devices and folders are refused. -1 and the
// reason in error when it cannot be opened.
int OpenInput(const std::string& path, platform::UniqueFd& owned, std::string& error) {
    if (path == "-")
        return STDIN_FILENO;
    struct stat info {};
    int err = 0;
    if (::stat(path.c_str(), &info) == 0 && S_ISFIFO(info.st_mode)) {
        owned = platform::UniqueFd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
        err = errno;
    } else {
        owned = platform::OpenRegularFile(path, &err);
    }
    if (!owned.Valid()) {
        error = platform::FileResult::Failure(path, err).error;
        return -1;
    }
    return owned.Get();
}

// Reads what is there, up to size bytes, waiting for at least one; 0 at the end, -1 with errno
// on failure. A descriptor left non-blocking by whoever started the tool is waited on.
ssize_t ReadSome(int fd, char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t n = ::read(fd, buffer, size);
        if (n >= 0)
            return n;
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, -1) >= 0 || errno == EINTR)
                continue;
            return -1;
        }
        if (errno != EINTR)
            return -1;
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

// Streams: each read is decoded and its lines written before the next read, so memory does
// not grow with the log and a live receiver's lines come out as they arrive.
int RunDecode(const tool::ParsedArgs& args, std::ostream& out, std::ostream& err) {
    const std::string path(args.positionals.empty() ? "-" : args.positionals[0]);
    const std::string name = path == "-" ? "standard input" : path;
    platform::UniqueFd owned;
    std::string error;
    const int fd = OpenInput(path, owned, error);
    if (fd < 0)
        return tool::Fail(err, "decode", error);

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
    const auto onDropped = [&] { ++number; };
    const auto write = [&] {
        out.write(text.data(), static_cast<std::streamsize>(text.size())).flush();
        text.clear();
        return static_cast<bool>(out);
    };
    gps::NmeaLineCutter cutter(kMaxLineLength);
    std::string buffer(kReadChunk, '\0');
    for (;;) {
        const ssize_t n = ReadSome(fd, buffer.data(), buffer.size());
        if (n < 0) {
            // What was decoded before the failure is out already, as from any stream reader.
            return tool::Fail(err, "decode", name + ": " + platform::ErrorText(errno));
        }
        if (n == 0)
            break;
        cutter.Feed(std::string_view(buffer.data(), static_cast<std::size_t>(n)), onLine,
                    onDropped);
        if (!write())
            break;
    }
    cutter.Finish(onLine, onDropped);
    if (!write()) {
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
