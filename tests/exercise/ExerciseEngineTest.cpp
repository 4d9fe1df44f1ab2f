#include "exercise/ExerciseEngine.h"
#include "FakeExerciseClock.h"
#include "FakeExerciseHost.h"
#include "exercise/ExerciseRecord.h"
#include "exercise/LessonCatalog.h"
#include "exercise/LineFile.h"
#include "exercise/TypingSession.h"
#include "resources/StringTable.h"
#include "settings/AppSettings.h"
#include "support/TemporaryProgramFolder.h"
#include "users/UserProfile.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr char kLineEnd = static_cast<char>(164);
const std::string End(1, kLineEnd);

struct LessonText
{
    std::string title;
    std::string header;
    std::vector<std::string> lines;
};

// 0: two short lines; 1: 125 keystrokes against 125/min and 0.8 %; 2: 41 keystrokes
// against 123/min; 3: one line of 75 characters without line end, limits 0.
std::vector<LessonText> Course()
{
    std::string alphabet;
    while (alphabet.size() < 75)
        alphabet += "abcdefghij";
    alphabet.resize(75);
    return {
        {"Grundstellung", "ab:1:60:1.0:", {"ab" + End, "cd" + End}},
        {"Tempo", "fj:1:125:0.8:", {std::string(61, 'f') + End, std::string(62, 'j') + End}},
        {"Genau", "g:0:123:1.0:", {std::string(40, 'g') + End}},
        {"Lang", "x:0:0:0:", {alphabet}},
    };
}

class ExerciseEngineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.IsValid());
        m_dir = m_folder.Root();
        LineFile file;
        file.AddLine("00000407_a");
        for (const LessonText& lesson : Course()) {
            if (file.LineCount() > 1)
                file.AddLine("");
            file.AddLine(lesson.title);
            file.AddLine(lesson.header);
            for (const auto& line : lesson.lines)
                file.AddLine(line);
        }
        ASSERT_TRUE(file.SaveLines((m_dir / "lessons" / "00000407_a.ddd").string()));
        std::string typeable;
        for (int c = 32; c < 256; ++c)
            typeable += static_cast<char>(c);
        session.typeable.Set(typeable);
        session.profile.SetKeyboardId("00000407");
        session.profile.SetLessonSet("_a");
        ASSERT_TRUE(session.catalog.ReloadLessons());
        host.Attach(engine);
    }
    // Types bytes `millis` apart; the line end goes in as Enter.
    void Type(const std::string& text, std::int64_t millis = 200)
    {
        for (char c : text) {
            clock.Advance(millis);
            engine.OnCharacter(c == kLineEnd ? '\r' : c);
        }
    }
    // The rest of the running lesson, every key right.
    std::string Rest() const
    {
        std::string rest;
        for (int n = state.lineIndex; n < state.lineCount; ++n)
            rest += session.catalog.LessonLine(state.lessonIndex, n);
        return rest.substr(static_cast<size_t>(state.column));
    }
    static std::string Note(int id, const std::string& text = {}) { return StringTable::Text(id) + text; }
    KeystrokeEntry Recorded(int i) const
    {
        KeystrokeEntry entry;
        EXPECT_TRUE(session.record.EntryAt(i, entry.interval, entry.expected, entry.typed));
        return entry;
    }

    TemporaryProgramFolder m_folder{"lessons"};
    fs::path m_dir;
    FakeExerciseClock clock;
    FakeExerciseHost host{clock};
    TypingSession session;
    AppSettings settings;
    ExerciseEngine engine{host.Parts(), clock, session, settings, "Anna", false};
    const ExerciseState& state = engine.State();
    UserProfile& profile() { return session.profile; }
};

