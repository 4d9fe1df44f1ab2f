#include "exercise/ExerciseEngine.h"

#include "exercise/ExerciseRecord.h"
#include "exercise/LessonCatalog.h"
#include "exercise/TypingSession.h"
#include "resources/SaturatingInt.h"
#include "resources/StringTable.h"
#include "settings/AppSettings.h"
#include "users/UserProfile.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Enter arrives as 13 and is judged, recorded and shown as the line-end character.
constexpr char kEnterKey = '\r';
constexpr char kLineEnd = static_cast<char>(164);
// What the status gauges can show at most; a ratio to a zero limit shows as this.
constexpr int kPercentCap = 400;
// Display-timer ticks without a keystroke before the pause note (about 8.8 s).
constexpr int kPauseTicks = 21;
// Typing time after which the qualification test ends, in whole minutes above this.
constexpr int kTestMinutes = 4;

constexpr int kNoteTitlePrefix = 146;
constexpr int kFreeTextInstruction = 116;
constexpr int kPauseNote = 185;
constexpr int kErrorNotice = 186;
constexpr int kAllDoneNotice = 111;
constexpr int kTestPassedNotice = 182;
constexpr int kTestFailedNotice = 181;

// value / limit x 100, cut toward zero. A limit of 0 (or below) is met by nothing and
// exceeded by anything, so the gauge shows 0 for a zero value and its cap otherwise.
int Percentage(double value, double limit)
{
    if (!(limit > 0.0)) {
        return value > 0.0 ? kPercentCap : 0;
    }
    return SaturatingInt::FromReal(value * 100.0 / limit);
}

} // namespace

ExerciseEngine::ExerciseEngine(ExerciseHost host, ExerciseClock& clock, TypingSession& session,
                               AppSettings& settings, std::string userName, bool qualificationRun)
    : m_host(host)
    , m_clock(clock)
    , m_session(session)
    , m_settings(settings)
    , m_userName(std::move(userName))
{
    m_state.qualificationRun = qualificationRun ? 1 : 0;
}

std::int64_t ExerciseEngine::ClockNow() const
{
    return m_clock.Milliseconds();
}

void ExerciseEngine::LoadCurrentLine()
{
    m_line = m_session.catalog.LessonLine(m_state.lessonIndex, m_state.lineIndex);
}

ExerciseViewState ExerciseEngine::ViewState() const
{
    return {m_state.column,      m_state.lineCount,  m_state.lineIndex,
            m_state.lessonIndex, m_state.errorMarks, m_state.previousErrorMarks};
}

void ExerciseEngine::ShowViewState()
{
    m_host.view.SetViewState(ViewState());
}

void ExerciseEngine::ShowKeystrokeUpdate()
{
    m_host.view.UpdateAfterKeystroke(ViewState(), m_settings.blinkingCursor, m_settings.cursorStyle);
}

void ExerciseEngine::ShowStatus()
{
    m_host.view.UpdateStatus(ElapsedSeconds(), SpeedPercent(), ErrorPercent());
}

void ExerciseEngine::NoticeWithoutOption(int stringId)
{
    int noOption = 0;
    m_host.dialogs.ShowInformation(StringTable::Text(stringId), noOption);
}

bool ExerciseEngine::StartLesson(int index)
{
    m_state.lessonIndex = index;
    if (!PrepareExercise(index)) {
        // The counters and the line count are already those of the empty lesson; an
        // exercise left running on it would judge keystrokes against nothing.
        if (m_state.running) {
            StopExercise();
        }
        return false;
    }
    m_state.running = 1;
    ShowViewState();
    m_host.window.RecomputeLayout();
    m_host.window.FocusMainWindow();
    return true;
}

