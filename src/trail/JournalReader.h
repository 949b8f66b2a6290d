#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/FileIo.h"
#include "trail/Journal.h"

namespace trail {

// Reads a journal record by record through a buffer of a fixed size, so that a journal of any
// length is read in the same small memory; holes in a sparse file are passed over unread.
//
//     JournalReader reader(path);
//     if (!reader.Opened()) ...                      // Missing or Unreadable, with the reason
//     while (reader.Next(entry)) ...                 // the good records, oldest first
//     if (!reader.Error().empty()) ...               // a read failed part way
//     reader.Summary()                               // complete once Next returned false
class JournalReader {
public:
    // The buffer: whole records, about 64 KiB.
    static constexpr std::size_t kBufferBytes = 1170 * kJournalRecordSize;

    explicit JournalReader(const std::string& path);
    // Reads bytes held in memory (which must outlive the reader).
    explicit JournalReader(std::string_view bytes);
    ~JournalReader();
    JournalReader(const JournalReader&) = delete;
    JournalReader& operator=(const JournalReader&) = delete;

    [[nodiscard]] const platform::LoadResult& Opened() const { return opened_; }
    // The input holds no byte at all (its Summary() says NotJournal).
    [[nodiscard]] bool Empty() const { return empty_; }
    // The next good record; false at the end, when the header is not good, or when a read
    // failed (Error() then says why).
    bool Next(JournalEntry& entry);
    [[nodiscard]] const JournalSummary& Summary() const { return summary_; }
    [[nodiscard]] const std::string& Error() const { return error_; }
    // The most the reader ever holds of the file, whatever its size.
    [[nodiscard]] std::size_t BufferCapacity() const { return buffer_.capacity(); }

private:
    void ReadHeader();
    // Makes at least need bytes available in data_; false at the end of the input or on an
    // error.
    bool Fill(std::size_t need);
    void Consume(std::size_t n);
    void Finish();

    std::string path_;
    int fd_ = -1;
    std::string buffer_;     // a file's bytes read and not yet taken
    std::string_view data_;  // the bytes available: in buffer_, or the memory given
    std::size_t offset_ = 0; // of data_'s first byte in the input
    platform::LoadResult opened_;
    JournalSummary summary_;
    std::string error_;
    bool done_ = false;
    bool empty_ = false;
    // Record places not good since the last good record; of them, those not all zero, and
    // whether one after the first was not.
    std::size_t pendingPlaces_ = 0;
    std::size_t pendingNonZero_ = 0;
    bool nonZeroBeyondFirst_ = false;
};

} // namespace trail
