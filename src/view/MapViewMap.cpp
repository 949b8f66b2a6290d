// Loading a map with the calibration and points files beside it, at once or in the background.
#include "view/MapView.h"

#include "platform/FileIo.h"
#include "platform/ImageLoader.h"
#include "platform/JpegDecoder.h"
#include "map/JpegPyramid.h"
#include "map/PyramidCache.h"
#include "view/PyramidImage.h"

#include <QApplication>
#include <QFile>
#include <QThread>

#include <sys/stat.h>

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

// What every write to a file moves; the status change time cannot be set back by anyone.
bool SameFileState(const struct stat& a, const struct stat& b) {
    return a.st_size == b.st_size && a.st_mtim.tv_sec == b.st_mtim.tv_sec &&
           a.st_mtim.tv_nsec == b.st_mtim.tv_nsec && a.st_ctim.tv_sec == b.st_ctim.tv_sec &&
           a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

} // namespace

struct MapView::LoadedMap {
    map::MapPyramid map;                      // empty when the image could not be had
    QString error;                       // why, when map is empty
    bool incomplete = false;             // the file ends early
    bool damaged = false;                // corrupt data was skipped
    std::shared_ptr<map::PyramidTarget> keep; // when set, to be committed for the next open
};

// What the view and its worker share. The worker writes result before its thread ends; the
// view reads it only after.
struct MapView::LoadJob {
    QString path;
    MapLoadLimits limits;
    std::atomic<bool> cancelled{false};
    LoadedMap result;
    bool decoded = false; // the worker has ended; read and set on the view's thread only
};

MapView::MapDialogOpen::MapDialogOpen(MapView& view) : view_(view) {
    ++view_.mapDialogs_;
}

MapView::MapDialogOpen::~MapDialogOpen() {
    if (--view_.mapDialogs_ > 0 || !view_.load_ || !view_.load_->decoded)
        return;
    // After the command that opened the dialog has returned, not in the middle of it.
    QMetaObject::invokeMethod(
        &view_,
        [view = &view_] {
            if (view->mapDialogs_ == 0 && view->load_ && view->load_->decoded)
                view->FinishLoad();
        },
        Qt::QueuedConnection);
}

MapView::~MapView() {
    if (load_)
        load_->cancelled = true;
    // The workers hold no pointer to the view, but their threads must end before it does.
    for (QThread* worker : workers_) {
        worker->wait();
        delete worker;
    }
}

MapView::LoadedMap MapView::DecodeMap(const QString& path, const MapLoadLimits& limits,
                                      const std::function<bool(double)>& progress,
                                      const std::function<void(map::MapPyramid)>& preview,
                                      const std::function<void(map::MapPyramid, int)>& rowsStored) {
    LoadedMap out;
    const std::string file = QFile::encodeName(path).toStdString();
    // Opened once, without waiting on a FIFO: the cache's key, the size and every decode come
    // from this one file, whatever the path names meanwhile.
    int err = 0;
    const platform::UniqueFd fd = platform::OpenRegularFile(file, &err);
    if (!fd.Valid()) {
        out.error = QString::fromStdString(platform::ErrorText(err));
        return out;
    }
    struct stat before {};
    ::fstat(fd.Get(), &before);
    const bool jpeg = platform::IsJpegFile(fd.Get());
    platform::JpegInfo info;
    const QSize size = !jpeg ? platform::MapImageFileSize(fd.Get())
                       : platform::ReadJpegInfo(fd.Get(), &info).ok ? QSize(info.width, info.height)
                                                                    : QSize();
    // A map opened before comes back from the cache, mapped, without a decode (and so
    // without a picture first).
    const map::PyramidCache cache(map::PyramidCache::DefaultFolder());
    if (size.isValid())
        out.map = cache.Open(file, fd.Get(), size.width(), size.height());
    if (!out.map.Empty())
        return out;
    const auto target = [&](int width, int height, std::string* error) {
        return map::NewPyramidTarget(cache, file, fd.Get(), width, height, error);
    };
    // Qt decodes the whole image, then the pyramid is cut from it.
    const auto decodeWithQt = [&] {
        LoadedMap decoded;
        platform::MapImage loaded = platform::LoadMapImageFile(fd.Get(), limits.imageAllocationMb);
        if (loaded.image.isNull()) {
            decoded.error = loaded.error;
            return decoded;
        }
        decoded.incomplete = loaded.incomplete;
        std::string error;
        std::unique_ptr<map::PyramidTarget> place =
            target(loaded.image.width(), loaded.image.height(), &error);
        if (!place) {
            decoded.error = QString::fromStdString(error);
            return decoded;
        }
        if (!FillPyramidFromImage(loaded.image, place->Pyramid(), progress))
            return decoded; // stopped
        if (decoded.incomplete) {
            decoded.map = place->Discard();
        } else {
            decoded.map = place->Pyramid();
            decoded.keep = std::move(place);
        }
        return decoded;
    };
    // JPEG maps stream into their pyramid, so their size is bound by the cache or memory, not
    // by what Qt agrees to decode whole.
    if (jpeg) {
        map::JpegPyramidOptions options;
        options.progress = progress;
        options.preview = preview;
        options.rowsStored = rowsStored;
        options.cancelled = [&progress] { return !progress(-1.0); }; // from the other thread
        options.previewMinPixels = limits.previewMinPixels;
        options.target = target;
        map::JpegPyramid jpegMap = map::LoadJpegPyramid(fd.Get(), options);
        out.map = std::move(jpegMap.map);
        out.error = QString::fromStdString(jpegMap.error);
        out.incomplete = jpegMap.endsEarly;
        out.damaged = jpegMap.damaged;
        out.keep = std::move(jpegMap.keep);
    } else {
        out = decodeWithQt();
    }
    // Written to while it decoded: shown this once, never kept under a key it may not match.
    struct stat after {};
    if (out.keep && (::fstat(fd.Get(), &after) != 0 || !SameFileState(before, after))) {
        out.map = out.keep->Discard();
        out.keep.reset();
    }
    return out;
}

