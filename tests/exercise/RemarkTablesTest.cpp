#include "exercise/RemarkTables.h"
#include "exercise/LineFile.h"
#include "exercise/RemarkRandom.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

RemarkTables Loaded(const std::vector<std::string>& lines)
{
    RemarkTables tables;
    tables.LoadLines(lines);
    return tables;
}

std::string Remark(const RemarkTables& tables, const RemarkInput& input, int random = 0)
{
    return tables.GenerateRemark(input, [random] { return random; });
}

RemarkInput Speed(int value)
{
    RemarkInput input;
    input.speedScore = value;
    return input;
}

struct Pick
{
    int phrases;
    int value;
    const char* remark;
};

class RemarkPickTest : public ::testing::TestWithParam<Pick>
{};

TEST_P(RemarkPickTest, ValuePicksItsShareOfThePhrases)
{
    const Pick pick = GetParam();
    std::vector<std::string> lines = {":Tempo", "#2"};
    for (int i = 0; i < pick.phrases; ++i)
        lines.push_back(std::string(1, static_cast<char>('A' + i)));
    EXPECT_EQ(Remark(Loaded(lines), Speed(pick.value)), pick.remark);
}

INSTANTIATE_TEST_SUITE_P(Borders, RemarkPickTest,
                         ::testing::Values(Pick{4, 0, "A "}, Pick{4, 24, "A "}, Pick{4, 25, "B "},
                                           Pick{4, 49, "B "}, Pick{4, 50, "C "}, Pick{4, 74, "C "},
                                           Pick{4, 75, "D "}, Pick{4, 99, "D "}, Pick{3, 33, "A "},
                                           Pick{3, 34, "B "}, Pick{3, 66, "B "}, Pick{3, 67, "C "},
                                           Pick{3, 99, "C "}, Pick{4, 100, "D "}, Pick{4, 250, "D "},
                                           Pick{4, -30, "A "}, Pick{1, 99, "A "}));

// Three groups; a remark runs from the last table back to the first group.
const std::vector<std::string> kChain = {
    ":Erste", "#0", "Start0.", "",                     // table 0
    ":Erste", "#0", "Start1.", "",                     // table 1
    ":Mitte", "#4", "Mitte0",  "Mitte1", "Mitte2", "", // table 2: phrase k to table k of ":Erste"
    ":Ende",  "#8", "Ende0",   "Ende1",  "",           // table 3: phrase 0 to table 2, phrase 1 as well
};

TEST(RemarkTables, LinksRunThroughTheGroupsBackToTheFirst)
{
    const RemarkTables tables = Loaded(kChain);
    ASSERT_EQ(tables.Tables().size(), 4u);
    EXPECT_EQ(tables.GroupCount(), 3);
    EXPECT_EQ(tables.StopLine(), 0);
    EXPECT_EQ(tables.Tables()[2].phrases[0].link, 0);
    EXPECT_EQ(tables.Tables()[2].phrases[1].link, 1);
    EXPECT_EQ(tables.Tables()[2].phrases[2].link, 1); // past the group's end: its last table
    EXPECT_EQ(tables.Tables()[3].phrases[1].link, 2);
    EXPECT_EQ(tables.Tables()[0].phrases[0].link, -1);

    RemarkInput input;
    input.percentTyped = 80;
    input.errorScore = 40;
    std::vector<RemarkStep> trace;
    EXPECT_EQ(tables.GenerateRemark(
                  input, [] { return 0; }, &trace),
              "Ende1 Mitte1 Start1. \r\n");
    ASSERT_EQ(trace.size(), 3u);
    EXPECT_EQ(trace[0].table, 3);
    EXPECT_EQ(trace[1].value, 40);
    EXPECT_EQ(trace[2].segment, "Start1. ");
}

TEST(RemarkTables, RandomTablesLinkToTheFirstTableAndLeaveTheErrorValueAlone)
{
    const RemarkTables tables = Loaded({":Fehler", "#4", "F0", "F1", "", ":Zufall", "#0", "Z0", "Z1", ""});
    EXPECT_EQ(tables.Tables()[1].phrases[1].link, 0);
    RemarkInput input;
    input.errorScore = 10;
    // 32767 draws 98: the random table picks its last phrase, the error table still 10.
    EXPECT_EQ(Remark(tables, input, 32767), "Z1 F0 ");
    EXPECT_EQ(Remark(tables, input, 16000), "Z0 F0 ");
    EXPECT_EQ(RemarkTables::RandomValue(0), 0);
    EXPECT_EQ(RemarkTables::RandomValue(32767), 98);
}

struct ModeCase
{
    const char* name;
    int mode;
    RemarkInput input;
    const char* remark;
};

class RemarkModeTest : public ::testing::TestWithParam<ModeCase>
{};

