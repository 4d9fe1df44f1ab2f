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

TEST(ProgramPaths, NamesFromFilesCannotLeadOutOfTheirFolder)
{
    for (const std::string good : {"", "00000407", "_a", "Herbst", "...", "a..b", "\xE4\x9A"})
        EXPECT_TRUE(IsSafeFileName(good)) << good;
    for (const std::string& bad : {std::string("."), std::string(".."), std::string("../../tmp/x"),
                                   std::string("a/b"), std::string("/etc"), std::string("a\\b"),
                                   std::string("a\tb"), std::string("a\x7F"), std::string("a\0b", 3)})
        EXPECT_FALSE(IsSafeFileName(bad)) << bad;
}
