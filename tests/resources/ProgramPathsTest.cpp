#include "resources/ProgramPaths.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

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

TEST(ProgramPaths, UsersFolderFollowsTheProgramFolderOutsideAnInstallation)
{
    ProgramPaths::SetProgramFolderForTesting("/tmp/x");
    EXPECT_EQ(ProgramPaths::UsersFolder(), "/tmp/x/users/");
    ProgramPaths::SetProgramFolderForTesting({});
    ::setenv("TIPPWERK_HOME", "/opt/tippwerk", 1);
    ::setenv("XDG_DATA_HOME", "/xdg", 1);
    EXPECT_EQ(ProgramPaths::UsersFolder(), "/opt/tippwerk/users/");
    ::unsetenv("TIPPWERK_HOME");
    ::unsetenv("XDG_DATA_HOME");
}

TEST(ProgramPaths, InstalledProgramKeepsDataInShareAndUsersInTheXdgDataFolder)
{
    const fs::path root = fs::temp_directory_path() / ("tippwerk-paths-" + std::to_string(::getpid()));
    fs::create_directories(root / "usr/bin");
    fs::create_directories(root / "usr/share/tippwerk/config");
    fs::create_directories(root / "build/tippwerk/users");
    fs::create_directories(root / "odd/bin");
    fs::create_directories(root / "odd/share");
    std::ofstream(root / "odd/share/tippwerk") << "not a folder";
    const std::string r = root.string();
    const std::string installed = r + "/usr/share/tippwerk/";

    struct Case
    {
        std::string exe, tippwerkHome, xdg, home;
        std::string program, users;
        bool installed;
    };
    const Case cases[] = {
        // The build's installation folder keeps users/ beside the program.
        {r + "/build/tippwerk", "", "/xdg", "/home/a", r + "/build/tippwerk/", r + "/build/tippwerk/users/",
         false},
        {r + "/build/tippwerk/", "", "", "", r + "/build/tippwerk/", r + "/build/tippwerk/users/", false},
        // TIPPWERK_HOME wins over an installation and over the XDG folders.
        {r + "/usr/bin", "/opt/tw", "/xdg", "/home/a", "/opt/tw/", "/opt/tw/users/", false},
        {r + "/usr/bin", "/opt/tw/", "", "", "/opt/tw/", "/opt/tw/users/", false},
        // Installed: data under ../share/tippwerk, users in the XDG data folder.
        {r + "/usr/bin", "", "/xdg", "/home/a", installed, "/xdg/tippwerk/users/", true},
        {r + "/usr/bin", "", "/xdg/", "/home/a", installed, "/xdg/tippwerk/users/", true},
        {r + "/usr/bin", "", "", "/home/a", installed, "/home/a/.local/share/tippwerk/users/", true},
        {r + "/usr/bin", "", "", "/root/", installed, "/root/.local/share/tippwerk/users/", true},
        // A relative XDG_DATA_HOME is invalid and ignored; without any home, no users folder.
        {r + "/usr/bin", "", "data", "/home/a", installed, "/home/a/.local/share/tippwerk/users/", true},
        {r + "/usr/bin", "", "", "", installed, "", true},
        {r + "/usr/bin", "", "", "relative", installed, "", true},
        // Only a folder share/tippwerk makes an installation.
        {r + "/odd/bin", "", "/xdg", "/home/a", r + "/odd/bin/", r + "/odd/bin/users/", false},
        // An unknown executable folder leaves both unknown.
        {"", "", "/xdg", "/home/a", "", "", false},
    };
    for (const Case& c : cases) {
        const ProgramPaths::Folders folders = ProgramPaths::Resolve(c.exe, c.tippwerkHome, c.xdg, c.home);
        const std::string label = c.exe + " | " + c.tippwerkHome + " | " + c.xdg + " | " + c.home;
        EXPECT_EQ(folders.program, c.program) << label;
        EXPECT_EQ(folders.users, c.users) << label;
        EXPECT_EQ(folders.installed, c.installed) << label;
    }
    fs::remove_all(root);
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