TEST_P(RemarkModeTest, ModePicksByItsValueAndAppendsItsKeyList)
{
    // The first table picks by speed; the table under test follows it.
    const ModeCase c = GetParam();
    const RemarkTables tables =
        Loaded({":Test", "#" + std::to_string(c.mode), "P0", "P1", "", ":Start", "#2", "S0", ""});
    EXPECT_EQ(Remark(tables, c.input), c.remark);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, RemarkModeTest,
    ::testing::Values(ModeCase{"Mean", 1, {20, 90, "", 0, "", 0}, "S0 P1 "},
                      ModeCase{"MeanRoundsDown", 1, {20, 79, "", 0, "", 0}, "S0 P0 "},
                      ModeCase{"Previous", 3, {70, 0, "", 0, "", 0}, "S0 P1 "},
                      ModeCase{"Error", 4, {0, 60, "", 0, "", 0}, "S0 P1 "},
                      ModeCase{"FaultKeys", 5, {0, 60, "a, b.", 0, "x.", 0}, "S0 P1 a, b.\r\n"},
                      ModeCase{"FaultKeysEmpty", 5, {0, 60, "", 0, "x.", 0}, "S0 "},
                      ModeCase{"Rhythm", 6, {0, 0, "", 55, "", 0}, "S0 P1 "},
                      ModeCase{"SlowKeys", 7, {0, 0, "a.", 10, "s.", 0}, "S0 P0 s.\r\n"},
                      ModeCase{"SlowKeysEmpty", 7, {0, 0, "a.", 10, "", 0}, "S0 "},
                      ModeCase{"Completion", 8, {0, 0, "", 0, "", 120}, "S0 P1 "},
                      ModeCase{"AboveEight", 9, {80, 0, "", 0, "", 0}, "S0 P1 "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RemarkTables, KeyListTableWithoutKeysStillLeadsOn)
{
    const RemarkTables tables =
        Loaded({":A", "#0", "Danach.", "", ":B", "#5", "Fehler bei:", "", ":C", "#3", "Beginn.", ""});
    EXPECT_EQ(Remark(tables, RemarkInput{}), "Beginn. \r\nDanach. \r\n");
    RemarkInput keys;
    keys.faultKeysText = "ö.";
    EXPECT_EQ(Remark(tables, keys), "Beginn. \r\nFehler bei: ö.\r\nDanach. \r\n");
}

TEST(RemarkTables, NewLineOnlyAfterAFullStop)
{
    const RemarkTables tables =
        Loaded({":A", "#0", "Drei!", "", ":B", "#0", "Zwei,", "", ":C", "#0", "Eins.", ""});
    EXPECT_EQ(Remark(tables, RemarkInput{}), "Eins. \r\nZwei, Drei! ");
}

TEST(RemarkTables, ReadingStopsAtTheFirstLineOutOfPlace)
{
    const std::vector<std::string> good = {":A", "#0", "Eins.", "", ":B", "#2", "Zwei.", "Drei."};
    std::vector<std::string> twoEmpty = good;
    twoEmpty.insert(twoEmpty.begin() + 3, "");
    const RemarkTables stopped = Loaded(twoEmpty);
    EXPECT_EQ(stopped.StopLine(), 5);
    EXPECT_EQ(stopped.StopReason(), RemarkTables::Stop::NotAHeader);
    ASSERT_EQ(stopped.Tables().size(), 1u);
    EXPECT_EQ(Remark(stopped, RemarkInput{}), "Eins. \r\n");

    std::vector<std::string> noMode = good;
    noMode[5] = "2";
    EXPECT_EQ(Loaded(noMode).StopLine(), 6);
    EXPECT_EQ(Loaded(noMode).StopReason(), RemarkTables::Stop::NotAModeLine);
    EXPECT_EQ(Loaded(noMode).Tables().size(), 2u);

    const RemarkTables noHeader = Loaded({"A", "#0", "Eins."});
    EXPECT_TRUE(noHeader.Tables().empty());
    EXPECT_EQ(Remark(noHeader, Speed(50)), "");
}

TEST(RemarkTables, TableWithoutPhrasesEndsTheRemark)
{
    const RemarkTables tables = Loaded({":A", "#0", "Eins.", "", ":B", "#2", "", ":C", "#2", "Los", ""});
    EXPECT_EQ(Remark(tables, Speed(10)), "Los  ");
}

TEST(RemarkTables, FileThatCannotBeReadGivesNoTables)
{
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("tippwerk-remarks-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    LineFile file;
    for (const char* line : {":A", "#0", "Eins.", ""})
        file.AddLine(line);
    ASSERT_TRUE(file.SaveLines((dir / "textinfo.ddd").string()));

    RemarkTables tables;
    EXPECT_TRUE(tables.LoadFile((dir / "textinfo.ddd").string()));
    EXPECT_EQ(tables.Tables().size(), 1u);
    EXPECT_FALSE(tables.LoadFile((dir / "missing.ddd").string()));
    EXPECT_TRUE(tables.Tables().empty());
    std::filesystem::remove_all(dir);
}

TEST(RemarkRandom, SeedFixesTheNumbersWithinRandsRange)
{
    RemarkRandom a(7);
    RemarkRandom b(7);
    RemarkRandom c(8);
    bool differs = false;
    for (int i = 0; i < 1000; ++i) {
        const int n = a.Next();
        ASSERT_EQ(n, b.Next());
        ASSERT_GE(n, 0);
        ASSERT_LE(n, 32767);
        differs = differs || n != c.Next();
    }
    EXPECT_TRUE(differs);
}

} // namespace
