#include "trail/JournalReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/Bytes.h"
#include "base/Crc32.h"

namespace trail {

namespace {

bool AllZero(std::string_view bytes) {
    return bytes.find_first_not_of('\0') == std::string_view::npos;
}

} // namespace

JournalReader::JournalReader(const std::string& path) : path_(path) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    int err = fd_ < 0 ? errno : ::fstat(fd_, &info) != 0 ? errno : 0;
    if (err == 0 && S_ISDIR(info.st_mode))
        err = EISDIR;
    if (err != 0) {
        opened_ = {err == ENOENT || err == ENOTDIR ? platform::LoadStatus::Missing
                                                   : platform::LoadStatus::Unreadable,
                   platform::FileResult::Failure(path, err).error};
        done_ = true;
        return;
    }
    buffer_.resize(kBufferBytes);
    ReadHeader();
}

JournalReader::JournalReader(std::string_view bytes) : data_(bytes) {
    ReadHeader();
}

JournalReader::~JournalReader() {
    if (fd_ >= 0)
        ::close(fd_);
}

void JournalReader::ReadHeader() {
    const bool whole = Fill(kJournalHeaderSize);
    if (!error_.empty())
        return;
    empty_ = data_.empty();
    const std::string_view bytes = data_.substr(0, std::min(data_.size(), kJournalHeaderSize));
    base::ByteReader header(bytes);
    const auto magic = header.Take(kJournalMagic.size());
    const auto version = header.U16();
    const auto recordSize = header.U16();
    const auto crc = header.U32();
    if (!whole || !magic || *magic != kJournalMagic || !crc ||
        *crc != base::Crc32(bytes.substr(0, kJournalHeaderSize - 4))) {
        summary_.status = JournalSummary::Status::NotJournal;
        done_ = true;
        return;
    }
    if (*version != kJournalVersion || *recordSize != kJournalRecordSize) {
        summary_.status = JournalSummary::Status::Version;
        done_ = true;
        return;
    }
    Consume(kJournalHeaderSize);
    summary_.goodBytes = offset_;
}

void JournalReader::Consume(std::size_t n) {
    data_.remove_prefix(n);
    offset_ += n;
}

bool JournalReader::Fill(std::size_t need) {
    if (data_.size() >= need || fd_ < 0)
        return data_.size() >= need;
    // An empty view may have no data pointer at all, which memmove must not be given.
    if (!data_.empty())
        std::memmove(buffer_.data(), data_.data(), data_.size());
    std::size_t have = data_.size();
    data_ = {};
    // A hole (a sparse file) reads as zero bytes, and a zero record is never good: whole record
    // places in it are counted without reading them.
    if (have == 0 && offset_ >= kJournalHeaderSize) {
        const off_t data = ::lseek(fd_, static_cast<off_t>(offset_), SEEK_DATA);
        struct stat info {};
        std::size_t holeEnd = offset_;
        if (data >= 0)
            holeEnd = static_cast<std::size_t>(data);
        else if (errno == ENXIO && ::fstat(fd_, &info) == 0)
            holeEnd = std::max(offset_, static_cast<std::size_t>(info.st_size));
        const std::size_t places = (holeEnd - offset_) / kJournalRecordSize;
        pendingPlaces_ += places;
        offset_ += places * kJournalRecordSize;
    }
    while (have < need) {
        const ssize_t n = ::pread(fd_, buffer_.data() + have, buffer_.size() - have,
                                  static_cast<off_t>(offset_ + have));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error_ = platform::FileResult::Failure(path_, errno).error;
            done_ = true;
            break;
        }
        if (n == 0)
            break;
        have += static_cast<std::size_t>(n);
    }
    data_ = std::string_view(buffer_.data(), have);
    return have >= need;
}

bool JournalReader::Next(JournalEntry& entry) {
    while (!done_) {
        if (!Fill(kJournalRecordSize)) {
            if (error_.empty())
                Finish();
            return false;
        }
        const std::string_view record = data_.substr(0, kJournalRecordSize);
        const bool good = DecodeJournalRecord(record, entry);
        const bool zero = !good && AllZero(record);
        Consume(kJournalRecordSize);
        if (good) {
            summary_.damagedRecords += pendingPlaces_;
            pendingPlaces_ = 0;
            pendingNonZero_ = 0;
            nonZeroBeyondFirst_ = false;
            ++summary_.records;
            summary_.goodBytes = offset_;
            return true;
        }
        if (!zero) {
            ++pendingNonZero_;
            nonZeroBeyondFirst_ = nonZeroBeyondFirst_ || pendingPlaces_ > 0;
        }
        ++pendingPlaces_;
    }
    return false;
}

void JournalReader::Finish() {
    done_ = true;
    // Whatever follows the last good record: room made ahead when all zero, else dropped.
    const std::size_t tail = offset_ + data_.size() - summary_.goodBytes;
    if (!AllZero(data_)) {
        ++pendingNonZero_;
        nonZeroBeyondFirst_ = nonZeroBeyondFirst_ || pendingPlaces_ > 0;
    }
    if (pendingNonZero_ == 0)
        summary_.spareBytes = tail;
    else
        summary_.droppedBytes = tail;
    if (nonZeroBeyondFirst_)
        summary_.damagedTailRecords = pendingNonZero_;
}

} // namespace trail
