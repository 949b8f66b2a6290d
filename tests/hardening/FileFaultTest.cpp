// Every file the program writes, written into a failing file system: the write reports the
// path and the system's reason, the file that was there keeps every byte, no temporary file is
// left behind, and the same write succeeds once the fault is gone. The faults are the kernel's
// own: a tmpfs filled to its last page, a tmpfs remounted read-only (both in a private mount
// namespace, so nothing outlives the test), the file size limit with SIGXFSZ ignored (write()
// fails with EFBIG), and a folder the user may not write to. Then what a save must respect in
// the files it replaces: a file made read-only, symbolic links, permission bits and owners,
// and names as long as the file system allows.
#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "HardeningSupport.h"
#include "calib/CalibrationFile.h"
#include "gps/SerialLog.h"
#include "platform/AtomicFileWriter.h"
#include "points/PointsFile.h"
#include "points/PointsKml.h"
#include "support/RunTool.h"
#include "support/Utf8Oracle.h"
#include "trail/TrailFile.h"
#include "trail/TrailKml.h"

namespace {

using platform::FileResult;

trail::TrailBuffer SomeTrail() {
    trail::TrailBuffer trail;
    for (int i = 0; i < 500; ++i) {
        if (i % 100 == 0)
            trail.AddBreak();
        trail.AddFront(MapPos(11.5 + i * 1e-4, 48.1 + i * 1e-4));
    }
    return trail;
}

points::MapPointList SomePoints() {
    points::MapPointList list;
    for (int i = 0; i < 40; ++i)
        list.emplace_back("Point " + std::to_string(i), MapPos(11.5 + i, 48.1), i % 5, 2, 4, 1,
                          "<desc> & more");
    return list;
}

calib::CGPSMapFuncs SomeCalibration() {
    calib::CGPSMapFuncs calibration;
    (void)calibration.AddCalibrationPoint(MapPos(0, 0), MapPos(11.0, 48.0));
    (void)calibration.AddCalibrationPoint(MapPos(1000, 0), MapPos(12.0, 48.0));
    (void)calibration.AddCalibrationPoint(MapPos(0, 800), MapPos(11.0, 49.0));
    return calibration;
}

struct Writer {
    const char* legend;
    const char* fileName;
    std::function<FileResult(const std::string& path)> write;
};

// Each of our files, written through the function the program uses for it.
const std::vector<Writer>& Writers() {
    static const std::vector<Writer> writers = {
        {"calibration file", "map.mcd",
         [](const std::string& path) {
             return calib::SaveCalibrationFile(path, SomeCalibration());
         }},
        {"points file", "map.pts",
         [](const std::string& path) { return points::WritePointsFile(path, SomePoints()); }},
        {"trail file", "track.trl",
         [](const std::string& path) { return trail::SaveTrail(SomeTrail(), path); }},
        {"trail KML", "track.kml",
         [](const std::string& path) { return trail::SaveTrail(SomeTrail(), path); }},
        {"points KML", "points.kml",
         [](const std::string& path) { return points::WritePointsKml(path, SomePoints()); }},
        {"streamed KML (quilo-tool convert)", "log.kml",
         [](const std::string& path) {
             platform::AtomicFileWriter out(path);
             const std::string kml = trail::TrailKml(SomeTrail());
             for (std::size_t at = 0; at < kml.size(); at += 1000)
                 out.Append(std::string_view(kml).substr(at, 1000));
             return out.Commit();
         }},
    };
    return writers;
}

const std::string kOldBytes = std::string("previous file\0\x01\xff", 16);

// A private mount namespace for this process, so the test's mounts vanish with it. Needs
// CAP_SYS_ADMIN; without it the tests that mount are skipped.
bool PrivateMounts() {
    static const bool ok = ::unshare(CLONE_NEWNS) == 0 &&
                           ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    return ok;
}

// A 64 KiB tmpfs on a directory of its own; unmounted at the end.
class SmallTmpfs {
public:
    SmallTmpfs() {
        mounted_ = ::mount("tmpfs", scratch_.Path().c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallTmpfs() {
        if (mounted_)
            ::umount2(scratch_.Path().c_str(), MNT_DETACH);
    }
    [[nodiscard]] bool Mounted() const { return mounted_; }
    [[nodiscard]] const TempDir& Dir() const { return scratch_; }

    // Fills every free page; false if the file system never ran full.
    bool Fill() {
        const int fd = ::open(scratch_.File("filler").c_str(), O_WRONLY | O_CREAT, 0600);
        const std::string page(4096, 'f');
        int err = 0;
        for (int i = 0; i < 1000 && err == 0; ++i)
            if (::write(fd, page.data(), page.size()) < 0)
                err = errno;
        ::close(fd);
        return err == ENOSPC;
    }
    void Unfill() { ::unlink(scratch_.File("filler").c_str()); }

    bool SetReadOnly(bool readOnly) {
        const unsigned long flags = MS_REMOUNT | (readOnly ? MS_RDONLY : 0);
        return ::mount("tmpfs", scratch_.Path().c_str(), "tmpfs", flags, "size=64k") == 0;
    }

private:
    TempDir scratch_;
    bool mounted_ = false;
};

// What every row must show: the failure names the path and the reason, the old bytes are
// all there, nothing else is left in the folder, and the write works once the fault is gone.
void ExpectCleanFailure(const Writer& writer, const std::string& path, const FileResult& result,
                        int expectedErrno, const std::vector<std::string>& entriesBefore,
                        const TempDir& dir) {
    EXPECT_FALSE(result.ok) << writer.legend;
    EXPECT_EQ(result.error, path + ": " + std::strerror(expectedErrno)) << writer.legend;
    EXPECT_EQ(ReadBytes(path), kOldBytes) << writer.legend << ": the old file is intact";
    EXPECT_EQ(dir.Entries(), entriesBefore) << writer.legend << ": no temporary file is left";
}

TEST(FileFaults, FullFileSystemKeepsTheOldFile) {
    if (!PrivateMounts())
        GTEST_SKIP() << "no permission to mount a tmpfs here";
    for (const Writer& writer : Writers()) {
        SmallTmpfs fs;
        ASSERT_TRUE(fs.Mounted());
        const std::string path = fs.Dir().File(writer.fileName);
        WriteBytes(path, kOldBytes);
        ASSERT_TRUE(fs.Fill()) << writer.legend;
        const auto entries = fs.Dir().Entries();
        ExpectCleanFailure(writer, path, writer.write(path), ENOSPC, entries, fs.Dir());

        fs.Unfill();
        const FileResult retry = writer.write(path);
        EXPECT_TRUE(retry.ok) << writer.legend << ": " << retry.error;
        EXPECT_NE(ReadBytes(path), kOldBytes) << writer.legend;
    }
}

TEST(FileFaults, ReadOnlyFolderKeepsTheOldFile) {
    if (!PrivateMounts())
        GTEST_SKIP() << "no permission to mount a tmpfs here";
    for (const Writer& writer : Writers()) {
        SmallTmpfs fs;
        ASSERT_TRUE(fs.Mounted());
        const std::string path = fs.Dir().File(writer.fileName);
        WriteBytes(path, kOldBytes);
        ASSERT_TRUE(fs.SetReadOnly(true)) << writer.legend;
        const auto entries = fs.Dir().Entries();
        ExpectCleanFailure(writer, path, writer.write(path), EROFS, entries, fs.Dir());

        ASSERT_TRUE(fs.SetReadOnly(false));
        EXPECT_TRUE(writer.write(path).ok) << writer.legend;
    }
}

TEST(FileFaults, FileSizeLimitKeepsTheOldFile) {
    // Without this the kernel kills the process instead of failing the write.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit original{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &original), 0);
    for (const Writer& writer : Writers()) {
        TempDir dir;
        const std::string path = dir.File(writer.fileName);
        WriteBytes(path, kOldBytes);
        const auto entries = dir.Entries();

        // Every one of our files is longer than 64 bytes; nothing but the write runs under it.
        rlimit limited = original;
        limited.rlim_cur = 64;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
        const FileResult result = writer.write(path);
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &original), 0);
        ExpectCleanFailure(writer, path, result, EFBIG, entries, dir);

        EXPECT_TRUE(writer.write(path).ok) << writer.legend;
    }
    std::signal(SIGXFSZ, oldHandler);
}

// Runs write in a child process that has given up root (user and group 65534), so that the
// permission bits bind it; the result comes back through a pipe.
FileResult RunAsNobody(const std::function<FileResult()>& write) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return {true, "pipe failed"};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(3);
        const FileResult result = write();
        (void)!::write(pipeFds[1], result.error.data(), result.error.size());
        ::_exit(result.ok ? 1 : 0);
    }
    ::close(pipeFds[1]);
    std::string error;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        error.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    const bool failed = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return {!failed, error};
}

