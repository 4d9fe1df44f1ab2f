#pragma once

#include "exercise/ExerciseViewState.h"

// What the exercise shows: the text panel, the status strip and the on-screen keyboard
// with the hands. The keyboard view implements it.
class ExerciseView
{
public:
    virtual ~ExerciseView() = default;

    // Stores the exercise's position; draws nothing.
    virtual void SetViewState(const ExerciseViewState& state) = 0;
    // After every keystroke and every display tick: the typed character, the cursor and
    // the next key and finger, then the new position is stored.
    virtual void UpdateAfterKeystroke(const ExerciseViewState& state, int blinkingCursor,
                                      int cursorStyle) = 0;
    // The clock and the gauges, as percentages of the lesson's limits.
    virtual void UpdateStatus(int elapsedSeconds, int speedPercent, int errorPercent) = 0;
    // The whole text panel anew, after a change of line.
    virtual void RedrawText() = 0;
    // The next frame of the status animation.
    virtual void AnimateStatus() = 0;
    // The metronome's beat made visible.
    virtual void MetronomeFlash() = 0;
    // Everything anew.
    virtual void Invalidate() = 0;
};
