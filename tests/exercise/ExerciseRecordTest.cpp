#include "exercise/ExerciseRecord.h"
#include "exercise/LessonCatalog.h"
#include "exercise/LineFile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr char kLineEnd = static_cast<char>(164);

class ExerciseRecordTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("tippwerk-record-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string PathOf(const std::string& name) const { return (m_dir / name).string(); }

    std::vector<std::string> LinesOf(const std::string& path)
    {
        LineFile file;
        EXPECT_TRUE(file.LoadLines(path));
        return file.Lines();
    }

    std::string WriteLines(const std::string& name, const std::vector<std::string>& lines)
    {
        LineFile file;
        for (const auto& line : lines)
            file.AddLine(line);
        EXPECT_TRUE(file.SaveLines(PathOf(name)));
        return PathOf(name);
    }

    static std::vector<std::string> Header(const std::string& magic = "tvr STAT 1.0")
    {
        return {magic, "929000000", "Anna", "3", "Lektion 4", "0.800", "76", "120"};
    }

    static KeystrokeEntry Entry(const ExerciseRecord& record, int i)
    {
        KeystrokeEntry entry;
        EXPECT_TRUE(record.EntryAt(i, entry.interval, entry.expected, entry.typed));
        return entry;
    }

    fs::path m_dir;
};

TEST_F(ExerciseRecordTest, TenHoursOfTypingLoadThoughLargerThanAnyOtherDataFile)
{
    // 600,000 keystrokes with long pauses and errors: over 8 MiB of text.
    std::vector<std::string> lines = Header();
    lines.resize(lines.size() + 600000, "1234567:a:b:");
    ExerciseRecord record;
    ASSERT_TRUE(record.LoadStatistics(WriteLines("lang.stat", lines)));
    EXPECT_EQ(record.EntryCount(), 600000);
}

TEST_F(ExerciseRecordTest, EmptyRecordSavesAsEightHeaderLinesAndLoadsBack)
{
    ExerciseRecord record;
    record.BeginExercise(FREE_TEXT_LESSON, "Anna", 0.8, 120, "Freier Text", 4321, 1700000000);
    ASSERT_TRUE(record.SaveStatistics(PathOf("empty.stat")));

    const std::vector<std::string> expected = {"tvr STAT 1.0", "1700000000", "Anna", "1111",
                                               "Freier Text",  "0.800",      "120",  "4321"};
    EXPECT_EQ(LinesOf(PathOf("empty.stat")), expected);

    ExerciseRecord loaded;
    loaded.AddKeystroke('a', 'a', 1);
    ASSERT_TRUE(loaded.LoadStatistics(PathOf("empty.stat")));
    EXPECT_EQ(loaded.EntryCount(), 0);
    EXPECT_EQ(loaded.StartTime(), 1700000000);
    EXPECT_EQ(loaded.UserName(), "Anna");
    EXPECT_EQ(loaded.LessonIndex(), FREE_TEXT_LESSON);
    EXPECT_EQ(loaded.Title(), "Freier Text");
    EXPECT_DOUBLE_EQ(loaded.ErrorRateLimit(), 0.8);
    EXPECT_EQ(loaded.SpeedLimit(), 120);
    EXPECT_EQ(loaded.TotalCharacters(), 4321);
}

TEST_F(ExerciseRecordTest, KeystrokesAreWrittenWithColonsEscapedAndReadBack)
{
    ExerciseRecord record;
    record.BeginExercise(2, "Anna", 1.25, 68, "Lektion 3", 10, 1);
    record.AddKeystroke('a', 'a', 250);
    record.AddKeystroke('b', 'x', 180);
    record.AddKeystroke(kLineEnd, kLineEnd, 400);
    record.AddKeystroke(':', '~', 90);
    record.AddKeystroke('a', '~', 70);
    ASSERT_TRUE(record.SaveStatistics(PathOf("keys.stat")));

    const auto lines = LinesOf(PathOf("keys.stat"));
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[5], "1.250");
    EXPECT_EQ(lines[8], "250:a:");
    EXPECT_EQ(lines[9], "180:b:x:");
    EXPECT_EQ(lines[10], std::string("400:") + kLineEnd + ":");
    EXPECT_EQ(lines[11], "90:~:~:");
    EXPECT_EQ(lines[12], "70:a:~:");

    ExerciseRecord loaded;
    ASSERT_TRUE(loaded.LoadStatistics(PathOf("keys.stat")));
    ASSERT_EQ(loaded.EntryCount(), 5);
    EXPECT_EQ(Entry(loaded, 1).typed, 'x');
    EXPECT_EQ(Entry(loaded, 2).expected, kLineEnd);
    EXPECT_EQ(Entry(loaded, 2).interval, 400);
    // '~' cannot be told from an escaped colon: both read back as ':'.
    EXPECT_EQ(Entry(loaded, 3).expected, ':');
    EXPECT_EQ(Entry(loaded, 3).typed, ':');
    EXPECT_EQ(Entry(loaded, 4).expected, 'a');
    EXPECT_EQ(Entry(loaded, 4).typed, ':');
}

