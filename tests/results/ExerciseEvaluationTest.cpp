#include "results/ExerciseEvaluation.h"
#include "exercise/ExerciseRecord.h"
#include "exercise/LessonCatalog.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kLetters = "abcdefghijklmnopqrstuvwxyz ";

struct Stroke
{
    char expected;
    char typed;
    int interval;
};

ExerciseRecord Record(const std::vector<Stroke>& strokes, int speedLimit = 120, double errorLimit = 1.0,
                      int lesson = 2, int characters = 100)
{
    ExerciseRecord record;
    record.BeginExercise(lesson, "Anna", errorLimit, speedLimit, "Grundreihe", characters, 1700049600);
    for (const Stroke& s : strokes)
        record.AddKeystroke(s.expected, s.typed, s.interval);
    return record;
}

std::vector<Stroke> Repeated(int count, char c, int interval)
{
    return std::vector<Stroke>(static_cast<std::size_t>(count), Stroke{c, c, interval});
}

std::vector<int> Ys(const ResultGraph& graph)
{
    std::vector<int> ys;
    for (const GraphPoint& p : graph.model.Points())
        ys.push_back(p.y);
    return ys;
}

TEST(ExerciseEvaluation, EvenKeystrokesGiveFlatSpeedCurvesAndTheirSpeed)
{
    const ExerciseEvaluation e = ExerciseEvaluation::Evaluate(Record(Repeated(20, 'a', 200)), kLetters);
    ASSERT_EQ(e.averageSpeedGraph.model.Points().size(), 20u);
    EXPECT_EQ(e.averageSpeedGraph.model.Points().front(), (GraphPoint{200, 5000}));
    EXPECT_EQ(e.averageSpeedGraph.model.Points().back(), (GraphPoint{4000, 5000}));
    EXPECT_EQ(Ys(e.averageSpeedGraph), std::vector<int>(20, 5000));
    EXPECT_EQ(e.currentSpeedGraph.model.Points(), e.averageSpeedGraph.model.Points());
    EXPECT_EQ(Ys(e.errorGraph), std::vector<int>(20, 0));
    const ValueTableTexts texts = e.valueTable.Texts();
    EXPECT_EQ(texts.speed, "300.00");
    EXPECT_EQ(texts.speedLimit, "120.00");
    EXPECT_EQ(texts.time, "00:00:04");
    EXPECT_EQ(texts.typedPercent, "20.0");
    EXPECT_EQ(e.scores.speedScore, 0); // 300 per minute is beyond twice the limit
    EXPECT_EQ(e.scores.rhythmScore, 0);
    EXPECT_EQ(e.scores.percentTyped, 20);
}

TEST(ExerciseEvaluation, ErrorCurveIsTheRateSoFarAndTheCurrentSpeedTheLastFifteen)
{
    std::vector<Stroke> strokes = Repeated(15, 'a', 100);
    strokes[2].typed = 'x';
    const std::vector<Stroke> slow = Repeated(5, 'b', 400);
    strokes.insert(strokes.end(), slow.begin(), slow.end());
    const ExerciseEvaluation e = ExerciseEvaluation::Evaluate(Record(strokes), kLetters);
    const std::vector<int> errors = Ys(e.errorGraph);
    EXPECT_EQ(errors[1], 0);
    EXPECT_EQ(errors[2], 3333);
    EXPECT_EQ(errors[9], 1000);
    EXPECT_EQ(errors[19], 500);
    EXPECT_EQ(Ys(e.currentSpeedGraph)[15], 8333); // 14 × 100 ms and 400 ms
    EXPECT_EQ(Ys(e.currentSpeedGraph)[19], 5000); // 10 × 100 ms and 5 × 400 ms
    EXPECT_EQ(Ys(e.averageSpeedGraph)[19], 5714); // 20 in 3.5 s
    EXPECT_EQ(e.valueTable.Texts().errorRate, "5.00");
    EXPECT_EQ(e.valueTable.Texts().faults, "1");
    EXPECT_EQ(e.errorGraph.model.Limit(), 100);
    EXPECT_TRUE(e.errorGraph.model.LimitIsMaximum());
    EXPECT_EQ(e.averageSpeedGraph.model.Limit(), 2000);
}

