#pragma once

#include <string>

// One row of the qualification test's lesson list (Windows-1250 text).
struct TestLessonRow
{
    // The letters of this lesson and all before it.
    std::string letters;
    // The lesson's limits as shown, two decimals.
    std::string errorLimit;
    std::string speedLimit;
    int lessonIndex = -1;
};
