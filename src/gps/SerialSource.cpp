#include "gps/SerialSource.h"

#include <cstring>
#include <utility>

#include "base/Number.h"
#include "gps/NmeaSentence.h"
#include "gps/SerialLog.h"

namespace gps {

SerialSource::SerialSource(std::string path, std::int32_t baudRate, GpsSourceLog log)
    : path_(std::move(path)), baudRate_(baudRate), log_(std::move(log)) {}

std::string SerialSource::Open() {
    if (const int error = port_.Open(path_); error != 0)
        return platform::DescribeOpenFailure(path_, error);
    const bool searching = baudRate_ == kAutoBaud && foundRate_ == 0;
    const std::int32_t rate = baudRate_ != kAutoBaud ? baudRate_
                              : foundRate_ != 0      ? foundRate_
                                                     : kAutoBaudRates[0];
    const platform::SerialConfigResult config = port_.Configure(rate);
    if (config.readError != 0) {
        port_.Close();
        return platform::DescribeOpenFailure(path_, config.readError);
    }
    if (config.applyError != 0 && log_)
        log_(ConfigErrorMessage(config.applyError));
    if (searching) {
        tryingIndex_ = 0;
        tryingSince_ = std::chrono::steady_clock::now();
        probe_.Reset();
    }
    return {};
}

void SerialSource::TryRate(std::size_t index) {
    tryingIndex_ = index % kAutoBaudRates.size();
    const platform::SerialConfigResult config = port_.Configure(kAutoBaudRates[tryingIndex_]);
    if (config.applyError != 0 && log_)
        log_(ConfigErrorMessage(config.applyError));
    port_.Discard();
    probe_.Reset();
    tryingSince_ = std::chrono::steady_clock::now();
}

SourceRead SerialSource::Read(char* buffer, std::size_t capacity) {
    SourceRead read = port_.Read(buffer, capacity);
    if (!read.ok || baudRate_ != kAutoBaud || foundRate_ != 0)
        return read;

    bool answered = false;
    if (read.bytes > 0 && probe_.Feed(buffer, read.bytes) > 0) {
        std::string line;
        while (probe_.PopLine(line))
            answered = answered || NmeaChecksumValid(line);
    }
    if (answered) {
        foundRate_ = kAutoBaudRates[tryingIndex_];
        note_ = "Found the receiver at " + base::FormatPadded(foundRate_, 0) + " baud.";
        if (log_)
            log_(note_);
        return read;
    }
    if (std::chrono::steady_clock::now() - tryingSince_ >= kAutoBaudWindow)
        TryRate(tryingIndex_ + 1);
    read.bytes = 0;
    return read;
}

std::string SerialSource::TakeNote() {
    return std::exchange(note_, {});
}

std::int32_t SerialSource::BaudRate() const {
    return baudRate_ != kAutoBaud ? baudRate_ : foundRate_;
}

} // namespace gps