TEST_F(ExerciseEngineTest, StartingALessonShowsItsNoteBeginsTheRecordAndFocusesTheWindow)
{
    ASSERT_TRUE(engine.StartLesson(0));
    EXPECT_EQ(host.notes, std::vector<std::string>{Note(146, " Grundstellung")});
    EXPECT_EQ(state.running, 1);
    EXPECT_EQ(state.lineCount, 2);
    EXPECT_EQ(state.speedLimit, 60);
    EXPECT_DOUBLE_EQ(state.errorLimit, 1.0);
    EXPECT_EQ(host.view.lessonIndex, 0);
    EXPECT_EQ(host.view.lineCount, 2);
    EXPECT_EQ(host.Count("RecomputeLayout"), 1);
    EXPECT_TRUE(host.mainFocused);
    EXPECT_EQ(host.timers, (std::map<int, int>{{275, 400}}));

    const ExerciseRecord& record = session.record;
    EXPECT_EQ(record.LessonIndex(), 0);
    EXPECT_EQ(record.UserName(), "Anna");
    EXPECT_EQ(record.Title(), "Grundstellung");
    EXPECT_EQ(record.SpeedLimit(), 60);
    EXPECT_EQ(record.TotalCharacters(), 6);
    EXPECT_EQ(record.StartTime(), clock.calendar);
}

TEST_F(ExerciseEngineTest, ALessonWithoutLinesCannotStartAndStopsTheOneThatRan)
{
    EXPECT_FALSE(engine.StartLesson(7));
    EXPECT_TRUE(host.notes.empty());
    EXPECT_EQ(state.running, 0);

    ASSERT_TRUE(engine.StartLesson(0));
    Type("a");
    EXPECT_FALSE(engine.StartLesson(FREE_TEXT_LESSON));
    EXPECT_EQ(state.running, 0);
    EXPECT_EQ(state.lessonIndex, -1);
    Type("b");
    EXPECT_EQ(state.keystrokes, 0);
}

TEST_F(ExerciseEngineTest, KeystrokesAreJudgedRecordedAndMoveThroughTheLines)
{
    ASSERT_TRUE(engine.StartLesson(0));
    Type("a");
    Type("x");
    EXPECT_EQ(state.keystrokes, 2);
    EXPECT_EQ(state.errors, 1);
    EXPECT_EQ(state.errorMarks[1], 'x');
    EXPECT_EQ(state.column, 2);
    EXPECT_EQ(host.goodSounds, 1);
    EXPECT_EQ(host.badSounds, 1);
    EXPECT_EQ(Recorded(1).expected, 'b');
    EXPECT_EQ(Recorded(1).typed, 'x');

    // Backspace is not on the keyboard: nothing is counted, recorded or shown.
    const size_t callsBefore = host.calls.size();
    engine.OnCharacter('\b');
    EXPECT_EQ(state.keystrokes, 2);
    EXPECT_EQ(host.calls.size(), callsBefore);

    Type(End);
    EXPECT_EQ(Recorded(2).expected, kLineEnd);
    EXPECT_EQ(Recorded(2).typed, kLineEnd);
    EXPECT_EQ(state.lineIndex, 1);
    EXPECT_EQ(state.column, 0);
    EXPECT_EQ(state.previousErrorMarks[1], 'x');
    EXPECT_EQ(state.errorMarks, std::string(70, ' '));
    EXPECT_EQ(host.Count("RedrawText"), 1);
    EXPECT_EQ(host.view.lineIndex, 1);
    EXPECT_EQ(host.view.previousMarks, state.previousErrorMarks);

    // A wrong space is marked '_' but recorded as the space it was.
    Type(" ");
    EXPECT_EQ(state.errorMarks[0], '_');
    EXPECT_EQ(Recorded(3).typed, ' ');
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Recorded(i).interval, 200);

    engine.StopExercise();
    Type("d");
    EXPECT_EQ(session.record.EntryCount(), 4);
    EXPECT_EQ(host.view.lessonIndex, -1);
}

TEST_F(ExerciseEngineTest, ErrorMarksCoverSeventyColumns)
{
    ASSERT_TRUE(engine.StartLesson(3));
    Type(Rest().substr(0, 69));
    Type("#");
    Type(Rest().substr(0, 2));
    Type("#");
    EXPECT_EQ(state.errors, 2);
    EXPECT_EQ(state.errorMarks.size(), 70u);
    EXPECT_EQ(state.errorMarks.find_first_not_of(' '), 69u);
}

