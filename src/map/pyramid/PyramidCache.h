#pragma once

#include "map/pyramid/MapPyramid.h"
#include "platform/MappedFile.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace map {

// Built pyramids kept on disk, one file per map image, so that opening the same image again
// maps the finished levels instead of decoding and cutting it. A mapped entry is read straight
// from the page cache: the resident memory grows only with the tiles that are drawn.
//
// An entry file is named by a 64-bit FNV-1a hash of its key, 16 lowercase hex digits and
// ".pyr"; a half-written one has a temporary name ("<hash>.tmp.XXXXXX") until it is complete,
// and its writer holds an exclusive flock on it all that time. Its bytes, integers
// little-endian:
//
//     offset  size  field
//          0     8  magic "QUILOPYR"
//          8     4  format version, 2
//         12     4  completion mark: 0 while the entry is written, "DONE" once it is complete
//         16     4  image width in pixels
//         20     4  image height in pixels
//         24     8  store offset in bytes: a multiple of the page size of the writing machine
//         32     8  store size in bytes: MapPyramid::StorePixels of the size's layout times 4
//         40     8  key: image file size in bytes
//         48     8  key: image modification time, nanoseconds since 1970 (signed)
//         56     8  key: image status change time, nanoseconds since 1970 (signed)
//         64     8  key: device of the image file
//         72     8  key: inode of the image file
//         80     8  key: content check: CRC-32 (as zlib) of the image's first 64 KiB (or all
//                   of it when shorter) in the low half, of its last 64 KiB in the high half
//         88     4  key: length of the image's canonical path in bytes (at most 4096)
//         92     4  CRC-32 of the bytes from offset 16 to 92 and of the path
//         96     n  key: the canonical path, UTF-8 as the file system has it, no terminator
//          ...      zeros up to the store offset
//   store offset        the pyramid's store: MapPixel words 0xFFRRGGBB, as MapPyramid lays them
//
// The file is exactly store offset + store size bytes long. Anything else (another magic or
// version, no completion mark, a key that is not the image's, sizes that disagree with each
// other or with the image's own) is not an entry for the image and is removed when met.
//
// The key is always taken from the open image file that is decoded, never from what its path
// names at some other moment: a map replaced while it decodes is cached under the key of the
// file that was decoded.
class PyramidCacheEntry;

class PyramidCache {
public:
    static constexpr std::uint64_t kDefaultLimit = std::uint64_t{4} << 30;

    // $XDG_CACHE_HOME/quilo/maps when that variable is an absolute path, else
    // $HOME/.cache/quilo/maps; empty when neither gives a folder.
    static std::filesystem::path DefaultFolder();

    explicit PyramidCache(std::filesystem::path folder, std::uint64_t limitBytes = kDefaultLimit);

    // The finished pyramid cached for the image file imageFd (opened from the path image) as
    // it is now (same canonical path, size, times to the nanosecond, device, inode and
    // content check) and of width x height pixels as the image's header says, mapped
    // read-only; empty when there is none. A damaged or foreign entry is ignored and removed,
    // and so are the temporary files of writers that are gone. Opening an entry marks it as
    // recently used, so the size bound removes it last.
    [[nodiscard]] MapPyramid Open(const std::filesystem::path& image, int imageFd, int width,
                                  int height) const;

    // A new entry for the image file imageFd (opened from the path image): a writable pyramid
    // of width x height whose store is a cache file mapped shared, its blocks reserved first
    // so that a full disk fails here, never later as SIGBUS. Null, with *error, when the
    // image, the folder or the space cannot be had, or when the pyramid alone is larger than
    // the size bound.
    [[nodiscard]] std::unique_ptr<PyramidCacheEntry> Create(const std::filesystem::path& image,
                                                            int imageFd, int width, int height,
                                                            std::string* error) const;

    [[nodiscard]] const std::filesystem::path& Folder() const { return folder_; }

private:
    friend class PyramidCacheEntry;
    // Removes the entries whose image is gone (not merely out of reach: its folder missing)
    // or has changed, and the temporary files of writers that are gone, then the least
    // recently used entries until the folder holds at most limit_ bytes of entries and
    // temporaries; keep is never removed.
    void Trim(const std::filesystem::path& keep) const;

    std::filesystem::path folder_;
    std::uint64_t limit_;
};

class PyramidCacheEntry {
public:
    ~PyramidCacheEntry();
    PyramidCacheEntry(const PyramidCacheEntry&) = delete;
    PyramidCacheEntry& operator=(const PyramidCacheEntry&) = delete;

    // Fill with StoreRow + BuildReducedLevels (or CopyPixelsFrom). Keep no copy past Commit:
    // a copy would keep the writable mapping alive.
    MapPyramid& Pyramid() { return pyramid_; }

    // Flushes the store to the device, writes the header's completion mark, gives the entry
    // its findable name, swaps the writable mapping for a read-only one (so the resident
    // memory can shrink) and trims the cache to its size bound. On failure the pyramid is
    // still returned, valid in memory, and *error says why. Call once.
    MapPyramid Commit(std::string* error);

private:
    friend class PyramidCache;
    PyramidCacheEntry(const PyramidCache& cache, platform::UniqueFd fd,
                      std::filesystem::path temporary, std::filesystem::path final,
                      std::uint64_t storeOffset, MapPyramid pyramid);

    PyramidCache cache_;
    platform::UniqueFd fd_;
    std::filesystem::path temporary_; // empty once renamed or removed
    std::filesystem::path final_;
    std::uint64_t storeOffset_;
    MapPyramid pyramid_;
};

} // namespace map
