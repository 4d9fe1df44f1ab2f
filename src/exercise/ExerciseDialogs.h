#pragma once

#include <string>

// The questions and notices of an exercise, all modal. While one is open the main window
// has lost the focus and says so through ExerciseEngine::OnFocusLost/OnFocusGained.
class ExerciseDialogs
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

    virtual ~ExerciseDialogs() = default;

    // One text and a continue button.
    virtual void ShowNote(const std::string& text) = 0;
    // A notice (button "Wir gehen weiter"). The check box 1007 is offered when option is
    // non-zero at opening and is bound to it.
    virtual void ShowInformation(const std::string& text, int& option) = 0;
    // The end of a lesson; lessonNumber -1 is the free-text variant.
    virtual LessonEndResult RunLessonEndDialog(const std::string& userName, bool passed,
                                               int lessonNumber) = 0;
    // The user's personal details.
    virtual void RunUserInfoDialog() = 0;
    // The first-run wizard; startAtTestPage opens it on its test page.
    virtual WizardResult RunFirstTimeWizard(bool startAtTestPage) = 0;
};
