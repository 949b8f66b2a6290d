// The streaming atomic writer that the long conversions write through.
#include "platform/AtomicFileWriter.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/TestFiles.h"

using testsupport::ReadBytes;
using testsupport::TempDir;
using testsupport::WriteBytes;

namespace {

std::size_t EntriesIn(const std::filesystem::path& dir) {
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir))
        ++entries;
    return entries;
}

TEST(AtomicFileWriter, TargetIsTheWholeNewFileOrUntouched) {
    struct Row {
        const char* legend;
        bool commit;
        const char* expected;
    };
    const Row rows[] = {
        {"committed: the chunks replace the old file", true, "first second"},
        {"abandoned: the old file stays", false, "old"},
    };
    for (const Row& row : rows) {
        TempDir dir;
        const std::string path = dir.File("out.kml");
        WriteBytes(path, "old");
        ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
        {
            platform::AtomicFileWriter writer(path);
            writer.Append("first ");
            EXPECT_EQ(ReadBytes(path), "old") << row.legend << ": nothing shows before Commit";
            writer.Append("second");
            if (row.commit) {
                const auto result = writer.Commit();
                EXPECT_TRUE(result) << result.error;
            }
        }
        EXPECT_EQ(ReadBytes(path), row.expected) << row.legend;
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0640u) << row.legend << ": permissions are kept";
        EXPECT_EQ(EntriesIn(dir.Path()), 1u) << row.legend << ": no temporary file is left";
    }
}

TEST(AtomicFileWriter, FailureNamesThePath) {
    TempDir dir;
    const std::string path = dir.File("missing/out.kml");
    platform::AtomicFileWriter writer(path);
    EXPECT_FALSE(writer.ok());
    writer.Append("ignored");
    const auto result = writer.Commit();
    EXPECT_FALSE(result);
    EXPECT_EQ(result.error.rfind(path + ": ", 0), 0u) << result.error;
    EXPECT_EQ(EntriesIn(dir.Path()), 0u);
}

} // namespace
