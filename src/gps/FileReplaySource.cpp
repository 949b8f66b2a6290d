#include "gps/FileReplaySource.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include "gps/NmeaSentence.h"

namespace gps {

namespace {

// Longer lines are no sentence (the line assembler drops anything past 255 bytes anyway);
// they are skipped without being kept.
constexpr std::size_t kMaxLine = 1024;
constexpr std::size_t kBlock = 64 * 1024;
constexpr double kSecondsPerDay = 86400.0;
// A longer step between two sentence times is a jump of the receiver's clock, not a pause.
constexpr double kLongestStep = 60.0;

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

struct TimedType {
    std::string_view type;
    std::size_t field; // the field holding the UTC time
};
constexpr std::array<TimedType, 5> kTimedTypes = {
    {{"GGA", 1}, {"RMC", 1}, {"GNS", 1}, {"ZDA", 1}, {"GLL", 5}}};

// Field n of a sentence line (n >= 1), without splitting the rest.
std::string_view Field(std::string_view line, std::size_t n) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < n; ++i) {
        start = line.find(',', start);
        if (start == std::string_view::npos)
            return {};
        ++start;
    }
    const std::size_t end = line.find_first_of(",*", start);
    return line.substr(start, end == std::string_view::npos ? end : end - start);
}

} // namespace

bool ReplayClock::Seen(std::string_view type) const {
    for (std::size_t i = 0; i < seenCount_; ++i)
        if (seen_[i] == type)
            return true;
    return false;
}

double ReplayClock::Due(std::string_view line) {
    if (!line.starts_with('$'))
        return offset_;
    const std::string_view type = NmeaSentenceType(line);
    const TimedType* timed = nullptr;
    for (const TimedType& t : kTimedTypes)
        if (t.type == type)
            timed = &t;
    if (timed == nullptr)
        return offset_;
    if (const auto time = TimeOfDay(Field(line, timed->field))) {
        if (!haveTime_) {
            haveTime_ = true;
            lastTime_ = *time;
        } else {
            double delta = *time - lastTime_;
            if (delta < -kSecondsPerDay / 2)
                delta += kSecondsPerDay; // past midnight
            if (delta > 0.0 && delta <= kLongestStep)
                interval_ = delta;
            else if (delta != 0.0)
                delta = interval_;
            if (delta > 0.0) {
                offset_ += delta;
                lastTime_ = *time;
                seenCount_ = 0;
            }
        }
    } else if (Seen(timed->type)) {
        offset_ += 1.0;
        if (haveTime_)
            lastTime_ = std::fmod(lastTime_ + 1.0, kSecondsPerDay);
        seenCount_ = 0;
    }
    if (!Seen(timed->type))
        seen_[seenCount_++] = timed->type;
    return offset_;
}

void ReplayClock::StartOver() {
    offset_ += 1.0;
    haveTime_ = false;
    seenCount_ = 0;
}

FileReplaySource::FileReplaySource(std::string path, double speed, bool loop)
    : path_(std::move(path)), speed_(speed), loop_(loop), cutter_(kMaxLine) {}

FileReplaySource::~FileReplaySource() {
    Close();
}

std::string FileReplaySource::Open() {
    Close();
    // Without O_NONBLOCK, opening a named pipe waits for a writer, for ever if none comes.
    const int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return path_ + ": " + std::strerror(errno);
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISFIFO(st.st_mode)) {
        fifo_ = fd;
        ended_ = false;
        readError_ = 0;
        return {};
    }
    if (!S_ISREG(st.st_mode) || (file_ = ::fdopen(fd, "rb")) == nullptr) {
        ::close(fd);
        return path_ + ": not a log file (a regular file or a named pipe is needed)";
    }
    ended_ = false;
    readError_ = 0;
    cutter_ = NmeaLineCutter(kMaxLine);
    clock_ = ReplayClock();
    lines_.clear();
    next_ = 0;
    text_.clear();
    linesThisPass_ = 0;
    start_ = std::chrono::steady_clock::now();
    return {};
}

void FileReplaySource::Close() {
    if (file_ != nullptr)
        std::fclose(file_);
    file_ = nullptr;
    if (fifo_ >= 0)
        ::close(fifo_);
    fifo_ = -1;
    lines_.clear();
    next_ = 0;
}

bool FileReplaySource::Fill() {
    if (file_ == nullptr)
        return false;
    lines_.clear();
    next_ = 0;
    text_.clear();
    std::array<char, kBlock> block;
    const std::size_t n = std::fread(block.data(), 1, block.size(), file_);
    auto keep = [this](std::string_view line) {
        ++linesThisPass_;
        lines_.push_back({clock_.Due(line), text_.size(), line.size()});
        text_.append(line);
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
    if (fifo_ >= 0) {
        // No writer (none yet, or the last one went) reads as 0 bytes: nothing has arrived.
        const ssize_t n = ::read(fifo_, buffer, capacity);
        if (n > 0)
            read.bytes = static_cast<std::size_t>(n);
        else if (n < 0 && errno != EAGAIN && errno != EINTR)
            read = {false, 0, errno};
        return read;
    }
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
        if (next_ == lines_.size() && (++blocks > 16 || !Fill())) {
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
        if (next_ == lines_.size())
            continue;
        const Line& line = lines_[next_];
        if (line.due > replayed)
            return read;
        if (read.bytes + line.length + 2 > capacity) {
            if (read.bytes == 0)
                ++next_; // it could never be passed on whole
            return read;
        }
        std::memcpy(buffer + read.bytes, text_.data() + line.start, line.length);
        read.bytes += line.length;
        buffer[read.bytes++] = '\r';
        buffer[read.bytes++] = '\n';
        ++next_;
    }
}

} // namespace gps
