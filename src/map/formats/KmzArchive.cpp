#include "map/formats/KmzArchive.h"

#include <sys/mman.h>
#include <unistd.h>
#include <zip.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <string_view>

namespace map {

namespace {

struct ZipCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct ZipFileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using Archive = std::unique_ptr<zip_t, ZipCloser>;
using ArchiveFile = std::unique_ptr<zip_file_t, ZipFileCloser>;

Archive OpenArchive(const std::string& path, std::string* error) {
    int code = 0;
    Archive archive(zip_open(path.c_str(), ZIP_RDONLY, &code));
    if (!archive) {
        zip_error_t why;
        zip_error_init_with_code(&why, code);
        *error = path + ": not a readable KMZ (" + zip_error_strerror(&why) + ")";
        zip_error_fini(&why);
        return nullptr;
    }
    if (zip_get_num_entries(archive.get(), 0) > static_cast<zip_int64_t>(kMaxKmzEntries)) {
        *error = path + ": more than " + std::to_string(kMaxKmzEntries) + " entries";
        return nullptr;
    }
    return archive;
}

// Reads the entry's inflated bytes into sink, at most limit of them; false, with *error, when
// it cannot be read or holds more. With head, stops once that many are read.
template <class Sink>
bool ReadEntry(zip_t* archive, zip_uint64_t index, std::size_t limit, const std::string& path,
               std::string* error, Sink sink, std::size_t head = 0) {
    ArchiveFile file(zip_fopen_index(archive, index, 0));
    if (!file) {
        *error = path + ": " + zip_error_strerror(zip_get_error(archive));
        return false;
    }
    char buffer[65536];
    std::size_t total = 0;
    for (;;) {
        const zip_int64_t n = zip_fread(file.get(), buffer, sizeof buffer);
        if (n < 0) {
            *error = path + ": " + zip_file_strerror(file.get());
            return false;
        }
        if (n == 0)
            return true;
        total += static_cast<std::size_t>(n);
        if (total > limit) {
            *error = path + ": " + zip_get_name(archive, index, 0) + " inflates beyond " +
                     std::to_string(limit >> 20) + " MB";
            return false;
        }
        if (!sink(std::string_view(buffer, static_cast<std::size_t>(n)))) {
            *error = path + ": " + std::strerror(errno);
            return false;
        }
        if (head != 0 && total >= head)
            return true;
    }
}

bool EndsWithKml(std::string_view name) {
    if (name.size() < 4)
        return false;
    std::string end(name.substr(name.size() - 4));
    for (char& c : end)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return end == ".kml";
}

} // namespace

KmzDocument ReadKmzDocument(const std::string& path) {
    KmzDocument out;
    const Archive archive = OpenArchive(path, &out.error);
    if (!archive)
        return out;
    zip_int64_t index = zip_name_locate(archive.get(), "doc.kml", ZIP_FL_NOCASE);
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; index < 0 && i < count; ++i) {
        const char* name = zip_get_name(archive.get(), static_cast<zip_uint64_t>(i), 0);
        if (name != nullptr && EndsWithKml(name))
            index = i;
    }
    if (index < 0) {
        out.error = path + ": no KML document inside";
        return out;
    }
    const std::string_view name = zip_get_name(archive.get(), static_cast<zip_uint64_t>(index), 0);
    const auto slash = name.find_last_of('/');
    out.folder = slash == std::string_view::npos ? "" : std::string(name.substr(0, slash));
    std::string text;
    if (!ReadEntry(archive.get(), static_cast<zip_uint64_t>(index), kMaxKmzDocumentBytes, path,
                   &out.error, [&text](std::string_view bytes) {
                       text.append(bytes);
                       return true;
                   }))
        return out;
    out.text = std::move(text);
    return out;
}

KmzEntry ExtractKmzEntry(const std::string& path, const std::string& entry, std::size_t headBytes) {
    KmzEntry out;
    const Archive archive = OpenArchive(path, &out.error);
    if (!archive)
        return out;
    zip_int64_t index = zip_name_locate(archive.get(), entry.c_str(), 0);
    if (index < 0)
        index = zip_name_locate(archive.get(), entry.c_str(), ZIP_FL_NOCASE);
    if (index < 0) {
        out.error = path + ": " + entry + " is not in the archive";
        return out;
    }
    platform::UniqueFd fd(::memfd_create("quilo-kmz-image", MFD_CLOEXEC));
    if (!fd.Valid()) {
        out.error = path + ": " + std::strerror(errno);
        return out;
    }
    const bool read = ReadEntry(
        archive.get(), static_cast<zip_uint64_t>(index), kMaxKmzImageBytes, path, &out.error,
        [&fd](std::string_view bytes) {
            while (!bytes.empty()) {
                const ssize_t n = ::write(fd.Get(), bytes.data(), bytes.size());
                if (n < 0 && errno == EINTR)
                    continue;
                if (n <= 0)
                    return false;
                bytes.remove_prefix(static_cast<std::size_t>(n));
            }
            return true;
        },
        headBytes);
    if (!read || ::lseek(fd.Get(), 0, SEEK_SET) != 0) {
        if (out.error.empty())
            out.error = path + ": " + std::strerror(errno);
        return out;
    }
    out.fd = std::move(fd);
    return out;
}

} // namespace map
