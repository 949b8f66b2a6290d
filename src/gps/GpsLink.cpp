#include "gps/GpsLink.h"

#include <cerrno>
#include <memory>
#include <system_error>

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

bool GpsLink::Open(const std::string& devicePath, std::int32_t baudRate) {
    openError_ = EBUSY;
    if (running_.load())
        return false;
    // A thread of an earlier connection is always finished here (Close joins it); this only
    // tidies up after a Close that ran on the reader thread itself.
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id())
        thread_.join();

    openError_ = port_.Open(devicePath);
    if (openError_ != 0)
        return false;
    const platform::SerialConfigResult config = port_.Configure(baudRate);
    if (config.readError != 0) {
        openError_ = config.readError;
        port_.Close();
        return false;
    }
    if (config.applyError != 0)
        (void)log_.Write(ConfigErrorMessage(config.applyError));

    readError_.store(false);
    // Set before the thread starts, so that a Close that comes before the thread's first
    // step still stops it.
    running_.store(true);
    try {
        thread_ = std::thread(&GpsLink::ReaderThread, this, post_, observer_);
    } catch (const std::system_error& failure) {
        openError_ = failure.code().value();
        running_.store(false);
        port_.Close();
        return false;
    }
    return true;
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
    port_.Close();
    ClearSentences();
    readError_.store(false);
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
    // Whatever arrived before the connection is stale.
    port_.Discard();

    while (running_.load()) {
        const platform::SerialReadResult read = port_.Read(buffer.get(), kReadSize);
        if (!read.ok) {
            readError_.store(true);
            if (post)
                post(0, 0);
            port_.Discard();
            assembler.Reset();
            if (observer)
                observer(read);
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
        if (running_.load() && accepted > 0 && post)
            post(accepted, read.bytes);
        if (observer)
            observer(read);
        if (!Pause(options_.pollInterval))
            break;
    }
    readError_.store(false);
}

} // namespace gps
