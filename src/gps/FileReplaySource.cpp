#include "gps/FileReplaySource.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <optional>
#include <sys/stat.h>

#include "gps/NmeaSentence.h"

namespace gps {

namespace {

// Longer lines are no sentence (the line assembler drops anything past 255 bytes anyway);
// they are skipped without being kept.
constexpr std::size_t kMaxLine = 1024;
constexpr std::size_t kBlock = 64 * 1024;
constexpr double kSecondsPerDay = 86400.0;

int Digit(char c) {
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

// "hhmmss" or "hhmmss.sss" as seconds of the day; none for anything else.
std::optional<double> TimeOfDay(std::string_view field) {
    if (field.size() < 6)
        return std::nullopt;
    int d[6];
    for (int i = 0; i < 6; ++i) {
        d[i] = Digit(field[static_cast<std::size_t>(i)]);
        if (d[i] < 0)
            return std::nullopt;
    }
    const int h = d[0] * 10 + d[1];
    const int m = d[2] * 10 + d[3];
    const int s = d[4] * 10 + d[5];
    if (h > 23 || m > 59 || s > 60)
        return std::nullopt;
    double fraction = 0.0;
    if (field.size() > 6) {
        if (field[6] != '.')
            return std::nullopt;
        double scale = 0.1;
        for (const char c : field.substr(7)) {
            if (Digit(c) < 0)
                return std::nullopt;
            fraction += Digit(c) * scale;
            scale /= 10.0;
        }
    }
    return h * 3600.0 + m * 60.0 + s + fraction;
}

// The field holding the UTC time in the types that carry one; 0 for the others.
std::size_t TimeField(std::string_view type) {
    if (type == "GGA" || type == "RMC" || type == "GNS" || type == "ZDA")
        return 1;
    if (type == "GLL")
        return 5;
    return 0;
}

} // namespace

double ReplayClock::Due(std::string_view line) {
    if (!line.starts_with('$'))
        return offset_;
    const std::string_view type = NmeaSentenceType(line);
    const std::size_t field = TimeField(type);
    if (field == 0)
        return offset_;
    const bool seen = std::find(seen_.begin(), seen_.end(), type) != seen_.end();
    if (const auto time = TimeOfDay(SplitNmeaFields(line)[field])) {
        if (!haveTime_) {
            haveTime_ = true;
            lastTime_ = *time;
        } else {
            double delta = *time - lastTime_;
            if (delta < -kSecondsPerDay / 2)
                delta += kSecondsPerDay; // past midnight
            if (delta > 0.0) {
                offset_ += delta;
                lastTime_ = *time;
                seen_.clear();
            }
        }
    } else if (seen) {
        offset_ += 1.0;
        if (haveTime_)
            lastTime_ = std::fmod(lastTime_ + 1.0, kSecondsPerDay);
        seen_.clear();
    }
    if (std::find(seen_.begin(), seen_.end(), type) == seen_.end())
        seen_.emplace_back(type);
    return offset_;
}

void ReplayClock::StartOver() {
    offset_ += 1.0;
    haveTime_ = false;
    seen_.clear();
}

FileReplaySource::FileReplaySource(std::string path, double speed, bool loop)
    : path_(std::move(path)), speed_(speed), loop_(loop), cutter_(kMaxLine) {}

FileReplaySource::~FileReplaySource() {
    Close();
}

std::string FileReplaySource::Open() {
    Close();
    file_ = std::fopen(path_.c_str(), "rbe");
    if (file_ == nullptr)
        return path_ + ": " + std::strerror(errno);
    struct stat st {};
    if (::fstat(::fileno(file_), &st) != 0 || !S_ISREG(st.st_mode)) {
        Close();
        return path_ + ": not a log file (a regular file is needed)";
    }
    ended_ = false;
    readError_ = 0;
    cutter_ = NmeaLineCutter(kMaxLine);
    clock_ = ReplayClock();
    lines_.clear();
    linesThisPass_ = 0;
    start_ = std::chrono::steady_clock::now();
    return {};
}

void FileReplaySource::Close() {
    if (file_ != nullptr)
        std::fclose(file_);
    file_ = nullptr;
    lines_.clear();
}

bool FileReplaySource::Fill() {
    if (file_ == nullptr)
        return false;
    std::array<char, kBlock> block;
    const std::size_t n = std::fread(block.data(), 1, block.size(), file_);
    auto keep = [this](std::string_view line) {
        ++linesThisPass_;
        lines_.push_back({clock_.Due(line), std::string(line)});
    };
    if (n > 0) {
        cutter_.Feed(std::string_view(block.data(), n), keep);
        return true;
    }
    if (std::ferror(file_)) {
        readError_ = errno != 0 ? errno : EIO;
        return false;
    }
    cutter_.Finish(keep);
    if (!lines_.empty())
        return true;
    // The end of the log: over again, unless it holds no line at all (it would spin).
    if (!loop_ || linesThisPass_ == 0)
        return false;
    std::rewind(file_);
    cutter_ = NmeaLineCutter(kMaxLine);
    clock_.StartOver();
    linesThisPass_ = 0;
    return true;
}

SourceRead FileReplaySource::Read(char* buffer, std::size_t capacity) {
    SourceRead read;
    if (readError_ != 0) {
        read.ok = false;
        read.error = readError_;
        return read;
    }
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    const double replayed = std::isinf(speed_) ? INFINITY : elapsed * speed_;
    // A log of one endless line holds no sentence to wait for: read it a bounded amount per
    // call, so the reader stays responsive whatever the file is.
    int blocks = 0;
    while (true) {
        if (lines_.empty() && (++blocks > 16 || !Fill())) {
            if (blocks > 16)
                return read;
            if (readError_ != 0) {
                read.ok = false;
                read.error = readError_;
            } else {
                ended_ = true;
            }
            return read;
        }
        if (lines_.empty())
            continue;
        const Line& line = lines_.front();
        if (line.due > replayed)
            return read;
        if (read.bytes + line.text.size() + 2 > capacity) {
            if (read.bytes == 0)
                lines_.pop_front(); // it could never be passed on whole
            return read;
        }
        std::memcpy(buffer + read.bytes, line.text.data(), line.text.size());
        read.bytes += line.text.size();
        buffer[read.bytes++] = '\r';
        buffer[read.bytes++] = '\n';
        lines_.pop_front();
    }
}

} // namespace gps
