#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "platform/FileLock.h"
#include "trail/Journal.h"

namespace trail {

// The one line that says another program holds the journal at path.
[[nodiscard]] std::string JournalHeldElsewhere(const std::string& path);

// Appends entries to a journal file. Append only holds the entry in memory; a thread of its own
// writes what is held and flushes it to the device (fdatasync) in one go, at most syncDelay
// after the entry was appended. A crash, a kill -9 or a power cut thus loses at most the
// entries of that time, and one wake-up, one write and one flush serve every entry in it.
//
// The file is made ahead in chunks of zero bytes and records are written over them, so that a
// flush carries only data to the device, not a new file size; a reader stops at the zero tail
// as at any record that is not good, and Open carries on where the good records end. A writer
// closed in order cuts the zero tail off again.
//
// One writer per journal: the writer holds an exclusive lock on the file (platform/FileLock.h)
// from before it reads, cuts or writes anything until it is closed. When another program holds
// it, the open fails with HeldElsewhere() and the file is left exactly as it was.
//
// Once a write or a flush fails (a full disk, a read-only or vanished folder, an I/O error) the
// writer stops: Failed() is true, Error() says why, later appends do nothing, and the file
// keeps every entry written before the failure (a partly written record is cut off again).
class JournalWriter {
public:
    static constexpr std::chrono::milliseconds kDefaultSyncDelay{700};
    // How far ahead the file is made: a metadata flush every 1170 records.
    static constexpr std::size_t kChunkBytes = 64 * 1024;

    // Opens path for appending, creating it with a header when it is missing or empty. An
    // existing journal is checked first and a torn or damaged tail is cut off, so new entries
    // follow the last good one; a file that is not a journal of this version is not touched
    // and the open fails. Never null: a failed writer reports why. checked: what the caller
    // just read of the file (a JournalReader's summary), so that it is not read a second time;
    // the file is cut to its good bytes all the same. lock: the journal's lock when the caller
    // took it already (to read the file before anything else could change it); without it the
    // writer takes the lock itself.
    static std::unique_ptr<JournalWriter>
    Open(const std::string& path, std::chrono::milliseconds syncDelay = kDefaultSyncDelay,
         const JournalSummary* checked = nullptr, platform::FileLock lock = {});
    ~JournalWriter(); // writes what is held, flushes and closes
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;

    // False when the entry was not taken (the writer has failed). A failure of the write that
    // follows shows in Failed() later.
    bool Append(const JournalEntry& entry);
    // Writes what is held and flushes to the device now; false when that failed.
    bool Sync();

    [[nodiscard]] bool Failed() const { return failed_.load(); }
    // The open failed because another program holds the journal's lock.
    [[nodiscard]] bool HeldElsewhere() const { return heldElsewhere_; }
    [[nodiscard]] std::string Error() const;
    [[nodiscard]] const std::string& Path() const { return path_; }
    // Entries in the file: those read when it was opened plus those appended.
    [[nodiscard]] std::size_t EntryCount() const { return entries_; }

private:
    JournalWriter(std::string path, std::chrono::milliseconds syncDelay);
    bool OpenFile(const JournalSummary* checked, platform::FileLock lock);
    void Fail(int err);
    void Fail(std::string reason);
    bool WriteHeld(); // with ioMutex_ held
    void MakeRoom(std::size_t end);
    void WriteLoop();

    std::string path_;
    std::chrono::milliseconds syncDelay_;
    int fd_ = -1;
    std::size_t entries_ = 0;
    std::atomic<bool> failed_{false};
    bool heldElsewhere_ = false;

    std::mutex ioMutex_;   // one writer of the file at a time; guards the three below
    std::size_t size_ = 0; // bytes of good content in the file
    std::size_t made_ = 0; // bytes in the file: the good content and the zero tail
    std::string writing_;  // the records being written, swapped with held_

    mutable std::mutex mutex_; // guards the members below
    std::condition_variable wake_;
    std::string held_; // encoded records not yet written
    bool idle_ = true; // the thread waits for an entry without a deadline
    bool stop_ = false;
    std::chrono::steady_clock::time_point firstHeldAt_;
    std::string error_;
    std::thread thread_;
};

} // namespace trail
