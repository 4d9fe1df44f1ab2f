// A save killed with SIGKILL leaves its temporary file beside the target; the next start
// removes it, and the target is the last whole save.

#include "exercise/PackedFile.h"
#include "exercise/PackedTestSupport.h"
#include "resources/StaleTemporaryFiles.h"
#include "resources/TemporaryFileName.h"

#include <chrono>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

constexpr std::size_t kTextBytes = 400000;
constexpr unsigned kSeed = 7;

// Starts the saving loop and returns once its first save is whole.
pid_t StartSaving(const std::string& target)
{
    int out[2];
    if (::pipe(out) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const std::string bytes = std::to_string(kTextBytes);
    const std::string seed = std::to_string(kSeed);
    char* argv[] = {const_cast<char*>(SAVE_LOOP_PATH), const_cast<char*>(target.c_str()),
                    const_cast<char*>(bytes.c_str()), const_cast<char*>(seed.c_str()), nullptr};
    pid_t pid = -1;
    if (::posix_spawn(&pid, SAVE_LOOP_PATH, &actions, nullptr, argv, environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    char line[16] = {};
    if (pid > 0 && ::read(out[0], line, sizeof line - 1) <= 0)
        pid = -1;
    ::close(out[0]);
    return pid;
}

std::vector<std::string> TemporaryFiles(const packedtest::TempFolder& folder)
{
    std::vector<std::string> found;
    for (const std::string& name : folder.Entries())
        if (TemporaryFileName::WriterOf(name))
            found.push_back(name);
    return found;
}

std::string Load(const std::string& path)
{
    PackedFile file;
    file.Open(path, PackedFile::kReadMode, 0);
    std::string text(kTextBytes + 1, '\0');
    text.resize(file.Read(text.data(), text.size()));
    return text;
}

} // namespace

TEST(KilledSave, StartUpRemovesTheTemporaryFilesAndTheTargetStaysWhole)
{
    packedtest::TempFolder folder;
    const std::string target = folder.File("anna.dat");
    // A kill lands between two saves now and then; a few rounds catch writers mid-way.
    int kills = 0;
    for (; kills < 40 && TemporaryFiles(folder).size() < 3; ++kills) {
        const pid_t pid = StartSaving(target);
        ASSERT_GT(pid, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(kills % 7));
        ::kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFSIGNALED(status));
    }
    const std::size_t left = TemporaryFiles(folder).size();
    ASSERT_GT(left, 0u) << "no save was cut off in " << kills << " kills";

    // A running writer's file is never taken.
    const std::string running = TemporaryFileName::For(target, ::getpid(), 999);
    packedtest::WriteAll(running, "in progress");
    std::this_thread::sleep_for(std::chrono::milliseconds(20));

    const int removed =
        StaleTemporaryFiles::Remove(folder.Path().string(), std::filesystem::file_time_type::clock::now(),
                                    StaleTemporaryFiles::IsProcessAlive);
    EXPECT_EQ(removed, static_cast<int>(left));
    EXPECT_EQ(TemporaryFiles(folder),
              std::vector<std::string>{std::filesystem::path(running).filename().string()});
    EXPECT_EQ(Load(target), packedtest::GermanText(kTextBytes, kSeed));
}
