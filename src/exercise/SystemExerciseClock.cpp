#include "exercise/SystemExerciseClock.h"

#include <ctime>

SystemExerciseClock::SystemExerciseClock()
    : m_start(std::chrono::steady_clock::now())
{}

std::int64_t SystemExerciseClock::Milliseconds()
{
    const auto elapsed = std::chrono::steady_clock::now() - m_start;
    return std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
}

std::int64_t SystemExerciseClock::Now()
{
    return static_cast<std::int64_t>(std::time(nullptr));
}
