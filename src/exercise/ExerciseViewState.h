#pragma once

#include <string>

// Where the exercise stands, as the engine hands it to the view.
struct ExerciseViewState
{
    // Characters of the current line already typed.
    int column = 0;
    int lineCount = 0;
    int lineIndex = 0;
    // -1: no lesson, the welcome picture shows.
    int lessonIndex = -1;
    // At each column of the current line the wrong character typed there, else a blank.
    std::string errorMarks;
    std::string previousErrorMarks;
};
