#include "gps/NmeaLineAssembler.h"

namespace gps {

NmeaLineAssembler::NmeaLineAssembler(std::int32_t maxLines)
    : maxLines_(maxLines < 1 ? 1 : static_cast<std::size_t>(maxLines)) {}

std::int32_t NmeaLineAssembler::Feed(const char* bytes, std::size_t count) {
    std::int32_t completed = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const char byte = bytes[i];
        const bool afterLf = afterLf_;
        afterLf_ = false;
        if (byte == '$') {
            buffer_[0] = '$';
            length_ = 1;
            completed_ = false;
        } else if (byte == '\r' && afterLf) {
            // LF CR is one break, as CR LF is: the line went out at the line feed.
        } else if (byte == '\r' || (byte == '\n' && !completed_ && length_ > 0)) {
            afterLf_ = byte == '\n';
            if (length_ > 0 && length_ <= kMaxLineLength) {
                lines_.emplace_back(buffer_.data(), length_);
                ++completed;
                completed_ = true;
                if (lines_.size() > maxLines_)
                    lines_.pop_front();
            }
        } else if (length_ > 0 && length_ < buffer_.size()) {
            buffer_[length_++] = byte;
        }
    }
    return completed;
}

bool NmeaLineAssembler::PopLine(std::string& line) {
    if (lines_.empty())
        return false;
    line = std::move(lines_.front());
    lines_.pop_front();
    return true;
}

void NmeaLineAssembler::Reset() {
    lines_.clear();
    length_ = 0;
    completed_ = false;
    afterLf_ = false;
}

} // namespace gps
