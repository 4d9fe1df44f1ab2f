#pragma once

#include <string>

class AppSettings;

// Everything the exercise engine needs from windows, sound and timers. The main window
// implements it; the dialogs it opens are modal, so while one is open the main window has
// lost the focus and should say so through ExerciseEngine::OnFocusLost/OnFocusGained.
class ExerciseHost
{
public:
    // The lesson-end dialog's outcome.
    struct LessonEndResult
    {
        // Ended with OK: "Nächste Lektion".
        bool nextLesson = false;
        // "Ende" was pressed.
        bool endRequested = false;
    };

    // The first-run wizard's outcome.
    struct WizardResult
    {
        // Ended with Finish (or "Testen").
        bool finished = false;
        // The lesson picked for the test, -1 for none.
        int chosenLesson = -1;
    };

    virtual ~ExerciseHost() = default;

    // NoteDialog: one text and a continue button, modal.
    virtual void ShowNote(const std::string& text) = 0;
    // InformationBox in notice mode (button "Wir gehen weiter"). The check box 1007 is
    // offered when option is non-zero at opening and is bound to it.
    virtual void ShowInformation(const std::string& text, int& option) = 0;
    // LessonEndDialog; lessonNumber -1 is the free-text variant.
    virtual LessonEndResult RunLessonEndDialog(const std::string& userName, bool passed,
                                               int lessonNumber) = 0;
    // UserInfoDialog, modal.
    virtual void RunUserInfoDialog() = 0;
    // CFirstTimeWizard with caption string 121; startAtTestPage opens it on page index 3.
    virtual WizardResult RunFirstTimeWizard(bool startAtTestPage) = 0;

    // Keyboard view.
    virtual void SetViewState(int column, int lineCount, int lineIndex, int lessonIndex,
                              const std::string& errorMarks, const std::string& previousErrorMarks) = 0;
    virtual void UpdateAfterKeystroke(int column, int lineCount, int lineIndex, int lessonIndex,
                                      const std::string& errorMarks, int blinkingCursor, int cursorStyle) = 0;
    virtual void UpdateStatus(int elapsedSeconds, int speedPercent, int errorPercent) = 0;
    virtual void RedrawText() = 0;
    virtual void AnimateStatus() = 0;
    virtual void MetronomeFlash() = 0;
    // Repaints the whole keyboard view.
    virtual void RedrawKeyboardView() = 0;

    // Sound feedback.
    virtual void PlayGoodSound(int soundType) = 0;
    virtual void PlayBadSound(int soundType) = 0;
    virtual void MidiTick(const AppSettings& settings) = 0;

    // Timers of the main window; each tick goes to ExerciseEngine::OnTimer(id).
    // Starting a running timer restarts it with the new period.
    virtual void StartTimer(int id, int periodMs) = 0;
    virtual void StopTimer(int id) = 0;

    // Qualification test menu: gray the top-level entries 0 to 7 and put the entry with
    // command 102 and string 120 in front; Leave removes it and enables the entries again.
    virtual void EnterQualificationMenu() = 0;
    virtual void LeaveQualificationMenu() = 0;

    // Recomputes the main window's layout and resizes the window to it.
    virtual void RecomputeLayout() = 0;
    // Sets the remembered layout height back to 220.
    virtual void ResetLayoutHeight() = 0;
    // Gives the keyboard focus to the main window; gaining it calls OnFocusGained.
    virtual void FocusMainWindow() = 0;
};