TEST_F(ExerciseEngineTest, ReachingBothLimitsExactlyPassesAndNextLessonFollows)
{
    profile().AddEmptyRecords(2);
    ASSERT_TRUE(engine.StartLesson(1));
    host.lessonEndAnswers = {{true, false}};
    // 125 keystrokes with one error in 60 s: 125 per minute and 0.8 % against 125 and 0.8.
    Type("#", 480);
    Type(Rest(), 480);

    EXPECT_EQ(host.lessonEndPassed, std::vector<bool>{true});
    EXPECT_EQ(host.lessonEndNumbers, std::vector<int>{2});
    const LessonProgress* result = profile().Progress(1);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->speed, 125);
    EXPECT_DOUBLE_EQ(result->errorRate, 0.8);
    EXPECT_EQ(result->totalSeconds, 60);
    EXPECT_EQ(result->attempts, 1);

    EXPECT_EQ(state.lessonIndex, 2);
    EXPECT_EQ(state.column, 0);
    EXPECT_EQ(state.keystrokes, 0);
    EXPECT_EQ(host.notes.back(), Note(146, " Genau"));
    EXPECT_EQ(session.record.LessonIndex(), 2);
    // The last keystroke still gets its display update and sound after the restart.
    EXPECT_EQ(host.goodSounds, 124);
    EXPECT_EQ(host.calls.back(), "UpdateAfterKeystroke");
}

TEST_F(ExerciseEngineTest, ASpeedExactlyAtTheLimitIsNotRoundedBelowIt)
{
    profile().AddEmptyRecords(3);
    ASSERT_TRUE(engine.StartLesson(2));
    // 41 keystrokes in 20 s are 123 per minute; 41 / 20 x 60 comes out a hair below.
    Type(Rest(), 20000 / 41 + 1);
    EXPECT_EQ(host.lessonEndPassed, std::vector<bool>{true});
    EXPECT_EQ(profile().Progress(2)->speed, 123);
}

TEST_F(ExerciseEngineTest, AFailedLessonRecordsAnAttemptAndRepeatsTheSameLesson)
{
    profile().AddEmptyRecords(2);
    ASSERT_TRUE(engine.StartLesson(1));
    // "Nächste Lektion" is not offered after a failure; whatever the dialog returns, the
    // same lesson comes again.
    host.lessonEndAnswers = {{true, false}};
    Type(Rest(), 489); // 61 s: below 125 per minute
    EXPECT_EQ(host.lessonEndPassed, std::vector<bool>{false});
    EXPECT_EQ(state.lessonIndex, 1);
    EXPECT_EQ(profile().Progress(1)->speed, 0);
    EXPECT_EQ(profile().Progress(1)->attempts, 1);
    EXPECT_EQ(profile().Progress(1)->totalSeconds, 61);

    Type("##", 100); // 1.6 % errors
    Type(Rest(), 100);
    EXPECT_EQ(host.lessonEndPassed, (std::vector<bool>{false, false}));
    EXPECT_EQ(profile().Progress(1)->attempts, 2);
    EXPECT_EQ(state.running, 0);
    EXPECT_EQ(state.lessonIndex, -1);
    EXPECT_EQ(host.view.lessonIndex, -1);
    EXPECT_EQ(host.Count("RedrawKeyboardView"), 1);
    EXPECT_EQ(host.Count("ResetLayoutHeight"), 1);
}

TEST_F(ExerciseEngineTest, PassingTheLastLessonAndGoingOnEndsWithTheCongratulation)
{
    ASSERT_TRUE(engine.StartLesson(3));
    host.lessonEndAnswers = {{true, false}};
    Type(Rest());
    EXPECT_EQ(host.informations, std::vector<std::string>{Note(111)});
    EXPECT_EQ(state.running, 0);
    // "Zur Lektion" still names the last lesson, not one past the end.
    EXPECT_EQ(state.lessonIndex, 3);
    EXPECT_EQ(session.catalog.LessonTitle(state.lessonIndex), "Lang");
    Type("a");
    EXPECT_EQ(state.keystrokes, 0);
}

