#include "map/pyramid/PyramidCache.h"

#include "base/Bytes.h"
#include "base/Crc32.h"
#include "platform/MappedFile.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <sched.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

namespace map {
namespace {

using testsupport::ReadBytes;
using testsupport::TempDir;
using testsupport::WriteBytes;
namespace fs = std::filesystem;

constexpr int kWidth = 513; // three levels, odd edges
constexpr int kHeight = 300;

void Fill(MapPyramid& pyramid, std::uint32_t seed) {
    std::vector<MapPixel> row(static_cast<std::size_t>(pyramid.Width()));
    for (int y = 0; y < pyramid.Height(); ++y) {
        for (int x = 0; x < pyramid.Width(); ++x)
            row[static_cast<std::size_t>(x)] =
                0xFF000000u | ((static_cast<std::uint32_t>(x * 7 + y * 13) * seed) & 0xFFFFFFu);
        pyramid.StoreRow(y, row.data());
    }
    ASSERT_TRUE(pyramid.BuildReducedLevels());
}

MapPyramid Reference(std::uint32_t seed, int width = kWidth, int height = kHeight) {
    MapPyramid pyramid = MapPyramid::Allocate(width, height);
    Fill(pyramid, seed);
    return pyramid;
}

// Whether tile (level, column, row) of map shows the reference's pixels (its padding aside).
bool SameTile(const TiledMap& map, const MapPyramid& reference, int level, int column, int row) {
    const MapPixel* tile = map.Tile(level, column, row);
    const TileLevel& l = reference.Level(level);
    const int width = std::min(TiledMap::kTileSize, l.width - column * TiledMap::kTileSize);
    const int height = std::min(TiledMap::kTileSize, l.height - row * TiledMap::kTileSize);
    const MapPixel* expected = reference.Tile(level, column, row);
    for (int y = 0; tile && y < height; ++y)
        if (std::memcmp(tile + y * TiledMap::kTileSize, expected + y * TiledMap::kTileSize,
                        static_cast<std::size_t>(width) * sizeof(MapPixel)) != 0)
            return false;
    return tile != nullptr;
}

bool SamePixels(const std::shared_ptr<TiledMap>& map, const MapPyramid& reference) {
    if (!map || map->Width() != reference.Width() || map->Height() != reference.Height() ||
        map->LevelCount() != reference.LevelCount())
        return false;
    for (int level = 0; level < reference.LevelCount(); ++level)
        for (int row = 0; row < reference.Level(level).rows; ++row)
            for (int column = 0; column < reference.Level(level).columns; ++column)
                if (!SameTile(*map, reference, level, column, row))
                    return false;
    return true;
}

// The image file as the loader holds it open (a folder too, for the cache to refuse).
platform::UniqueFd OpenImage(const fs::path& image) {
    return platform::UniqueFd(::open(image.c_str(), O_RDONLY | O_CLOEXEC));
}

// What the cache holds for the image as its file is now, its header saying width x height.
std::shared_ptr<TiledMap> Open(const PyramidCache& cache, const fs::path& image, int width = kWidth,
                               int height = kHeight) {
    return cache.Open(image, OpenImage(image).Get(), width, height);
}

// Makes, fills and commits the entry for image; the pyramid Commit gives back.
std::shared_ptr<TiledMap> Cache(const PyramidCache& cache, const fs::path& image,
                                std::uint32_t seed) {
    std::string error;
    auto entry = cache.Create(image, OpenImage(image).Get(), kWidth, kHeight, &error);
    EXPECT_TRUE(entry) << error;
    if (!entry)
        return {};
    Fill(entry->Pyramid(), seed);
    std::shared_ptr<TiledMap> committed = entry->Commit(&error);
    EXPECT_EQ(error, "");
    return committed;
}

// The one file in the folder, or "".
fs::path EntryFile(const fs::path& folder) {
    std::vector<fs::path> found;
    for (const auto& file : fs::directory_iterator(folder))
        found.push_back(file.path());
    EXPECT_EQ(found.size(), 1u);
    return found.size() == 1 ? found[0] : fs::path();
}

// The permissions of this process's mappings of path, e.g. "r--s".
std::vector<std::string> MappingsOf(const fs::path& path) {
    std::ifstream maps("/proc/self/maps");
    std::vector<std::string> modes;
    for (std::string line; std::getline(maps, line);)
        if (line.ends_with(" " + path.string()))
            modes.push_back(line.substr(line.find(' ') + 1, 4));
    return modes;
}

void Patch(const fs::path& file, std::size_t offset, const std::string& bytes) {
    std::fstream out(file, std::ios::in | std::ios::out | std::ios::binary);
    out.seekp(static_cast<std::streamoff>(offset));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << file;
}

void SetMtime(const fs::path& file, timespec when) {
    const timespec times[2] = {when, when};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0) << file;
}

timespec Mtime(const fs::path& file) {
    struct stat st {};
    EXPECT_EQ(::stat(file.c_str(), &st), 0);
    return st.st_mtim;
}

TEST(PyramidCache, DefaultFolderTable) {
    struct Row {
        const char* xdg;
        const char* home;
        const char* folder;
    };
    const Row rows[] = {
        {"/x/cache", "/home/u", "/x/cache/quilo/maps"},
        {"relative", "/home/u", "/home/u/.cache/quilo/maps"},
        {nullptr, "/home/u", "/home/u/.cache/quilo/maps"},
        {"", "relative", ""},
        {nullptr, nullptr, ""},
    };
    const auto set = [](const char* name, const char* value) {
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    };
    const std::string xdg = std::getenv("XDG_CACHE_HOME") ? std::getenv("XDG_CACHE_HOME") : "";
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    for (const Row& row : rows) {
        set("XDG_CACHE_HOME", row.xdg);
        set("HOME", row.home);
        EXPECT_EQ(PyramidCache::DefaultFolder(), row.folder) << (row.xdg ? row.xdg : "unset");
    }
    set("XDG_CACHE_HOME", xdg.empty() ? nullptr : xdg.c_str());
    set("HOME", home.empty() ? nullptr : home.c_str());
}

TEST(PyramidCache, RoundTripGivesTheSamePixelsFromAReadOnlyMappingOfPackedTiles) {
    for (const auto& [width, height] : {std::pair{1, 1}, {kWidth, kHeight}, {256, 1030}}) {
        TempDir dir;
        const std::string image = dir.File("map.jpg");
        WriteBytes(image, "picture");
        const PyramidCache cache(dir.Path() / "cache");
        const MapPyramid reference = Reference(3, width, height);
        std::string error;
        auto entry = cache.Create(dir.Path() / "." / "map.jpg", OpenImage(image).Get(), width,
                                  height, &error);
        ASSERT_TRUE(entry) << error;
        ASSERT_TRUE(entry->Pyramid().CopyPixelsFrom(reference));
        const std::shared_ptr<TiledMap> committed = entry->Commit(&error);
        EXPECT_EQ(error, "");
        entry.reset();
        EXPECT_TRUE(SamePixels(committed, reference)) << width << " x " << height;
        const fs::path file = EntryFile(dir.Path() / "cache");
        EXPECT_EQ(file.extension(), ".pyr");
        EXPECT_EQ(MappingsOf(file), std::vector<std::string>{"r--s"}) << "shown from the entry";
        EXPECT_LT(fs::file_size(file), platform::PageSize() + reference.StoreSize()) << "packed";
        EXPECT_TRUE(SamePixels(Open(cache, image, width, height), reference))
            << width << " x " << height;
        Patch(file, 8, std::string("\3\0\0\0", 4)); // the lossless version before
        EXPECT_TRUE(SamePixels(Open(cache, image, width, height), reference));
    }
}

TEST(PyramidCache, AnEntryThatIsNotTheImagesIsNeverShown) {
    struct Row {
        const char* legend;
        std::function<void(const fs::path& image, const fs::path& entry)> change;
        bool entryRemoved;
    };
    const auto imageEdit = [](auto edit) {
        return [edit](const fs::path& image, const fs::path&) {
            const timespec before = Mtime(image);
            edit(image);
            SetMtime(image, before); // only what the row changes
        };
    };
    const Row rows[] = {
        {"image touched",
         [](const fs::path& image, const fs::path&) {
             timespec t = Mtime(image);
             t.tv_nsec = (t.tv_nsec + 1) % 1'000'000'000;
             SetMtime(image, t);
         },
         false},
        {"image resized",
         imageEdit([](const fs::path& image) { WriteBytes(image, ReadBytes(image) + "!"); }),
         false},
        {"image rewritten in place, its size and time kept",
         imageEdit([](const fs::path& image) { Patch(image, 0, "P"); }), false},
        {"image replaced by another file of the same size and time",
         imageEdit([](const fs::path& image) {
             const fs::path other = image.string() + ".new";
             WriteBytes(other, ReadBytes(image));
             fs::rename(other, image);
         }),
         false},
        {"entry truncated",
         [](const fs::path&, const fs::path& entry) {
             fs::resize_file(entry, fs::file_size(entry) - 1);
         },
         true},
        {"garbage appended",
         [](const fs::path&, const fs::path& entry) {
             std::ofstream(entry, std::ios::app | std::ios::binary) << "xyz";
         },
         true},
        {"garbage header",
         [](const fs::path&, const fs::path& entry) { Patch(entry, 0, std::string(80, 'Z')); },
         true},
        {"foreign magic",
         [](const fs::path&, const fs::path& entry) { Patch(entry, 0, "XUILOPYR"); }, true},
        {"the version before, whose tiles were raw pixels",
         [](const fs::path&, const fs::path& entry) {
             Patch(entry, 8, std::string("\2\0\0\0", 4));
         },
         true},
        {"a damaged tile index",
         [](const fs::path&, const fs::path& entry) {
             Patch(entry, fs::file_size(entry) - 12, "\xFF");
         },
         true},
        {"no completion mark",
         [](const fs::path&, const fs::path& entry) { Patch(entry, 12, std::string(4, '\0')); },
         true},
        {"width one more (the same tiles)",
         [](const fs::path&, const fs::path& entry) { Patch(entry, 16, "\x02"); }, true},
        {"another image's key under this name",
         [](const fs::path&, const fs::path& entry) {
             const std::string inode = ReadBytes(entry).substr(72, 1);
             Patch(entry, 72, std::string(1, static_cast<char>(~inode[0])));
         },
         true},
        {"a whole header saying another size than the image's own",
         [](const fs::path&, const fs::path& entry) {
             Patch(entry, 16, "\x02");
             const std::string bytes = ReadBytes(entry);
             const std::size_t pathLength = static_cast<unsigned char>(bytes[88]);
             std::string crc;
             base::AppendU32(crc, base::Crc32(bytes.substr(16, 76) + bytes.substr(96, pathLength)));
             Patch(entry, 92, crc);
         },
         true},
    };
    for (const Row& row : rows) {
        TempDir dir;
        const fs::path image = dir.File("map.png");
        WriteBytes(image, "picture bytes");
        const PyramidCache cache(dir.Path() / "cache");
        Cache(cache, image, 5);
        const fs::path entry = EntryFile(dir.Path() / "cache");
        row.change(image, entry);
        EXPECT_FALSE(Open(cache, image)) << row.legend;
        EXPECT_EQ(fs::exists(entry), !row.entryRemoved) << row.legend;
        Cache(cache, image, 7);
        EXPECT_TRUE(SamePixels(Open(cache, image), Reference(7))) << row.legend;
    }
}

TEST(PyramidCache, TheSizeBoundRemovesTheLeastRecentlyOpenedFirst) {
    TempDir dir;
    const fs::path folder = dir.Path() / "cache";
    const fs::path images[4] = {dir.File("a.jpg"), dir.File("b.jpg"), dir.File("c.jpg"),
                                dir.File("d.jpg")};
    for (const fs::path& image : images)
        WriteBytes(image, image.filename());
    // Room for three entries, not four: the fourth is a file being written. Their sizes, packed,
    // are measured in a cache of their own.
    std::uint64_t entriesBytes = 0;
    for (std::uint32_t seed = 1; seed <= 3; ++seed) {
        const PyramidCache measure(dir.Path() / ("measure" + std::to_string(seed)));
        Cache(measure, images[seed - 1], seed);
        entriesBytes += fs::file_size(EntryFile(measure.Folder()));
    }
    const std::uint64_t entryBytes = entriesBytes / 3;
    const PyramidCache cache(folder, entriesBytes + entryBytes - 1);
    const timespec now = Mtime(images[0]);
    // a's entry older than b's, then a opened: b's is the least recently used.
    Cache(cache, images[0], 1);
    const fs::path entryA = EntryFile(folder);
    SetMtime(entryA, {now.tv_sec - 300, 0});
    Cache(cache, images[1], 2);
    for (const auto& file : fs::directory_iterator(folder))
        if (file.path() != entryA)
            SetMtime(file.path(), {now.tv_sec - 200, 0});
    // A process killed during its first open leaves a file; it goes at the next open.
    const pid_t killed = ::fork();
    if (killed == 0) {
        std::string error;
        const auto entry =
            cache.Create(images[3], OpenImage(images[3]).Get(), kWidth, kHeight, &error);
        ::kill(::getpid(), SIGKILL);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(killed, &status, 0), killed);
    // A live writer's file (it holds the lock) stays, and counts against the bound.
    const fs::path live = folder / "0123456789abcdef.tmp.XyZ123";
    WriteBytes(live, "being written");
    fs::resize_file(live, entryBytes);
    const platform::UniqueFd writer(::open(live.c_str(), O_RDONLY | O_CLOEXEC));
    ASSERT_EQ(::flock(writer.Get(), LOCK_EX), 0);
    EXPECT_TRUE(Open(cache, images[0]));
    Cache(cache, images[2], 3);

    EXPECT_TRUE(SamePixels(Open(cache, images[0]), Reference(1)));
    EXPECT_FALSE(Open(cache, images[1]));
    EXPECT_TRUE(SamePixels(Open(cache, images[2]), Reference(3)));
    std::vector<std::string> names;
    for (const auto& file : fs::directory_iterator(folder))
        names.push_back(file.path().extension());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{".XyZ123", ".pyr", ".pyr"}));
}