bool MapView::AdoptLoadedMap(const QString& path, LoadedMap loaded, QString* error,
                             ViewPoint scroll) {
    // A file that cannot be decoded changes nothing: the map showing stays.
    if (loaded.map.Empty()) {
        if (error)
            *error = loaded.error;
        return false;
    }
    map_ = std::move(loaded.map);
    geometry_.SetImageSize(map_.Width(), map_.Height()); // zoom 1.0
    geometry_.SetScrollOffset(scroll);
    mapImagePath_ = path;
    if (loaded.incomplete)
        Tell(session::Notice{session::Notice::Kind::Warning,
                             path.toStdString() +
                                 ": the file ends early; part of the image may be missing.",
                             "Warning"});
    else if (loaded.damaged)
        Tell(session::Notice{session::Notice::Kind::Warning,
                             path.toStdString() +
                                 ": the file is damaged; part of the image may be wrong.",
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
        loaded = DecodeMap(path, loadLimits_, [](double) { return true; }, {});
        if (loaded.keep)
            loaded.map = loaded.keep->Commit();
    }
    return AdoptLoadedMap(path, std::move(loaded), error);
}

void MapView::StartLoadMap(const QString& path) {
    CancelMapLoad();
    auto job = std::make_shared<LoadJob>();
    job->path = path;
    job->limits = loadLimits_;
    load_ = job;
    setCursor(Qt::BusyCursor);
    emit MapLoadProgress(-1);
    QThread* worker = QThread::create([this, job] {
        int shown = -1;
        const auto preview = [this, job](map::MapPyramid picture) {
            QMetaObject::invokeMethod(
                this,
                [this, job, picture] {
                    if (load_ == job)
                        ShowPreview(job->path, picture);
                },
                Qt::QueuedConnection);
        };
        const auto rowsStored = [this, job](map::MapPyramid map, int rows) {
            QMetaObject::invokeMethod(
                this,
                [this, job, map, rows] {
                    if (load_ == job)
                        ShowPreviewRows(job->path, map, rows);
                },
                Qt::QueuedConnection);
        };
        job->result = DecodeMap(
            job->path, job->limits,
            [&](double done) {
                if (job->cancelled)
                    return false;
                if (done < 0.0)
                    return true; // only asked whether to go on
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
            },
            preview, rowsStored);
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
    job->decoded = true;
    // An entry in a dialog open now belongs to the map it was opened on.
    if (mapDialogs_ == 0)
        FinishLoad();
}

void MapView::FinishLoad() {
    const std::shared_ptr<LoadJob> job = std::move(load_);
    load_.reset();
    unsetCursor();
    // A drag of the picture carries over to the map.
    const ViewPoint scroll = preview_ ? preview_->geometry.ScrollOffset() : ViewPoint{};
    preview_.reset();
    update();
    QString error;
    std::shared_ptr<map::PyramidTarget> keep = std::move(job->result.keep);
    const bool loaded = AdoptLoadedMap(job->path, std::move(job->result), &error, scroll);
    if (loaded && keep)
        CommitInBackground(std::move(keep));
    emit MapLoadFinished(job->path, loaded, error);
}

void MapView::CommitInBackground(std::shared_ptr<map::PyramidTarget> keep) {
    const map::MapPixel* shown = map_.Store();
    auto committed = std::make_shared<map::MapPyramid>();
    QThread* worker = QThread::create([keep, committed] { *committed = keep->Commit(); });
    workers_.push_back(worker);
    connect(worker, &QThread::finished, this, [this, worker, committed, shown] {
        worker->wait();
        std::erase(workers_, worker);
        worker->deleteLater();
        // The same pixels from the cache's read-only mapping, so the written one can go.
        if (map_.Store() == shown && committed->Width() == map_.Width() &&
            committed->Height() == map_.Height())
            map_ = std::move(*committed);
    });
    worker->start();
}

void MapView::CancelMapLoad() {
    if (!load_)
        return;
    const std::shared_ptr<LoadJob> job = std::move(load_);
    load_.reset();
    job->cancelled = true;
    unsetCursor();
    preview_.reset();
    update();
    emit MapLoadFinished(job->path, false, QString());
}

void MapView::ShowPreview(const QString& path, map::MapPyramid picture) {
    Preview preview{std::move(picture), ViewGeometry(), map::MapPyramid(), 0, false};
    ViewGeometry& g = preview.geometry;
    g.SetClientSize(geometry_.ClientWidth(), geometry_.ClientHeight());
    g.SetImageSize(preview.picture.Width(), preview.picture.Height());
    // The picture's pixels at the map's 100 %, from the corner, as the map will open.
    g.SetZoom(map::kJpegPreviewScale);
    g.SetScrollOffset(ViewPoint{0, 0});
    preview_ = std::move(preview);
    update();
    emit MapPreviewShown(path);
}

void MapView::ShowPreviewRows(const QString& path, map::MapPyramid map, int rows) {
    if (!preview_)
        return;
    preview_->full = std::move(map);
    preview_->fullRows = rows;
    update();
    // Once every row in view is there, the screen shows the map at full resolution.
    const ViewPoint offset = preview_->geometry.PaintOffset();
    const int needed = std::min(preview_->full.Height(), offset.y + geometry_.ClientHeight());
    if (!preview_->fullShown && rows >= needed) {
        preview_->fullShown = true;
        emit MapFullResolutionShown(path);
    }
}
