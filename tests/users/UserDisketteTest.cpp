#include "UserTestFolder.h"
#include "users/DisketteFolder.h"
#include "users/UserProfile.h"

namespace {

class UserDisketteTest : public UserTestFolder
{
protected:
    void SetUp() override
    {
        UserTestFolder::SetUp();
        std::filesystem::create_directory(m_root + "stick");
        m_diskette = m_root + "stick/Tippwerk/";
        ::setenv("TIPPWERK_DISKETTE", (m_root + "stick/Tippwerk").c_str(), 1);
    }

    std::string m_diskette;
};

TEST_F(UserDisketteTest, SaveCreatesTheFolderAndLoadCopiesBack)
{
    ASSERT_EQ(DisketteFolder::Path(), m_diskette);
    WriteLines(Users() + "Anna.dat", {"Anna", "abcd", "00000407", "_a", "!0:", "1:0.50:100:60:1:"});
    WriteLines(Users() + "Anna.dit", {"Anna", "Berg"});

    UserProfile profile;
    profile.ScanUsers(Users() + "*.dat");
    ASSERT_TRUE(profile.LoadUser("Anna", false));
    ASSERT_FALSE(profile.IsDirty());
    // Written even without unsaved changes.
    ASSERT_TRUE(profile.SaveToDiskette("Anna"));
    EXPECT_FALSE(profile.FromDiskette());
    EXPECT_EQ(ReadLines(m_diskette + "Anna.dat"), ReadLines(Users() + "Anna.dat"));
    EXPECT_EQ(ReadLines(m_diskette + "Anna.dit")[1], "Berg");

    // Another machine: no local files, the user comes from the diskette.
    std::filesystem::remove(Users() + "Anna.dat");
    std::filesystem::remove(Users() + "Anna.dit");
    UserProfile other;
    ASSERT_TRUE(other.ScanUsers(m_diskette + "*.dat"));
    EXPECT_EQ(other.UserNames(), std::vector<std::string>{"Anna"});
    ASSERT_TRUE(other.LoadUser("Anna", true));
    EXPECT_EQ(other.lastName, "Berg");
    ASSERT_EQ(other.ProgressCount(), 1);
    // Reading copies nothing; the login copies once the password matched.
    EXPECT_FALSE(std::filesystem::exists(Users() + "Anna.dat"));
    ASSERT_TRUE(other.CopyFromDiskette("Anna"));
    EXPECT_TRUE(other.FromDiskette());
    EXPECT_EQ(ReadLines(Users() + "Anna.dat"), ReadLines(m_diskette + "Anna.dat"));
    EXPECT_TRUE(std::filesystem::exists(Users() + "Anna.dit"));
    // No temporary files are left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Users()), {}), 2);
}

TEST_F(UserDisketteTest, AMissingMediumFailsLikeAnEmptyDrive)
{
    WriteLines(Users() + "Anna.dat", {"Anna", "abcd"});
    UserProfile profile;
    profile.ScanUsers(Users() + "*.dat");
    ASSERT_TRUE(profile.LoadUser("Anna", false));

    // The diskette folder exists but holds no user: the copy fails, the local file stays.
    std::filesystem::create_directory(m_diskette);
    EXPECT_FALSE(profile.ScanUsers(m_diskette + "*.dat"));
    EXPECT_FALSE(profile.CopyFromDiskette("Anna"));
    EXPECT_TRUE(profile.FromDiskette());
    EXPECT_EQ(ReadLines(Users() + "Anna.dat")[1], "abcd");

    // The medium itself is missing: saving fails after the local save.
    ::setenv("TIPPWERK_DISKETTE", (m_root + "gone/Tippwerk").c_str(), 1);
    profile.SetSettingsLine("!1:");
    EXPECT_FALSE(profile.SaveToDiskette("Anna"));
    EXPECT_FALSE(profile.FromDiskette());
    EXPECT_FALSE(profile.IsDirty());
    EXPECT_EQ(ReadLines(Users() + "Anna.dat")[4], "!1:");
    EXPECT_FALSE(std::filesystem::exists(m_root + "gone"));
}

TEST(DisketteFolder, FirstMediumMountedForTheUser)
{
    const std::string mounts = "/dev/sda1 / ext4 rw 0 0\n"
                               "tmpfs /media/bob tmpfs rw 0 0\n"
                               "/dev/sdc1 /media/alice/OTHER vfat rw 0 0\n"
                               "/dev/sdb1 /media/bob/MY\\040STICK vfat rw 0 0\n"
                               "/dev/sdd1 /run/media/bob/SECOND vfat rw 0 0\n";
    EXPECT_EQ(DisketteFolder::FromMountTable(mounts, "bob"), "/media/bob/MY STICK/Tippwerk/");
    EXPECT_EQ(DisketteFolder::FromMountTable("/dev/sdd1 /run/media/carl/X vfat rw 0 0\n", "carl"),
              "/run/media/carl/X/Tippwerk/");
    EXPECT_EQ(DisketteFolder::FromMountTable(mounts, "dora"), "");
    EXPECT_EQ(DisketteFolder::FromMountTable(mounts, ""), "");
}

} // namespace