TEST(PyramidCache, EntriesOfImagesThatAreGoneOrChangedGoWhenAnotherIsMade) {
    // The bool: whether the entry is kept.
    const std::vector<std::tuple<std::string, std::function<void(const fs::path&)>, bool>> cases = {
        {"removed", [](const fs::path& image) { fs::remove(image); }, false},
        {"rewritten", [](const fs::path& image) { WriteBytes(image, "another map, longer"); },
         false},
        {"its card taken out (the folder gone with it)",
         [](const fs::path& image) {
             fs::rename(image.parent_path(), image.parent_path().string() + "-out");
         },
         true},
        {"left as it was", [](const fs::path&) {}, true},
    };
    for (const auto& [name, change, kept] : cases) {
        SCOPED_TRACE(name);
        TempDir dir;
        const PyramidCache cache(dir.Path() / "cache");
        fs::create_directory(dir.Path() / "card");
        const fs::path old = dir.Path() / "card" / "old.jpg";
        const fs::path fresh = dir.File("new.jpg");
        WriteBytes(old, "a map");
        WriteBytes(fresh, "a second map");
        Cache(cache, old, 1);
        change(old);
        Cache(cache, fresh, 2);
        std::size_t entries = 0;
        for (const auto& file : fs::directory_iterator(cache.Folder()))
            entries += file.path().extension() == ".pyr";
        EXPECT_EQ(entries, kept ? 2u : 1u);
        EXPECT_TRUE(SamePixels(Open(cache, fresh), Reference(2)));
    }
}

