#pragma once

#include <array>
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "gps/GpsSource.h"
#include "gps/NmeaLineCutter.h"

namespace gps {

// Gives each line of a recorded log the moment, in seconds from the start of the replay, at
// which a live receiver sent it. Lines whose type carries a UTC time (GGA, RMC, GLL, GNS,
// ZDA) set the clock from it: a later time moves it on by the difference (across midnight
// too). A receiver's clock that jumps (a cold start, a damaged field) must not hold the
// replay up for hours: an earlier time, or one more than a minute later, moves it on by one
// ordinary interval (the last step of a minute or less, one second before any) and the times
// go on from there. Where these lines carry no time, a type seen again starts the next epoch,
// one second on. Other lines come with the line before them.
class ReplayClock {
public:
    double Due(std::string_view line);
    // A new pass over the log, one second after the last line of the previous one.
    void StartOver();

private:
    double offset_ = 0.0;
    bool haveTime_ = false;
    double lastTime_ = 0.0;
    double interval_ = 1.0;
    // Time-carrying types seen in the current epoch ("GGA", "RMC"...); five such types exist.
    std::array<std::string_view, 5> seen_{};
    std::size_t seenCount_ = 0;
    bool Seen(std::string_view type) const;
};

// A recorded NMEA log replayed at the pace of its sentences' times, speed times faster (an
// infinite speed replays as fast as it is read). The end of the log ends the stream, unless
// it loops. The file is read a block at a time, so any size of log replays in bounded memory.
// A named pipe (FIFO) is a live stream instead: whatever a writer has put in it is passed on
// as it comes, never paced, and the stream stays open while writers come and go. Nothing
// waits for a writer, neither Open nor Read.
class FileReplaySource : public GpsSource {
public:
    FileReplaySource(std::string path, double speed, bool loop);
    ~FileReplaySource() override;

    std::string Open() override;
    SourceRead Read(char* buffer, std::size_t capacity) override;
    void Close() override;
    [[nodiscard]] bool Ended() const override { return ended_; }
    [[nodiscard]] bool Reopens() const override { return false; }
    [[nodiscard]] std::string LostText() const override { return "Log read error."; }

private:
    // A line waiting for its moment: text_[start, start + length).
    struct Line {
        double due = 0.0;
        std::size_t start = 0;
        std::size_t length = 0;
    };
    // Reads the next block into lines_; false at the end of the file or on a read error.
    bool Fill();

    std::string path_;
    double speed_;
    bool loop_;
    std::FILE* file_ = nullptr;
    int fifo_ = -1;
    bool ended_ = false;
    int readError_ = 0;
    std::chrono::steady_clock::time_point start_;
    NmeaLineCutter cutter_;
    ReplayClock clock_;
    // The lines of the last block read, and their text; refilled when all are passed on.
    std::vector<Line> lines_;
    std::size_t next_ = 0;
    std::string text_;
    std::size_t linesThisPass_ = 0;
};

} // namespace gps
