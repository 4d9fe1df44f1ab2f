// SIGTERM and SIGINT end the program through its close path, and the temporary folder of
// rendered beeps goes with it.

#include <QDir>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

namespace {

// The helper run with its output on a pipe, read line by line with a time limit.
class Helper
{
public:
    explicit Helper(const std::string& mode)
    {
        int out[2];
        if (::pipe(out) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        std::string program = TERMINATION_HELPER_PATH;
        char* argv[] = {program.data(), const_cast<char*>(mode.c_str()), nullptr};
        if (::posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv, environ) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        m_out = out[0];
    }
    ~Helper()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
        if (m_out >= 0)
            ::close(m_out);
    }

    pid_t Pid() const { return m_pid; }

    // The next line without its end; empty after ten seconds of silence or at the end.
    std::string NextLine()
    {
        for (;;) {
            if (const std::size_t end = m_buffer.find('\n'); end != std::string::npos) {
                const std::string line = m_buffer.substr(0, end);
                m_buffer.erase(0, end + 1);
                return line;
            }
            pollfd ready{m_out, POLLIN, 0};
            char bytes[256];
            if (::poll(&ready, 1, 10000) <= 0)
                return {};
            const ssize_t n = ::read(m_out, bytes, sizeof bytes);
            if (n <= 0)
                return {};
            m_buffer.append(bytes, static_cast<std::size_t>(n));
        }
    }

    // The exit status once the helper has ended by itself, or -1.
    int Wait()
    {
        int status = 0;
        const pid_t pid = m_pid;
        m_pid = -1;
        if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
            return -1;
        return WEXITSTATUS(status);
    }

private:
    pid_t m_pid = -1;
    int m_out = -1;
    std::string m_buffer;
};

} // namespace

TEST(TerminationSignals, EndTheProgramThroughItsClosePathAndRemoveTheBeepFolder)
{
    const struct
    {
        std::string mode;
        std::vector<int> signals;
        std::string end;
    } cases[] = {
        {"window", {SIGTERM}, "closed"},
        {"window", {SIGINT}, "closed"},
        // Before the main window (welcome screen, login) the program just ends.
        {"", {SIGTERM}, "open"},
        // A second signal ends a question the close path waits on.
        {"asking", {SIGTERM, SIGTERM}, "closed"},
    };
    const QString base = QDir::tempPath();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode + " " + std::to_string(c.signals.size()));
        QTemporaryDir temporaryFolder(base + QStringLiteral("/tippwerk-termination-XXXXXX"));
        ASSERT_TRUE(temporaryFolder.isValid());
        // Where the helper's beep folder goes.
        ::setenv("TMPDIR", temporaryFolder.path().toLocal8Bit().constData(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        Helper helper(c.mode);
        ASSERT_GT(helper.Pid(), 0);
        const std::string ready = helper.NextLine();
        ASSERT_EQ(ready.rfind("ready " + temporaryFolder.path().toStdString() + "/Tippwerk-", 0), 0u)
            << ready;
        EXPECT_TRUE(QDir(QString::fromStdString(ready.substr(6))).exists());

        ::kill(helper.Pid(), c.signals.front());
        if (c.signals.size() > 1) {
            ASSERT_EQ(helper.NextLine(), "asking");
            ::kill(helper.Pid(), c.signals.back());
        }
        EXPECT_EQ(helper.NextLine(), c.end);
        EXPECT_EQ(helper.Wait(), 0);
        // Qt's own runtime folder may stay beside it.
        EXPECT_EQ(QDir(temporaryFolder.path()).entryList({QStringLiteral("Tippwerk-*")}, QDir::AllEntries),
                  QStringList());
    }
}
