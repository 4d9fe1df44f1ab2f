#pragma once

#include <cstdint>

// The kept result of one lesson and the practice spent on it.
struct LessonProgress
{
    // A new record: now, no completed result, no time, no attempts.
    LessonProgress();

    std::int64_t date = 0;         // seconds since 1970-01-01 00:00 UTC
    int speed = 0;                 // keystrokes per minute; 0: no completed result
    double errorRate = 0.0;        // percent
    std::int64_t totalSeconds = 0; // all attempts together
    int attempts = 0;              // attempts with a positive time
};