// Each map of a file of several ("FILE#N", read from the file) has an entry of its own, and
// another entry made does not take them for gone.
TEST(PyramidCache, EachMapOfAFileOfSeveralHasItsOwnEntry) {
    TempDir dir;
    const PyramidCache cache(dir.Path() / "cache");
    const fs::path file = dir.File("sheets.pdf");
    WriteBytes(file, "a file of two maps");
    const auto open = [&](const std::string& name) {
        return cache.Open(dir.Path() / name, OpenImage(file).Get(), kWidth, kHeight);
    };
    for (const auto& [name, seed] :
         {std::pair{"sheets.pdf#1", 1u}, std::pair{"sheets.pdf#2", 2u}}) {
        std::string error;
        auto entry =
            cache.Create(dir.Path() / name, OpenImage(file).Get(), kWidth, kHeight, &error);
        ASSERT_TRUE(entry) << error;
        Fill(entry->Pyramid(), seed);
        ASSERT_TRUE(entry->Commit(&error)) << error;
    }
    WriteBytes(dir.File("other.jpg"), "another map");
    Cache(cache, dir.File("other.jpg"), 3);
    EXPECT_TRUE(SamePixels(open("sheets.pdf#1"), Reference(1)));
    EXPECT_TRUE(SamePixels(open("sheets.pdf#2"), Reference(2)));
    EXPECT_FALSE(open("sheets.pdf")) << "the file's own was never made";
    WriteBytes(file, "a file of two maps, changed");
    EXPECT_FALSE(open("sheets.pdf#2"));
}

