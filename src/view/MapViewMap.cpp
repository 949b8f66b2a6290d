// Loading a map with the calibration and points files beside it, at once or in the background.
#include "view/MapView.h"

#include "platform/ImageLoader.h"
#include "view/PyramidCache.h"
#include "view/PyramidImage.h"

#include <QApplication>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cmath>

namespace {

// The wait cursor for as long as an image decodes.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

struct MapView::LoadedMap {
    MapPyramid map;          // empty when the image could not be had
    QString error;           // why, when map is empty
    bool incomplete = false; // the file ends early
};

// What the view and its worker share. The worker writes result before its thread ends; the
// view reads it only after.
struct MapView::LoadJob {
    QString path;
    std::atomic<bool> cancelled{false};
    LoadedMap result;
};

MapView::~MapView() {
    if (load_)
        load_->cancelled = true;
    // The workers hold no pointer to the view, but their threads must end before it does.
    for (QThread* worker : workers_) {
        worker->wait();
        delete worker;
    }
}

MapView::LoadedMap MapView::DecodeMap(const QString& path,
                                      const std::function<bool(double)>& progress) {
    LoadedMap out;
    // A map opened before comes back from the cache, mapped, without a decode.
    const PyramidCache cache(PyramidCache::DefaultFolder());
    const std::filesystem::path file = QFile::encodeName(path).toStdString();
    out.map = cache.Open(file);
    if (!out.map.Empty())
        return out;
    platform::MapImage loaded = platform::LoadMapImageFile(path);
    if (loaded.image.isNull()) {
        out.error = loaded.error;
        return out;
    }
    out.incomplete = loaded.incomplete;
    out.map = PyramidFromImage(loaded.image, progress);
    if (out.map.Empty()) {
        out.error = QStringLiteral("Not enough memory for the image.");
    } else if (!out.incomplete && progress(1.0)) {
        // Kept for the next open (unless the load was cancelled); the cache's mapped copy
        // replaces the one in memory. Without a cache (no space, no folder) the map shows all
        // the same.
        std::string error;
        if (auto entry = cache.Create(file, out.map.Width(), out.map.Height(), &error);
            entry && entry->Pyramid().CopyPixelsFrom(out.map)) {
            MapPyramid cached = entry->Commit(&error);
            if (error.empty())
                out.map = std::move(cached);
        }
    }
    return out;
}

bool MapView::AdoptLoadedMap(const QString& path, LoadedMap loaded, QString* error) {
    // A file that cannot be decoded changes nothing: the map showing stays.
    if (loaded.map.Empty()) {
        if (error)
            *error = loaded.error;
        return false;
    }
    map_ = std::move(loaded.map);
    geometry_.SetImageSize(map_.Width(), map_.Height()); // zoom 1.0, scroll (0, 0)
    mapImagePath_ = path;
    if (loaded.incomplete)
        Tell(session::Notice{session::Notice::Kind::Warning,
                             path.toStdString() +
                                 ": the file ends early; part of the image may be missing.",
                             "Warning"});
    for (const session::Notice& notice : session_.OpenMap(path.toStdString(), map_.Height()))
        Tell(notice);
    update();
    return true;
}

bool MapView::LoadMap(const QString& path, QString* error) {
    CancelMapLoad(); // or its result would replace this one later
    LoadedMap loaded;
    {
        // Cutting a big scan into its levels takes a while too.
        WaitCursor wait;
        loaded = DecodeMap(path, [](double) { return true; });
    }
    return AdoptLoadedMap(path, std::move(loaded), error);
}

void MapView::StartLoadMap(const QString& path) {
    CancelMapLoad();
    auto job = std::make_shared<LoadJob>();
    job->path = path;
    load_ = job;
    setCursor(Qt::BusyCursor);
    emit MapLoadProgress(-1);
    QThread* worker = QThread::create([this, job] {
        int shown = -1;
        job->result = DecodeMap(job->path, [&](double done) {
            if (job->cancelled)
                return false;
            // One event per percent, however many rows and tiles.
            const int percent = std::clamp(static_cast<int>(std::floor(done * 100.0)), 0, 100);
            if (percent != shown) {
                shown = percent;
                QMetaObject::invokeMethod(
                    this,
                    [this, job, percent] {
                        if (load_ == job)
                            emit MapLoadProgress(percent);
                    },
                    Qt::QueuedConnection);
            }
            return true;
        });
    });
    workers_.push_back(worker);
    connect(worker, &QThread::finished, this,
            [this, worker, job] { OnWorkerFinished(worker, job); });
    worker->start();
}

void MapView::OnWorkerFinished(QThread* worker, const std::shared_ptr<LoadJob>& job) {
    worker->wait(); // finished comes just before the thread really ends
    std::erase(workers_, worker);
    worker->deleteLater();
    if (load_ != job)
        return; // cancelled or replaced: the result goes
    load_.reset();
    unsetCursor();
    QString error;
    const bool loaded = AdoptLoadedMap(job->path, std::move(job->result), &error);
    emit MapLoadFinished(job->path, loaded, error);
}

void MapView::CancelMapLoad() {
    if (!load_)
        return;
    const std::shared_ptr<LoadJob> job = std::move(load_);
    load_.reset();
    job->cancelled = true;
    unsetCursor();
    emit MapLoadFinished(job->path, false, QString());
}
