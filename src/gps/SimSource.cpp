#include "gps/SimSource.h"

#include <ctime>

namespace gps {

namespace {

// After a stall (a suspended laptop) the receiver goes on from now rather than sending every
// second it missed.
constexpr std::int64_t kMaxCatchUp = 5;

} // namespace

SimSource::SimSource(Options options) : options_(options), driver_(options.speedMetresPerSecond) {}

std::string SimSource::Open() {
    start_ = std::chrono::steady_clock::now();
    batches_ = 0;
    pending_.Clear();
    return {};
}

SourceRead SimSource::Read(char* buffer, std::size_t capacity) {
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    const std::int64_t due =
        options_.period.count() > 0 ? elapsed / options_.period + 1 : batches_ + 1;
    if (due - batches_ > kMaxCatchUp)
        batches_ = due - kMaxCatchUp;
    for (; batches_ < due; ++batches_) {
        const double seconds = std::chrono::duration<double>(options_.period * batches_).count();
        const std::time_t now = std::time(nullptr);
        std::tm utc{};
        gmtime_r(&now, &utc);
        pending_.Append(demo::MakeSentences(driver_.At(seconds), utc));
    }
    SourceRead read;
    read.bytes = pending_.Take(buffer, capacity);
    return read;
}

} // namespace gps
