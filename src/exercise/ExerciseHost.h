#pragma once

#include "exercise/ExerciseDialogs.h"
#include "exercise/ExerciseSounds.h"
#include "exercise/ExerciseView.h"
#include "exercise/ExerciseWindow.h"

// Everything the exercise engine reaches outside itself, by role. The owner of the
// engine hands in each part; all must outlive the engine.
struct ExerciseHost
{
    ExerciseView& view;
    ExerciseSounds& sounds;
    ExerciseDialogs& dialogs;
    ExerciseWindow& window;
};
