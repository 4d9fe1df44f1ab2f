#include "UserTestFolder.h"
#include "users/UserProfile.h"

#include <cerrno>
#include <cstring>
#include <functional>
#include <unistd.h>

namespace {

class UserSaveFailureTest : public UserTestFolder
{
protected:
    // Anna with unsaved changes: a progress record and her details.
    void ChangedAnna(UserProfile& profile)
    {
        profile.LoadUser("Anna", false);
        profile.RecordResult(0, 1700000000, 2.0, 100, 30);
        profile.firstName = "Anna";
        profile.lastName = "Berg";
    }
};

TEST_F(UserSaveFailureTest, AFailedSaveNamesTheFileAndTheReasonAndKeepsTheChanges)
{
    struct Case
    {
        const char* what;
        std::function<void()> breakIt;
        std::function<void()> repair;
        const char* file;
        int error;
    };
    const std::string users = Users();
    const std::string folder = users.substr(0, users.size() - 1);
    const std::vector<Case> cases = {
        // The data file is written, the details file cannot replace a folder.
        {"details file is a folder", [&] { std::filesystem::create_directories(users + "Anna.dit/x"); },
         [&] { std::filesystem::remove_all(users + "Anna.dit"); }, "Anna.dit", EISDIR},
        {"read-only users folder",
         [&] { std::filesystem::permissions(folder, std::filesystem::perms(0500)); },
         [&] { std::filesystem::permissions(folder, std::filesystem::perms(0755)); }, "Anna.dat", EACCES},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.error == EACCES && ::geteuid() == 0)
            continue; // root ignores permissions
        // The profile of the case before saved itself at its end.
        std::filesystem::remove(users + "Anna.dat");
        std::filesystem::remove(users + "Anna.dit");
        UserProfile profile;
        ChangedAnna(profile);
        c.breakIt();
        const UserSaveResult failed = profile.SaveUser(users + "Anna", false);
        EXPECT_FALSE(failed);
        EXPECT_EQ(failed.path, users + c.file);
        EXPECT_EQ(failed.reason, std::strerror(c.error));
        EXPECT_FALSE(failed.repeated);
        EXPECT_TRUE(profile.IsDirty());
        // The user has been told: the same failure again is no news.
        EXPECT_TRUE(profile.SaveUser(users + "Anna", false).repeated);

        c.repair();
        ASSERT_TRUE(profile.SaveUser(users + "Anna", false));
        EXPECT_FALSE(profile.IsDirty());
        EXPECT_EQ(ReadLines(users + "Anna.dat").size(), 6u);
        EXPECT_EQ(ReadLines(users + "Anna.dit")[1], "Berg");
    }
}

TEST_F(UserSaveFailureTest, TheDisketteKeepsALocalFileThatDoesNotLoadAside)
{
    const std::string diskette = m_root + "stick/";
    ::setenv("TIPPWERK_DISKETTE", diskette.c_str(), 1);
    std::filesystem::create_directory(diskette);
    WriteLines(diskette + "Anna.dat", {"Anna", "abcd", "00000407", "_a", ""});
    WriteLines(Users() + "Anna.dat", {"Adam", "abcd"});
    WriteLines(Users() + "Anna.dit", {"Anna", "Berg"});

    UserProfile profile;
    ASSERT_TRUE(profile.CopyFromDiskette("Anna"));
    EXPECT_EQ(ReadLines(Users() + "Anna.dat.damaged")[0], "Adam");
    EXPECT_EQ(ReadLines(Users() + "Anna.dit.damaged")[1], "Berg");
    EXPECT_EQ(ReadLines(Users() + "Anna.dat")[0], "Anna");

    // A local file that loads is the user's own and simply replaced.
    ASSERT_TRUE(profile.CopyFromDiskette("Anna"));
    EXPECT_FALSE(std::filesystem::exists(Users() + "Anna.dat.damaged.1"));
}

} // namespace
