#pragma once

// The main window as the exercise needs it: timers, focus, layout and the menu of the
// qualification test.
class ExerciseWindow
{
public:
    virtual ~ExerciseWindow() = default;

    // Each tick goes to ExerciseEngine::OnTimer(id). Starting a running timer restarts it
    // with the new period.
    virtual void StartTimer(int id, int periodMs) = 0;
    virtual void StopTimer(int id) = 0;
    // Gives the keyboard focus to the main window; gaining it calls OnFocusGained.
    virtual void FocusMainWindow() = 0;

    // Recomputes the layout for the panes shown and resizes the window to it.
    virtual void RecomputeLayout() = 0;
    // Sets the remembered layout height back to that of an idle window.
    virtual void ResetLayoutHeight() = 0;

    // The qualification test's menu: the top-level entries grayed and "Ende des ersten
    // Tests" in front; Leave removes it and enables the entries again.
    virtual void EnterQualificationMenu() = 0;
    virtual void LeaveQualificationMenu() = 0;
};
