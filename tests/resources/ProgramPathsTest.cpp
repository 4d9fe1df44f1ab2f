#include "resources/ProgramPaths.h"

#include <cstdlib>
#include <gtest/gtest.h>

TEST(ProgramPaths, HomeVariableReplacesTheExecutableFolder)
{
    ProgramPaths::SetProgramFolderForTesting({});
    ::setenv("TIPPWERK_HOME", "/opt/tippwerk", 1);
    EXPECT_EQ(ProgramFilePath("lessons", "00000407_a.ddd"), "/opt/tippwerk/lessons/00000407_a.ddd");
    EXPECT_EQ(ProgramFilePath("", "help.html"), "/opt/tippwerk/help.html");
    ::unsetenv("TIPPWERK_HOME");
    const std::string own = ProgramPaths::ProgramFolder();
    ASSERT_FALSE(own.empty());
    EXPECT_EQ(own.back(), '/');
    EXPECT_EQ(ProgramFilePath("config", "hands.ddd"), own + "config/hands.ddd");
}

TEST(ProgramPaths, TestOverrideWins)
{
    ProgramPaths::SetProgramFolderForTesting("/tmp/x");
    EXPECT_EQ(ProgramFilePath("users", "a.dat"), "/tmp/x/users/a.dat");
    ProgramPaths::SetProgramFolderForTesting({});
}
