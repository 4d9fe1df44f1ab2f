#pragma once

#include <string>

// What the free-text limit dialog edits: the speed and error limits of an imported
// text and the exercise's time limit in minutes, with the dialog's accepted ranges.
struct LimitValues
{
    static constexpr double kDefaultSpeed = 120.0;
    static constexpr double kDefaultError = 1.0;
    static constexpr int kDefaultMinutes = 30;

    static constexpr double kMinSpeed = 20.0, kMaxSpeed = 999.0;
    static constexpr double kMinError = 0.1, kMaxError = 10.0;
    static constexpr int kMinMinutes = 1, kMaxMinutes = 60;

    double speedLimit = kDefaultSpeed; // keystrokes per minute
    double errorLimit = kDefaultError; // percent
    int minutes = kDefaultMinutes;

    // The message the dialog shows for the first value out of range (UTF-8, from the
    // string table), or empty when every value is accepted.
    std::string ValidationMessage() const;
};
