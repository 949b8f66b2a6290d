#pragma once

#include <string>

#include "platform/FileIo.h"
#include "trail/JournalReader.h"
#include "xml/GpxWriter.h"

namespace trail {

// Writes what reader has still to read as one GPX track, a segment per run between breaks
// (JournalTrack's runs), to path atomically. Read and written in pieces, so that memory stays
// that of the reader's buffer whatever the journal's size. The error names path, or the
// journal when reading it failed; reader.Summary() tells afterwards what was read past.
[[nodiscard]] platform::FileResult ExportJournalGpx(JournalReader& reader, const std::string& path,
                                                    xml::GpxLeftOut* leftOut = nullptr);

} // namespace trail
