#pragma once

#include "CourseLesson.h"

#include <string>
#include <vector>

// Verifies a lesson file source (UTF-8) against the rules every course keeps: the line
// format the program reads, the lesson shape and the order in which characters are
// introduced. Every fault is reported; nothing is repaired.
class CourseChecker
{
public:
    static constexpr int kMaxLineLength = 70; // Enter included
    static constexpr int kMinLines = 5;
    static constexpr int kMaxLines = 12;
    static constexpr double kLowestSpeed = 60.0;
    static constexpr double kHighestSpeed = 200.0;
    static constexpr double kLowestErrorLimit = 0.5;
    static constexpr double kHighestErrorLimit = 3.0;

    struct Result
    {
        CourseText course; // what could be read, Windows-1250
        std::vector<std::string> problems;
        bool Passed() const { return problems.empty(); }
    };

    // `path` is the source's path; the identity line must occur in it, and the part
    // before its '_' names the keyboard whose characters the lessons may use.
    static Result Check(const std::string& path, const std::string& utf8, int minLessons);
};
