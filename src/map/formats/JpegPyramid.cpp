#include "map/formats/JpegPyramid.h"

#include "map/pyramid/PyramidBands.h"
#include "map/pyramid/PyramidCache.h"
#include "platform/JpegDecoder.h"
#include "platform/MemoryInfo.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace map {

namespace {

// What the decoding thread and the second thread (picture, then bands) tell each other.
class Handoff {
public:
    void Publish(int rows) {
        {
            std::lock_guard lock(mutex_);
            rows_ = rows;
        }
        changed_.notify_all();
    }
    void Finish() {
        {
            std::lock_guard lock(mutex_);
            finished_ = true;
        }
        changed_.notify_all();
    }
    void EndPicture() {
        {
            std::lock_guard lock(mutex_);
            pictureEnded_ = true;
        }
        changed_.notify_all();
    }
    void WaitForPicture() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return pictureEnded_; });
    }
    // Waits until more than seen rows are stored or the decode has ended; the rows stored,
    // or -1 once nothing more will come.
    int WaitBeyond(int seen) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return rows_ > seen || finished_; });
        return rows_ > seen ? rows_ : -1;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    int rows_ = 0;
    bool finished_ = false;
    bool pictureEnded_ = false;
};

// The whole map at 1/8 scale in a small pyramid of its own; empty when stopped or failed.
MapPyramid DecodePreview(int fd, const platform::JpegInfo& info,
                         const std::function<bool()>& stop) {
    MapPyramid small =
        MapPyramid::Allocate(platform::JpegScaledSide(info.width, kJpegPreviewScale),
                             platform::JpegScaledSide(info.height, kJpegPreviewScale));
    if (small.Empty())
        return {};
    const platform::JpegOutcome outcome =
        platform::DecodeJpeg(fd, kJpegPreviewScale, info, [&](int y, const std::uint32_t* row) {
            if (y % 16 == 0 && stop())
                return false;
            small.StoreRow(y, row);
            return true;
        });
    if (!outcome.ok || stop())
        return {};
    small.BuildReducedLevels();
    return small;
}

} // namespace

