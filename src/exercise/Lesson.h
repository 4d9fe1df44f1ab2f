#pragma once

#include <string>
#include <vector>

// One lesson of a course: a titled block of practice text with the speed it asks for
// and the error rate it allows.
struct Lesson
{
    explicit Lesson(int index);

    static double DefaultSpeedLimit(int index);
    static constexpr double kDefaultErrorLimit = 0.8;

    std::string title;
    std::string NewLetters;         // the characters this lesson introduces
    int TestEntry = 0;              // non-zero: a target the qualification test offers
    double SpeedLimit;              // keystrokes per minute to reach
    double ErrorLimit;              // error rate in percent not to exceed
    std::vector<std::string> lines; // the practice text, never an empty line
};
