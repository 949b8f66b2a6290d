#include "gps/GpsLink.h"

#include <memory>
#include <system_error>
#include <utility>

#include "gps/GpsSourceName.h"
#include "gps/NmeaDecode.h"

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

std::unique_ptr<GpsSource> GpsLink::MakeSource(const std::string& sourceName,
                                               std::int32_t baudRate) {
    MadeGpsSource made = MakeGpsSource(
        sourceName, baudRate, [this](const std::string& message) { (void)log_.Write(message); });
    if (!made.source)
        openError_ = std::move(made.error);
    return std::move(made.source);
}

bool GpsLink::Open(const std::string& sourceName, std::int32_t baudRate) {
    if (running_.load())
        return false;
    std::unique_ptr<GpsSource> source = MakeSource(sourceName, baudRate);
    return source && Open(std::move(source));
}

bool GpsLink::Open(std::unique_ptr<GpsSource> source) {
    return Start(std::move(source), true);
}

bool GpsLink::OpenWithoutWaiting(const std::string& sourceName, std::int32_t baudRate) {
    if (running_.load())
        return false;
    std::unique_ptr<GpsSource> source = MakeSource(sourceName, baudRate);
    return source && OpenWithoutWaiting(std::move(source));
}

bool GpsLink::OpenWithoutWaiting(std::unique_ptr<GpsSource> source) {
    const bool slow = source && source->OpensSlowly();
    return Start(std::move(source), !slow);
}

bool GpsLink::Start(std::unique_ptr<GpsSource> source, bool openHere) {
    if (running_.load() || !source)
        return false;
    // A thread of an earlier connection is always finished here (Close joins it); this only
    // tidies up after a Close that ran on the reader thread itself.
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id())
        thread_.join();

    openError_.clear();
    if (openHere) {
        openError_ = source->Open();
        if (!openError_.empty())
            return false;
    }
    // Opens on the reader thread give up as soon as the link closes.
    source->SetCancel([this] { return !running_.load(); });
    source_ = std::move(source);
    {
        std::lock_guard lock(textLock_);
        lostText_ = source_->LostText();
        silentText_ = source_->WhenSilent() == Silence::Reconnect
                          ? "No data is arriving, reconnecting."
                          : "No data is arriving.";
        connectingText_ = source_->ConnectingText();
    }
    readError_.store(false);
    ended_.store(false);
    silent_.store(false);
    connecting_.store(!openHere);
    {
        // A new connection may be another receiver: its sky starts afresh.
        std::lock_guard lock(detailsLock_);
        details_ = GpsDetailsReader();
    }
    // Set before the thread starts, so that a Close that comes before the thread's first
    // step still stops it.
    running_.store(true);
    try {
        thread_ = std::thread(&GpsLink::ReaderThread, this, post_, observer_, openHere);
    } catch (const std::system_error&) {
        running_.store(false);
        connecting_.store(false);
        source_->Close();
        openError_ = "no thread for the GPS link";
        return false;
    }
    return true;
}

std::string GpsLink::LostText() const {
    std::lock_guard lock(textLock_);
    if (readError_.load())
        return lostText_;
    return silent_.load() ? silentText_ : lostText_;
}

std::string GpsLink::ConnectingText() const {
    std::lock_guard lock(textLock_);
    return connectingText_;
}

void GpsLink::SetLostText(std::string text) {
    std::lock_guard lock(textLock_);
    lostText_ = std::move(text);
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
    silent_.store(false);
    connecting_.store(false);
}

bool GpsLink::PopSentence(QueuedSentence& sentence) {
    if (sentenceCount_.load() == 0)
        return false;
    std::lock_guard lock(sentencesLock_);
    if (sentences_.empty())
        return false;
    sentence = std::move(sentences_.front());
    sentences_.pop_front();
    sentenceCount_.store(sentences_.size());
    return true;
}

