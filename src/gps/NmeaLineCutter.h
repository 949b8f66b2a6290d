#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

namespace gps {

// Cuts NMEA text, fed in chunks of any size, into lines by one rule: a line ends at LF, at
// CR, or at a CR LF pair, which is one break even when the chunks split the pair (receivers
// and loggers use all three). An empty line between two breaks is a line; bytes after the
// last break are a line at Finish. A line longer than maxLineLength is dropped whole and its
// bytes are not kept, so memory stays bounded whatever the input holds.
//
// onLine gets a std::string_view that is valid only during the call; onDropped, when given, is
// called in a dropped line's place, for readers that number the lines.
class NmeaLineCutter {
    struct Ignore {
        void operator()() const {}
    };

public:
    explicit NmeaLineCutter(std::size_t maxLineLength = std::numeric_limits<std::size_t>::max())
        : maxLineLength_(maxLineLength) {}

    template <typename OnLine, typename OnDropped = Ignore>
    void Feed(std::string_view chunk, OnLine&& onLine, OnDropped&& onDropped = {}) {
        if (afterCr_ && !chunk.empty()) {
            afterCr_ = false;
            if (chunk.front() == '\n')
                chunk.remove_prefix(1);
        }
        while (!chunk.empty()) {
            const std::size_t end = chunk.find_first_of("\r\n");
            if (end == std::string_view::npos) {
                Keep(chunk);
                return;
            }
            if (!overlong_ && end <= maxLineLength_ - carry_.size()) {
                if (carry_.empty()) {
                    onLine(chunk.substr(0, end));
                } else {
                    carry_.append(chunk.substr(0, end));
                    onLine(std::string_view(carry_));
                }
            } else {
                onDropped();
            }
            carry_.clear();
            overlong_ = false;
            const bool cr = chunk[end] == '\r';
            chunk.remove_prefix(end + 1);
            if (cr && chunk.empty())
                afterCr_ = true;
            else if (cr && chunk.front() == '\n')
                chunk.remove_prefix(1);
        }
    }

    // The end of the input: the last line, when it has bytes and is not too long.
    template <typename OnLine, typename OnDropped = Ignore>
    void Finish(OnLine&& onLine, OnDropped&& onDropped = {}) {
        if (overlong_)
            onDropped();
        else if (!carry_.empty())
            onLine(std::string_view(carry_));
        carry_.clear();
        overlong_ = false;
        afterCr_ = false;
    }

private:
    void Keep(std::string_view part) {
        if (!overlong_ && part.size() <= maxLineLength_ - carry_.size()) {
            carry_.append(part);
        } else {
            overlong_ = true;
            carry_.clear();
        }
    }

    std::size_t maxLineLength_;
    std::string carry_; // the start of a line the chunk ended in
    bool overlong_ = false;
    bool afterCr_ = false; // the last chunk ended in CR: an LF next is the same break
};

} // namespace gps
