#include "trail/JournalGpx.h"

#include "platform/AtomicFileWriter.h"
#include "xml/GpxWriter.h"

namespace trail {

platform::FileResult ExportJournalGpx(JournalReader& reader, const std::string& path,
                                      xml::GpxLeftOut* leftOut) {
    constexpr std::size_t kWriteChunk = 1 << 20;
    platform::AtomicFileWriter file(path);
    std::string text;
    text.reserve(kWriteChunk + 4096);
    xml::AppendGpxDocumentStart(text);
    xml::GpxTrackWriter track(text, xml::kGpxTrackName);
    JournalRunCutter cutter;
    JournalEntry entry;
    bool newRun = false;
    while (reader.Next(entry)) {
        if (!cutter.Take(entry, newRun))
            continue;
        if (newRun)
            track.EndSegment();
        track.Add(entry.point);
        if (text.size() >= kWriteChunk) {
            file.Append(text);
            text.clear();
        }
    }
    if (!reader.Opened() || !reader.Error().empty()) {
        file.Abandon();
        return {false, reader.Opened() ? reader.Error() : reader.Opened().error};
    }
    track.Finish();
    if (leftOut != nullptr)
        *leftOut = track.LeftOut();
    xml::AppendGpxDocumentEnd(text);
    file.Append(text);
    return file.Commit();
}

} // namespace trail
