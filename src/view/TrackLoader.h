#pragma once

#include "session/TrackFiles.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace terrain {
class DemFolder;
}

namespace view {

class MapView;

// Reads track files off the window's thread, one after another in the order given, and adds
// each file's tracks to the view's session as it is read: the window answers while a folder of
// tracks opens, and the first tracks show before the last are read.
class TrackLoader : public QObject {
    Q_OBJECT

public:
    explicit TrackLoader(MapView& view, QObject* parent = nullptr);
    ~TrackLoader() override;
    TrackLoader(const TrackLoader&) = delete;
    TrackLoader& operator=(const TrackLoader&) = delete;

    // Queues the files; one already open, or already queued, is not read again. Files that
    // cannot be read are said together when the queue has been read, unless quiet (the tracks
    // of the last run coming back: a file since removed is no reason for a box).
    void Open(const QStringList& paths, bool quiet = false);
    // Files queued or being read.
    [[nodiscard]] bool Busy() const;

signals:
    // Tracks were added to the session.
    void TracksChanged();
    // The queue has been read; errors holds a line for each file that could not be.
    void Finished(const QStringList& errors);

private:
    struct Job {
        std::string path;
        bool quiet = false;
        std::shared_ptr<terrain::DemFolder> dem; // the heights given to tracks without them
    };
    void Run();
    void Deliver(const Job& job, session::TrackFileRead read);

    MapView& view_;
    mutable std::mutex mutex_;
    std::deque<Job> queue_;
    std::size_t pending_ = 0; // queued, being read, or read and not yet delivered
    bool running_ = false;
    std::atomic<bool> stop_{false};
    std::thread worker_;
    QStringList errors_;
};

} // namespace view
