#include "view/TrackLoader.h"

#include "terrain/TrackHeights.h"
#include "view/MapView.h"

#include <QFile>
#include <QMetaObject>

#include <algorithm>

namespace view {

TrackLoader::TrackLoader(MapView& view, QObject* parent) : QObject(parent), view_(view) {}

TrackLoader::~TrackLoader() {
    stop_ = true;
    if (worker_.joinable())
        worker_.join();
}

bool TrackLoader::Busy() const {
    const std::lock_guard lock(mutex_);
    return pending_ > 0;
}

void TrackLoader::Open(const QStringList& paths, bool quiet) {
    std::unique_lock lock(mutex_);
    for (const QString& path : paths) {
        std::string name = QFile::encodeName(path).toStdString();
        const bool queued = std::any_of(queue_.begin(), queue_.end(),
                                        [&name](const Job& job) { return job.path == name; });
        if (queued || view_.Session().Tracks().Holds(name))
            continue;
        queue_.push_back({std::move(name), quiet, view_.Session().Dem()});
        ++pending_;
    }
    if (running_ || queue_.empty())
        return;
    running_ = true;
    lock.unlock();
    // The last worker has ended its loop (running_ was false): only its join is left.
    if (worker_.joinable())
        worker_.join();
    worker_ = std::thread([this] { Run(); });
}

void TrackLoader::Run() {
    for (;;) {
        Job job;
        {
            const std::lock_guard lock(mutex_);
            if (queue_.empty() || stop_) {
                running_ = false;
                return;
            }
            job = std::move(queue_.front());
            queue_.pop_front();
        }
        session::TrackFileRead read = session::ReadTrackFile(job.path);
        // Here rather than on the window's thread: a long track asks the DEM many times.
        if (job.dem)
            for (trail::LoadedTrack& track : read.tracks)
                terrain::GiveHeights(*job.dem, track);
        // Queued to the window's thread; dropped with this object if it goes first (its
        // destructor joins this thread before the object is gone).
        QMetaObject::invokeMethod(
            this, [this, job, read = std::move(read)]() mutable { Deliver(job, std::move(read)); },
            Qt::QueuedConnection);
    }
}

void TrackLoader::Deliver(const Job& job, session::TrackFileRead read) {
    if (!read.error.empty() && !job.quiet)
        errors_ << QString::fromStdString(read.error);
    if (!read.tracks.empty() && !view_.Session().Tracks().Holds(job.path)) {
        view_.Change([&read](session::MapSession& session) {
            session::Changes changes;
            for (trail::LoadedTrack& track : read.tracks)
                changes |= session.AddTrack(std::move(track));
            return changes;
        });
        emit TracksChanged();
    }
    bool done = false;
    {
        const std::lock_guard lock(mutex_);
        done = --pending_ == 0;
    }
    if (done) {
        const QStringList errors = std::exchange(errors_, {});
        emit Finished(errors);
    }
}

} // namespace view