TEST_F(ExerciseEngineTest, TimeIsTruncatedAndPercentagesAreSafeForAnyLimit)
{
    ASSERT_TRUE(engine.StartLesson(1));
    clock.Advance(59999);
    EXPECT_EQ(engine.ElapsedSeconds(), 59);

    // Before the first whole second the time counts as one second.
    engine.StopExercise();
    ASSERT_TRUE(engine.StartLesson(1));
    Type("fff", 100);
    EXPECT_DOUBLE_EQ(state.keysPerSecond, 3.0);
    EXPECT_EQ(host.status.seconds, 0);
    EXPECT_EQ(host.status.speedPercent, 144); // 180 of 125 per minute

    // 100 keystrokes, 2 of them wrong, against 0.8 %.
    Type("xx" + std::string(56, 'f') + End + std::string(38, 'j'));
    ASSERT_EQ(state.keystrokes, 100);
    ASSERT_EQ(state.errors, 2);
    engine.UpdateErrorRate();
    EXPECT_DOUBLE_EQ(state.errorRate, 2.0);
    EXPECT_EQ(engine.ErrorPercent(), 250);

    // Limits of 0: a gauge shows nothing for nothing and its cap for anything.
    ASSERT_TRUE(engine.StartLesson(3));
    Type("a");
    EXPECT_EQ(host.status.speedPercent, 400);
    EXPECT_EQ(host.status.errorPercent, 0);
    Type("#");
    EXPECT_EQ(host.status.errorPercent, 400);
}

TEST_F(ExerciseEngineTest, TimeAwayFromTheWindowAddsNothing)
{
    host.dialogMillis = 10000; // the lesson note stays open for 10 s
    ASSERT_TRUE(engine.StartLesson(0));
    EXPECT_EQ(engine.ElapsedSeconds(), 0);
    Type("a", 1500);
    engine.OnFocusLost();
    EXPECT_TRUE(host.timers.empty());
    clock.Advance(60000);
    EXPECT_EQ(engine.ElapsedSeconds(), 1);
    ASSERT_TRUE(engine.OnFocusGained());
    EXPECT_EQ(host.timers.count(275), 1u);

    Type("b", 300);
    EXPECT_EQ(Recorded(1).interval, 300);
    EXPECT_EQ(engine.ElapsedSeconds(), 1);

    // An exercise left while another window has the focus is recorded without that time.
    engine.OnFocusLost();
    clock.Advance(30000);
    engine.RecordProgress(false);
    EXPECT_EQ(profile().Progress(0)->totalSeconds, 1);
}

TEST_F(ExerciseEngineTest, TwentyTwoQuietTicksBringThePauseNote)
{
    ASSERT_TRUE(engine.StartLesson(0));
    const auto ticksToNote = [&] {
        const size_t notes = host.notes.size();
        int ticks = 0;
        while (host.notes.size() == notes && ticks < 100 && host.Tick(275))
            ++ticks;
        return ticks;
    };
    // The first tick takes the keystroke count, 22 more without a keystroke bring the note.
    EXPECT_EQ(ticksToNote(), 23);
    EXPECT_EQ(host.notes.back(), Note(116));
    EXPECT_EQ(ticksToNote(), 22);

    Type("a", 200);
    EXPECT_EQ(ticksToNote(), 23);
    EXPECT_EQ(host.notes.back(), Note(185));
    // The pause is cut out when the note closes; the display went on meanwhile.
    EXPECT_EQ(engine.ElapsedSeconds(), 0);
    EXPECT_GT(host.Count("AnimateStatus"), 60);
    EXPECT_EQ(host.status.seconds, 0);
}

TEST_F(ExerciseEngineTest, MetronomeFollowsTheFocusAndItsMode)
{
    settings.metronomeMode = 3;
    settings.metronomeBpm = 0;
    ASSERT_TRUE(engine.StartLesson(0));
    EXPECT_EQ(settings.metronomeBpm, 1);
    EXPECT_EQ(host.timers[5123], 60000);
    host.Tick(5123);
    EXPECT_EQ(host.flashes, 1);
    EXPECT_EQ(host.midiTicks, 1);

    settings.metronomeMode = 2;
    settings.metronomeBpm = 70;
    engine.RestartMetronome();
    EXPECT_EQ(host.timers[5123], 857);
    host.Tick(5123);
    EXPECT_EQ(host.flashes, 1);
    EXPECT_EQ(host.midiTicks, 2);

    settings.metronomeBpm = 1000000;
    engine.RestartMetronome();
    EXPECT_EQ(host.timers[5123], 1);

    engine.OnFocusLost();
    EXPECT_TRUE(host.timers.empty());
    engine.StopExercise();
    engine.OnTimer(5123);
    EXPECT_EQ(host.midiTicks, 2);
    EXPECT_FALSE(engine.OnFocusGained());
    EXPECT_TRUE(host.timers.empty());
}

