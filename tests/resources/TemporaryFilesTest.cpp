#include "resources/StaleTemporaryFiles.h"
#include "resources/TemporaryFileName.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>
#include <unistd.h>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class TemporaryFolder
{
public:
    TemporaryFolder()
    {
        static int serial = 0;
        m_path = fs::temp_directory_path() /
                 ("tippwerk-tempfiles-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
        fs::create_directories(m_path);
    }
    ~TemporaryFolder() { fs::remove_all(m_path); }
    const fs::path& Path() const { return m_path; }

private:
    fs::path m_path;
};

void Touch(const fs::path& path)
{
    std::ofstream(path) << "x";
}

std::set<std::string> Names(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

} // namespace

TEST(TemporaryFileName, NamesTheWriterSoThatItCanBeReadBack)
{
    EXPECT_EQ(TemporaryFileName::For("/u/users/anna.dat", 4321, 7), "/u/users/.anna.dat.4321-7.tmp");
    EXPECT_EQ(TemporaryFileName::For("anna.dit", 12, 0), ".anna.dit.12-0.tmp");
    const struct
    {
        std::string name;
        long writer; // 0: not a temporary file
    } cases[] = {
        {".anna.dat.4321-7.tmp", 4321},
        {".anna.4321.tmp", 4321},
        {".x.dit.99-3-123456789.tmp", 99}, // written before the serial
        {"..hidden.5-1.tmp", 5},
        {"anna.dat", 0},
        {"anna.dat.4321-7.tmp", 0}, // not hidden
        {".anna.dat.XYZ-7.tmp", 0}, // no process id
        {".anna.dat.4321-.tmp", 0}, // broken serial
        {".anna.dat.4321-7x.tmp", 0},
        {".anna.dat.0-7.tmp", 0},
        {".4321-7.tmp", 0}, // no target name
        {"..4321-7.tmp", 0},
        {".anna.dat.4321-7.tmp~", 0},
        {"anna.dat.Ab3xYz", 0}, // a copy's temporary before the shared naming
        {".tmp", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TemporaryFileName::WriterOf(c.name).value_or(0), c.writer) << c.name;
}

TEST(TemporaryFileName, CreatesAFreshFileOfItsOwnProcessEachTime)
{
    TemporaryFolder folder;
    const std::string target = (folder.Path() / "anna.dat").string();
    // Left by a killed writer that had this process id before.
    Touch(TemporaryFileName::For(target, ::getpid(), 0));
    std::string first;
    std::string second;
    const int a = TemporaryFileName::Create(target, first);
    const int b = TemporaryFileName::Create(target, second);
    ASSERT_GE(a, 0);
    ASSERT_GE(b, 0);
    ::close(a);
    ::close(b);
    EXPECT_NE(first, second);
    for (const std::string& path : {first, second})
        EXPECT_EQ(TemporaryFileName::WriterOf(fs::path(path).filename().string()), ::getpid()) << path;
    EXPECT_EQ(Names(folder.Path()).size(), 3u);
}

TEST(StaleTemporaryFiles, RemovesOnlyTheFilesOfGoneWritersFromBeforeTheStart)
{
    TemporaryFolder folder;
    const fs::path& dir = folder.Path();
    const long gone = 1001;
    const long running = 1002;
    Touch(dir / ".anna.dat.1001-0.tmp");
    Touch(dir / ".anna.dit.1001-3-777.tmp");
    Touch(dir / ".anna.dat.1002-0.tmp"); // its writer still runs
    Touch(dir / "anna.dat");             // a user file
    Touch(dir / "anna.dat.1001-0.tmp");  // not one of our names
    Touch(dir / ".bert.dat.1001-1.tmp.keep");
    fs::create_directory(dir / ".sub.1001-0.tmp"); // a folder, not a file
    Touch(dir / ".sub.1001-0.tmp" / ".c.dat.1001-0.tmp");
    fs::create_symlink(dir / "anna.dat", dir / ".link.1001-0.tmp");
    const auto start = fs::file_time_type::clock::now() + std::chrono::seconds(1);
    // Written after the start: kept whatever the process check says.
    Touch(dir / ".late.dat.1001-0.tmp");
    fs::last_write_time(dir / ".late.dat.1001-0.tmp", start + std::chrono::seconds(1));

    std::set<long> asked;
    const int removed = StaleTemporaryFiles::Remove(dir.string(), start, [&](long pid) {
        asked.insert(pid);
        return pid == running;
    });

    EXPECT_EQ(removed, 2);
    EXPECT_EQ(Names(dir), (std::set<std::string>{".anna.dat.1002-0.tmp", "anna.dat", "anna.dat.1001-0.tmp",
                                                 ".bert.dat.1001-1.tmp.keep", ".sub.1001-0.tmp",
                                                 ".link.1001-0.tmp", ".late.dat.1001-0.tmp"}));
    EXPECT_TRUE(fs::exists(dir / ".sub.1001-0.tmp" / ".c.dat.1001-0.tmp"));
    EXPECT_EQ(asked, (std::set<long>{gone, running}));
    EXPECT_EQ(StaleTemporaryFiles::Remove((dir / "missing").string(), start, [](long) { return false; }), 0);
}