bool ExerciseEngine::PrepareExercise(int index)
{
    LessonCatalog& catalog = m_session.catalog;
    m_state.errorRate = 0.0;
    m_state.column = 0;
    m_state.lineIndex = 0;
    m_state.errors = 0;
    m_state.keystrokes = 0;

    m_state.lineCount = catalog.LessonLineCount(index);
    m_state.speedLimit = SaturatingInt::FromReal(catalog.SpeedLimit(index));
    m_state.errorLimit = catalog.ErrorLimit(index);
    m_state.timeLimitSeconds = catalog.TimeLimit();
    if (m_state.lineCount <= 0) {
        return false;
    }

    const std::string title = catalog.LessonTitle(index);
    m_host.dialogs.ShowNote(StringTable::Text(kNoteTitlePrefix) + " " + title);

    m_session.record.BeginExercise(index, m_userName, m_state.errorLimit, m_state.speedLimit, title,
                                   catalog.LessonCharCount(index), m_clock.Now());
    m_state.errorMarks.assign(ExerciseState::kMarkColumns, ' ');
    m_state.intervalStart = ClockNow();
    m_state.typingTime = 0;
    LoadCurrentLine();
    return true;
}

void ExerciseEngine::StopExercise()
{
    m_state.running = 0;
    m_state.lessonIndex = -1;
    m_state.lineCount = 0;
    m_state.lineIndex = 0;
    m_state.column = 0;
    m_state.keystrokes = 0;
    m_state.errors = 0;
    m_state.errorMarks.assign(ExerciseState::kMarkColumns, ' ');
    m_state.errorRate = 0.0;
    m_state.intervalStart = 0;
    m_state.typingTime = 0;
    m_state.idleTicks = 0;
    m_state.idleKeystrokeCount = -1;
    m_state.qualificationFailed = 0;
    m_line.clear();
    m_host.view.SetViewState({0, 0, 0, -1, m_state.errorMarks, m_state.previousErrorMarks});
    m_host.window.ResetLayoutHeight();
}

void ExerciseEngine::OnCharacter(char c)
{
    if (!m_state.running) {
        return;
    }
    if (c == kEnterKey) {
        c = kLineEnd;
    }
    if (!m_session.typeable.Contains(c)) {
        return;
    }
    m_state.keystrokes += 1;
    const std::int64_t pressedAt = ClockNow();
    const std::int64_t startedAt = m_state.intervalStart;

    const auto column = static_cast<std::size_t>(m_state.column);
    const char expected = column < m_line.size() ? m_line[column] : '\0';
    const bool wrong = c != expected;
    m_errorDialogShown = false;
    if (wrong) {
        MarkError(c);
    }
    UpdateErrorRate();
    UpdateSpeed();
    ShowStatus();

    // After an error dialog the keystroke's interval ends where it was pressed: the time in
    // the dialog is no typing time, and the interval itself must not be lost with it.
    const std::int64_t now = ClockNow();
    const std::int64_t interval =
        std::max<std::int64_t>(m_errorDialogShown ? pressedAt - startedAt : now - m_state.intervalStart, 0);
    m_session.record.AddKeystroke(expected, c, SaturatingInt::FromWide(interval));
    m_state.typingTime += interval;
    m_state.intervalStart = now;

    m_state.column += 1;
    if (static_cast<std::size_t>(m_state.column) >= m_line.size()) {
        if (m_state.lineIndex + 1 < m_state.lineCount) {
            AdvanceLine();
            m_state.column = 0;
            ShowViewState();
            m_host.view.RedrawText();
        } else if (!FinishLesson()) {
            return;
        }
    }

    ShowKeystrokeUpdate();
    if (wrong) {
        m_host.sounds.PlayBadSound(m_settings.soundType);
    } else {
        m_host.sounds.PlayGoodSound(m_settings.soundType);
    }
}

void ExerciseEngine::MarkError(char c)
{
    m_state.errors += 1;
    const char mark = c == ' ' ? '_' : c;
    if (m_state.column >= 0 && m_state.column < static_cast<int>(m_state.errorMarks.size())) {
        m_state.errorMarks[static_cast<std::size_t>(m_state.column)] = mark;
    }
    if (m_settings.dialogAfterError) {
        m_errorDialogShown = true;
        m_host.dialogs.ShowInformation(StringTable::Text(kErrorNotice), m_settings.dialogAfterError);
        if (!m_settings.dialogAfterError) {
            m_session.profile.SetSettingsLine(m_settings.ToLine());
        }
    }
}

void ExerciseEngine::AdvanceLine()
{
    m_state.lineIndex += 1;
    m_state.previousErrorMarks.assign(m_state.errorMarks);
    m_state.errorMarks.assign(ExerciseState::kMarkColumns, ' ');
    LoadCurrentLine();
}