JpegPyramid LoadJpegPyramid(int fd, const JpegPyramidOptions& options) {
    JpegPyramid out;
    platform::JpegInfo info;
    platform::JpegOutcome outcome = platform::ReadJpegInfo(fd, &info);
    if (!outcome.ok) {
        out.error = outcome.error;
        return out;
    }
    Handoff stored;
    std::atomic<bool> stop{false};
    std::optional<PyramidBands> bands; // made before the first row is published
    // A progressive file would hold all its coefficients twice over for the picture.
    const bool preview =
        options.preview && !info.progressive &&
        static_cast<long long>(info.width) * info.height >= options.previewMinPixels;
    // The picture needs only the header: it starts while the pyramid's place is made.
    std::thread helper([&] {
        if (preview) {
            MapPyramid small = DecodePreview(fd, info, [&] {
                if (options.cancelled())
                    stop = true;
                return stop.load();
            });
            if (!small.Empty() && !stop)
                options.preview(std::move(small));
        }
        stored.EndPicture();
        int rows = 0;
        while ((rows = stored.WaitBeyond(rows)) >= 0 && !stop)
            bands->Advance(rows);
    });
    const auto abandon = [&] {
        stop = true;
        stored.Finish();
        helper.join();
    };
    // A map beyond what the cache keeps losslessly is cut as it decodes, never whole in memory.
    std::string streamError; // the map may still fit in memory
    std::unique_ptr<PyramidStreamEntry> streamed =
        options.stream ? options.stream(info.width, info.height, &streamError) : nullptr;
    std::unique_ptr<PyramidTarget> target;
    if (!streamed) {
        target = options.target(info.width, info.height, &out.error);
        if (!target) {
            // Why the cache could not take it is the cause worth telling.
            if (!streamError.empty())
                out.error += " The map cache could not take it: " + streamError + ".";
            abandon();
            return out;
        }
    }
    MapPyramid* pyramid = target ? &target->Pyramid() : nullptr;
    // What libjpeg holds of a progressive file (every coefficient) must fit beside the map.
    std::size_t decoderMemory = 0;
    if (const std::optional<std::size_t> free = platform::AvailableMemoryBytes()) {
        const std::size_t map = pyramid ? pyramid->StoreSize() * sizeof(MapPixel) : 0;
        decoderMemory = *free > map + (64u << 20) ? *free - map : (64u << 20);
    }
    if (pyramid)
        bands.emplace(*pyramid);
    // The picture first, alone: beside the full decode and the faults of a new cache file's
    // pages it took three times as long (measured on two cores), for little gain after it.
    if (preview)
        stored.WaitForPicture();
    if (stop) { // cancelled while the picture decoded
        abandon();
        return out;
    }
    const int height = info.height;
    bool streamFailed = false;
    outcome = platform::DecodeJpeg(
        fd, 1, info,
        [&](int y, const std::uint32_t* row) {
            if (!pyramid) {
                if (!streamed->StoreRow(y, row)) {
                    streamFailed = true;
                    stop = true;
                    return false;
                }
            } else {
                pyramid->StoreRow(y, row);
            }
            // A band of level 0 at a time: the builder never reads a tile still being written.
            if ((y + 1) % MapPyramid::kTileSize != 0 && y + 1 != height)
                return true;
            if (pyramid) {
                stored.Publish(y + 1);
                if (preview && options.rowsStored)
                    options.rowsStored(*pyramid, y + 1);
            }
            if (options.progress(0.95 * (y + 1) / height))
                return true;
            stop = true;
            return false;
        },
        decoderMemory);
    if (!outcome.ok)
        stop = true;
    stored.Finish();
    helper.join();
    // Asked only once the stream has stopped: until then its thread may still be writing.
    if (streamFailed) {
        out.error = streamed->Error();
        return out;
    }
    if (outcome.stopped)
        return out;
    if (!outcome.ok) {
        out.error = outcome.error;
        return out;
    }
    out.endsEarly = outcome.endsEarly;
    out.damaged = outcome.damaged;
    if (streamed) {
        // A damaged file's entry shows this once, removed as soon as it is mapped.
        out.tiles = streamed->Commit(!out.endsEarly && !out.damaged);
        if (!out.tiles) {
            out.error = streamed->Error();
            return out;
        }
        options.progress(1.0);
        return out;
    }
    bands->Advance(height); // whatever the builder had not reached
    // A damaged file's pyramid shows this once; the cache keeps only whole maps.
    if (out.endsEarly || out.damaged) {
        out.map = target->Discard();
    } else {
        out.map = target->Pyramid();
        out.keep = std::move(target);
    }
    if (!out.map.Empty())
        options.progress(1.0);
    return out;
}

ImageHeaderResult JpegImageHeader(int fd, const std::string& path, const DecodeContext*) {
    platform::JpegInfo info;
    const platform::JpegOutcome outcome = platform::ReadJpegInfo(fd, &info);
    if (!outcome.ok)
        return {std::nullopt, path + ": " + outcome.error};
    if (info.width <= 0 || info.height <= 0)
        return {std::nullopt, path + ": not an image the map can show"};
    return {ImageHeader{ImageKind::Jpeg, info.width, info.height}, {}};
}

DecodedImage DecodeJpegImage(int fd, const std::string&, const DecodeContext& context) {
    OpenMapEvents& events = context.events;
    JpegPyramidOptions jpeg;
    jpeg.progress = [&events](double done) { return events.Progress(done); };
    jpeg.cancelled = [&events] { return events.Cancelled(); };
    jpeg.preview = [&events](MapPyramid picture) { events.EarlyPicture(std::move(picture)); };
    jpeg.rowsStored = [&events](MapPyramid map, int rows) {
        const int columns = map.Width();
        events.RowsStored(std::move(map), columns, rows);
    };
    jpeg.previewMinPixels = context.options.earlyPictureMinPixels;
    jpeg.target = context.target;
    if (context.stream)
        jpeg.stream = *context.stream;
    JpegPyramid loaded = LoadJpegPyramid(fd, jpeg);
    DecodedImage out;
    out.map = std::move(loaded.map);
    out.error = std::move(loaded.error);
    out.incomplete = loaded.endsEarly;
    out.damaged = loaded.damaged;
    out.keep = std::move(loaded.keep);
    out.tiles = std::move(loaded.tiles);
    return out;
}

} // namespace map