struct ScoreCase
{
    const char* name;
    std::vector<Stroke> strokes;
    int speedLimit;
    double errorLimit;
    int characters;
    ResultScores scores;
};

class ScoreTest : public ::testing::TestWithParam<ScoreCase>
{};

TEST_P(ScoreTest, ScoresOfTheRemark)
{
    const ScoreCase& c = GetParam();
    const ExerciseEvaluation e = ExerciseEvaluation::Evaluate(
        Record(c.strokes, c.speedLimit, c.errorLimit, 0, c.characters), kLetters);
    EXPECT_EQ(e.scores.speedScore, c.scores.speedScore);
    EXPECT_EQ(e.scores.errorScore, c.scores.errorScore);
    EXPECT_EQ(e.scores.rhythmScore, c.scores.rhythmScore);
    EXPECT_EQ(e.scores.percentTyped, c.scores.percentTyped);
}

std::vector<Stroke> Uneven()
{
    // Intervals 100 and 300: mean 200, deviation 100, so 50 %.
    std::vector<Stroke> strokes;
    for (int i = 0; i < 10; ++i)
        strokes.push_back({'a', i < 2 ? 'x' : 'a', i % 2 ? 300 : 100});
    return strokes;
}

INSTANTIATE_TEST_SUITE_P(Results, ScoreTest,
                         ::testing::Values(
                             // 300 per minute; 2 errors in 10 are 20 %.
                             ScoreCase{"AtTheLimits", Uneven(), 300, 20.0, 10, {49, 50, 50, 100}},
                             ScoreCase{"HalfTheLimits", Uneven(), 600, 40.0, 40, {74, 25, 50, 25}},
                             ScoreCase{"FarBeyond", Uneven(), 100, 1.0, 1000, {0, 99, 50, 1}},
                             ScoreCase{"ZeroLimitsAndCharacters", Uneven(), 0, 0.0, 0, {0, 0, 50, 0}},
                             ScoreCase{"NoTypingTime", Repeated(5, 'a', 0), 120, 1.0, 10, {99, 0, 0, 50}},
                             ScoreCase{"NoKeystrokes", {}, 120, 1.0, 10, {99, 0, 0, 0}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExerciseEvaluation, NothingRecordedLeavesTheTableAtZeroAndLimitsAtOne)
{
    const ExerciseEvaluation e =
        ExerciseEvaluation::Evaluate(Record(Repeated(30, 'a', 300), 120, 1.0, -1), kLetters);
    EXPECT_FALSE(e.valueTable.filled);
    EXPECT_EQ(e.valueTable.Texts().speed, "0");
    EXPECT_EQ(e.valueTable.Texts().time, "0");
    EXPECT_EQ(e.averageSpeedGraph.model.Limit(), 1);
    EXPECT_FALSE(e.averageSpeedGraph.model.LimitIsMaximum());
    EXPECT_EQ(e.errorGraph.model.Limit(), 1);
    EXPECT_TRUE(e.errorGraph.model.LimitIsMaximum());
    EXPECT_EQ(e.scores.percentTyped, 0);
    ASSERT_EQ(e.keyRows.size(), 1u);
    EXPECT_EQ(e.keyRows[0].speedIcon, 0); // no limit to be slow against
    EXPECT_EQ(e.typedText, std::string(30, 'a'));
}

TEST(ExerciseEvaluation, EmptyRecordShowsTheNothingRowAndNoCurves)
{
    const ExerciseEvaluation e = ExerciseEvaluation::Evaluate(Record({}), kLetters);
    EXPECT_TRUE(e.averageSpeedGraph.model.Points().empty());
    EXPECT_EQ(e.valueTable.Texts().speed, "0.00");
    EXPECT_EQ(e.valueTable.Texts().errorRate, "0.00");
    ASSERT_EQ(e.faultsList.lines.size(), 1u);
    EXPECT_EQ(e.faultsList.lines[0].image, KeyList::kNothingImage);
    EXPECT_EQ(e.faultsList.lines[0].columns, std::vector<std::string>{"Bislang sind Sie hervorragend!"});
    EXPECT_EQ(e.speedList.lines[0].image, KeyList::kNothingImage);
}

struct FaultIconCase
{
    double faultRate;
    double errorLimit;
    int icon;
};

class FaultIconTest : public ::testing::TestWithParam<FaultIconCase>
{};

TEST_P(FaultIconTest, FaultRateAgainstTheErrorLimit)
{
    EXPECT_EQ(ExerciseEvaluation::FaultIcon(GetParam().faultRate, GetParam().errorLimit), GetParam().icon);
}

INSTANTIATE_TEST_SUITE_P(Borders, FaultIconTest,
                         ::testing::Values(FaultIconCase{0.0, 8.0, 0}, FaultIconCase{19.99, 8.0, 0},
                                           FaultIconCase{20.0, 8.0, 1}, FaultIconCase{39.99, 8.0, 1},
                                           FaultIconCase{40.0, 8.0, 2}, FaultIconCase{70.0, 8.0, 3},
                                           FaultIconCase{99.99, 8.0, 3}, FaultIconCase{100.0, 8.0, 4},
                                           FaultIconCase{10.0, 0.8, 4}, FaultIconCase{9.99, 0.8, 3},
                                           FaultIconCase{0.0, 0.0, 0}, FaultIconCase{0.1, 0.0, 4}));

struct SpeedIconCase
{
    int speedLimit;
    int interval;
    int icon;
};

class SpeedIconTest : public ::testing::TestWithParam<SpeedIconCase>
{};

TEST_P(SpeedIconTest, MeanIntervalAgainstTheTimePerKeystrokeAtTheLimit)
{
    const SpeedIconCase& c = GetParam();
    const ExerciseEvaluation e =
        ExerciseEvaluation::Evaluate(Record({{'a', 'a', c.interval}}, c.speedLimit), kLetters);
    ASSERT_EQ(e.keyRows.size(), 1u);
    EXPECT_EQ(e.keyRows[0].speedIcon, c.icon);
}

// 120 per minute: 500 ms per keystroke; 70 per minute: 857 ms (1.6 × 857 = 1371.2).
INSTANTIATE_TEST_SUITE_P(Borders, SpeedIconTest,
                         ::testing::Values(SpeedIconCase{120, 199, 0}, SpeedIconCase{120, 200, 1},
                                           SpeedIconCase{120, 399, 1}, SpeedIconCase{120, 400, 2},
                                           SpeedIconCase{120, 600, 3}, SpeedIconCase{120, 799, 3},
                                           SpeedIconCase{120, 800, 4}, SpeedIconCase{70, 1371, 3},
                                           SpeedIconCase{70, 1372, 4}, SpeedIconCase{0, 5000, 0}));

TEST(ExerciseEvaluation, KeyRowsFollowTheCharacterSetOnceEach)
{
    const ExerciseEvaluation e = ExerciseEvaluation::Evaluate(
        Record({{'b', 'b', 300}, {'a', ' ', 100}, {'a', 'q', 300}, {'?', '?', 200}, {'c', 'c', 0}}),
        "abca^b");
    ASSERT_EQ(e.keyRows.size(), 2u); // '?' is not in the set, 'c' has no typing time
    EXPECT_EQ(e.keyRows[0].character, 'a');
    EXPECT_EQ(e.keyRows[0].wrongCharacters, "_q");
    EXPECT_EQ(e.keyRows[0].faults, 2);
    EXPECT_EQ(e.keyRows[0].keystrokes, 2);
    EXPECT_DOUBLE_EQ(e.keyRows[0].meanInterval, 0.2);
    EXPECT_EQ(e.keyRows[1].character, 'b');
    EXPECT_EQ(e.typedText, "baa?c");

    // Only the first 200 positions of the set count.
    const std::string wide = std::string(200, 'x') + "y";
    EXPECT_TRUE(ExerciseEvaluation::Evaluate(Record({{'y', 'y', 100}}), wide).keyRows.empty());
}

TEST(ExerciseEvaluation, KeyListsNameBadKeysWithMoreThanTenKeystrokes)
{
    // Error limit 8 %: all wrong is 12.5 times the limit.
    std::vector<Stroke> strokes;
    for (const auto& [c, count] : {std::pair{'a', 11}, {' ', 11}, {'b', 10}, {'d', 3}})
        for (int i = 0; i < count; ++i)
            strokes.push_back({c, c == 'd' ? c : 'x', c == 'b' ? 1000 : 100});
    const ExerciseEvaluation e = ExerciseEvaluation::Evaluate(Record(strokes, 120, 8.0), kLetters);
    EXPECT_EQ(e.faultsList.keysText, "a, Leerzeichen.");
    ASSERT_EQ(e.faultsList.lines.size(), 3u); // 'd' has no faults
    EXPECT_EQ(e.faultsList.lines[0].columns,
              (std::vector<std::string>{"Leerzeichen", "xxxxxxxxxxx", "11", "11"}));
    EXPECT_EQ(e.faultsList.lines[0].image, 4);
    EXPECT_EQ(e.faultsList.lines[1].columns[0], "b");
    EXPECT_EQ(e.faultsList.lines[1].image, 4); // the icon, but too few keystrokes to be named
    EXPECT_EQ(e.speedList.keysText, "");       // 'b' is slow but has only 10 keystrokes
    ASSERT_EQ(e.speedList.lines.size(), 4u);
    EXPECT_EQ(e.speedList.lines[0].columns, (std::vector<std::string>{"Leerzeichen", "0.100", "11"}));
    EXPECT_EQ(e.speedList.lines[3].columns[0], "a");
    EXPECT_EQ(e.RemarkValues().faultKeysText, "a, Leerzeichen.");
}

TEST(ExerciseEvaluation, RemarkOnlyAfterThreePercent)
{
    RemarkTables tables;
    tables.LoadLines({":Tasten", "#5", "Fehler bei:", ""});
    const auto random = [] { return 0; };
    std::vector<Stroke> strokes = Repeated(12, 'a', 100);
    for (Stroke& s : strokes)
        s.typed = 'x';
    EXPECT_EQ(ExerciseEvaluation::Evaluate(Record(strokes, 120, 1.0, 0, 12), kLetters).Remark(tables, random),
              "Fehler bei: a.\r\n");
    EXPECT_EQ(
        ExerciseEvaluation::Evaluate(Record(strokes, 120, 1.0, 0, 400), kLetters).Remark(tables, random),
        "Fehler bei: a.\r\n"); // 3 %
    EXPECT_EQ(
        ExerciseEvaluation::Evaluate(Record(strokes, 120, 1.0, 0, 401), kLetters).Remark(tables, random),
        "Schreiben Sie den nachfolgenden Text ab.");
}

TEST(ExerciseEvaluation, IntroductionNamesDateUserAndLesson)
{
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    EXPECT_EQ(ExerciseEvaluation::Evaluate(Record({}, 120, 1.0, 3), kLetters).Introduction("Gut."),
              "Datum:\t\t15.11.2023\r\n\r\nName:\t\tAnna\r\n\r\nLektion:\t\t4.  Grundreihe\r\n\r\nGut.");
    const std::string free =
        ExerciseEvaluation::Evaluate(Record({}, 120, 1.0, FREE_TEXT_LESSON), kLetters).Introduction("");
    EXPECT_NE(free.find("Lektion:\t\tAbzuschreibende Datei.  "), std::string::npos);
}

} // namespace
