#pragma once

#include "results/ValueTableTexts.h"

#include <cstdint>

// The value table of an evaluation. Not filled without a recorded exercise.
struct ValueTable
{
    bool filled = false;
    // Keystrokes per minute.
    int speedLimit = 0;
    double speed = 0.0;
    // Percent.
    double errorLimit = 0.0;
    double errorRate = 0.0;
    std::int64_t typingSeconds = 0;
    // Keystrokes × 100 ÷ the lesson's characters.
    double typedPercent = 0.0;
    std::int32_t characters = 0;
    int keystrokes = 0;
    int faults = 0;

    // The texts of the fields; "0" in each while not filled.
    ValueTableTexts Texts() const;
    // Hours (within a day), minutes and seconds: "HH:MM:SS".
    static std::string TimeText(std::int64_t seconds);
};