int ExerciseEngine::ElapsedSeconds() const
{
    const std::int64_t clock = m_hasFocus ? ClockNow() : m_focusLostAt;
    const std::int64_t running = std::max<std::int64_t>(clock - m_state.intervalStart, 0);
    const std::int64_t seconds = (m_state.typingTime + running) / 1000;
    return SaturatingInt::FromWide(seconds);
}

void ExerciseEngine::UpdateErrorRate()
{
    m_state.errorRate = m_state.keystrokes > 0 ? m_state.errors * 100.0 / m_state.keystrokes : 0.0;
}

void ExerciseEngine::UpdateSpeed()
{
    // Before the first whole second the time counts as one second: no division by zero,
    // and the speed rises smoothly into the first real figures.
    const int seconds = std::max(ElapsedSeconds(), 1);
    m_state.keysPerSecond = static_cast<double>(m_state.keystrokes) / seconds;
    m_state.keysPerMinute = m_state.keystrokes * 60.0 / seconds;
}

int ExerciseEngine::SpeedPercent() const
{
    return Percentage(m_state.keysPerMinute, m_state.speedLimit);
}

int ExerciseEngine::ErrorPercent() const
{
    return Percentage(m_state.errorRate, m_state.errorLimit);
}

bool ExerciseEngine::OnFocusGained()
{
    m_hasFocus = true;
    if (!m_state.running) {
        return false;
    }
    m_host.window.StartTimer(kDisplayTimerId, kDisplayTimerPeriod);
    StartMetronomeTimer();
    m_state.intervalStart = ClockNow();
    return true;
}

void ExerciseEngine::OnFocusLost()
{
    UpdateSpeed();
    m_focusLostAt = ClockNow();
    m_hasFocus = false;
    m_host.window.StopTimer(kDisplayTimerId);
    m_host.window.StopTimer(kMetronomeTimerId);
}

void ExerciseEngine::StartMetronomeTimer()
{
    if (m_settings.metronomeMode == 0) {
        return;
    }
    if (m_settings.metronomeBpm <= 0) {
        m_settings.metronomeBpm = 1;
    }
    // A speed above 60000 beats per minute would give a zero period, a timer that never rests.
    m_host.window.StartTimer(kMetronomeTimerId, std::max(60000 / m_settings.metronomeBpm, 1));
}

void ExerciseEngine::RestartMetronome()
{
    if (!m_state.running) {
        return;
    }
    m_host.window.StopTimer(kMetronomeTimerId);
    StartMetronomeTimer();
}

void ExerciseEngine::OnTimer(int id)
{
    if (id == kDisplayTimerId) {
        OnDisplayTick();
    } else if (id == kMetronomeTimerId) {
        OnMetronomeTick();
    }
}

void ExerciseEngine::OnDisplayTick()
{
    if (!m_state.running) {
        return;
    }

    m_state.idleTicks += 1;
    if (m_state.keystrokes != m_state.idleKeystrokeCount) {
        m_state.idleKeystrokeCount = m_state.keystrokes;
        m_state.idleTicks = 0;
    } else if (m_state.idleTicks > kPauseTicks) {
        m_host.dialogs.ShowNote(
            StringTable::Text(m_state.keystrokes == 0 ? kFreeTextInstruction : kPauseNote));
        m_state.idleTicks = 0;
    }

    if (m_state.qualificationRun && ElapsedSeconds() / 60 > kTestMinutes) {
        EndQualification();
        return;
    }

    if (m_state.lessonIndex == FREE_TEXT_LESSON && m_state.timeLimitSeconds < ElapsedSeconds()) {
        if (FreeTextTimeOut()) {
            return;
        }
    }
    if (!m_state.running) {
        return;
    }

    ShowKeystrokeUpdate();
    UpdateSpeed();
    ShowStatus();
    m_host.view.AnimateStatus();
}

void ExerciseEngine::OnMetronomeTick()
{
    if (!m_state.running) {
        return;
    }
    if (m_settings.metronomeMode & 1) {
        m_host.view.MetronomeFlash();
    }
    if (m_settings.metronomeMode & 2) {
        m_host.sounds.MidiTick(m_settings);
    }
}