// Runs write as a user who may not write to the folder: as root (which the permission bits do
// not stop) in a child process that has given up root; otherwise with the folder made
// read-only by its mode.
FileResult WriteWithoutPermission(const TempDir& dir, const Writer& writer,
                                  const std::string& path) {
    if (::geteuid() != 0) {
        ::chmod(dir.Path().c_str(), 0555);
        FileResult result = writer.write(path);
        ::chmod(dir.Path().c_str(), 0755);
        return result;
    }
    return RunAsNobody([&] { return writer.write(path); });
}

TEST(FileFaults, FolderWithoutWritePermissionKeepsTheOldFile) {
    for (const Writer& writer : Writers()) {
        TempDir dir;
        ASSERT_EQ(::chmod(dir.Path().c_str(), 0755), 0);
        const std::string path = dir.File(writer.fileName);
        WriteBytes(path, kOldBytes);
        const auto entries = dir.Entries();
        ExpectCleanFailure(writer, path, WriteWithoutPermission(dir, writer, path), EACCES, entries,
                           dir);
    }
}

} // namespace

namespace {

TEST(FileFaults, NamesThatAreNotUtf8) {
    // Linux file names are bytes: a map folder from an old card may hold names in Latin-1.
    TempDir dir;
    for (const Writer& writer : Writers()) {
        const std::string path = dir.File(std::string("Karte-M\xfc\xff-") + writer.fileName);
        const FileResult result = writer.write(path);
        EXPECT_TRUE(result.ok) << writer.legend << ": " << result.error;
        EXPECT_FALSE(ReadBytes(path).empty()) << writer.legend;
    }
    calib::CGPSMapFuncs calibration;
    EXPECT_TRUE(calib::LoadCalibrationFile(dir.File("Karte-M\xfc\xff-map.mcd"), calibration));
    points::MapPointList list;
    EXPECT_TRUE(points::ReadPointsFile(dir.File("Karte-M\xfc\xff-map.pts"), list));
    trail::TrailBuffer trail;
    EXPECT_TRUE(trail::LoadTrail(trail, dir.File("Karte-M\xfc\xff-track.trl"), 9999));
    EXPECT_EQ(calib::MapBaseName(dir.File("Karte-M\xfc\xff.gif")), dir.File("Karte-M\xfc\xff"));

    // Point texts that are not UTF-8 still give a points file that reads back as UTF-8 and a
    // KML document that is UTF-8 throughout.
    const points::MapPointList odd = {
        CMapPoint("Caf\xe9 \xff\xfe", MapPos(1, 2), 1, 1, 1, 1, "half \xc3"),
        CMapPoint("\xed\xa0\x80 surrogate", MapPos(3, 4), 1, 1, 1, 1, "\xf8\x88\x80\x80\x80"),
    };
    ASSERT_TRUE(points::WritePointsFile(dir.File("odd.pts"), odd).ok);
    ASSERT_TRUE(points::ReadPointsFile(dir.File("odd.pts"), list));
    ASSERT_EQ(list.size(), odd.size());
    for (const CMapPoint& point : list)
        EXPECT_TRUE(oracle::IsWellFormedUtf8(point.GetName()) &&
                    oracle::IsWellFormedUtf8(point.GetDescription()))
            << point.GetName();
    ASSERT_TRUE(points::WritePointsKml(dir.File("odd.kml"), odd).ok);
    EXPECT_TRUE(oracle::IsWellFormedUtf8(ReadBytes(dir.File("odd.kml"))));
}

} // namespace