// Cuts file to size from another process, as a cache cleaner or a user's "> file" does.
void CutElsewhere(const fs::path& file, std::uint64_t size) {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(::truncate(file.c_str(), static_cast<off_t>(size)) == 0 ? 0 : 1);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << file;
}

TEST(PyramidCache, AnEntryCutWhileMappedNeverEndsTheProcessAndIsRebuilt) {
    const MapPyramid reference = Reference(5);
    // Cut to the header and a part of the tiles: while written, the writer writes them all
    // again; while shown, the tiles past the cut read as zeros, which do not unpack.
    for (const bool whileWritten : {true, false}) {
        SCOPED_TRACE(whileWritten ? "cut while written" : "cut while shown");
        TempDir dir;
        const fs::path image = dir.File("map.png");
        WriteBytes(image, "picture bytes");
        const PyramidCache cache(dir.Path() / "cache");
        std::shared_ptr<TiledMap> shown;
        if (whileWritten) {
            auto entry = cache.Create(image, OpenImage(image).Get(), kWidth, kHeight, nullptr);
            ASSERT_TRUE(entry);
            CutElsewhere(EntryFile(cache.Folder()), 0);
            Fill(entry->Pyramid(), 5);
            shown = entry->Commit(nullptr);
            EXPECT_TRUE(SamePixels(Open(cache, image), reference));
        } else {
            Cache(cache, image, 5);
            shown = Open(cache, image);
            const fs::path file = EntryFile(cache.Folder());
            CutElsewhere(file,
                         platform::PageSize() + (fs::file_size(file) - platform::PageSize()) / 2);
            EXPECT_FALSE(Open(cache, image)) << "a cut entry is never taken";
        }
        ASSERT_TRUE(shown);
        EXPECT_TRUE(SameTile(*shown, reference, 0, 0, 0));
        const int last = reference.LevelCount() - 1;
        EXPECT_EQ(SameTile(*shown, reference, last, 0, 0), whileWritten);
        Cache(cache, image, 7);
        EXPECT_TRUE(SamePixels(Open(cache, image), Reference(7))) << "and is made anew";
    }
}

