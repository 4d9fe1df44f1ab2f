#pragma once

#include <string>

// One line of lessons.txt: a course the first-run wizard offers for a keyboard.
struct LessonSeries
{
    // Its last two characters are the lesson set of the course's lesson file.
    std::string code;
    std::string keyboardName;
    std::string title;
    std::string description;
};
