#include "trail/JournalWriter.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileIo.h"

namespace trail {

namespace {

// A 24-hour recording at 10 Hz is about 48 MB; a journal far beyond that is not read back.
constexpr std::size_t kMaxJournalBytes = std::size_t{1} << 30;

bool WriteAll(int fd, std::string_view bytes, int& err) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            err = errno;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

JournalWriter::JournalWriter(std::string path, std::chrono::milliseconds syncDelay)
    : path_(std::move(path)), syncDelay_(syncDelay) {}

std::unique_ptr<JournalWriter> JournalWriter::Open(const std::string& path,
                                                   std::chrono::milliseconds syncDelay,
                                                   const JournalContent* checked) {
    std::unique_ptr<JournalWriter> writer(new JournalWriter(path, syncDelay));
    JournalWriter& w = *writer;
    w.fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (w.fd_ < 0) {
        w.Fail(errno);
        return writer;
    }
    struct stat info {};
    if (::fstat(w.fd_, &info) != 0) {
        w.Fail(errno);
        return writer;
    }
    if (!S_ISREG(info.st_mode)) {
        w.Fail(EINVAL);
        return writer;
    }
    if (info.st_size == 0) {
        int err = 0;
        if (!WriteAll(w.fd_, EncodeJournalHeader(), err)) {
            w.Fail(err);
            return writer;
        }
        w.size_ = kJournalHeaderSize;
    } else if (checked != nullptr && checked->status == JournalContent::Status::Ok &&
               static_cast<std::size_t>(info.st_size) ==
                   checked->goodBytes + checked->droppedBytes) {
        if (checked->droppedBytes > 0 &&
            ::ftruncate(w.fd_, static_cast<off_t>(checked->goodBytes)) != 0) {
            w.Fail(errno);
            return writer;
        }
        w.size_ = checked->goodBytes;
        w.entries_ = checked->entries.size();
    } else {
        std::string bytes;
        if (const auto read = platform::ReadWholeFile(path, bytes, kMaxJournalBytes); !read) {
            w.Fail(read.error);
            return writer;
        }
        const JournalContent content = DecodeJournal(bytes);
        if (content.status != JournalContent::Status::Ok) {
            w.Fail(path + ": not a trail journal of this version");
            return writer;
        }
        if (content.droppedBytes > 0 &&
            ::ftruncate(w.fd_, static_cast<off_t>(content.goodBytes)) != 0) {
            w.Fail(errno);
            return writer;
        }
        w.size_ = content.goodBytes;
        w.entries_ = content.entries.size();
    }
    if (::lseek(w.fd_, static_cast<off_t>(w.size_), SEEK_SET) < 0) {
        w.Fail(errno);
        return writer;
    }
    w.syncer_ = std::thread([&w] { w.SyncLoop(); });
    return writer;
}

JournalWriter::~JournalWriter() {
    if (syncer_.joinable()) {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        syncer_.join();
    }
    if (fd_ >= 0) {
        if (!failed_)
            ::fdatasync(fd_);
        ::close(fd_);
    }
}

bool JournalWriter::Append(const JournalEntry& entry) {
    if (failed_)
        return false;
    int err = 0;
    if (!WriteAll(fd_, EncodeJournalRecord(entry), err)) {
        // A record cut short by a full disk is taken back, so the file ends at a whole record.
        if (::ftruncate(fd_, static_cast<off_t>(size_)) == 0)
            (void)::lseek(fd_, static_cast<off_t>(size_), SEEK_SET);
        Fail(err);
        return false;
    }
    size_ += kJournalRecordSize;
    ++entries_;
    // Only the first entry after a flush wakes the flushing thread: it then sleeps until its
    // deadline whatever follows, and a wake-up per fix would cost more than the write.
    bool first = false;
    {
        std::lock_guard lock(mutex_);
        if (!dirty_) {
            dirty_ = true;
            dirtySince_ = std::chrono::steady_clock::now();
            first = true;
        }
    }
    if (first)
        wake_.notify_all();
    return true;
}

bool JournalWriter::Sync() {
    if (failed_)
        return false;
    {
        std::lock_guard lock(mutex_);
        dirty_ = false;
    }
    if (::fdatasync(fd_) != 0) {
        Fail(errno);
        return false;
    }
    return true;
}

void JournalWriter::SyncLoop() {
    std::unique_lock lock(mutex_);
    while (!stop_) {
        wake_.wait(lock, [this] { return stop_ || dirty_; });
        if (stop_)
            break;
        wake_.wait_until(lock, dirtySince_ + syncDelay_, [this] { return stop_ || !dirty_; });
        if (stop_ || !dirty_)
            continue;
        dirty_ = false;
        lock.unlock();
        if (::fdatasync(fd_) != 0)
            Fail(errno);
        lock.lock();
    }
}

void JournalWriter::Fail(int err) {
    Fail(platform::FileResult::Failure(path_, err).error);
}

void JournalWriter::Fail(std::string reason) {
    std::lock_guard lock(mutex_);
    if (failed_)
        return;
    error_ = std::move(reason);
    failed_ = true;
}

std::string JournalWriter::Error() const {
    std::lock_guard lock(mutex_);
    return error_;
}

} // namespace trail
