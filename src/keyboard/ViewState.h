#pragma once

#include <functional>
#include <string>

// Where the exercise stands, as the main window hands it to the keyboard view.
struct ViewState
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

// Line `line` of lesson `lesson` in Windows-1250, empty when there is none.
using LessonLineSource = std::function<std::string(int lesson, int line)>;
