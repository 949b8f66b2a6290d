#pragma once

#include "map/pyramid/MapPyramid.h"
#include "map/pyramid/PyramidStream.h"
#include "platform/MappedFile.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace map {

// Built pyramids kept on disk, one file per map image, so that opening the same image again
// maps the finished levels instead of decoding and cutting it. An entry's tiles are packed
// (TileCodec), a few times smaller than its pixels, and read straight from the page cache as
// they are drawn: the resident memory grows only with the tiles in view.
//
// An entry file is named by a 64-bit FNV-1a hash of its key, 16 lowercase hex digits and
// ".pyr"; a half-written one has a temporary name ("<hash>.tmp.XXXXXX") until it is complete,
// and its writer holds an exclusive flock on it all that time. Its bytes, integers
// little-endian:
//
//     offset  size  field
//          0     8  magic "QUILOPYR"
//          8     4  format version, 4 (3 is read as well: its tiles are all lossless)
//         12     4  completion mark: 0 while the entry is written, "DONE" once it is complete
//         16     4  image width in pixels
//         20     4  image height in pixels
//         24     8  store offset in bytes: a multiple of the page size of the writing machine
//         32     8  store size in bytes: the packed tiles' bytes
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
//   store offset        the packed tiles (TileCodec: lossless, or JPEGs for a pyramid whose
//                       pixels are beyond the cache's bound) one after the other, in the order
//                       MapPyramid stores them: level by level, row of tiles by row of tiles
//   + store size        the index: for each tile, in the same order, 8 bytes, the end of its
//                       packed bytes counted from the store offset (a tile starts where the
//                       one before ends, the first at 0); then 4 bytes, the CRC-32 of the ends
//
// The file is exactly store offset + store size + 8 x tiles + 4 bytes long. Anything else
// (another magic or version, no completion mark, a key that is not the image's, sizes that
// disagree with each other or with the image's own, a damaged index) is not an entry for the
// image and is removed when met; a tile whose bytes do not unpack shows from a coarser level.
//
// The key is always taken from the open image file that is decoded, never from what its path
// names at some other moment: a map replaced while it decodes is cached under the key of the
// file that was decoded.
class PyramidCacheEntry;
class PyramidStreamEntry;
namespace pyramid_cache {
struct Header;
}

class PyramidCache {
public:
    static constexpr std::uint64_t kDefaultLimit = std::uint64_t{4} << 30;

    // $XDG_CACHE_HOME/quilo/maps when that variable is an absolute path, else
    // $HOME/.cache/quilo/maps; empty when neither gives a folder.
    static std::filesystem::path DefaultFolder();

    explicit PyramidCache(std::filesystem::path folder, std::uint64_t limitBytes = kDefaultLimit);

    // The finished pyramid cached for the image file imageFd (opened from the path image) as
    // it is now (same canonical path, size, times to the nanosecond, device, inode and
    // content check) and of width x height pixels as the image's header says, its packed
    // tiles mapped read-only; null when there is none. A damaged or foreign entry is ignored and
    // removed, and so are the temporary files of writers that are gone. Opening an entry marks it
    // as recently used, so the size bound removes it last.
    [[nodiscard]] std::shared_ptr<TiledMap> Open(const std::filesystem::path& image, int imageFd,
                                                 int width, int height) const;

    // A new entry for the image file imageFd (opened from the path image): a pyramid of
    // width x height in memory to fill, and the cache file its tiles go to when it is
    // committed. Null, with *error, when the image, the folder or the memory cannot be had.
    [[nodiscard]] std::unique_ptr<PyramidCacheEntry> Create(const std::filesystem::path& image,
                                                            int imageFd, int width, int height,
                                                            std::string* error) const;

    // Whether a map of width x height is too big to be built in memory and packed losslessly:
    // its pyramid's pixels alone are beyond the size bound, or beyond the memory free now.
    // Such a map streams (CreateStream).
    [[nodiscard]] bool Streams(int width, int height) const;
    // A new entry for the image file imageFd whose tiles are cut as its rows arrive and written
    // straight to the file as JPEGs: the memory it takes is a few rows of tiles, whatever the
    // map's size. Null, with *error, when the image or the folder cannot be had.
    [[nodiscard]] std::unique_ptr<PyramidStreamEntry>
    CreateStream(const std::filesystem::path& image, int imageFd, int width, int height,
                 std::string* error) const;

