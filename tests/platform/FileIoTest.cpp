#include "platform/FileIo.h"

#include "support/TestFiles.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class FileIoTest : public ::testing::Test {
protected:
    // Some tests take the folder's permissions away; the folder goes after TearDown.
    void TearDown() override { fs::permissions(dir, fs::perms::owner_all); }
    testsupport::TempDir temp;
    const fs::path dir = temp.Path();
};

std::string Read(const fs::path& p) {
    std::string s;
    EXPECT_TRUE(platform::ReadWholeFile(p.string(), s));
    return s;
}

TEST_F(FileIoTest, WriteReplacesAndLeavesNoTemporaryBehind) {
    const auto target = (dir / "a.mcd").string();
    ASSERT_TRUE(platform::WriteFileAtomically(target, "first"));
    ASSERT_TRUE(platform::WriteFileAtomically(target, std::string("sec\0ond", 7)));
    EXPECT_EQ(Read(target), std::string("sec\0ond", 7));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 1);
}

TEST_F(FileIoTest, KeepsPermissionsOfReplacedFile) {
    const auto target = (dir / "p.pts").string();
    ASSERT_TRUE(platform::WriteFileAtomically(target, "x"));
    ::chmod(target.c_str(), 0640);
    ASSERT_TRUE(platform::WriteFileAtomically(target, "y"));
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(FileIoTest, FailedWriteReportsPathAndKeepsOldFile) {
    const auto target = (dir / "t.trl").string();
    ASSERT_TRUE(platform::WriteFileAtomically(target, "old"));
    // A file size limit makes write() fail for real, for root too, like a full disk does.
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 16;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto result = platform::WriteFileAtomically(target, std::string(4096, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(result);
    EXPECT_NE(result.error.find(target), std::string::npos);
    EXPECT_EQ(Read(target), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 1)
        << "the temporary file is removed";
}

TEST_F(FileIoTest, MissingDirectoryFails) {
    const auto result = platform::WriteFileAtomically((dir / "no" / "x.kml").string(), "k");
    EXPECT_FALSE(result);
    EXPECT_NE(result.error.find("No such file"), std::string::npos);
}

TEST_F(FileIoTest, ReadRefusesOversizeAndDirectoriesAndLeavesOutputAlone) {
    const auto target = (dir / "big").string();
    ASSERT_TRUE(platform::WriteFileAtomically(target, std::string(100, 'b')));
    std::string out = "unchanged";
    EXPECT_FALSE(platform::ReadWholeFile(target, out, 99));
    EXPECT_FALSE(platform::ReadWholeFile(dir.string(), out));
    EXPECT_FALSE(platform::ReadWholeFile((dir / "missing").string(), out));
    EXPECT_EQ(out, "unchanged");
    EXPECT_TRUE(platform::ReadWholeFile(target, out, 100));
    EXPECT_EQ(out.size(), 100u);
}

} // namespace
