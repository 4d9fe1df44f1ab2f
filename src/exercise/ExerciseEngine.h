#pragma once

#include "exercise/ExerciseClock.h"
#include "exercise/ExerciseHost.h"
#include "exercise/ExerciseState.h"

#include <string>
#include <utility>

class AppSettings;
class TypingSession;

// The exercise logic of the main window: starting a lesson, judging every typed
// character, timing, the lesson end with its progression, and the first-run
// qualification test. Windows, sounds and timers are reached only through the host; the
// lessons, the exercise record and the user are the session's.
class ExerciseEngine
{
public:
    static constexpr int kDisplayTimerId = 275;
    static constexpr int kDisplayTimerPeriod = 400;
    static constexpr int kMetronomeTimerId = 5123;
    // Menu command of "&Ende des ersten Tests".
    static constexpr int kEndTestCommand = 102;
    // The speed limit that makes the ended test fail.
    static constexpr int kEndTestSpeedLimit = 5000;

    // Starts idle (the state after StopExercise) without calling the host. The settings
    // are the main window's; the engine reads them at every use and writes only
    // dialogAfterError and a metronome speed below 1.
    ExerciseEngine(ExerciseHost host, ExerciseClock& clock, TypingSession& session, AppSettings& settings,
                   std::string userName, bool qualificationRun);

    ExerciseEngine(const ExerciseEngine&) = delete;
    ExerciseEngine& operator=(const ExerciseEngine&) = delete;

    const ExerciseState& State() const { return m_state; }
    const std::string& UserName() const { return m_userName; }
    void SetUserName(std::string userName) { m_userName = std::move(userName); }
    // Whether the next exercise is the first-run qualification test.
    void SetQualificationRun(bool on) { m_state.qualificationRun = on ? 1 : 0; }
    // Keystrokes and ticks are no longer evaluated; what is shown stays until
    // StopExercise. For a change of user, while the login is open.
    void HaltExercise() { m_state.running = 0; }
    AppSettings& Settings() { return m_settings; }

    // Starts the lesson with that index (FREE_TEXT_LESSON for the imported text). False
    // when the lesson has no lines; an exercise that was running is then stopped.
    bool StartLesson(int index);
    // Resets the counters, shows the lesson note and begins the exercise record. False
    // when the lesson has no lines.
    bool PrepareExercise(int index);
    void StopExercise();

    // One typed character as a Windows-1250 byte; 13 is Enter.
    void OnCharacter(char c);
    void MarkError(char c);
    void AdvanceLine();

    // Typing time in whole seconds, the running interval included. While the main window
    // lacks the focus the clock stands at the moment it was lost.
    int ElapsedSeconds() const;
    void UpdateErrorRate();
    void UpdateSpeed();
    // Speed and error rate as whole percentages of the lesson's limits, for the status strip.
    int SpeedPercent() const;
    int ErrorPercent() const;

    // Focus of the main window. OnFocusGained returns false when no exercise runs: the
    // window then passes the focus on to the keyboard view.
    bool OnFocusGained();
    void OnFocusLost();
    // A tick of timer 275 or 5123; other ids are ignored.
    void OnTimer(int id);
    void OnDisplayTick();
    void OnMetronomeTick();
    // After the settings changed: the metronome timer again with the new mode and speed.
    void RestartMetronome();

    // The lesson end after its last character. True when an exercise was restarted and
    // the keystroke's display update and sound still follow.
    bool FinishLesson();
    // Folds the exercise into the user's progress; passed = false records an attempt.
    void RecordProgress(bool passed);
    bool MeetsLimits() const;
    // The free text's time limit ran out. True when the dialog ended the exercise.
    bool FreeTextTimeOut();

    // The qualification test: details, wizard, test; its end by typing, time or command.
    void RunFirstTimeSetup();
    void EndQualification();
    // Command 102: ends the test as failed.
    void OnEndTestCommand();

private:
    std::int64_t ClockNow() const;
    void LoadCurrentLine();
    ExerciseViewState ViewState() const;
    void ShowViewState();
    void ShowKeystrokeUpdate();
    void ShowStatus();
    void StartMetronomeTimer();
    void NoticeWithoutOption(int stringId);

    ExerciseHost m_host;
    ExerciseClock& m_clock;
    TypingSession& m_session;
    AppSettings& m_settings;
    std::string m_userName;
    ExerciseState m_state;
    // The line being typed, fetched once per line.
    std::string m_line;
    bool m_hasFocus = true;
    bool m_errorDialogShown = false;
    std::int64_t m_focusLostAt = 0;
};
