#include "users/UserProfile.h"
#include "UserTestFolder.h"

#include <csignal>
#include <sys/resource.h>

namespace {

const std::string kDefaultOptions = "!0:2:0:0:0:0:1:0:70:standard:";

class UserProfileTest : public UserTestFolder
{
protected:
    void WriteUser(const std::string& fileName, const std::vector<std::string>& lines)
    {
        WriteLines(Users() + fileName + ".dat", lines);
    }

    void Touch(const std::string& fileName, std::filesystem::file_time_type when)
    {
        std::filesystem::last_write_time(Users() + fileName, when);
    }
};

TEST_F(UserProfileTest, NewAccountIsSavedHashedAndLogsInAgain)
{
    UserProfile created;
    EXPECT_FALSE(created.ScanUsers(Users() + "*.dat"));
    EXPECT_TRUE(created.UserNames().empty());
    EXPECT_EQ(created.NewestUserIndex(), -1);

    // The login dialog's path for an unknown name.
    EXPECT_FALSE(created.LoadUser("Anna", false));
    EXPECT_EQ(created.Name(), "Anna");
    EXPECT_TRUE(created.KeyboardId().empty());
    ASSERT_TRUE(created.SetPassword("geheim"));
    created.AddUserName("Anna");
    created.SetKeyboardId("00000407");
    created.SetLessonSet("_a");
    created.SetSettingsLine(kDefaultOptions);
    created.firstName = "Anna";
    created.city = "Br\xF9nn"; // Windows-1250 bytes stay as they are
    created.RecordResult(0, 1700000000, 3.25, 142, 300);
    ASSERT_TRUE(created.IsDirty());
    ASSERT_TRUE(created.SaveUser(Users() + "Anna", false));
    EXPECT_FALSE(created.IsDirty());

    const auto data = ReadLines(Users() + "Anna.dat");
    ASSERT_EQ(data.size(), 6u);
    EXPECT_EQ(data[0], "Anna");
    EXPECT_TRUE(data[1].starts_with("$argon2id$"));
    EXPECT_EQ(data[1].find("geheim"), std::string::npos);
    EXPECT_EQ(data[2], "00000407");
    EXPECT_EQ(data[3], "_a");
    EXPECT_EQ(data[4], kDefaultOptions);
    EXPECT_EQ(data[5], "1700000000:3.25:142:300:1:");
    EXPECT_EQ(ReadLines(Users() + "Anna.dit"),
              (std::vector<std::string>{"Anna", "", "", "", "Br\xF9nn", ""}));

    UserProfile again;
    ASSERT_TRUE(again.ScanUsers(Users() + "*.dat"));
    EXPECT_EQ(again.UserNames(), std::vector<std::string>{"Anna"});
    EXPECT_EQ(again.NewestUserIndex(), 0);
    // Typed in lower case: found under the listed spelling, which names the files.
    ASSERT_TRUE(again.LoadUser("anna", false));
    EXPECT_EQ(again.Name(), "Anna");
    EXPECT_FALSE(again.CheckPassword("Geheim"));
    EXPECT_TRUE(again.CheckPassword("geheim"));
    EXPECT_FALSE(again.IsDirty());
    EXPECT_EQ(again.SettingsLine(), kDefaultOptions);
    EXPECT_EQ(again.firstName, "Anna");
    EXPECT_EQ(again.city, "Br\xF9nn");
    ASSERT_EQ(again.ProgressCount(), 1);
    EXPECT_EQ(again.Progress(0)->speed, 142);
}

TEST_F(UserProfileTest, PlainPasswordOfAnOlderFileLogsInAndIsHashedAtTheNextSave)
{
    const std::vector<std::string> old = {"Bert", "abcd",          "00000407",
                                          "_b",   kDefaultOptions, "5:1.50:90:60:2:"};
    WriteUser("Bert", old);
    UserProfile profile;
    profile.ScanUsers(Users() + "*.dat");
    ASSERT_TRUE(profile.LoadUser("Bert", false));
    EXPECT_FALSE(profile.CheckPassword("abcD"));
    EXPECT_FALSE(profile.IsDirty());
    EXPECT_EQ(profile.Password(), "abcd");

    EXPECT_TRUE(profile.CheckPassword("abcd"));
    EXPECT_TRUE(profile.IsDirty());
    ASSERT_TRUE(profile.SaveUser(Users() + "Bert", false));

    auto saved = ReadLines(Users() + "Bert.dat");
    ASSERT_EQ(saved.size(), old.size());
    EXPECT_TRUE(saved[1].starts_with("$argon2id$"));
    saved[1] = old[1];
    EXPECT_EQ(saved, old);

    UserProfile later;
    later.ScanUsers(Users() + "*.dat");
    ASSERT_TRUE(later.LoadUser("Bert", false));
    EXPECT_TRUE(later.CheckPassword("abcd"));
}

TEST_F(UserProfileTest, ScanListsValidNamesAndFindsTheNewestFile)
{
    WriteUser("Anna", {"Anna"});
    WriteUser("Bert.old", {"Bert"}); // listed by the text before the first dot
    WriteUser("Carl", {"Carl"});
    WriteUser("bad-name", {"x"}); // could never be loaded
    WriteLines(Users() + "notes.txt", {"x"});
    std::filesystem::create_directory(Users() + "Dir.dat");

    const auto base = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    for (const char* file : {"Anna.dat", "Bert.old.dat", "Carl.dat"})
        Touch(file, base);
    Touch("Bert.old.dat", base + std::chrono::minutes(5));

    UserProfile profile;
    ASSERT_TRUE(profile.ScanUsers(Users() + "*.dat"));
    auto names = profile.UserNames();
    ASSERT_EQ(names.size(), 3u);
    ASSERT_GE(profile.NewestUserIndex(), 0);
    EXPECT_EQ(names[static_cast<size_t>(profile.NewestUserIndex())], "Bert");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Anna", "Bert", "Carl"}));

    // Equal times: the first file delivered stays the newest.
    Touch("Bert.old.dat", base);
    ASSERT_TRUE(profile.ScanUsers(Users() + "*.dat"));
    EXPECT_EQ(profile.NewestUserIndex(), 0);

    EXPECT_FALSE(profile.ScanUsers(m_root + "missing/*.dat"));
    EXPECT_TRUE(profile.UserNames().empty());
    EXPECT_EQ(profile.NewestUserIndex(), -1);
}

TEST_F(UserProfileTest, LoadRefusesUnknownMissingAndForeignFiles)
{
    WriteUser("Anna", {"Anna", "pw", "00000407", "_a", kDefaultOptions});
    WriteUser("Otto", {"Someone", "pw", "00000407", "_a", kDefaultOptions});

    UserProfile profile;
    // Not scanned yet: the name is unknown even though its file exists.
    EXPECT_FALSE(profile.LoadUser("Anna", false));
    EXPECT_EQ(profile.Name(), "Anna");

    profile.ScanUsers(Users() + "*.dat");
    EXPECT_FALSE(profile.LoadUser("Otto", false));
    profile.AddUserName("Gone");
    EXPECT_FALSE(profile.LoadUser("Gone", false));

    WriteUser("Anna", {"ANNA", "pw", "00000409", "_b", kDefaultOptions});
    ASSERT_TRUE(profile.LoadUser("Anna", false));
    EXPECT_EQ(profile.KeyboardId(), "00000409");
    EXPECT_EQ(profile.ProgressCount(), 0);
    EXPECT_TRUE(profile.firstName.empty()); // no details file is no failure
    EXPECT_FALSE(profile.IsDirty());
}

TEST_F(UserProfileTest, LoadReplacesTheWholePreviousUser)
{
    WriteUser("Anna", {"Anna", "pw", "k", "_a", "!1:", "1:1.00:100:10:1:"});
    WriteLines(Users() + "Anna.dit", {"A", "B", "C", "D", "E", "F"});
    WriteUser("Bert", {"Bert", "pw2"});
    WriteLines(Users() + "Bert.dit", {"Only first"});

    UserProfile profile;
    profile.ScanUsers(Users() + "*.dat");
    ASSERT_TRUE(profile.LoadUser("Anna", false));
    EXPECT_EQ(profile.country, "F");
    ASSERT_TRUE(profile.LoadUser("Bert", false));
    EXPECT_EQ(profile.Password(), "pw2");
    EXPECT_TRUE(profile.KeyboardId().empty());
    EXPECT_TRUE(profile.SettingsLine().empty());
    EXPECT_EQ(profile.ProgressCount(), 0);
    EXPECT_EQ(profile.firstName, "Only first");
    EXPECT_TRUE(profile.country.empty());
}

TEST_F(UserProfileTest, ProgressParsingStopsAtTheFirstDamagedLine)
{
    WriteUser("Anna", {"Anna", "pw", "k", "_a", kDefaultOptions, "100:2.50:120:600:3:",
                       "x:y:z:w:v:", // non-numeric: zeros
                       "99999999999999999999999:1e999:99999999999:-99999999999999999999:77777777777:",
                       "1:2:3:4:5", // last colon missing
                       "200:1.00:150:60:1:"});
    UserProfile profile;
    profile.ScanUsers(Users() + "*.dat");
    ASSERT_TRUE(profile.LoadUser("Anna", false));
    ASSERT_EQ(profile.ProgressCount(), 3);
    EXPECT_EQ(profile.Progress(0)->date, 100);
    EXPECT_DOUBLE_EQ(profile.Progress(0)->errorRate, 2.5);
    EXPECT_EQ(profile.Progress(0)->speed, 120);
    EXPECT_EQ(profile.Progress(0)->totalSeconds, 600);
    EXPECT_EQ(profile.Progress(0)->attempts, 3);
    EXPECT_EQ(profile.Progress(1)->speed, 0);
    EXPECT_EQ(profile.Progress(1)->date, 0);
    // Out-of-range numbers are clamped, and adding to them does not overflow.
    const LessonProgress* huge = profile.Progress(2);
    EXPECT_GT(huge->date, 0);
    EXPECT_GT(huge->speed, 0);
    EXPECT_LT(huge->totalSeconds, 0);
    profile.RecordResult(2, 5, 0.0, 0, -100);
    profile.RecordResult(2, 5, 0.0, 0, 100);
    EXPECT_GT(profile.Progress(2)->attempts, 0);

    // The dropped lines are gone after the next save.
    ASSERT_TRUE(profile.SaveUser(Users() + "Anna", false));
    EXPECT_EQ(ReadLines(Users() + "Anna.dat").size(), 8u);
}

TEST_F(UserProfileTest, NamesThatCannotBeFileNamesAreRefused)
{
    for (const char* good : {"Anna", "Max 2", "ab", "0815"})
        EXPECT_TRUE(UserProfile::IsValidUserName(good)) << good;
    for (const std::string& bad : {std::string(), std::string(".."), std::string("../x"), std::string("a/b"),
                                   std::string("a\\b"), std::string("a.b"), std::string("a\tb"),
                                   std::string("M\xFCller"), std::string("a\0b", 3), std::string(50, 'a')})
        EXPECT_FALSE(UserProfile::IsValidUserName(bad)) << bad;

    WriteLines(m_root + "evil.dat", {"../evil", "pw"});
    UserProfile profile;
    profile.AddUserName("../evil");
    EXPECT_FALSE(profile.LoadUser("../evil", false));
    profile.SetSettingsLine("!");
    EXPECT_FALSE(profile.SaveUser(Users() + "../evil", true));
    EXPECT_FALSE(profile.SaveUser(Users() + "Anna", true)); // the user's own name is invalid
    EXPECT_FALSE(std::filesystem::exists(Users() + "Anna.dat"));
    EXPECT_FALSE(profile.CopyFromDiskette("../evil"));
    EXPECT_TRUE(profile.IsDirty());
}

TEST_F(UserProfileTest, CourseThatWouldLeaveTheProgramFolderIsDropped)
{
    const std::vector<std::pair<std::string, std::string>> courses = {
        {"../../tmp/x", "_a"}, {"00000409", "../../tmp/x"}, {"..", "_a"}, {"00000409", "a\\b"}};
    for (const auto& [keyboard, lessonSet] : courses) {
        WriteUser("Anna", {"Anna", "pw", keyboard, lessonSet, kDefaultOptions, "1:1.00:100:10:1:"});
        UserProfile profile;
        profile.ScanUsers(Users() + "*.dat");
        ASSERT_TRUE(profile.LoadUser("Anna", false)) << keyboard << lessonSet;
        EXPECT_EQ(profile.KeyboardId(), "") << keyboard << lessonSet;
        EXPECT_EQ(profile.LessonSet(), "") << keyboard << lessonSet;
        EXPECT_EQ(profile.ProgressCount(), 1); // the rest of the user stays
    }
}

TEST_F(UserProfileTest, FailedSaveKeepsThePreviousFilesAndStaysDirty)
{
    UserProfile profile;
    profile.LoadUser("Anna", false);
    profile.SetSettingsLine(kDefaultOptions);
    profile.firstName = "Old";
    ASSERT_TRUE(profile.SaveUser(Users() + "Anna", false));
    const auto oldData = ReadLines(Users() + "Anna.dat");
    const auto oldDetails = ReadLines(Users() + "Anna.dit");

    profile.firstName = "New";
    profile.AddEmptyRecords(200);
    EXPECT_FALSE(profile.SaveUser(m_root + "missing/Anna", false));
    EXPECT_TRUE(profile.IsDirty());

    // Writes beyond a tiny file size limit fail even for root.
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = previous;
    tiny.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const bool saved = profile.SaveUser(Users() + "Anna", false);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    EXPECT_TRUE(profile.IsDirty());
    EXPECT_EQ(ReadLines(Users() + "Anna.dat"), oldData);
    EXPECT_EQ(ReadLines(Users() + "Anna.dit"), oldDetails);
    ASSERT_TRUE(profile.SaveUser(Users() + "Anna", false));
    EXPECT_EQ(ReadLines(Users() + "Anna.dit")[0], "New");
}

TEST_F(UserProfileTest, UnchangedUserIsNotWrittenAndAChangedOneIsSavedOnDestruction)
{
    {
        UserProfile profile;
        profile.LoadUser("Anna", false);
        EXPECT_TRUE(profile.SaveUser(Users() + "Anna", false));
        EXPECT_FALSE(std::filesystem::exists(Users() + "Anna.dat"));
        profile.SetSettingsLine(kDefaultOptions);
    }
    EXPECT_EQ(ReadLines(Users() + "Anna.dat")[4], kDefaultOptions);

    // Nobody logged in: a change has no name to be kept under.
    {
        UserProfile nobody;
        nobody.SetSettingsLine("!1:");
    }
    EXPECT_FALSE(std::filesystem::exists(Users() + ".dat"));
}

} // namespace