bool ExerciseEngine::MeetsLimits() const
{
    return m_state.keysPerMinute >= m_state.speedLimit && m_state.errorRate <= m_state.errorLimit;
}

void ExerciseEngine::RecordProgress(bool passed)
{
    if (m_state.lessonIndex == FREE_TEXT_LESSON || m_state.lessonIndex < 0) {
        return;
    }
    UserProfile& profile = m_session.profile;
    if (passed) {
        profile.RecordResult(m_state.lessonIndex, m_clock.Now(), m_state.errorRate,
                             SaturatingInt::FromReal(m_state.keysPerMinute), ElapsedSeconds());
    } else if (m_state.keystrokes > 0) {
        // The attempt and its time count; the kept result is not improved.
        profile.RecordResult(m_state.lessonIndex, m_clock.Now(), 0.0, 0, ElapsedSeconds());
    }
}

bool ExerciseEngine::FinishLesson()
{
    if (m_state.qualificationRun) {
        EndQualification();
        return false;
    }
    ShowKeystrokeUpdate();

    if (m_state.lessonIndex == FREE_TEXT_LESSON) {
        const ExerciseDialogs::LessonEndResult result =
            m_host.dialogs.RunLessonEndDialog(m_userName, false, -1);
        if (result.endRequested || !PrepareExercise(FREE_TEXT_LESSON)) {
            StopExercise();
            m_host.view.Invalidate();
            return false;
        }
    } else {
        const bool passed = MeetsLimits();
        RecordProgress(passed);
        const ExerciseDialogs::LessonEndResult result =
            m_host.dialogs.RunLessonEndDialog(m_userName, passed, m_state.lessonIndex + 1);
        if (result.endRequested) {
            StopExercise();
            m_host.view.Invalidate();
            return false;
        }
        const int finished = m_state.lessonIndex;
        if (passed && result.nextLesson) {
            m_state.lessonIndex += 1;
        }
        if (!PrepareExercise(m_state.lessonIndex)) {
            // Past the last lesson: the user stays on it, so that "Zur Lektion" names it.
            m_state.lessonIndex = finished;
            NoticeWithoutOption(kAllDoneNotice);
            m_state.running = 0;
            return false;
        }
    }

    m_state.column = 0;
    ShowViewState();
    m_host.view.RedrawText();
    return true;
}

bool ExerciseEngine::FreeTextTimeOut()
{
    const ExerciseDialogs::LessonEndResult result = m_host.dialogs.RunLessonEndDialog(m_userName, false, -1);
    if (result.endRequested) {
        StopExercise();
        m_host.view.Invalidate();
        return true;
    }
    StartLesson(FREE_TEXT_LESSON);
    return false;
}

void ExerciseEngine::RunFirstTimeSetup()
{
    m_host.dialogs.RunUserInfoDialog();
    const ExerciseDialogs::WizardResult wizard =
        m_host.dialogs.RunFirstTimeWizard(m_state.qualificationFailed == 1);
    if (!wizard.finished || wizard.chosenLesson == -1) {
        StopExercise();
        m_host.view.Invalidate();
        m_host.window.FocusMainWindow();
        m_state.qualificationRun = 0;
        return;
    }
    m_host.window.EnterQualificationMenu();
    m_state.qualificationRun = 1;
    StartLesson(wizard.chosenLesson);
}

void ExerciseEngine::EndQualification()
{
    m_host.window.LeaveQualificationMenu();
    if (MeetsLimits()) {
        NoticeWithoutOption(kTestPassedNotice);
        m_state.qualificationRun = 0;
        if (m_state.lessonIndex >= 0) {
            // Every lesson up to the tested one counts as begun.
            m_session.profile.AddEmptyRecords(m_state.lessonIndex + 1);
        }
        RecordProgress(true);
        StopExercise();
        m_host.view.Invalidate();
    } else {
        NoticeWithoutOption(kTestFailedNotice);
        m_state.qualificationFailed = 1;
        RunFirstTimeSetup();
    }
}

void ExerciseEngine::OnEndTestCommand()
{
    if (!m_state.qualificationRun) {
        return;
    }
    m_state.speedLimit = kEndTestSpeedLimit;
    EndQualification();
}
