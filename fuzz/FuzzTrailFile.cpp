// One input is a trail file. Either it is refused, leaving the trail as it was, or its samples
// are loaded; then the trail writes back to a file that decodes to the same samples bit for
// bit and encodes to the same bytes again, the trail stays within its bound, and its KML
// document is balanced.
#include "FuzzCheck.h"
#include "trail/TrailBuffer.h"
#include "trail/TrailFile.h"
#include "trail/TrailKml.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using fuzz::Check;

std::size_t CountOf(std::string_view text, std::string_view what) {
    std::size_t count = 0;
    for (auto at = text.find(what); at != std::string_view::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

std::vector<MapPos> NewestFirst(const trail::TrailBuffer& trail) {
    std::vector<MapPos> samples;
    for (const MapPos& sample : trail.NewestToOldest())
        samples.push_back(sample);
    return samples;
}

bool SameSamples(const std::vector<MapPos>& a, const std::vector<MapPos>& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!fuzz::SameBits(a[i], b[i]))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // First byte: TrailLength of the load, -2..253, so trimming is reached with small files.
    const auto trailLength = static_cast<std::int32_t>(fuzz::TakeByte(bytes)) - 2;

    // A trail that already holds something: a point, a break, a point.
    trail::TrailBuffer trail;
    trail.AddFront(MapPos(11.5, 48.1));
    trail.AddBreak();
    trail.AddFront(MapPos(11.6, 48.2));
    const std::vector<MapPos> before = NewestFirst(trail);

    const auto samples = trail::DecodeTrailFile(bytes);
    if (!samples) {
        Check(SameSamples(NewestFirst(trail), before));
        return 0;
    }
    Check(samples->size() * 24 + 2 <= bytes.size());

    // Write-back: exactly these samples, encoded, decode to themselves and encode the same.
    trail::TrailBuffer loaded;
    for (auto it = samples->rbegin(); it != samples->rend(); ++it)
        loaded.AddFront(*it);
    const std::string written = trail::EncodeTrailFile(loaded);
    const auto reread = trail::DecodeTrailFile(written);
    Check(reread && SameSamples(*reread, *samples));
    trail::TrailBuffer again;
    for (auto it = reread->rbegin(); it != reread->rend(); ++it)
        again.AddFront(*it);
    Check(trail::EncodeTrailFile(again) == written);

    // The load into a trail that holds something: bounded, fenced by breaks, newest part equal
    // to the file's newest samples.
    trail::InsertLoadedSamples(trail, *samples, trailLength);
    const std::size_t bound = static_cast<std::size_t>(trailLength < 0 ? 0 : trailLength);
    const std::vector<MapPos> after = NewestFirst(trail);
    Check(after.size() <= std::max(before.size() + 2, bound + 1));
    Check(!after.empty() && after.front() == MapPos());
    for (std::size_t i = 0; i < samples->size() && i + 1 < after.size(); ++i)
        Check(fuzz::SameBits(after[i + 1], (*samples)[i]));

    const std::string kml = trail::TrailKml(trail);
    Check(CountOf(kml, "<Placemark>") == CountOf(kml, "</Placemark>"));
    Check(kml.find("</kml>") == kml.size() - 7);
    return 0;
}
