#pragma once

#include "exercise/ExerciseClock.h"

#include <chrono>

// Wall-clock milliseconds since construction (not processor time, which stands still
// while the program waits for keystrokes) and the system's calendar time.
class SystemExerciseClock : public ExerciseClock
{
public:
    SystemExerciseClock();

    std::int64_t Milliseconds() override;
    std::int64_t Now() override;

private:
    std::chrono::steady_clock::time_point m_start;
};