namespace {

// An NMEA capture for quilo-tool convert, in a folder of its own that any user may read.
const std::string& ConvertInput() {
    static const TempDir folder;
    static const std::string path = [] {
        ::chmod(folder.Path().c_str(), 0755);
        const std::string input = folder.File("drive.nmea");
        WriteBytes(input, ReadBytes(QUILO_TEST_DATA "/nmea/bu353s4.log"));
        return input;
    }();
    return path;
}

// The writers above and the two that are no library call of their own: the serial log, and
// quilo-tool convert run as a program (exit status 2 and "quilo-tool convert: PATH: reason").
std::vector<Writer> EveryKind() {
    std::vector<Writer> kinds = Writers();
    kinds.push_back({"serial log", "quilo.log", [](const std::string& path) {
                         return gps::SerialLog(path).Write("IGNORING ERROR: a test entry");
                     }});
    kinds.push_back(
        {"quilo-tool convert", "drive.kml", [](const std::string& path) {
             const auto run = testsupport::RunTool({"convert", ConvertInput(), path});
             if (run.status == 0)
                 return FileResult{};
             const std::string prefix = "quilo-tool convert: ";
             if (run.status == 2 && run.err.starts_with(prefix) && run.err.ends_with('\n'))
                 return FileResult{
                     false, run.err.substr(prefix.size(), run.err.size() - prefix.size() - 1)};
             return FileResult{false, "exit " + std::to_string(run.status) + ": " + run.err};
         }});
    return kinds;
}

struct stat StatOf(const std::string& path, bool followLinks = true) {
    struct stat info {};
    EXPECT_EQ(followLinks ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info), 0) << path;
    return info;
}

// A fresh write succeeded and put the writer's file at path.
void ExpectWritten(const Writer& writer, const std::string& path, const FileResult& result) {
    EXPECT_TRUE(result.ok) << writer.legend << ": " << result.error;
    const std::string bytes = ReadBytes(path);
    EXPECT_TRUE(!bytes.empty() && bytes != kOldBytes) << writer.legend << ": " << path;
}