TEST(PyramidCache, AMapReplacedWhileItDecodesIsKeptUnderTheDecodedFilesKey) {
    TempDir dir;
    const fs::path image = dir.File("map.png");
    WriteBytes(image, "red stripes!");
    const platform::UniqueFd decoded = OpenImage(image);
    WriteBytes(dir.File("new.png"), "blue stripes");
    fs::rename(dir.File("new.png"), image);
    const PyramidCache cache(dir.Path() / "cache");
    auto entry = cache.Create(image, decoded.Get(), kWidth, kHeight, nullptr);
    ASSERT_TRUE(entry);
    (void)entry->Commit(nullptr);
    EXPECT_FALSE(Open(cache, image)) << "the new file is not shown the old picture";
    EXPECT_TRUE(cache.Open(image, decoded.Get(), kWidth, kHeight));
}

// What run returns, computed in a child process (so that it may give up root or mount in a
// namespace of its own without touching this one).
std::string InChild(const std::function<std::string()>& run) {
    int fds[2];
    if (::pipe(fds) != 0)
        return "pipe failed";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        const std::string result = run();
        (void)!::write(fds[1], result.data(), result.size());
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string result;
    char buffer[512];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, static_cast<std::size_t>(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return result;
}

// Create's error, and the files left in the folder when there is one.
std::string CreateFails(const PyramidCache& cache, const fs::path& image, int side) {
    std::string error = "(no error)";
    if (cache.Create(image, OpenImage(image).Get(), side, side, &error))
        return "made an entry";
    std::error_code ignored;
    for (const auto& file : fs::directory_iterator(cache.Folder(), ignored))
        error += " + " + file.path().filename().string();
    return error;
}

TEST(PyramidCache, AnEntryThatCannotBeMadeOrIsNeverCommittedLeavesNoFile) {
    TempDir dir;
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0755), 0); // nobody may look in, not write
    const fs::path image = dir.File("map.jpg");
    WriteBytes(image, "picture");
    const fs::path folder = dir.Path() / "cache";
    const fs::path rootsFolder = dir.Path() / "roots";
    ASSERT_TRUE(fs::create_directories(rootsFolder / "maps"));
    ::chmod(rootsFolder.c_str(), 0755);
    ::chmod((rootsFolder / "maps").c_str(), 0755);
    WriteBytes(dir.File("file"), "");
    const auto asNobody = [](std::function<std::string()> run) {
        return InChild([run] {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                return std::string("cannot become nobody");
            return run();
        });
    };
    struct Row {
        const char* legend;
        std::function<std::string()> run;
        std::string error;
    };
    const Row rows[] = {
        {"never committed",
         [&] {
             std::string error;
             auto entry =
                 PyramidCache(folder).Create(image, OpenImage(image).Get(), 300, 300, &error);
             if (!entry)
                 return error;
             Fill(entry->Pyramid(), 1);
             entry.reset();
             return CreateFails(PyramidCache(folder), dir.File("gone.jpg"), 10);
         },
         dir.File("gone.jpg") + ": No such file or directory"},
        {"packed, larger than the bound",
         [&] {
             std::string error;
             auto entry = PyramidCache(folder, 8192)
                              .Create(image, OpenImage(image).Get(), 1024, 1024, &error);
             if (!entry)
                 return error;
             Fill(entry->Pyramid(), 1);
             const std::shared_ptr<TiledMap> shown = entry->Commit(&error);
             return shown && shown->Width() == 1024 ? error : "not shown";
         },
         fs::canonical(image).string() + ": the map needs more than the map cache may hold"},
        {"folder is a file", [&] { return CreateFails(PyramidCache(dir.File("file")), image, 10); },
         dir.File("file") + ": Not a directory"},
        {"image is a folder", [&] { return CreateFails(PyramidCache(folder), dir.Path(), 10); },
         dir.Path().string() + ": Is a directory"},
        {"folder the user may not write",
         [&] {
             return asNobody(
                 [&] { return CreateFails(PyramidCache(rootsFolder / "maps"), image, 10); });
         },
         (rootsFolder / "maps").string() + ": Permission denied"},
        {"folder the user may not make",
         [&] {
             return asNobody([&] {
                 return CreateFails(PyramidCache(rootsFolder / "new" / "maps"), image, 10);
             });
         },
         (rootsFolder / "new" / "maps").string() + ": Permission denied"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.run(), row.error) << row.legend;
}

