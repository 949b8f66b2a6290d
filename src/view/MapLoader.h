#pragma once

#include "platform/ImageLoader.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QThread;

namespace view {

class MapView;

// Bounds of a map load; tests lower them to reach the other side with small images.
struct MapLoadLimits {
    // PNG, GIF and BMP files decode whole in memory, up to this size.
    int imageAllocationMb = platform::kImageAllocationLimitMb;
    // JPEG maps of at least this many pixels show a small picture first while they decode.
    long long previewMinPixels = 2048LL * 2048;
};

// Loads maps into a view: each image is opened (map::OpenMap) on a worker thread, so the window
// stays responsive while it decodes and its pyramid is cut, and what it tells comes to the
// view's thread as values. One load at a time: a new one cancels the one running. A map shown
// is kept for the next open on another worker afterwards.
class MapLoader : public QObject {
    Q_OBJECT

public:
    // Lives no longer than view (it is view's child).
    explicit MapLoader(MapView& view);
    // Cancels the load running and waits for the workers.
    ~MapLoader() override;
    MapLoader(const MapLoader&) = delete;
    MapLoader& operator=(const MapLoader&) = delete;

    // Loads the image at path with the calibration and points files beside it; zoom 1.0,
    // scroll (0, 0). MapLoadProgress reports how far it got and MapLoadFinished ends it; until
    // then the map showing stays, and a load still running is cancelled first. A load that
    // ends while a dialog of a map command is open shows its map once the dialog closes.
    void Start(const QString& path);
    // Drops the load in progress: the map showing stays as it was. MapLoadFinished follows.
    void Cancel();
    // For a window that closes: Cancel, and from now on start nothing. A load ending meanwhile
    // (its box held it) still shows but is not kept: keeping flushes the whole pyramid to the
    // disk, which the quit would wait for.
    void Stop();
    // Waits, without running the window's events, for the load in progress and for what it
    // keeps (a dialog of a map command holds its end, as ever); true when the last load ended
    // with its map showing, else the reason (empty after a cancel) in *error (if given).
    bool Wait(QString* error = nullptr);
    // Start and Wait.
    bool Load(const QString& path, QString* error = nullptr);
    void SetLimits(const MapLoadLimits& limits) { limits_ = limits; }
    // Samples that are no bytes are stretched between the percent and 100 - percent
    // percentiles of their values from the next load on; 0: between their own low and high.
    void SetStretchPercent(int percent) { stretchPercent_ = percent; }
    // Worker threads still running, cancelled ones and commits included.
    [[nodiscard]] int Workers() const { return static_cast<int>(workers_.size()); }

signals:
    // Percent done, or -1 while the image itself decodes (no measure of that).
    void MapLoadProgress(int percent);
    // loaded: the map now shows. Otherwise error says why, or is empty after a cancel.
    void MapLoadFinished(const QString& path, bool loaded, const QString& error);
    // A load's small picture of the map shows now; MapLoadFinished follows.
    void MapPreviewShown(const QString& path);
    // Every row in view of a map whose picture shows is drawn at full resolution; the rest of
    // the map is still decoding.
    void MapFullResolutionShown(const QString& path);

private:
    struct Job;
    class Events;
    struct Worker {
        QThread* thread;
        int id;
        std::function<void()> ended; // on the view's thread, once the thread has ended
    };
    void Run(std::function<void()> work, std::function<void()> ended);
    // Ends worker id, if it is still running, and runs what follows it.
    void Reap(int id);
    void Decoded(const std::shared_ptr<Job>& job);
    // Shows the map of the load that has ended.
    void Finish();

    MapView& view_;
    MapLoadLimits limits_;
    int stretchPercent_ = 0;
    std::shared_ptr<Job> load_; // the load whose result is wanted
    bool stopped_ = false;
    std::vector<Worker> workers_;
    int nextWorker_ = 0;
    bool lastLoaded_ = false;
    QString lastError_;
};

} // namespace view
