#include "gps/GpsFeed.h"

#include <utility>

namespace gps {

GpsFeed::GpsFeed(GpsLinkOptions options, std::int32_t maxSentences) : maxSentences_(maxSentences) {
    MakeLink(std::move(options));
}

GpsFeed::~GpsFeed() {
    link_->Close();
}

void GpsFeed::MakeLink(GpsLinkOptions options) {
    link_ = std::make_unique<GpsLink>(maxSentences_, std::move(options));
    link_->SetPostCallback([this](std::int32_t sentences, std::size_t) {
        {
            std::lock_guard lock(countsLock_);
            ++counts_.posts;
            counts_.sentences += sentences;
            if (sentences == 0)
                ++counts_.emptyPosts;
        }
        counted_.notify_all();
        if (wake_)
            wake_();
    });
    link_->SetReadObserver([this](const platform::SerialReadResult& read) {
        {
            std::lock_guard lock(countsLock_);
            ++counts_.reads;
            if (!read.ok)
                ++counts_.failedReads;
        }
        counted_.notify_all();
        if (observer_)
            observer_(read);
    });
}

void GpsFeed::SetWake(std::function<void()> wake) {
    wake_ = std::move(wake);
}

void GpsFeed::SetReadObserver(GpsReadObserver observer) {
    observer_ = std::move(observer);
}

void GpsFeed::SetLinkOptions(GpsLinkOptions options) {
    Close();
    MakeLink(std::move(options));
}

GpsOpening GpsFeed::Opened(bool ok) {
    GpsOpening opening;
    opening.ok = ok;
    if (!ok) {
        opening.error = link_->OpenError();
        return opening;
    }
    epochs_ = {};
    used_ = {};
    if (link_->IsConnecting())
        opening.connectingText = link_->ConnectingText();
    return opening;
}

GpsOpening GpsFeed::Open(const std::string& sourceName, std::int32_t baudRate) {
    return Opened(link_->Open(sourceName, baudRate));
}

GpsOpening GpsFeed::OpenWithoutWaiting(const std::string& sourceName, std::int32_t baudRate) {
    return Opened(link_->OpenWithoutWaiting(sourceName, baudRate));
}

GpsOpening GpsFeed::Open(std::unique_ptr<GpsSource> source) {
    return Opened(link_->Open(std::move(source)));
}

void GpsFeed::Close() {
    link_->Close();
    fix_.hasFix = false;
}

GpsUpdate GpsFeed::TakeUpdate(std::uint32_t nowMs, std::uint32_t rateMs) {
    GpsUpdate update;
    update.takenMs = nowMs;
    // Read before the rate limit: the stream's last sentences must not wait for an update
    // that will never be posted.
    const bool ended = link_->HasEnded();
    if (rateLimit_.Admit(nowMs, rateMs) || ended) {
        update.handled = true;
        update.note = link_->TakeNote();
        if (!update.note.empty())
            update.what |= GpsUpdate::kNote;
        if (link_->HasReadError()) {
            link_->ClearSentences();
            fix_.hasFix = false;
            update.what |= GpsUpdate::kReadError;
            update.lostText = link_->LostText();
        } else {
            GpsUpdateFold fold(used_);
            QueuedSentence sentence;
            bool any = false;
            while (link_->PopSentence(sentence)) {
                fold.Add(sentence.decoded);
                epochs_.Add(sentence.decoded);
                any = true;
            }
            if (ended)
                epochs_.Finish();
            const GpsBatchResult batch = fold.ApplyTo(fix_);
            if (batch.hasNewPosition)
                update.what |= GpsUpdate::kPosition;
            if (batch.fixLost)
                update.what |= GpsUpdate::kFixLost;
            if (ended && !any)
                update.what |= GpsUpdate::kEnded;
            update.epochs = epochs_.TakeCompleted();
        }
    }
    update.fix = fix_;
    update.details = link_->Details();
    return update;
}

GpsFeedCounts GpsFeed::WaitUntil(Clock::time_point deadline,
                                 const std::function<bool(const GpsFeedCounts&)>& until) {
    std::unique_lock lock(countsLock_);
    counted_.wait_until(lock, deadline, [&] { return until(counts_); });
    return counts_;
}

std::int64_t GpsFeed::WaitForPosts(Clock::time_point deadline) {
    std::unique_lock lock(countsLock_);
    counted_.wait_until(lock, deadline, [&] { return counts_.posts != postsWaited_; });
    return counts_.posts - std::exchange(postsWaited_, counts_.posts);
}

GpsFeedCounts GpsFeed::Counts() {
    std::lock_guard lock(countsLock_);
    return counts_;
}

} // namespace gps