TEST_F(ExerciseEngineTest, TheErrorDialogCanSwitchItselfOffAndThatIsSaved)
{
    settings.dialogAfterError = 1;
    ASSERT_TRUE(engine.StartLesson(0));
    host.dialogMillis = 5000;
    Type("#", 300);
    EXPECT_EQ(host.informations, std::vector<std::string>{Note(186)});
    EXPECT_EQ(settings.dialogAfterError, 1);
    EXPECT_FALSE(profile().IsDirty());
    // The keystroke keeps its interval; the time in the dialog is not typing time.
    EXPECT_EQ(Recorded(0).interval, 300);
    EXPECT_EQ(state.typingTime, 300);

    host.clearsOption = true;
    Type("#");
    EXPECT_EQ(host.informations.size(), 2u);
    EXPECT_EQ(settings.dialogAfterError, 0);
    EXPECT_EQ(profile().SettingsLine(), settings.ToLine());
    EXPECT_TRUE(profile().IsDirty());

    Type("#");
    EXPECT_EQ(host.informations.size(), 2u);
    EXPECT_EQ(state.errors, 3);
}

TEST_F(ExerciseEngineTest, FreeTextIsNotJudgedAndEndsOnItsTimeLimit)
{
    LessonCatalog& catalog = session.catalog;
    catalog.SetFreeTextLines({"ab", "cd"});
    catalog.SetTimeLimit(60);
    ASSERT_TRUE(engine.StartLesson(FREE_TEXT_LESSON));
    EXPECT_EQ(host.notes.back(), Note(146, " ") + Note(116));

    // Typed through: the free-text dialog, then the same text again.
    host.lessonEndAnswers = {{false, false}};
    Type("abcd");
    EXPECT_EQ(host.lessonEndNumbers, std::vector<int>{-1});
    EXPECT_EQ(state.running, 1);
    EXPECT_EQ(state.lineIndex, 0);
    EXPECT_EQ(state.keystrokes, 0);
    EXPECT_EQ(host.notes.size(), 2u);

    // 60 s of typing time is within the limit; the first tick at 61 s ends it.
    Type("a", 59800);
    host.Tick(275);
    host.Tick(275);
    EXPECT_EQ(host.lessonEndNumbers.size(), 1u);
    host.lessonEndAnswers = {{false, false}};
    host.Tick(275);
    EXPECT_EQ(host.lessonEndNumbers.size(), 2u);
    EXPECT_EQ(state.running, 1);
    EXPECT_EQ(state.keystrokes, 0);
    EXPECT_EQ(host.notes.size(), 3u);

    Type("a", 61000);
    host.Tick(275);
    EXPECT_EQ(host.lessonEndNumbers.size(), 3u);
    EXPECT_EQ(state.running, 0);
    EXPECT_EQ(host.Count("RedrawKeyboardView"), 1);
    EXPECT_EQ(profile().ProgressCount(), 0);

    // Catalogue lessons have no time limit.
    ASSERT_TRUE(engine.StartLesson(0));
    Type("a", 70000);
    host.Tick(275);
    EXPECT_EQ(host.lessonEndNumbers.size(), 3u);
}

TEST_F(ExerciseEngineTest, LeavingEarlyRecordsAnAttemptOnlyWhenThereWasOne)
{
    engine.RecordProgress(false);
    ASSERT_TRUE(engine.StartLesson(0));
    engine.RecordProgress(false);
    EXPECT_FALSE(profile().IsDirty());

    Type("ab", 1500);
    engine.RecordProgress(false);
    ASSERT_EQ(profile().ProgressCount(), 1);
    EXPECT_EQ(profile().Progress(0)->speed, 0);
    EXPECT_EQ(profile().Progress(0)->attempts, 1);
    EXPECT_EQ(profile().Progress(0)->totalSeconds, 3);

    session.catalog.SetFreeTextLines({"abc"});
    ASSERT_TRUE(engine.StartLesson(FREE_TEXT_LESSON));
    Type("ab", 1500);
    engine.RecordProgress(false);
    engine.RecordProgress(true);
    EXPECT_EQ(profile().Progress(0)->attempts, 1);
}