// A smooth picture, as a scan is at the scale of a tile: JPEG keeps it within a few levels.
MapPixel Smooth(int x, int y) {
    const auto wave = [](double t) { return static_cast<MapPixel>(127.5 + 127.0 * std::sin(t)); };
    return 0xFF000000u | wave(x * 0.05) << 16 | wave(y * 0.07) << 8 | wave((x + y) * 0.03);
}

TEST(PyramidCache, AMapBeyondTheBoundStreamsIntoAnEntryOfJpegTiles) {
    constexpr std::uint64_t kBound = 2u << 20; // below the 513 x 300 pyramid's 2.4 MB
    struct Row {
        const char* legend;
        bool keep;
        std::function<void(const fs::path& image)> meanwhile;
        std::uint64_t bound;
        bool kept;
        const char* error;
    };
    const auto none = [](const fs::path&) {};
    const Row rows[] = {
        {"kept", true, none, kBound, true, ""},
        {"shown once (a damaged file)", false, none, kBound, false, ""},
        {"the image rewritten while it decoded", true,
         [](const fs::path& image) { WriteBytes(image, "another picture"); }, kBound, false, ""},
        {"beyond even the packed bound", true, none, 64u << 10, false,
         ": the map needs more than the map cache may hold"},
    };
    MapPyramid reference = MapPyramid::Allocate(kWidth, kHeight);
    std::vector<MapPixel> line(kWidth);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x)
            line[static_cast<std::size_t>(x)] = Smooth(x, y);
        reference.StoreRow(y, line.data());
    }
    ASSERT_TRUE(reference.BuildReducedLevels());
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        TempDir dir;
        const fs::path image = dir.File("map.jpg");
        WriteBytes(image, "picture");
        const PyramidCache cache(dir.Path() / "cache", row.bound);
        EXPECT_FALSE(PyramidCache(dir.Path() / "cache").Streams(kWidth, kHeight));
        ASSERT_TRUE(cache.Streams(kWidth, kHeight));
        std::string error;
        auto entry = cache.CreateStream(image, OpenImage(image).Get(), kWidth, kHeight, &error);
        ASSERT_TRUE(entry) << error;
        bool stored = true;
        for (int y = 0; y < kHeight && stored; ++y) {
            for (int x = 0; x < kWidth; ++x)
                line[static_cast<std::size_t>(x)] = Smooth(x, y);
            stored = entry->StoreRow(y, line.data());
        }
        row.meanwhile(image);
        const std::shared_ptr<TiledMap> shown = entry->Commit(row.keep);
        EXPECT_EQ(entry->Error(), *row.error ? image.string() + row.error : "");
        entry.reset();
        EXPECT_EQ(fs::exists(dir.Path() / "cache") && !fs::is_empty(dir.Path() / "cache"),
                  row.kept);
        if (*row.error) {
            EXPECT_FALSE(shown);
            continue;
        }
        ASSERT_TRUE(shown && stored);
        // Every tile of every level within what a JPEG of quality 90 keeps of a smooth picture.
        int worst = 0;
        double sum = 0;
        long count = 0;
        for (int level = 0; level < reference.LevelCount(); ++level)
            for (int ty = 0; ty < reference.Level(level).rows; ++ty)
                for (int tx = 0; tx < reference.Level(level).columns; ++tx) {
                    const MapPixel* tile = shown->Tile(level, tx, ty);
                    ASSERT_TRUE(tile);
                    const TileLevel& l = reference.Level(level);
                    for (int y = 0; y < std::min(256, l.height - ty * 256); ++y)
                        for (int x = 0; x < std::min(256, l.width - tx * 256); ++x)
                            for (int shift = 0; shift < 32; shift += 8) {
                                const int want = static_cast<int>(
                                    reference.Pixel(level, tx * 256 + x, ty * 256 + y) >> shift &
                                    0xFF);
                                const int error = std::abs(
                                    want - static_cast<int>(tile[y * 256 + x] >> shift & 0xFF));
                                worst = std::max(worst, error);
                                sum += error;
                                ++count;
                            }
                }
        EXPECT_LE(worst, 16);
        EXPECT_LT(sum / static_cast<double>(count), 1.5);
        EXPECT_GT(worst, 0) << "packed as JPEGs, not losslessly";
        if (row.kept) {
            const fs::path file = EntryFile(dir.Path() / "cache");
            EXPECT_EQ(ReadBytes(file).substr(8, 4), std::string("\4\0\0\0", 4));
            const std::shared_ptr<TiledMap> reopened = Open(cache, image);
            ASSERT_TRUE(reopened);
            EXPECT_EQ(std::memcmp(reopened->Tile(0, 2, 1), shown->Tile(0, 2, 1),
                                  TiledMap::kTilePixels * sizeof(MapPixel)),
                      0);
        }
    }
}

