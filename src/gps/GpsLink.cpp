#include "gps/GpsLink.h"

#include <memory>
#include <system_error>
#include <utility>

#include "gps/GpsSourceName.h"
#include "gps/NmeaDecode.h"
#include "gps/NmeaLineAssembler.h"

namespace gps {

GpsLink::GpsLink(std::int32_t maxSentences, GpsLinkOptions options)
    : maxSentences_(maxSentences < 1 ? 1 : static_cast<std::size_t>(maxSentences)),
      options_(std::move(options)), log_(options_.logPath) {}

GpsLink::~GpsLink() {
    Close();
}

void GpsLink::SetPostCallback(GpsPostCallback post) {
    post_ = std::move(post);
}

void GpsLink::SetReadObserver(GpsReadObserver observer) {
    observer_ = std::move(observer);
}

bool GpsLink::Open(std::int32_t portNumber, std::int32_t baudRate) {
    return Open(platform::ComPortDevicePath(portNumber), baudRate);
}

bool GpsLink::Open(const std::string& sourceName, std::int32_t baudRate) {
    if (running_.load())
        return false;
    MadeGpsSource made = MakeGpsSource(
        sourceName, baudRate, [this](const std::string& message) { (void)log_.Write(message); });
    if (!made.source) {
        openError_ = std::move(made.error);
        return false;
    }
    return Open(std::move(made.source));
}

bool GpsLink::Open(std::unique_ptr<GpsSource> source) {
    if (running_.load() || !source)
        return false;
    // A thread of an earlier connection is always finished here (Close joins it); this only
    // tidies up after a Close that ran on the reader thread itself.
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id())
        thread_.join();

    openError_ = source->Open();
    if (!openError_.empty())
        return false;
    source_ = std::move(source);
    lostText_ = source_->LostText();
    readError_.store(false);
    ended_.store(false);
    // Set before the thread starts, so that a Close that comes before the thread's first
    // step still stops it.
    running_.store(true);
    try {
        thread_ = std::thread(&GpsLink::ReaderThread, this, post_, observer_);
    } catch (const std::system_error&) {
        running_.store(false);
        source_->Close();
        openError_ = "no thread for the GPS link";
        return false;
    }
    return true;
}

std::string GpsLink::TakeNote() {
    std::lock_guard lock(noteLock_);
    return std::exchange(note_, {});
}

void GpsLink::Close() {
    {
        std::lock_guard lock(wakeMutex_);
        running_.store(false);
    }
    wake_.notify_all();
    // The old thread must be gone before the port closes: its descriptor number could
    // otherwise be handed to the next port opened, and the old thread would read from it.
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id())
        thread_.join();
    if (source_)
        source_->Close();
    ClearSentences();
    readError_.store(false);
    ended_.store(false);
}

bool GpsLink::PopSentence(std::string& line) {
    if (sentenceCount_.load() == 0)
        return false;
    std::lock_guard lock(sentencesLock_);
    if (sentences_.empty())
        return false;
    line = std::move(sentences_.front());
    sentences_.pop_front();
    sentenceCount_.store(sentences_.size());
    return true;
}

void GpsLink::ClearSentences() {
    std::lock_guard lock(sentencesLock_);
    sentences_.clear();
    sentenceCount_.store(0);
}

bool GpsLink::Pause(std::chrono::milliseconds interval) {
    std::unique_lock lock(wakeMutex_);
    return !wake_.wait_for(lock, interval, [this] { return !running_.load(); });
}

void GpsLink::ReaderThread(GpsPostCallback post, GpsReadObserver observer) {
    NmeaLineAssembler assembler(NmeaLineAssembler::kDefaultMaxLines);
    const auto buffer = std::make_unique<char[]>(kReadSize);
    GpsSource& source = *source_;
    // Whatever arrived before the connection is stale.
    source.Discard();
    bool down = false; // the source failed and was closed; it is reopened after each pause

    auto fail = [&](const platform::SerialReadResult& read) {
        readError_.store(true);
        if (post)
            post(0, 0);
        assembler.Reset();
        if (observer)
            observer(read);
    };

    while (running_.load()) {
        if (down) {
            if (!Pause(options_.retryInterval))
                break;
            if (const std::string error = source.Open(); !error.empty()) {
                fail({false, 0, EIO});
                continue;
            }
            down = false;
            source.Discard();
        }
        const platform::SerialReadResult read = source.Read(buffer.get(), kReadSize);
        if (!read.ok) {
            source.Discard();
            fail(read);
            if (source.Reopens()) {
                // A device node that vanished, or a connection that dropped, does not come back
                // by itself: the next attempt opens it anew.
                source.Close();
                down = true;
                continue;
            }
            if (!Pause(options_.retryInterval))
                break;
            continue;
        }

        readError_.store(false);
        std::int32_t accepted = 0;
        if (running_.load() && read.bytes > 0 && assembler.Feed(buffer.get(), read.bytes) > 0) {
            std::lock_guard lock(sentencesLock_);
            std::string line;
            while (assembler.PopLine(line)) {
                if (NmeaTypeOf(line) == NmeaType::Other)
                    continue;
                sentences_.push_back(std::move(line));
                ++accepted;
                if (sentences_.size() > maxSentences_)
                    sentences_.pop_front();
            }
            sentenceCount_.store(sentences_.size());
        }
        if (std::string note = source.TakeNote(); !note.empty()) {
            std::lock_guard lock(noteLock_);
            note_ = std::move(note);
        }
        const bool ended = source.Ended();
        if (ended)
            ended_.store(true);
        if (running_.load() && accepted > 0 && post)
            post(accepted, read.bytes);
        // One more update, after the last sentences, tells the user side the stream is over.
        if (running_.load() && ended && post)
            post(0, 0);
        if (observer)
            observer(read);
        if (ended || !Pause(options_.pollInterval))
            break;
    }
    readError_.store(false);
}

} // namespace gps
