#include "view/MapLoader.h"

#include "map/OpenMap.h"
#include "map/pyramid/PyramidCache.h"
#include "view/MapView.h"
#include "view/PyramidImage.h"

#include <QApplication>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cmath>

namespace view {

namespace {

// PNG, GIF and BMP maps: Qt decodes the whole image, then the pyramid is cut from it.
class QtImageDecoder : public map::WholeImageDecoder {
public:
    explicit QtImageDecoder(int allocationMb) : allocationMb_(allocationMb) {}

    bool HeaderSize(int fd, int* width, int* height) const override {
        const QSize size = platform::MapImageFileSize(fd);
        *width = size.width();
        *height = size.height();
        return size.isValid();
    }

    Decoded Decode(int fd, const map::MakePyramidTarget& target,
                   const std::function<bool(double)>& progress) const override {
        Decoded out;
        const platform::MapImage loaded = platform::LoadMapImageFile(fd, allocationMb_);
        if (loaded.image.isNull()) {
            out.error = loaded.error.toStdString();
            return out;
        }
        out.incomplete = loaded.incomplete;
        std::unique_ptr<map::PyramidTarget> place =
            target(loaded.image.width(), loaded.image.height(), &out.error);
        if (place && FillPyramidFromImage(loaded.image, place->Pyramid(), progress))
            out.place = std::move(place);
        return out;
    }

private:
    int allocationMb_;
};

// The wait cursor for as long as an image decodes.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

// What the loader and its worker share. The worker writes result before its thread ends; the
// loader reads it only after.
struct MapLoader::Job {
    QString path;
    MapLoadLimits limits;
    int stretchPercent = 0;
    int viewWidth = 0; // the view the map opens in, decoded first where the file allows
    int viewHeight = 0;
    std::atomic<bool> cancelled{false};
    map::OpenedMap result;
    bool decoded = false; // the worker has ended; read and set on the view's thread only
};

// Hands what the open tells over to the view's thread, where it counts only while its load is
// still the one wanted.
class MapLoader::Events : public map::OpenMapEvents {
public:
    Events(MapLoader& loader, std::shared_ptr<Job> job) : loader_(loader), job_(std::move(job)) {}

    bool Progress(double done) override {
        if (job_->cancelled)
            return false;
        // One event per percent, however many rows and tiles.
        const int percent = std::clamp(static_cast<int>(std::floor(done * 100.0)), 0, 100);
        if (percent != shown_) {
            shown_ = percent;
            Post([percent](MapLoader& loader) { emit loader.MapLoadProgress(percent); });
        }
        return true;
    }

    bool Cancelled() override { return job_->cancelled; }

    void EarlyPicture(map::MapPyramid picture) override {
        Post([picture = std::move(picture)](MapLoader& loader) {
            const ViewGeometry& g = loader.view_.Geometry();
            loader.view_.ChangeLoading([&](LoadingMode& loading) {
                loading.ShowPicture(picture, g.ClientWidth(), g.ClientHeight());
            });
            emit loader.MapPreviewShown(loader.load_->path);
        });
    }

    void RowsStored(map::MapPyramid map, int columns, int rows) override {
        Post([map = std::move(map), columns, rows](MapLoader& loader) {
            bool full = false;
            loader.view_.ChangeLoading(
                [&](LoadingMode& loading) { full = loading.ShowRows(map, columns, rows); });
            if (full)
                emit loader.MapFullResolutionShown(loader.load_->path);
        });
    }

private:
    template <typename Show> void Post(Show show) {
        QMetaObject::invokeMethod(
            &loader_,
            [loader = &loader_, job = job_, show = std::move(show)] {
                if (loader->load_ == job)
                    show(*loader);
            },
            Qt::QueuedConnection);
    }

