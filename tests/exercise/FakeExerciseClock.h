#pragma once

#include "exercise/ExerciseClock.h"

// A clock that moves only when a test says so.
class FakeExerciseClock : public ExerciseClock
{
public:
    std::int64_t Milliseconds() override { return ms; }
    std::int64_t Now() override { return calendar; }
    void Advance(std::int64_t millis) { ms += millis; }

    std::int64_t ms = 5'000'000;
    std::int64_t calendar = 1'700'000'000;
};
