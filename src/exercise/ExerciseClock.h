#pragma once

#include <cstdint>

// The two clocks an exercise reads: a millisecond clock for typing time and the calendar
// time for the dates of records.
class ExerciseClock
{
public:
    virtual ~ExerciseClock() = default;

    // Milliseconds of a monotonic clock; only differences matter.
    virtual std::int64_t Milliseconds() = 0;
    // Seconds since 1970-01-01 00:00 UTC.
    virtual std::int64_t Now() = 0;
};