GpsDetails GpsLink::Details() const {
    std::lock_guard lock(detailsLock_);
    return details_.Details();
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

std::int32_t GpsLink::Queue(NmeaLineAssembler& assembler, const char* bytes, std::size_t count) {
    std::int32_t accepted = 0;
    if (count == 0 || assembler.Feed(bytes, count) == 0)
        return 0;
    std::scoped_lock lock(sentencesLock_, detailsLock_);
    std::string line;
    while (assembler.PopLine(line)) {
        // The details read every line; the fold and its queue only the handheld's types.
        DecodedSentence decoded = DecodeSentence(line);
        details_.Add(decoded);
        if (!IsHandheldType(decoded.Type()))
            continue;
        sentences_.push_back({std::move(line), std::move(decoded)});
        ++accepted;
        if (sentences_.size() > maxSentences_)
            sentences_.pop_front();
    }
    sentenceCount_.store(sentences_.size());
    return accepted;
}

void GpsLink::ReaderThread(GpsPostCallback post, GpsReadObserver observer, bool opened) {
    NmeaLineAssembler assembler(NmeaLineAssembler::kDefaultMaxLines);
    const auto buffer = std::make_unique<char[]>(kReadSize);
    GpsSource& source = *source_;
    const Silence whenSilent = source.WhenSilent();
    // Whatever arrived before the connection is stale.
    if (opened)
        source.Discard();
    // The source failed and was closed (or is not open yet): it is opened again, at once the
    // first time, then after each pause.
    bool down = !opened;
    bool pauseFirst = opened;
    auto lastSentence = std::chrono::steady_clock::now();

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
            if (pauseFirst && !Pause(options_.retryInterval))
                break;
            pauseFirst = true;
            if (const std::string error = source.Open(); !error.empty()) {
                if (!running_.load())
                    break;
                if (connecting_.load())
                    SetLostText("Cannot connect to " + error + ". Retrying.");
                fail({false, 0, EIO});
                continue;
            }
            down = false;
            source.Discard();
            // A fresh connection has the whole silence limit to send its first sentence.
            lastSentence = std::chrono::steady_clock::now();
            if (connecting_.exchange(false)) {
                SetLostText(source.LostText());
                readError_.store(false);
                if (post)
                    post(0, 0); // "Connecting..." gives way
            }
        }

        // One poll: everything that has arrived, a read's worth at a time.
        platform::SerialReadResult poll;
        std::int32_t accepted = 0;
        bool more = false;
        while (running_.load()) {
            const platform::SerialReadResult read = source.Read(buffer.get(), kReadSize);
            if (!read.ok) {
                poll = read;
                break;
            }
            poll.bytes += read.bytes;
            if (read.bytes == 0)
                break;
            accepted += Queue(assembler, buffer.get(), read.bytes);
            if (poll.bytes >= kPollLimit) {
                more = true;
                break;
            }
        }
        if (!poll.ok) {
            source.Discard();
            fail(poll);
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
        if (std::string note = source.TakeNote(); !note.empty()) {
            std::lock_guard lock(noteLock_);
            note_ = std::move(note);
        }
        const bool ended = source.Ended();
        if (ended)
            ended_.store(true);
        const auto now = std::chrono::steady_clock::now();
        if (accepted > 0) {
            lastSentence = now;
            silent_.store(false);
        } else if (whenSilent != Silence::Ignore && now - lastSentence >= options_.silenceLimit) {
            silent_.store(true);
        }
        if (running_.load() && accepted > 0 && post)
            post(accepted, poll.bytes);
        // One more update, after the last sentences, tells the user side the stream is over;
        // while silent, each poll tells it again (an update the rate limit drops is not lost).
        if (running_.load() && (ended || (accepted == 0 && silent_.load())) && post)
            post(0, 0);
        if (observer)
            observer(poll);
        if (ended)
            break;
        if (accepted == 0 && silent_.load() && whenSilent == Silence::Reconnect &&
            now - lastSentence >= options_.silenceLimit) {
            // The peer may be gone without closing the connection: connect again.
            source.Close();
            assembler.Reset();
            down = true;
            pauseFirst = false;
            continue;
        }
        if (!more && !Pause(options_.pollInterval))
            break;
    }
    readError_.store(false);
}

} // namespace gps