class QualificationTest : public ExerciseEngineTest
{
protected:
    void StartTest(std::deque<ExerciseDialogs::WizardResult> answers)
    {
        engine.SetQualificationRun(true);
        host.wizardAnswers = std::move(answers);
        engine.RunFirstTimeSetup();
    }
};

TEST_F(QualificationTest, APassedTestCountsEveryLessonUpToTheTestedOne)
{
    StartTest({{true, 1}});
    EXPECT_EQ(host.calls[0], "UserInfo");
    EXPECT_EQ(host.wizardAtTestPage, std::vector<bool>{false});
    EXPECT_EQ(host.Count("EnterQualificationMenu"), 1);
    EXPECT_EQ(state.lessonIndex, 1);
    EXPECT_EQ(state.running, 1);

    Type(Rest(), 400);
    EXPECT_EQ(host.Count("LeaveQualificationMenu"), 1);
    EXPECT_EQ(host.informations, std::vector<std::string>{Note(182)});
    EXPECT_TRUE(host.lessonEndNumbers.empty());
    ASSERT_EQ(profile().ProgressCount(), 2);
    EXPECT_EQ(profile().Progress(0)->speed, 0);
    EXPECT_EQ(profile().Progress(1)->speed, 150);
    EXPECT_EQ(state.qualificationRun, 0);
    EXPECT_EQ(state.running, 0);
    // The keystroke that ended the test gets neither display update nor sound.
    EXPECT_EQ(host.goodSounds, 124);
}

TEST_F(QualificationTest, AFailedTestReturnsToTheWizardsTestPage)
{
    StartTest({{true, 1}, {true, 2}, {false, -1}});
    Type(Rest(), 600);
    EXPECT_EQ(host.informations, std::vector<std::string>{Note(181)});
    EXPECT_EQ(host.wizardAtTestPage, (std::vector<bool>{false, true}));
    EXPECT_EQ(state.lessonIndex, 2);
    EXPECT_EQ(state.qualificationFailed, 1);
    EXPECT_EQ(host.Count("EnterQualificationMenu"), 2);

    // The end command fails even a perfect run; the wizard cancelled leaves the window idle.
    Type(Rest().substr(0, 10), 10);
    engine.OnEndTestCommand();
    EXPECT_EQ(state.speedLimit, 5000);
    EXPECT_EQ(host.informations.back(), Note(181));
    EXPECT_EQ(host.wizardAtTestPage.size(), 3u);
    EXPECT_EQ(host.Count("LeaveQualificationMenu"), 2);
    EXPECT_EQ(state.qualificationRun, 0);
    EXPECT_EQ(state.qualificationFailed, 0);
    EXPECT_EQ(state.running, 0);
    EXPECT_EQ(host.calls.back(), "FocusMainWindow");
    EXPECT_EQ(profile().ProgressCount(), 0);

    engine.OnEndTestCommand();
    EXPECT_EQ(host.informations.size(), 2u);
}

TEST_F(QualificationTest, FiveMinutesOfTypingTimeEndTheTest)
{
    StartTest({{true, 0}});
    Type("a", 299000);
    host.Tick(275);
    host.Tick(275);
    EXPECT_TRUE(host.informations.empty());
    host.Tick(275);
    EXPECT_EQ(host.informations, std::vector<std::string>{Note(181)});
    EXPECT_EQ(state.running, 0);
}

TEST_F(QualificationTest, NoTestWithoutAChosenLesson)
{
    StartTest({{true, -1}});
    EXPECT_EQ(host.Count("EnterQualificationMenu"), 0);
    EXPECT_EQ(state.qualificationRun, 0);
    EXPECT_EQ(state.running, 0);
}

} // namespace
