#include "keyboard/PosixProgramRunner.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// Owns one file descriptor; closes it when it goes.
class ScopedFd
{
public:
    explicit ScopedFd(int fd = -1)
        : m_fd(fd)
    {}
    ScopedFd(const ScopedFd&) = delete;
    ScopedFd& operator=(const ScopedFd&) = delete;
    ~ScopedFd() { Close(); }

    int Get() const { return m_fd; }
    void Close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd;
};

struct FileActionsDeleter
{
    void operator()(posix_spawn_file_actions_t* actions) const
    {
        posix_spawn_file_actions_destroy(actions);
        delete actions;
    }
};

using FileActions = std::unique_ptr<posix_spawn_file_actions_t, FileActionsDeleter>;

FileActions MakeFileActions(int outputFd)
{
    auto* raw = new posix_spawn_file_actions_t;
    if (posix_spawn_file_actions_init(raw) != 0) {
        delete raw;
        return nullptr;
    }
    FileActions actions(raw);
    // The pipe's own descriptors are close-on-exec; dup2 gives the child a plain copy.
    if (posix_spawn_file_actions_addopen(raw, STDIN_FILENO, "/dev/null", O_RDONLY, 0) != 0 ||
        posix_spawn_file_actions_adddup2(raw, outputFd, STDOUT_FILENO) != 0 ||
        posix_spawn_file_actions_addopen(raw, STDERR_FILENO, "/dev/null", O_WRONLY, 0) != 0)
        return nullptr;
    return actions;
}

int MillisecondsUntil(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left < 0 ? 0 : static_cast<int>(left);
}

// Reads until end of file or the deadline; keeps at most `cap` bytes. False on timeout.
bool ReadOutput(int fd, Clock::time_point deadline, std::size_t cap, std::string& output)
{
    char buffer[4096];
    for (;;) {
        pollfd entry{fd, POLLIN, 0};
        const int ready = ::poll(&entry, 1, MillisecondsUntil(deadline));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return ready != 0; // an error other than a timeout ends reading like end of file
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return true;
        const std::size_t room = cap - std::min(cap, output.size());
        output.append(buffer, std::min(room, static_cast<std::size_t>(got)));
    }
}

// Waits for the child until the deadline, then kills it. The exit code, or -1.
int Reap(pid_t pid, Clock::time_point deadline, bool alreadyLate)
{
    int status = 0;
    bool killed = alreadyLate;
    if (alreadyLate)
        ::kill(pid, SIGKILL);
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, killed ? 0 : WNOHANG);
        if (done == pid)
            break;
        if (done < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (Clock::now() >= deadline) {
            ::kill(pid, SIGKILL);
            killed = true;
            continue;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (killed || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

} // namespace

PosixProgramRunner::PosixProgramRunner(std::chrono::milliseconds timeLimit)
    : m_timeLimit(timeLimit)
{}

ProgramRunner::Result PosixProgramRunner::Run(const std::string& program,
                                              const std::vector<std::string>& arguments)
{
    Result result;
    if (program.empty())
        return result;

    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return result;
    ScopedFd readEnd(fds[0]);
    ScopedFd writeEnd(fds[1]);

    const FileActions actions = MakeFileActions(writeEnd.Get());
    if (!actions)
        return result;

    std::vector<char*> argv;
    argv.reserve(arguments.size() + 2);
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    pid_t pid = 0;
    if (::posix_spawnp(&pid, program.c_str(), actions.get(), nullptr, argv.data(), environ) != 0)
        return result;
    writeEnd.Close();
    result.started = true;

    const Clock::time_point deadline = Clock::now() + m_timeLimit;
    const bool inTime = ReadOutput(readEnd.Get(), deadline, kOutputCap, result.output);
    result.exitStatus = Reap(pid, deadline, !inTime);
    return result;
}
