#include "terrain/HgtTile.h"

#include "platform/FileIo.h"
#include "platform/MappedFile.h"

#include <sys/stat.h>
#include <zip.h>

#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstring>

namespace terrain {

namespace {

struct ZipCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct ZipFileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

bool EndsWithNoCase(std::string_view text, std::string_view tail) {
    if (text.size() < tail.size())
        return false;
    text.remove_prefix(text.size() - tail.size());
    for (std::size_t i = 0; i < tail.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != tail[i])
            return false;
    return true;
}

constexpr std::uint64_t BytesOfSize(int size) {
    return static_cast<std::uint64_t>(size) * static_cast<std::uint64_t>(size) * 2;
}

std::string BadSize(std::uint64_t bytes) {
    return "not an SRTM tile (" + std::to_string(bytes) + " bytes, not " +
           std::to_string(BytesOfSize(1201)) + " or " + std::to_string(BytesOfSize(3601)) + ")";
}

HgtTile::OpenResult Failed(const std::string& path, const std::string& why) {
    return {nullptr, path + ": " + why};
}

} // namespace

std::string TileName(TileKey key) {
    char text[32];
    std::snprintf(text, sizeof text, "%c%02d%c%03d", key.lat < 0 ? 'S' : 'N',
                  key.lat < 0 ? -key.lat : key.lat, key.lon < 0 ? 'W' : 'E',
                  key.lon < 0 ? -key.lon : key.lon);
    return text;
}

std::optional<TileKey> ParseTileName(std::string_view fileName) {
    if (EndsWithNoCase(fileName, ".hgt.zip"))
        fileName.remove_suffix(8);
    else if (EndsWithNoCase(fileName, ".hgt"))
        fileName.remove_suffix(4);
    else
        return std::nullopt;
    if (fileName.size() != 7)
        return std::nullopt;
    const char ns = static_cast<char>(std::toupper(static_cast<unsigned char>(fileName[0])));
    const char ew = static_cast<char>(std::toupper(static_cast<unsigned char>(fileName[3])));
    int lat = 0;
    int lon = 0;
    const auto latDigits = fileName.substr(1, 2);
    const auto lonDigits = fileName.substr(4, 3);
    const auto digits = [](std::string_view text, int* value) {
        for (char c : text)
            if (c < '0' || c > '9')
                return false;
        return std::from_chars(text.data(), text.data() + text.size(), *value).ec == std::errc{};
    };
    if ((ns != 'N' && ns != 'S') || (ew != 'E' && ew != 'W') || !digits(latDigits, &lat) ||
        !digits(lonDigits, &lon) || lat > 90 || lon > 180)
        return std::nullopt;
    return TileKey{ns == 'S' ? -lat : lat, ew == 'W' ? -lon : lon};
}

int HgtSizeForBytes(std::uint64_t byteCount) {
    for (int size : {1201, 3601})
        if (byteCount == BytesOfSize(size))
            return size;
    return 0;
}

HgtTile::OpenResult HgtTile::Open(const std::string& path, TileKey key) {
    if (!EndsWithNoCase(path, ".zip")) {
        int err = 0;
        platform::UniqueFd fd = platform::OpenRegularFile(path, &err);
        if (!fd.Valid())
            return Failed(path, platform::ErrorText(err));
        struct stat info {};
        if (::fstat(fd.Get(), &info) != 0)
            return Failed(path, platform::ErrorText(errno));
        const int size = HgtSizeForBytes(static_cast<std::uint64_t>(info.st_size));
        if (size == 0)
            return Failed(path, BadSize(static_cast<std::uint64_t>(info.st_size)));
        auto bytes = platform::MapFileRegion(fd.Get(), 0, BytesOfSize(size), false, &err);
        if (!bytes)
            return Failed(path, platform::ErrorText(err));
        return {std::shared_ptr<const HgtTile>(new HgtTile(key, size, std::move(bytes))), {}};
    }

    int code = 0;
    std::unique_ptr<zip_t, ZipCloser> archive(zip_open(path.c_str(), ZIP_RDONLY, &code));
    if (!archive) {
        zip_error_t why;
        zip_error_init_with_code(&why, code);
        std::string text =
            std::string("not a readable zip file (") + zip_error_strerror(&why) + ")";
        zip_error_fini(&why);
        return Failed(path, text);
    }
    // The tile is the one .hgt entry; the count is bounded so a hostile directory costs little.
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    zip_int64_t index = -1;
    for (zip_int64_t i = 0; i < count && i < 64; ++i) {
        const char* name = zip_get_name(archive.get(), static_cast<zip_uint64_t>(i), 0);
        if (name != nullptr && EndsWithNoCase(name, ".hgt")) {
            index = i;
            break;
        }
    }
    if (index < 0)
        return Failed(path, "no .hgt file inside");
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(index), 0, &stat) != 0 ||
        (stat.valid & ZIP_STAT_SIZE) == 0)
        return Failed(path, zip_error_strerror(zip_get_error(archive.get())));
    const int size = HgtSizeForBytes(stat.size);
    if (size == 0)
        return Failed(path, BadSize(stat.size));
    const std::size_t want = BytesOfSize(size);
    std::unique_ptr<zip_file_t, ZipFileCloser> file(
        zip_fopen_index(archive.get(), static_cast<zip_uint64_t>(index), 0));
    if (!file)
        return Failed(path, zip_error_strerror(zip_get_error(archive.get())));
    auto bytes = std::make_shared_for_overwrite<std::byte[]>(want);
    std::size_t got = 0;
    // One byte more than the size says is asked for, so an entry that lies about it shows.
    std::byte extra{};
    for (;;) {
        std::byte* into = got < want ? bytes.get() + got : &extra;
        const zip_uint64_t room = got < want ? want - got : 1;
        const zip_int64_t n = zip_fread(file.get(), into, room);
        if (n < 0)
            return Failed(path, zip_file_strerror(file.get()));
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
        if (got > want)
            return Failed(path, "the tile inflates beyond its stated size");
    }
    if (got != want)
        return Failed(path, "the tile ends after " + std::to_string(got) + " bytes");
    return {std::shared_ptr<const HgtTile>(new HgtTile(key, size, std::move(bytes))), {}};
}

} // namespace terrain
