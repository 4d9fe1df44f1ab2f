#pragma once

#include <string>

// The nine fields of the value table as shown.
struct ValueTableTexts
{
    std::string speedLimit;
    std::string speed;
    std::string errorLimit;
    std::string errorRate;
    std::string time;
    std::string typedPercent;
    std::string characters;
    std::string keystrokes;
    std::string faults;
};