    MapLoader& loader_;
    std::shared_ptr<Job> job_;
    int shown_ = -1;
};

MapLoader::MapLoader(MapView& view) : QObject(&view), view_(view) {
    connect(&view, &MapView::MapDialogsClosed, this, [this] {
        if (load_ && load_->decoded && !view_.MapDialogsOpen())
            Finish();
    });
}

MapLoader::~MapLoader() {
    if (load_)
        load_->cancelled = true;
    // The workers hold no pointer to the view, but their threads must end before it does.
    for (const Worker& worker : workers_) {
        worker.thread->wait();
        delete worker.thread;
    }
}

void MapLoader::Run(std::function<void()> work, std::function<void()> ended) {
    const int id = nextWorker_++;
    QThread* thread = QThread::create(std::move(work));
    workers_.push_back(Worker{thread, id, std::move(ended)});
    connect(thread, &QThread::finished, this, [this, id] { Reap(id); });
    thread->start();
}

void MapLoader::Reap(int id) {
    const auto it = std::find_if(workers_.begin(), workers_.end(),
                                 [id](const Worker& w) { return w.id == id; });
    if (it == workers_.end())
        return; // waited for already
    QThread* thread = it->thread;
    const std::function<void()> ended = std::move(it->ended);
    workers_.erase(it);
    thread->wait(); // finished comes just before the thread really ends
    thread->deleteLater();
    ended();
}

void MapLoader::Start(const QString& path) {
    Cancel(); // or its result would replace this one later
    if (stopped_) {
        lastLoaded_ = false;
        lastError_.clear();
        return;
    }
    auto job = std::make_shared<Job>();
    job->path = path;
    job->limits = limits_;
    job->stretchPercent = stretchPercent_;
    job->viewWidth = view_.width();
    job->viewHeight = view_.height();
    load_ = job;
    view_.ChangeLoading([](LoadingMode& loading) { loading.Start(); });
    view_.setCursor(Qt::BusyCursor);
    emit MapLoadProgress(-1);
    Run(
        [this, job] {
            Events events(*this, job);
            const QtImageDecoder otherImages(job->limits.imageAllocationMb);
            // Stateless, and used by the tile sets opened for as long as they show.
            static const QtTileDecoder tileImages;
            map::OpenMapOptions options;
            options.earlyPictureMinPixels = job->limits.previewMinPixels;
            options.firstViewWidth = job->viewWidth;
            options.firstViewHeight = job->viewHeight;
            options.cacheFolder = map::PyramidCache::DefaultFolder();
            options.otherImages = &otherImages;
            options.tileImages = &tileImages;
            options.stretchLowPercent = job->stretchPercent;
            options.stretchHighPercent = 100 - job->stretchPercent;
            options.tileUserAgent = "QUILO/" + QCoreApplication::applicationVersion().toStdString();
            job->result = map::OpenMap(QFile::encodeName(job->path).toStdString(), options, events);
        },
        [this, job] { Decoded(job); });
}

void MapLoader::Decoded(const std::shared_ptr<Job>& job) {
    if (load_ != job)
        return; // cancelled or replaced: the result goes
    job->decoded = true;
    // An entry in a dialog open now belongs to the map it was opened on.
    if (!view_.MapDialogsOpen())
        Finish();
}

void MapLoader::Finish() {
    const std::shared_ptr<Job> job = std::move(load_);
    load_.reset();
    view_.unsetCursor();
    // A drag of the picture carries over to the map.
    ViewPoint scroll;
    view_.ChangeLoading([&scroll](LoadingMode& loading) { scroll = loading.End(); });
    std::shared_ptr<map::PyramidTarget> keep = std::move(job->result.keep);
    lastError_.clear();
    lastLoaded_ = view_.ShowMap(job->path, std::move(job->result), &lastError_, scroll);
    if (lastLoaded_ && keep && !stopped_) {
        // Flushing a big map takes a second or more: the map shows meanwhile, then comes back
        // from where it is kept, so the written mapping can go.
        const map::MapPixel* shown = keep->Pyramid().Store();
        auto committed = std::make_shared<std::shared_ptr<map::TiledMap>>();
        Run([keep, committed] { *committed = keep->Commit(); },
            [this, shown, committed] { view_.ReplaceMapPixels(shown, std::move(*committed)); });
    }
    emit MapLoadFinished(job->path, lastLoaded_, lastError_);
}

void MapLoader::Cancel() {
    if (!load_)
        return;
    const std::shared_ptr<Job> job = std::move(load_);
    load_.reset();
    job->cancelled = true;
    view_.unsetCursor();
    view_.ChangeLoading([](LoadingMode& loading) { loading.End(); });
    lastLoaded_ = false;
    lastError_.clear();
    emit MapLoadFinished(job->path, false, QString());
}

void MapLoader::Stop() {
    stopped_ = true;
    Cancel();
}

bool MapLoader::Wait(QString* error) {
    {
        // Cutting a big scan into its levels takes a while too.
        WaitCursor wait;
        // The load first (a cancelled one ends soon), then the commit its end starts.
        while (!workers_.empty())
            Reap(workers_.front().id);
    }
    if (error)
        *error = lastError_;
    return lastLoaded_;
}

bool MapLoader::Load(const QString& path, QString* error) {
    Start(path);
    return Wait(error);
}

} // namespace view