struct SaveCase {
    const char* legend;
    std::function<void(const Writer&, const TempDir&)> run;
};

const SaveCase kSaveCases[] = {
    {"a file made read-only is refused and kept",
     [](const Writer& writer, const TempDir& dir) {
         const std::string path = dir.File(writer.fileName);
         WriteBytes(path, kOldBytes);
         ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
         // The folder is writable, so only the file's own bits stand in the way.
         const bool root = ::geteuid() == 0;
         ASSERT_TRUE(!root || (::chown(dir.Path().c_str(), 65534, 65534) == 0 &&
                               ::chown(path.c_str(), 65534, 65534) == 0));
         const auto entries = dir.Entries();
         const FileResult result =
             root ? RunAsNobody([&] { return writer.write(path); }) : writer.write(path);
         ExpectCleanFailure(writer, path, result, EACCES, entries, dir);
         EXPECT_EQ(StatOf(path).st_mode & 07777, 0444u) << writer.legend;
     }},
    {"a chain of relative symbolic links writes the file at its end",
     [](const Writer& writer, const TempDir& dir) {
         ASSERT_TRUE(::mkdir(dir.File("links").c_str(), 0755) == 0 &&
                     ::mkdir(dir.File("real").c_str(), 0755) == 0);
         const std::string real = dir.File("real/") + writer.fileName;
         WriteBytes(real, kOldBytes);
         const std::string path = dir.File(writer.fileName);
         ASSERT_TRUE(::symlink("links/hop", path.c_str()) == 0 &&
                     ::symlink((std::string("../real/") + writer.fileName).c_str(),
                               dir.File("links/hop").c_str()) == 0);
         const auto entries = dir.Entries();
         ExpectWritten(writer, real, writer.write(path));
         EXPECT_TRUE(S_ISLNK(StatOf(path, false).st_mode)) << writer.legend;
         EXPECT_TRUE(S_ISLNK(StatOf(dir.File("links/hop"), false).st_mode)) << writer.legend;
         EXPECT_EQ(dir.Entries(), entries) << writer.legend;
         EXPECT_EQ(std::filesystem::directory_iterator(dir.File("real"))->path(), real);
     }},
    {"a dangling symbolic link creates its target",
     [](const Writer& writer, const TempDir& dir) {
         const std::string path = dir.File(writer.fileName);
         ASSERT_EQ(::symlink("new-file", path.c_str()), 0);
         ExpectWritten(writer, dir.File("new-file"), writer.write(path));
         EXPECT_TRUE(S_ISLNK(StatOf(path, false).st_mode)) << writer.legend;
     }},
    {"a replaced file keeps its bits, owner and group; a new one gets 0666 less the umask",
     [](const Writer& writer, const TempDir& dir) {
         const std::string path = dir.File(writer.fileName);
         WriteBytes(path, kOldBytes);
         const bool root = ::geteuid() == 0;
         ASSERT_TRUE(::chmod(path.c_str(), 0664) == 0 &&
                     (!root || ::chown(path.c_str(), 65534, 65534) == 0));
         const struct stat before = StatOf(path);
         const std::string fresh = dir.File(std::string("new-") + writer.fileName);
         const mode_t oldMask = ::umask(077);
         ExpectWritten(writer, path, writer.write(path));
         ExpectWritten(writer, fresh, writer.write(fresh));
         ::umask(oldMask);
         const struct stat after = StatOf(path);
         EXPECT_EQ(after.st_mode & 07777, 0664u) << writer.legend;
         EXPECT_EQ(after.st_uid, before.st_uid) << writer.legend;
         EXPECT_EQ(after.st_gid, before.st_gid) << writer.legend;
         EXPECT_EQ(StatOf(fresh).st_mode & 07777, 0600u) << writer.legend;
     }},
    {"a name of 255 bytes",
     [](const Writer& writer, const TempDir& dir) {
         const std::string name =
             std::string(NAME_MAX - std::strlen(writer.fileName), 'n') + writer.fileName;
         ExpectWritten(writer, dir.File(name), writer.write(dir.File(name)));
         EXPECT_EQ(dir.Entries(), std::vector<std::string>{name}) << writer.legend;
     }},
};

TEST(FileFaults, SavesRespectTheFilesTheyReplace) {
    for (const SaveCase& save : kSaveCases) {
        SCOPED_TRACE(save.legend);
        for (const Writer& writer : EveryKind()) {
            TempDir dir;
            ASSERT_EQ(::chmod(dir.Path().c_str(), 0755), 0);
            save.run(writer, dir);
        }
    }
}

} // namespace
