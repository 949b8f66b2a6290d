#pragma once

#include <chrono>
#include <cstdio>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "gps/GpsSource.h"
#include "gps/NmeaLineCutter.h"

namespace gps {

// Gives each line of a recorded log the moment, in seconds from the start of the replay, at
// which a live receiver sent it. Lines whose type carries a UTC time (GGA, RMC, GLL, GNS,
// ZDA) set the clock from it: a later time moves it on by the difference (across midnight
// too), an earlier one not at all. Where these lines carry no time, a type seen again starts
// the next epoch, one second on. Other lines come with the line before them.
class ReplayClock {
public:
    double Due(std::string_view line);
    // A new pass over the log, one second after the last line of the previous one.
    void StartOver();

private:
    double offset_ = 0.0;
    bool haveTime_ = false;
    double lastTime_ = 0.0;
    // Time-carrying types seen in the current epoch ("GGA", "RMC"...).
    std::vector<std::string> seen_;
};

// A recorded NMEA log replayed at the pace of its sentences' times, speed times faster (an
// infinite speed replays as fast as it is read). The end of the log ends the stream, unless
// it loops. The file is read a block at a time, so any size of log replays in bounded memory.
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
    struct Line {
        double due = 0.0;
        std::string text;
    };
    // Reads the next block into lines_; false at the end of the file or on a read error.
    bool Fill();

    std::string path_;
    double speed_;
    bool loop_;
    std::FILE* file_ = nullptr;
    bool ended_ = false;
    int readError_ = 0;
    std::chrono::steady_clock::time_point start_;
    NmeaLineCutter cutter_;
    ReplayClock clock_;
    std::deque<Line> lines_;
    std::size_t linesThisPass_ = 0;
};

} // namespace gps
