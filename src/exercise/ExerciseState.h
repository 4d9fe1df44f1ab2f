#pragma once

#include <cstdint>
#include <string>

// The fields of a running exercise, as the main window keeps them. Clock values are
// milliseconds of the exercise clock; they are 64-bit so that a long-running program
// cannot overflow them.
struct ExerciseState
{
    // Columns of a line that carry error marks.
    static constexpr int kMarkColumns = 70;

    // Non-zero while an exercise runs; only then are keystrokes evaluated.
    int running = 0;
    // FREE_TEXT_LESSON for the imported text, -1 for none.
    int lessonIndex = -1;
    int lineCount = 0;
    int lineIndex = 0;
    // Index in the current line of the next character to type.
    int column = 0;
    int keystrokes = 0;
    int errors = 0;
    // At each column of the current line the wrong character typed there, else a space.
    std::string errorMarks = std::string(kMarkColumns, ' ');
    std::string previousErrorMarks;
    // Percent.
    double errorRate = 0.0;
    double keysPerSecond = 0.0;
    // Keystrokes x 60 / whole seconds, computed in one division so that a speed that
    // exactly reaches a limit compares equal to it (keysPerSecond x 60 may round below).
    double keysPerMinute = 0.0;
    // Keystrokes per minute, the lesson's limit with its fraction cut off.
    int speedLimit = 0;
    // Percent.
    double errorLimit = 0.0;
    std::int64_t timeLimitSeconds = 0;
    std::int64_t intervalStart = 0;
    // Sum of all finished keystroke intervals.
    std::int64_t typingTime = 0;
    // Pause watch: display-timer ticks since the keystroke count last changed.
    int idleTicks = 0;
    int idleKeystrokeCount = -1;
    int qualificationRun = 0;
    int qualificationFailed = 0;
};