TEST(PyramidCache, AFullDiskFailsTheCommitLeavesNoFileAndShowsTheMapFromMemory) {
    TempDir dir;
    const std::string result = InChild([&] {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", dir.Path().c_str(), "tmpfs", 0, "size=1m") != 0)
            return std::string("skip");
        WriteBytes(dir.File("map.jpg"), "picture");
        std::string error;
        auto entry = PyramidCache(dir.Path() / "cache")
                         .Create(dir.File("map.jpg"), OpenImage(dir.File("map.jpg")).Get(), 1024,
                                 1024, &error);
        if (!entry)
            return "not made: " + error;
        // Noise: it packs to more than the disk holds.
        std::uint32_t state = 1;
        std::vector<MapPixel> row(1024);
        for (int y = 0; y < 1024; ++y) {
            for (MapPixel& pixel : row)
                pixel = 0xFF000000u | ((state = state * 1664525u + 1013904223u) >> 8);
            entry->Pyramid().StoreRow(y, row.data());
        }
        const MapPixel corner = entry->Pyramid().Pixel(0, 1023, 1023);
        const std::shared_ptr<TiledMap> shown = entry->Commit(&error);
        if (!shown || shown->Tile(0, 3, 3)[255 * 256 + 255] != corner)
            return std::string("not shown");
        return CreateFails(PyramidCache(dir.Path() / "cache"), dir.File("gone.jpg"), 10) + " / " +
               error;
    });
    if (result == "skip")
        GTEST_SKIP() << "no permission to mount a tmpfs here";
    EXPECT_EQ(result, dir.File("gone.jpg") + ": No such file or directory / " +
                          (dir.Path() / "cache").string() + ": No space left on device");
}

} // namespace

} // namespace map
