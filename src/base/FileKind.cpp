#include "base/FileKind.h"

#include <algorithm>
#include <cctype>

namespace base {

namespace {

bool SameIgnoringCase(std::string_view text, std::string_view lower) {
    return std::ranges::equal(text, lower, [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

const TrailFormat& FormatOr(std::string_view path, bool TrailFormat::*wanted, FileKind otherwise) {
    const TrailFormat* format = TrailFormatOf(KindOfFile(path));
    return format != nullptr && format->*wanted ? *format : *TrailFormatOf(otherwise);
}

} // namespace

FileKind KindOfFile(std::string_view path) {
    const auto dot = path.find_last_of('.');
    if (dot == std::string_view::npos)
        return FileKind::Other;
    const std::string_view extension = path.substr(dot + 1);
    const auto* row = std::ranges::find_if(kFileKinds, [extension](const FileKindRow& r) {
        return SameIgnoringCase(extension, r.extension);
    });
    return row == std::end(kFileKinds) ? FileKind::Other : row->kind;
}

const TrailFormat* TrailFormatOf(FileKind kind) {
    const auto* row = std::ranges::find(kTrailFormats, kind, &TrailFormat::kind);
    return row == std::end(kTrailFormats) ? nullptr : row;
}

const TrailFormat& SavedTrailFormat(std::string_view path) {
    return FormatOr(path, &TrailFormat::writes, FileKind::Kml);
}

const TrailFormat& LoadedTrailFormat(std::string_view path) {
    return FormatOr(path, &TrailFormat::loads, FileKind::TrailFile);
}

} // namespace base