TEST_F(ExerciseRecordTest, KeystrokeLinesParseUntilTheFirstDamagedOne)
{
    auto lines = Header();
    lines.insert(lines.end(),
                 {"250:a:", "250:a:s:", "12::", "99999999999:q:", "300:b:c:d:", "17:z", "40:e:"});
    ExerciseRecord record;
    ASSERT_TRUE(record.LoadStatistics(WriteLines("damaged.stat", lines)));

    ASSERT_EQ(record.EntryCount(), 5);
    EXPECT_EQ(Entry(record, 0).interval, 250);
    EXPECT_EQ(Entry(record, 0).typed, 'a');
    EXPECT_EQ(Entry(record, 1).typed, 's');
    EXPECT_EQ(Entry(record, 2).expected, '\0');
    // Intervals beyond 32 bits are held at the largest one.
    EXPECT_EQ(Entry(record, 3).interval, INT32_MAX);
    EXPECT_EQ(Entry(record, 4).typed, 'c');
    EXPECT_EQ(record.LessonIndex(), 3);
    EXPECT_EQ(record.SpeedLimit(), 76);

    // A line without any colon ends the list just the same.
    lines = Header();
    lines.insert(lines.end(), {"10:a:", "Text", "20:b:"});
    ASSERT_TRUE(record.LoadStatistics(WriteLines("nocolon.stat", lines)));
    EXPECT_EQ(record.EntryCount(), 1);
}

TEST_F(ExerciseRecordTest, MissingAndNonNumericHeaderLinesReadAsEmptyOrZero)
{
    ExerciseRecord record;
    ASSERT_TRUE(record.LoadStatistics(WriteLines("short.stat", {"tvr STAT 1.0", "abc", "Bert"})));
    EXPECT_EQ(record.StartTime(), 0);
    EXPECT_EQ(record.UserName(), "Bert");
    EXPECT_EQ(record.LessonIndex(), 0);
    EXPECT_EQ(record.Title(), "");
    EXPECT_DOUBLE_EQ(record.ErrorRateLimit(), 0.0);
    EXPECT_EQ(record.EntryCount(), 0);
}

TEST_F(ExerciseRecordTest, AnotherVersionIsRefusedKeepingTheHeaderButNotTheKeystrokes)
{
    ExerciseRecord record;
    record.BeginExercise(5, "Carla", 0.5, 80, "Lektion 6", 99, 42);
    record.AddKeystroke('a', 'a', 100);

    auto lines = Header("tvr STAT 1.1");
    lines.push_back("250:a:");
    EXPECT_FALSE(record.LoadStatistics(WriteLines("v11.stat", lines)));
    EXPECT_EQ(record.EntryCount(), 0);
    EXPECT_EQ(record.UserName(), "Carla");
    EXPECT_EQ(record.LessonIndex(), 5);
    EXPECT_EQ(record.StartTime(), 42);

    EXPECT_FALSE(record.LoadStatistics(WriteLines("lower.stat", Header("TVR STAT 1.0"))));
}

TEST_F(ExerciseRecordTest, UnreadableFilesLeaveTheRecordUntouched)
{
    ExerciseRecord record;
    record.BeginExercise(5, "Carla", 0.5, 80, "Lektion 6", 99, 42);
    record.AddKeystroke('a', 'b', 100);

    EXPECT_FALSE(record.LoadStatistics(PathOf("missing.stat")));
    std::ofstream(PathOf("junk.stat"), std::ios::binary) << "tvr STAT 1.0\r\n";
    EXPECT_FALSE(record.LoadStatistics(PathOf("junk.stat")));
    EXPECT_EQ(record.EntryCount(), 1);
    EXPECT_EQ(record.UserName(), "Carla");

    EXPECT_FALSE(record.SaveStatistics((m_dir / "no-such-folder" / "x.stat").string()));
}

TEST_F(ExerciseRecordTest, EntryAtRefusesIndexesOutsideTheList)
{
    ExerciseRecord record;
    record.AddKeystroke('a', 'x', 30);
    std::int32_t interval = -7;
    char expected = '?';
    char typed = '?';
    EXPECT_FALSE(record.EntryAt(1, interval, expected, typed));
    EXPECT_FALSE(record.EntryAt(-1, interval, expected, typed));
    EXPECT_EQ(interval, -7);
    EXPECT_EQ(expected, '?');
    ASSERT_TRUE(record.EntryAt(0, interval, expected, typed));
    EXPECT_EQ(interval, 30);
    EXPECT_EQ(expected, 'a');
    EXPECT_EQ(typed, 'x');
}

TEST_F(ExerciseRecordTest, ANewRecordIsEmptyAndBeginExerciseClearsKeystrokes)
{
    ExerciseRecord record;
    EXPECT_EQ(record.EntryCount(), 0);
    EXPECT_EQ(record.LessonIndex(), -1);
    EXPECT_GT(record.StartTime(), 1600000000);

    record.BeginExercise(1, "Dora", 0.8, 64, "Lektion 2", 50, 7);
    record.AddKeystroke('a', 'a', 10);
    record.BeginExercise(2, "Dora", 0.8, 68, "Lektion 3", 60, 8);
    EXPECT_EQ(record.EntryCount(), 0);
    EXPECT_EQ(record.LessonIndex(), 2);
}

} // namespace