    [[nodiscard]] const std::filesystem::path& Folder() const { return folder_; }

private:
    friend class PyramidCacheEntry;
    friend class PyramidStreamEntry;
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
    // a copy would keep the memory of the pixels alive.
    MapPyramid& Pyramid() { return pyramid_; }

    // Packs the tiles into the file a row of tiles at a time, flushes it to the device, writes
    // the header's completion mark, gives the entry its findable name and trims the cache to
    // its size bound; returns the packed entry, mapped read-only, so the memory of the pixels
    // can go. On failure (a full disk, an entry beyond the size bound) the pyramid is returned
    // from memory, and *error says why. Call once.
    std::shared_ptr<TiledMap> Commit(std::string* error);

private:
    friend class PyramidCache;
    PyramidCacheEntry(const PyramidCache& cache, platform::UniqueFd fd,
                      std::filesystem::path temporary, std::filesystem::path final,
                      pyramid_cache::Header header, MapPyramid pyramid);
    // Writes the packed tiles, the index and the header with their size; 0 or an errno value
    // (EFBIG: more than the size bound).
    int WriteTiles();

    PyramidCache cache_;
    platform::UniqueFd fd_;
    std::filesystem::path temporary_; // empty once renamed or removed
    std::filesystem::path final_;
    std::unique_ptr<pyramid_cache::Header> header_;
    MapPyramid pyramid_;
};

class PyramidStreamEntry {
public:
    ~PyramidStreamEntry();
    PyramidStreamEntry(const PyramidStreamEntry&) = delete;
    PyramidStreamEntry& operator=(const PyramidStreamEntry&) = delete;

    // Row y of the full-resolution image, rows in order from the top. False, with Error(), once
    // the entry cannot be written (a full disk, more than the size bound): the map cannot be
    // had.
    bool StoreRow(int y, const MapPixel* row);

    // Finishes the entry (blank rows for any not stored), flushes it to the device and returns
    // its tiles mapped read-only. keep: the entry is marked complete and given its findable name
    // when its image is still as it was at the start; otherwise, as on any failure, the file is
    // removed (a map mapped from it still shows). Null, with Error(), when it cannot be written
    // or mapped. Call once.
    std::shared_ptr<TiledMap> Commit(bool keep);

    // Why the entry cannot be had: read only after StoreRow returned false or after Commit.
    [[nodiscard]] const std::string& Error() const { return error_; }

private:
    friend class PyramidCache;
    PyramidStreamEntry(const PyramidCache& cache, platform::UniqueFd fd, platform::UniqueFd spill,
                       platform::UniqueFd image, std::filesystem::path temporary,
                       std::filesystem::path final, pyramid_cache::Header header);
    bool Take(int level, int row, std::span<const MapPixel> tiles);
    void Fail(int err);

    PyramidCache cache_;
    platform::UniqueFd fd_;
    platform::UniqueFd spill_;        // unnamed: the reduced levels until level 0 is whole
    platform::UniqueFd image_;        // the image file, to tell at the end whether it changed
    std::filesystem::path temporary_; // empty once renamed or removed
    std::filesystem::path final_;
    std::unique_ptr<pyramid_cache::Header> header_;
    std::vector<PyramidLevel> layout_;
    // Written by the stream's thread, read once it has stopped or finished.
    std::vector<std::uint64_t> levelBytes_; // packed so far, per level
    // The reduced levels' rows of tiles as they came: where each lies in spill_ and its size.
    std::vector<std::vector<std::pair<std::uint64_t, std::uint64_t>>> spilled_;
    std::uint64_t spillBytes_ = 0;
    std::vector<std::vector<std::uint64_t>> ends_; // per level and tile, within the level
    std::string error_;
    PyramidStream stream_; // last: its thread ends before the rest goes
};

} // namespace map
