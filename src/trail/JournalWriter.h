#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "trail/Journal.h"

namespace trail {

// Appends entries to a journal file. Each Append is written to the file at once (so a killed
// process loses nothing), and a thread of its own flushes the file to the device
// (fdatasync) within syncDelay of the first entry not yet flushed, so a power cut loses at
// most that much and the cost of the flush is shared by every entry in between.
//
// Once a write or a flush fails (a full disk, a read-only or vanished folder, an I/O error) the
// writer stops: Failed() is true, Error() says why, later appends do nothing, and the file
// keeps every entry written before the failure (a partly written record is cut off again).
class JournalWriter {
public:
    static constexpr std::chrono::milliseconds kDefaultSyncDelay{500};

    // Opens path for appending, creating it with a header when it is missing or empty. An
    // existing journal is checked first and a torn or damaged tail is cut off, so new entries
    // follow the last good one; a file that is not a journal of this version is not touched
    // and the open fails. Never null: a failed writer reports why. checked: what the caller
    // just read of the file (DecodeJournal's content), so that it is not read a second time;
    // the file is cut to its good bytes all the same.
    static std::unique_ptr<JournalWriter>
    Open(const std::string& path, std::chrono::milliseconds syncDelay = kDefaultSyncDelay,
         const JournalContent* checked = nullptr);
    ~JournalWriter(); // flushes and closes
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;

    // False when the entry was not written (the writer has failed, now or before).
    bool Append(const JournalEntry& entry);
    // Flushes to the device now; false when that failed.
    bool Sync();

    [[nodiscard]] bool Failed() const { return failed_.load(); }
    [[nodiscard]] std::string Error() const;
    [[nodiscard]] const std::string& Path() const { return path_; }
    // Entries in the file: those read when it was opened plus those appended.
    [[nodiscard]] std::size_t EntryCount() const { return entries_; }

private:
    JournalWriter(std::string path, std::chrono::milliseconds syncDelay);
    void Fail(int err);
    void Fail(std::string reason);
    void SyncLoop();

    std::string path_;
    std::chrono::milliseconds syncDelay_;
    int fd_ = -1;
    std::size_t size_ = 0; // bytes of good content in the file
    std::size_t entries_ = 0;
    std::atomic<bool> failed_{false};

    mutable std::mutex mutex_; // guards the members below
    std::condition_variable wake_;
    bool dirty_ = false;
    bool stop_ = false;
    std::chrono::steady_clock::time_point dirtySince_;
    std::string error_;
    std::thread syncer_;
};

} // namespace trail
