#include "map/pyramid/PyramidCache.h"

#include "base/Bytes.h"
#include "base/ChosenMap.h"
#include "base/Crc32.h"
#include "map/pyramid/PackedPyramid.h"
#include "map/pyramid/TileCodec.h"
#include "platform/FileIo.h"
#include "platform/MemoryInfo.h"
#include "platform/StateFolder.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <optional>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace map {

namespace fs = std::filesystem;

namespace pyramid_cache {

// What makes a cached pyramid the one of an image file as it is now.
struct Key {
    std::string path; // canonical
    std::uint64_t size = 0;
    std::int64_t mtimeNs = 0;
    // Nobody can set this one back, so a file rewritten in place with its size and time kept
    // is told; a FAT card has no change time of its own, so the content check is there too.
    std::int64_t ctimeNs = 0;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t content = 0; // CRC-32 of the first block, then of the last, as one number
    friend bool operator==(const Key&, const Key&) = default;
};

struct Header {
    int width = 0;
    int height = 0;
    std::uint64_t storeOffset = 0;
    std::uint64_t storeBytes = 0;
    Key key;
};

} // namespace pyramid_cache

namespace {

using pyramid_cache::Header;
using pyramid_cache::Key;

constexpr std::string_view kMagic = "QUILOPYR";
constexpr std::uint32_t kVersion = 4;
// Differs only in that none of its tiles is a JPEG: still read.
constexpr std::uint32_t kLosslessVersion = 3;
constexpr std::uint32_t kDone = 0x454E4F44u; // "DONE" in little-endian bytes
constexpr std::size_t kFixedHeader = 96;
constexpr std::size_t kMarkOffset = 12;
constexpr std::uint32_t kMaxPath = 4096;
// Larger store offsets are not ours: no page size comes near.
constexpr std::uint64_t kMaxStoreOffset = std::uint64_t{1} << 20;
// An empty temporary this old was left by a writer that died before it locked the file.
constexpr auto kStaleTemporary = std::chrono::hours(24);
// The bytes at each end of the image that the key's content check covers: the header and the
// last rows of every format we decode.
constexpr std::size_t kCheckedBlock = 64 * 1024;

std::int64_t Nanoseconds(const struct timespec& t) {
    return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// CRC-32 of length bytes of fd from offset; nothing when they cannot all be read.
std::optional<std::uint32_t> BlockCrc(int fd, std::uint64_t offset, std::size_t length) {
    std::string bytes(length, '\0');
    std::size_t got = 0;
    while (got < length) {
        const ssize_t n =
            ::pread(fd, bytes.data() + got, length - got, static_cast<off_t>(offset + got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return std::nullopt;
        got += static_cast<std::size_t>(n);
    }
    return base::Crc32(bytes);
}

// The key of the image file fd, which image names (it may name another file by now: the
// key is the one of the file that fd reads), or nothing with *err.
std::optional<Key> KeyOf(const fs::path& image, int fd, int* err) {
    // One of a file's several maps ("FILE#N", fd the file's) is keyed apart from the others.
    const base::ChosenMap chosen = base::SplitChosenMap(image.native());
    std::error_code error;
    fs::path canonical = fs::canonical(chosen.file, error);
    if (error) {
        *err = error.value();
        return std::nullopt;
    }
    if (chosen.index > 0)
        canonical += "#" + std::to_string(chosen.index);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        *err = errno;
        return std::nullopt;
    }
    if (!S_ISREG(st.st_mode)) {
        *err = S_ISDIR(st.st_mode) ? EISDIR : platform::kNotRegularFile;
        return std::nullopt;
    }
    if (canonical.native().size() > kMaxPath) {
        *err = ENAMETOOLONG;
        return std::nullopt;
    }
    const auto size = static_cast<std::uint64_t>(st.st_size);
    const std::size_t block =
        static_cast<std::size_t>(std::min<std::uint64_t>(size, kCheckedBlock));
    const std::optional<std::uint32_t> first = BlockCrc(fd, 0, block);
    const std::optional<std::uint32_t> last = BlockCrc(fd, size - block, block);
    if (!first || !last) {
        *err = EIO; // the file shrank under us, or the device failed
        return std::nullopt;
    }
    return Key{canonical.native(),
               size,
               Nanoseconds(st.st_mtim),
               Nanoseconds(st.st_ctim),
               static_cast<std::uint64_t>(st.st_dev),
               static_cast<std::uint64_t>(st.st_ino),
               std::uint64_t{*first} | std::uint64_t{*last} << 32};
}

// The key's fixed-size fields as the header holds them; the path follows them there.
std::string KeyFields(const Key& key) {
    std::string bytes;
    base::AppendU64(bytes, key.size);
    base::AppendU64(bytes, static_cast<std::uint64_t>(key.mtimeNs));
    base::AppendU64(bytes, static_cast<std::uint64_t>(key.ctimeNs));
    base::AppendU64(bytes, key.device);
    base::AppendU64(bytes, key.inode);
    base::AppendU64(bytes, key.content);
    base::AppendU32(bytes, static_cast<std::uint32_t>(key.path.size()));
    return bytes;
}

// 16 hex digits of the 64-bit FNV-1a hash of the key.
std::string EntryName(const Key& key) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : KeyFields(key) + key.path) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string name(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4)
        name[static_cast<std::size_t>(i)] = kHex[hash & 0xF];
    return name;
}

bool IsHexName(std::string_view name) {
    return name.size() == 16 && std::all_of(name.begin(), name.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

std::uint64_t TileCount(int width, int height) {
    return MapPyramid::StorePixels(MapPyramid::Layout(width, height)) / TiledMap::kTilePixels;
}

// The tile index after the packed tiles: an end offset a tile and the index's CRC-32.
std::uint64_t IndexBytes(int width, int height) {
    return TileCount(width, height) * 8 + 4;
}

std::uint64_t StoreOffsetFor(const Key& key) {
    const std::uint64_t page = platform::PageSize();
    return (kFixedHeader + key.path.size() + page - 1) / page * page;
}

// The fields from the width to the path's length: the header's checksum covers them and the
// path, so a damaged size or key is never taken for another.
std::string CheckedFields(const Header& header) {
    std::string bytes;
    base::AppendU32(bytes, static_cast<std::uint32_t>(header.width));
    base::AppendU32(bytes, static_cast<std::uint32_t>(header.height));
    base::AppendU64(bytes, header.storeOffset);
    base::AppendU64(bytes, header.storeBytes);
    return bytes + KeyFields(header.key);
}

std::string HeaderBytes(const Header& header, std::uint32_t mark) {
    std::string bytes(kMagic);
    base::AppendU32(bytes, kVersion);
    base::AppendU32(bytes, mark);
    const std::string checked = CheckedFields(header);
    bytes += checked;
    base::AppendU32(bytes, base::Crc32(checked + header.key.path));
    return bytes + header.key.path;
}

bool WriteAt(int fd, std::string_view bytes, std::uint64_t offset, int* err) {
    while (!bytes.empty()) {
        const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            *err = n < 0 ? errno : EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
        offset += static_cast<std::uint64_t>(n);
    }
    return true;
}

// Writes the index after the written bytes of packed tiles and the header with their size,
// flushes the file to the device and marks it complete; 0 or an errno value (EFBIG: beyond
// limit). The tiles reach the device before the mark does, so a crash can never leave a marked
// entry with missing tiles.
int Seal(int fd, Header& header, std::uint64_t written, std::string index, std::uint64_t limit) {
    int err = 0;
    base::AppendU32(index, base::Crc32(index));
    if (header.storeOffset + written + index.size() > limit)
        return EFBIG;
    if (!WriteAt(fd, index, header.storeOffset + written, &err))
        return err;
    header.storeBytes = written;
    if (!WriteAt(fd, HeaderBytes(header, 0), 0, &err))
        return err;
    if (::fdatasync(fd) != 0)
        return errno;
    // Cut short or written to by someone else meanwhile: not kept.
    struct stat st {};
    if (::fstat(fd, &st) != 0 ||
        static_cast<std::uint64_t>(st.st_size) !=
            header.storeOffset + header.storeBytes + IndexBytes(header.width, header.height))
        return EIO;
    std::string mark;
    base::AppendU32(mark, kDone);
    return WriteAt(fd, mark, kMarkOffset, &err) ? 0 : err;
}

// The header of a complete entry whose sizes agree with each other and with the file's;
// nothing for anything else.
std::optional<Header> ReadHeader(int fd, std::uint64_t fileSize) {
    std::string bytes(kFixedHeader + kMaxPath, '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n =
            ::pread(fd, bytes.data() + got, bytes.size() - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    base::ByteReader in(bytes);
    const auto magic = in.Take(kMagic.size());
    const auto version = in.U32();
    const auto mark = in.U32();
    const auto width = in.U32();
    const auto height = in.U32();
    const auto storeOffset = in.U64();
    const auto storeBytes = in.U64();
    const auto size = in.U64();
    const auto mtime = in.U64();
    const auto ctime = in.U64();
    const auto device = in.U64();
    const auto inode = in.U64();
    const auto content = in.U64();
    const auto pathLength = in.U32();
    const auto checksum = in.U32();
    if (!checksum || *magic != kMagic || (*version != kVersion && *version != kLosslessVersion) ||
        *mark != kDone || *pathLength > kMaxPath || *width > MapPyramid::kMaxSide ||
        *height > MapPyramid::kMaxSide)
        return std::nullopt;
    const auto path = in.Take(*pathLength);
    if (!path)
        return std::nullopt;
    Header header{static_cast<int>(*width),
                  static_cast<int>(*height),
                  *storeOffset,
                  *storeBytes,
                  {std::string(*path), *size, static_cast<std::int64_t>(*mtime),
                   static_cast<std::int64_t>(*ctime), *device, *inode, *content}};
    const std::uint64_t tiles = TileCount(header.width, header.height);
    if (base::Crc32(CheckedFields(header) + header.key.path) != *checksum || tiles == 0 ||
        header.storeOffset < kFixedHeader + *pathLength || header.storeOffset > kMaxStoreOffset ||
        header.storeOffset % platform::PageSize() != 0 || header.storeBytes > fileSize ||
        fileSize - header.storeBytes !=
            header.storeOffset + IndexBytes(header.width, header.height))
        return std::nullopt;
    return header;
}

// Removes the file at path if it is still the one described by opened (another process may
// have renamed a fresh entry over it meanwhile).
void RemoveIfSame(const fs::path& path, const struct stat& opened) {
    struct stat now {};
    if (::lstat(path.c_str(), &now) == 0 && now.st_dev == opened.st_dev &&
        now.st_ino == opened.st_ino)
        ::unlink(path.c_str());
}

// Whether the image of key is known to be gone: err says it is not there, and its folder is,
// on the image's own file system. A folder that is missing or belongs to another file system
// is a card taken out or a share not mounted: the image may come back.
bool ImageGone(const Key& key, int err) {
    if (err != ENOENT && err != ENOTDIR)
        return false;
    struct stat folder {};
    return ::stat(fs::path(key.path).parent_path().c_str(), &folder) == 0 &&
           S_ISDIR(folder.st_mode) && static_cast<std::uint64_t>(folder.st_dev) == key.device;
}

// Whether the entry at path can never be opened again: its image is gone or has changed since
// (a map edited, a demo's copy removed at exit). A damaged entry counts too.
bool IsDead(const fs::path& path, const struct stat& st) {
    const platform::UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    if (!fd.Valid())
        return false;
    const std::optional<Header> header =
        ReadHeader(fd.Get(), static_cast<std::uint64_t>(st.st_size));
    if (!header)
        return true;
    int err = 0;
    const platform::UniqueFd image =
        platform::OpenRegularFile(base::SplitChosenMap(header->key.path).file, &err);
    if (!image.Valid())
        return ImageGone(header->key, err);
    const std::optional<Key> now = KeyOf(header->key.path, image.Get(), &err);
    return now ? *now != header->key : ImageGone(header->key, err);
}

bool IsTemporaryName(std::string_view name) {
    return name.size() == 27 && IsHexName(name.substr(0, 16)) && name.substr(16, 5) == ".tmp.";
}

// Removes the temporary files whose writer is gone: a writer holds a lock on its file until
// the file is an entry or removed, and the system drops the lock of a process that dies.
// Returns the bytes of the temporaries still being written.
std::uint64_t RemoveOrphans(const fs::path& folder) {
    std::uint64_t live = 0;
    std::error_code error;
    const auto now = std::chrono::system_clock::now();
    for (const fs::directory_entry& file : fs::directory_iterator(folder, error)) {
        if (!IsTemporaryName(file.path().filename().native()))
            continue;
        const platform::UniqueFd fd(
            ::open(file.path().c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
        struct stat st {};
        if (!fd.Valid() || ::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        // Between its creation and its lock a new file is empty: it goes only once surely old.
        if (st.st_size == 0 &&
            std::chrono::system_clock::from_time_t(st.st_mtim.tv_sec) + kStaleTemporary >= now)
            continue;
        if (::flock(fd.Get(), LOCK_EX | LOCK_NB) == 0)
            RemoveIfSame(file.path(), st);
        else
            live += static_cast<std::uint64_t>(st.st_size);
    }
    return live;
}

// The packed pyramid of a complete entry, its tiles mapped read-only; null when the mapping
// cannot be had, or, with *damaged, when the index cannot be read or is not one.
std::shared_ptr<TiledMap> PackedEntry(int fd, const Header& header, bool* damaged) {
    *damaged = true;
    const std::uint64_t tiles = TileCount(header.width, header.height);
    std::string index(static_cast<std::size_t>(IndexBytes(header.width, header.height)), '\0');
    std::size_t got = 0;
    while (got < index.size()) {
        const ssize_t n = ::pread(fd, index.data() + got, index.size() - got,
                                  static_cast<off_t>(header.storeOffset + header.storeBytes + got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return nullptr;
        got += static_cast<std::size_t>(n);
    }
    base::ByteReader in(index);
    std::vector<std::uint64_t> ends;
    ends.reserve(static_cast<std::size_t>(tiles));
    for (std::uint64_t i = 0; i < tiles; ++i)
        ends.push_back(*in.U64());
    const auto checksum = in.U32();
    if (!checksum || base::Crc32(std::string_view(index).substr(0, index.size() - 4)) != *checksum)
        return nullptr;
    int err = 0;
    *damaged = false;
    const std::shared_ptr<std::byte[]> bytes =
        platform::MapFileRegion(fd, header.storeOffset, header.storeBytes, false, &err);
    if (!bytes)
        return nullptr;
    *damaged = true; // ends that do not fit the tiles
    return PackedPyramid::Over(header.width, header.height, bytes,
                               static_cast<std::size_t>(header.storeBytes), std::move(ends));
}

// A file in folder that has no name, for bytes to be copied elsewhere later: it goes when
// closed, whatever happens to the process. Where the file system has no unnamed files, a
// temporary's name is taken and removed at once (a writer's orphan if anything dies between).
platform::UniqueFd UnnamedFile(const fs::path& folder, const std::string& stem, int* err) {
    platform::UniqueFd fd(::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600));
    if (fd.Valid())
        return fd;
    std::string name = folder / (stem + ".tmp.XXXXXX");
    fd = platform::UniqueFd(::mkostemp(name.data(), O_CLOEXEC));
    if (!fd.Valid())
        *err = errno;
    else
        ::unlink(name.c_str());
    return fd;
}

bool ReadAt(int fd, std::string& bytes, std::uint64_t offset, int* err) {
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n =
            ::pread(fd, bytes.data() + got, bytes.size() - got, static_cast<off_t>(offset + got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            *err = n < 0 ? errno : EIO;
            return false;
        }
        got += static_cast<std::size_t>(n);
    }
    return true;
}

std::string Reason(const fs::path& path, int err) {
    return path.string() + ": " + platform::ErrorText(err);
}

// A new entry's file under its temporary name in folder, locked, its header written with no
// completion mark; nothing, with *error, when the image or the folder cannot be had.
struct EntryFile {
    Header header;
    platform::UniqueFd fd;
    fs::path temporary;
    fs::path final;
};

std::optional<EntryFile> NewEntryFile(const fs::path& folder, const fs::path& image, int imageFd,
                                      int width, int height, std::string* error) {
    const auto fail = [error](std::string why) -> std::optional<EntryFile> {
        if (error)
            *error = std::move(why);
        return std::nullopt;
    };
    if (folder.empty())
        return fail("no folder for the map cache: neither XDG_CACHE_HOME nor HOME is set");
    int err = 0;
    const std::optional<Key> key = KeyOf(image, imageFd, &err);
    if (!key)
        return fail(Reason(image, err));
    if (TileCount(width, height) == 0)
        return fail(image.string() + ": a map of " + std::to_string(width) + " x " +
                    std::to_string(height) + " pixels cannot be cached");
    if (!platform::MakeFolders(folder, &err))
        return fail(Reason(folder, err));
    EntryFile file{{width, height, StoreOffsetFor(*key), 0, *key}, {}, {}, {}};
    std::string temporary = folder / (EntryName(*key) + ".tmp.XXXXXX");
    file.fd = platform::UniqueFd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (!file.fd.Valid())
        return fail(Reason(folder, errno));
    // Held until the file is an entry or gone: without it the file is a dead writer's.
    ::flock(file.fd.Get(), LOCK_EX);
    if (!WriteAt(file.fd.Get(), HeaderBytes(file.header, 0), 0, &err)) {
        ::unlink(temporary.c_str());
        return fail(Reason(folder, err));
    }
    file.temporary = temporary;
    file.final = folder / (EntryName(*key) + ".pyr");
    return file;
}

} // namespace

fs::path PyramidCache::DefaultFolder() {
    const char* xdg = std::getenv("XDG_CACHE_HOME");
    if (xdg != nullptr && xdg[0] == '/')
        return fs::path(xdg) / "quilo" / "maps";
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/')
        return {};
    return fs::path(home) / ".cache" / "quilo" / "maps";
}

PyramidCache::PyramidCache(fs::path folder, std::uint64_t limitBytes)
    : folder_(std::move(folder)), limit_(limitBytes) {}

std::shared_ptr<TiledMap> PyramidCache::Open(const fs::path& image, int imageFd, int width,
                                             int height) const {
    if (folder_.empty())
        return {};
    RemoveOrphans(folder_); // a crash's leftovers go at the next open, not a day later
    int err = 0;
    const std::optional<Key> key = KeyOf(image, imageFd, &err);
    if (!key)
        return {};
    const fs::path path = folder_ / (EntryName(*key) + ".pyr");
    platform::UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    struct stat st {};
    if (!fd.Valid() || ::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode))
        return {};
    const std::optional<Header> header =
        ReadHeader(fd.Get(), static_cast<std::uint64_t>(st.st_size));
    // The image's own header decides its size, not ours.
    if (!header || header->key != *key || header->width != width || header->height != height) {
        RemoveIfSame(path, st);
        return {};
    }
    bool damaged = false;
    std::shared_ptr<TiledMap> packed = PackedEntry(fd.Get(), *header, &damaged);
    if (!packed) {
        if (damaged)
            RemoveIfSame(path, st);
        return {};
    }
    ::futimens(fd.Get(), nullptr); // recently used: the size bound removes it last
    return packed;
}

std::unique_ptr<PyramidCacheEntry> PyramidCache::Create(const fs::path& image, int imageFd,
                                                        int width, int height,
                                                        std::string* error) const {
    std::optional<EntryFile> file = NewEntryFile(folder_, image, imageFd, width, height, error);
    if (!file)
        return nullptr;
    // The pyramid is built in memory and packed into the file when it is whole: written
    // through a mapping, every page of a big map was read in as zeros first.
    MapPyramid pyramid = MapPyramid::Allocate(width, height);
    if (pyramid.Empty()) {
        ::unlink(file->temporary.c_str());
        if (error)
            *error = image.string() + ": not enough memory for the map";
        return nullptr;
    }
    return std::unique_ptr<PyramidCacheEntry>(
        new PyramidCacheEntry(*this, std::move(file->fd), file->temporary, file->final,
                              std::move(file->header), std::move(pyramid)));
}

void PyramidCache::Trim(const fs::path& keep) const {
    struct Item {
        fs::path path;
        std::uint64_t bytes;
        struct timespec used;
    };
    std::vector<Item> entries;
    // The files still being written take their room as much as entries do.
    std::uint64_t total = RemoveOrphans(folder_);
    std::error_code error;
    for (const fs::directory_entry& file : fs::directory_iterator(folder_, error)) {
        const std::string name = file.path().filename();
        struct stat st {};
        if (::lstat(file.path().c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        if (name.size() == 20 && name.ends_with(".pyr") && IsHexName(name.substr(0, 16))) {
            if (file.path() != keep && IsDead(file.path(), st)) {
                ::unlink(file.path().c_str());
                continue;
            }
            entries.push_back({file.path(), static_cast<std::uint64_t>(st.st_size), st.st_mtim});
            total += static_cast<std::uint64_t>(st.st_size);
        }
    }
    std::sort(entries.begin(), entries.end(), [](const Item& a, const Item& b) {
        return std::pair(a.used.tv_sec, a.used.tv_nsec) < std::pair(b.used.tv_sec, b.used.tv_nsec);
    });
    for (const Item& entry : entries) {
        if (total <= limit_)
            break;
        if (entry.path == keep)
            continue;
        // Another process may have the file mapped; its mapping stays valid.
        if (::unlink(entry.path.c_str()) == 0 || errno == ENOENT)
            total -= entry.bytes;
    }
}

PyramidCacheEntry::PyramidCacheEntry(const PyramidCache& cache, platform::UniqueFd fd,
                                     fs::path temporary, fs::path final, Header header,
                                     MapPyramid pyramid)
    : cache_(cache), fd_(std::move(fd)), temporary_(std::move(temporary)), final_(std::move(final)),
      header_(std::make_unique<Header>(std::move(header))), pyramid_(std::move(pyramid)) {}

PyramidCacheEntry::~PyramidCacheEntry() {
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
}

int PyramidCacheEntry::WriteTiles() {
    Header& header = *header_;
    std::string band;
    std::string index;
    std::uint64_t written = 0;
    int err = 0;
    // A row of tiles of a level at a time: one write of whole pages' worth, never a page read.
    for (int level = 0; level < pyramid_.LevelCount(); ++level) {
        const PyramidLevel& l = pyramid_.Level(level);
        for (int row = 0; row < l.rows; ++row) {
            band.clear();
            for (int column = 0; column < l.columns; ++column) {
                if (!PackTile(pyramid_.Tile(level, column, row), band))
                    return ENOMEM;
                base::AppendU64(index, written + band.size());
            }
            if (header.storeOffset + written + band.size() > cache_.limit_)
                return EFBIG;
            if (!WriteAt(fd_.Get(), band, header.storeOffset + written, &err))
                return err;
            written += band.size();
        }
    }
    return Seal(fd_.Get(), header, written, std::move(index), cache_.limit_);
}

std::shared_ptr<TiledMap> PyramidCacheEntry::Commit(std::string* error) {
    auto inMemory = std::make_shared<MapPyramid>(pyramid_);
    if (temporary_.empty() || !fd_.Valid()) {
        pyramid_ = MapPyramid();
        return inMemory;
    }
    int err = WriteTiles();
    pyramid_ = MapPyramid();
    if (err == 0 && ::rename(temporary_.c_str(), final_.c_str()) != 0)
        err = errno;
    std::shared_ptr<TiledMap> packed;
    bool damaged = false;
    if (err == 0) {
        temporary_.clear();
        packed = PackedEntry(fd_.Get(), *header_, &damaged);
        cache_.Trim(final_);
    } else {
        ::unlink(temporary_.c_str());
        temporary_.clear();
        if (error)
            *error = err == EFBIG
                         ? header_->key.path + ": the map needs more than the map cache may hold"
                         : Reason(cache_.Folder(), err);
    }
    fd_.Reset();
    // Until the entry can be mapped, the map shows from memory.
    return packed ? packed : inMemory;
}

bool PyramidCache::Streams(int width, int height) const {
    if (folder_.empty())
        return false;
    const std::size_t bytes =
        MapPyramid::StorePixels(MapPyramid::Layout(width, height)) * sizeof(MapPixel);
    // A small computer opens a map it could not hold, a little lossy, rather than not at all.
    const std::optional<std::size_t> free = platform::AvailableMemoryBytes();
    return bytes > limit_ || (free && bytes > *free);
}

std::unique_ptr<PyramidStreamEntry> PyramidCache::CreateStream(const fs::path& image, int imageFd,
                                                               int width, int height,
                                                               std::string* error) const {
    std::optional<EntryFile> file = NewEntryFile(folder_, image, imageFd, width, height, error);
    if (!file)
        return nullptr;
    int err = 0;
    platform::UniqueFd imageCopy(::fcntl(imageFd, F_DUPFD_CLOEXEC, 0));
    if (!imageCopy.Valid())
        err = errno;
    platform::UniqueFd spill;
    if (err == 0)
        spill = UnnamedFile(folder_, EntryName(file->header.key), &err);
    if (err != 0) {
        ::unlink(file->temporary.c_str());
        if (error)
            *error = Reason(folder_, err);
        return nullptr;
    }
    return std::unique_ptr<PyramidStreamEntry>(
        new PyramidStreamEntry(*this, std::move(file->fd), std::move(spill), std::move(imageCopy),
                               file->temporary, file->final, std::move(file->header)));
}

PyramidStreamEntry::PyramidStreamEntry(const PyramidCache& cache, platform::UniqueFd fd,
                                       platform::UniqueFd spill, platform::UniqueFd image,
                                       fs::path temporary, fs::path final, Header header)
    : cache_(cache), fd_(std::move(fd)), spill_(std::move(spill)), image_(std::move(image)),
      temporary_(std::move(temporary)), final_(std::move(final)),
      header_(std::make_unique<Header>(std::move(header))),
      layout_(MapPyramid::Layout(header_->width, header_->height)), levelBytes_(layout_.size(), 0),
      spilled_(layout_.size()), ends_(layout_.size()),
      stream_(layout_, [this](int level, int row, std::span<const MapPixel> tiles) {
          // Streaming is chosen when memory is short: running out ends the entry, not the
          // program.
          try {
              return Take(level, row, tiles);
          } catch (const std::bad_alloc&) {
              Fail(ENOMEM);
              return false;
          }
      }) {}

PyramidStreamEntry::~PyramidStreamEntry() {
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
}

void PyramidStreamEntry::Fail(int err) {
    if (error_.empty())
        error_ = err == EFBIG
                     ? header_->key.path + ": the map needs more than the map cache may hold"
                     : Reason(cache_.Folder(), err);
}

bool PyramidStreamEntry::StoreRow(int y, const MapPixel* row) {
    return stream_.StoreRow(y, row);
}

bool PyramidStreamEntry::Take(int level, int row, std::span<const MapPixel> tiles) {
    const auto index = static_cast<std::size_t>(level);
    std::string packed;
    const PyramidLevel& l = layout_[index];
    const int height = std::min(TiledMap::kTileSize, l.height - row * TiledMap::kTileSize);
    for (int column = 0; column < l.columns; ++column) {
        const int width = std::min(TiledMap::kTileSize, l.width - column * TiledMap::kTileSize);
        if (!PackTile(tiles.data() + static_cast<std::size_t>(column) * TiledMap::kTilePixels,
                      packed, TilePacking::Jpeg, width, height)) {
            Fail(ENOMEM);
            return false;
        }
        ends_[index].push_back(levelBytes_[index] + packed.size());
    }
    std::uint64_t total = header_->storeOffset + packed.size();
    for (const std::uint64_t bytes : levelBytes_)
        total += bytes;
    if (total > cache_.limit_) {
        Fail(EFBIG);
        return false;
    }
    // Level 0 goes to the entry in its place; the reduced levels, a quarter of the bytes, come
    // interleaved with it, so they wait in the unnamed file and follow level 0 at the end.
    int err = 0;
    const bool written =
        level == 0 ? WriteAt(fd_.Get(), packed, header_->storeOffset + levelBytes_[0], &err)
                   : WriteAt(spill_.Get(), packed, spillBytes_, &err);
    if (!written) {
        Fail(err);
        return false;
    }
    if (level > 0) {
        spilled_[index].push_back({spillBytes_, packed.size()});
        spillBytes_ += packed.size();
    }
    levelBytes_[index] += packed.size();
    return true;
}

std::shared_ptr<TiledMap> PyramidStreamEntry::Commit(bool keep) {
    if (!fd_.Valid())
        return nullptr;
    int err = 0;
    if (stream_.Finish() && error_.empty()) {
        std::string index;
        std::uint64_t written = levelBytes_[0];
        std::vector<std::uint64_t> levelStart(layout_.size(), 0);
        std::string chunk;
        for (std::size_t level = 1; level < layout_.size() && err == 0; ++level) {
            levelStart[level] = written;
            for (const auto& [from, bytes] : spilled_[level]) {
                chunk.resize(static_cast<std::size_t>(bytes));
                if (!ReadAt(spill_.Get(), chunk, from, &err) ||
                    !WriteAt(fd_.Get(), chunk, header_->storeOffset + written, &err))
                    break;
                written += bytes;
            }
        }
        spill_.Reset();
        if (err == 0) {
            for (std::size_t level = 0; level < ends_.size(); ++level)
                for (const std::uint64_t end : ends_[level])
                    base::AppendU64(index, levelStart[level] + end);
            err = Seal(fd_.Get(), *header_, written, std::move(index), cache_.limit_);
        }
    } else if (error_.empty()) {
        err = EIO;
    }
    if (err != 0)
        Fail(err);
    int imageErr = 0;
    const std::optional<Key> now = KeyOf(header_->key.path, image_.Get(), &imageErr);
    keep = keep && error_.empty() && now && *now == header_->key;
    if (keep && ::rename(temporary_.c_str(), final_.c_str()) == 0)
        temporary_.clear();
    std::shared_ptr<TiledMap> packed;
    if (error_.empty()) {
        bool damaged = false;
        packed = PackedEntry(fd_.Get(), *header_, &damaged);
        if (!packed)
            Fail(EIO);
    }
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str()); // mapped, the map shows all the same
        temporary_.clear();
    } else {
        cache_.Trim(final_);
    }
    fd_.Reset();
    return packed;
}

} // namespace map
