#include "keyboard/PosixProgramRunner.h"

#include <gtest/gtest.h>

namespace {

TEST(LayoutSwitchRunnerTest, ArgumentsReachTheProgramUnchangedWithoutAShell)
{
    PosixProgramRunner runner;
    const auto result = runner.Run("echo", {"a  b", "$HOME;", "`id`", "*"});
    ASSERT_TRUE(result.started);
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.output, "a  b $HOME; `id` *\n");
}

TEST(LayoutSwitchRunnerTest, ExitStatusAndMissingPrograms)
{
    PosixProgramRunner runner;
    const auto failed = runner.Run("false", {});
    EXPECT_TRUE(failed.started);
    EXPECT_EQ(failed.exitStatus, 1);

    const auto missing = runner.Run("tippwerk-no-such-program", {"-query"});
    EXPECT_FALSE(missing.started);
    EXPECT_FALSE(runner.Run("", {}).started);
    EXPECT_FALSE(runner.Run("/nonexistent/setxkbmap", {}).started);
}

TEST(LayoutSwitchRunnerTest, NeitherInputNorOutputNorTimeIsUnbounded)
{
    PosixProgramRunner runner(std::chrono::milliseconds(300));

    // Standard input is empty: a program reading it ends at once.
    const auto reader = runner.Run("cat", {});
    EXPECT_EQ(reader.exitStatus, 0);
    EXPECT_EQ(reader.output, "");

    const auto flood = runner.Run("head", {"-c", "1000000", "/dev/zero"});
    EXPECT_EQ(flood.exitStatus, 0);
    EXPECT_EQ(flood.output.size(), PosixProgramRunner::kOutputCap);

    // Killed at the time limit, whether it keeps its output open or not.
    const auto sleeper = runner.Run("sleep", {"30"});
    EXPECT_TRUE(sleeper.started);
    EXPECT_EQ(sleeper.exitStatus, -1);
    const auto closed = runner.Run("sh", {"-c", "exec sleep 30 >&-"});
    EXPECT_EQ(closed.exitStatus, -1);
}

} // namespace
