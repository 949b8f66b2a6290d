#include "trail/JournalWriter.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileIo.h"
#include "platform/FileLock.h"
#include "trail/JournalReader.h"

namespace trail {

namespace {

// Writes bytes at offset; written says how many made it, also when it fails part way.
bool WriteAllAt(int fd, std::string_view bytes, std::size_t offset, std::size_t& written,
                int& err) {
    written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + written, bytes.size() - written,
                                   static_cast<off_t>(offset + written));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            err = errno;
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

std::string JournalHeldElsewhere(const std::string& path) {
    return path + ": another program holds this journal and is recording into it";
}

JournalWriter::JournalWriter(std::string path, std::chrono::milliseconds syncDelay)
    : path_(std::move(path)), syncDelay_(syncDelay) {}

std::unique_ptr<JournalWriter> JournalWriter::Open(const std::string& path,
                                                   std::chrono::milliseconds syncDelay,
                                                   const JournalSummary* checked,
                                                   platform::FileLock lock) {
    std::unique_ptr<JournalWriter> writer(new JournalWriter(path, syncDelay));
    if (writer->OpenFile(checked, std::move(lock)))
        writer->thread_ = std::thread([w = writer.get()] { w->WriteLoop(); });
    return writer;
}

bool JournalWriter::OpenFile(const JournalSummary* checked, platform::FileLock lock) {
    // The lock comes before anything is read, cut or written: two writers, each with its own
    // idea of where the file ends, would overwrite and cut each other's records.
    if (!lock.Held()) {
        switch (lock.Take(path_)) {
        case platform::FileLock::Status::Locked:
            break;
        case platform::FileLock::Status::Busy:
            heldElsewhere_ = true;
            Fail(JournalHeldElsewhere(path_));
            return false;
        case platform::FileLock::Status::Failed:
            Fail(lock.Errno());
            return false;
        }
    }
    fd_ = lock.Release();
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        Fail(errno);
        return false;
    }
    const auto fileSize = static_cast<std::size_t>(info.st_size);
    if (fileSize == 0) {
        std::size_t written = 0;
        int err = 0;
        if (!WriteAllAt(fd_, EncodeJournalHeader(), 0, written, err)) {
            Fail(err);
            return false;
        }
        size_ = made_ = kJournalHeaderSize;
        return true;
    }
    JournalSummary read;
    if (checked == nullptr || checked->status != JournalSummary::Status::Ok ||
        fileSize != checked->goodBytes + checked->droppedBytes + checked->spareBytes) {
        JournalReader reader(path_);
        for (JournalEntry entry; reader.Next(entry);) {
        }
        if (!reader.Opened() || !reader.Error().empty()) {
            Fail(reader.Opened() ? reader.Error() : reader.Opened().error);
            return false;
        }
        read = reader.Summary();
        checked = &read;
    }
    if (checked->status != JournalSummary::Status::Ok) {
        Fail(path_ + ": not a trail journal of this version");
        return false;
    }
    size_ = checked->goodBytes;
    made_ = fileSize;
    entries_ = checked->records;
    // A zero tail is room made ahead and stays; anything else after the good records goes.
    if (checked->droppedBytes > 0) {
        if (::ftruncate(fd_, static_cast<off_t>(size_)) != 0) {
            Fail(errno);
            return false;
        }
        made_ = size_;
    }
    return true;
}

JournalWriter::~JournalWriter() {
    if (thread_.joinable()) {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }
    if (fd_ < 0)
        return;
    {
        std::lock_guard io(ioMutex_);
        // Closed in order, the file ends at its last record: the room made ahead is only for
        // a recording that goes on.
        if (WriteHeld() && (made_ == size_ || ::ftruncate(fd_, static_cast<off_t>(size_)) == 0))
            ::fdatasync(fd_);
    }
    ::close(fd_);
}

bool JournalWriter::Append(const JournalEntry& entry) {
    if (failed_)
        return false;
    const std::string record = EncodeJournalRecord(entry);
    bool wake = false;
    {
        std::lock_guard lock(mutex_);
        held_ += record;
        // Only an idle thread is woken; one already waiting for its deadline takes this entry
        // with the others, and a wake-up per fix would cost more than the write.
        if (idle_) {
            idle_ = false;
            firstHeldAt_ = std::chrono::steady_clock::now();
            wake = true;
        }
    }
    if (wake)
        wake_.notify_one();
    ++entries_;
    return true;
}

bool JournalWriter::Sync() {
    if (failed_)
        return false;
    std::lock_guard io(ioMutex_);
    if (!WriteHeld())
        return false;
    if (::fdatasync(fd_) != 0) {
        Fail(errno);
        return false;
    }
    return true;
}

bool JournalWriter::WriteHeld() {
    {
        std::lock_guard lock(mutex_);
        writing_.swap(held_);
    }
    if (failed_) {
        writing_.clear();
        return false;
    }
    if (writing_.empty())
        return true;
    const std::size_t end = size_ + writing_.size();
    if (end > made_)
        MakeRoom(end);
    std::size_t written = 0;
    int err = 0;
    const bool ok = WriteAllAt(fd_, writing_, size_, written, err);
    writing_.clear();
    if (!ok) {
        // The whole records stay; one cut short by a full disk is taken back, the room made
        // ahead with it.
        size_ += written / kJournalRecordSize * kJournalRecordSize;
        if (::ftruncate(fd_, static_cast<off_t>(size_)) == 0)
            made_ = size_;
        Fail(err);
        return false;
    }
    size_ = end;
    return true;
}

void JournalWriter::MakeRoom(std::size_t end) {
    static const std::array<char, kChunkBytes> kZeros{};
    const std::size_t target = (end + kChunkBytes - 1) / kChunkBytes * kChunkBytes;
    while (made_ < target) {
        const std::size_t n = std::min(target - made_, kChunkBytes);
        std::size_t written = 0;
        int err = 0;
        const bool ok = WriteAllAt(fd_, std::string_view(kZeros.data(), n), made_, written, err);
        made_ += written;
        // Room is a saving, not a need: the records then extend the file themselves, and a
        // disk that is really full fails their write.
        if (!ok)
            return;
    }
}

void JournalWriter::WriteLoop() {
    std::unique_lock lock(mutex_);
    auto next = firstHeldAt_ + syncDelay_;
    while (!stop_) {
        if (idle_) {
            wake_.wait(lock, [this] { return stop_ || !idle_; });
            if (stop_)
                break;
            next = firstHeldAt_ + syncDelay_;
        }
        // Entries that come meanwhile join this write without waking anyone.
        wake_.wait_until(lock, next, [this] { return stop_; });
        if (stop_)
            break;
        if (held_.empty()) {
            idle_ = true;
            continue;
        }
        // Whatever comes after this moment waits at most until the next write.
        next = std::chrono::steady_clock::now() + syncDelay_;
        lock.unlock();
        {
            std::lock_guard io(ioMutex_);
            if (WriteHeld() && ::fdatasync(fd_) != 0)
                Fail(errno);
        }
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
