#include "resources/AtomicFileWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class AtomicFileWriterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() / ("atomicwriter-" + std::to_string(::getpid()));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string Path(const std::string& name) const { return (m_folder / name).string(); }
    std::size_t EntryCount() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(m_folder), {}));
    }

    fs::path m_folder;
};

std::string Contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

TEST_F(AtomicFileWriterTest, ReplacesTheTargetOnlyOnCommitAndKeepsItsPermissions)
{
    const std::string target = Path("data.txt");
    std::ofstream(target) << "old";
    ::chmod(target.c_str(), 0640);

    AtomicFileWriter writer(target);
    ASSERT_TRUE(writer.Open());
    ASSERT_TRUE(writer.Write("new ", 4));
    ASSERT_TRUE(writer.Write("content", 7));
    EXPECT_EQ(Contents(target), "old");
    ASSERT_TRUE(writer.Commit());
    EXPECT_EQ(Contents(target), "new content");
    struct stat info
    {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(AtomicFileWriterTest, AnAbandonedWriteLeavesTheTargetAndNoTemporaryFile)
{
    const std::string target = Path("data.txt");
    std::ofstream(target) << "old";
    {
        AtomicFileWriter writer(target);
        ASSERT_TRUE(writer.Open(0600));
        ASSERT_TRUE(writer.Write("half", 4));
        EXPECT_TRUE(fs::exists(writer.TemporaryPath()));
    }
    EXPECT_EQ(Contents(target), "old");
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(AtomicFileWriterTest, FailuresNameTheFileAndTheSystemsReason)
{
    std::string error;
    // The folder does not exist: no temporary file can be made.
    EXPECT_FALSE(AtomicFileWriter::WriteFile(Path("missing/data.txt"), "x", &error));
    EXPECT_NE(error.find("missing/data.txt"), std::string::npos) << error;
    EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;

    // A folder cannot be replaced by a file.
    fs::create_directories(Path("folder"));
    EXPECT_FALSE(AtomicFileWriter::WriteFile(Path("folder"), "x", &error));
    EXPECT_EQ(error.rfind("cannot replace", 0), 0u) << error;
    EXPECT_EQ(EntryCount(), 1u);
}
