#pragma once

#include <string>

// One key of the evaluation's key lists.
struct KeyRow
{
    char character = 0;
    // 0 (fast) to 4 (slow): the mean interval against the speed limit.
    int speedIcon = 0;
    // 0 (few faults) to 4 (many): the fault rate against the error limit.
    int faultIcon = 0;
    // Seconds.
    double meanInterval = 0.0;
    // What was typed in its place, in order; a blank written as "_".
    std::string wrongCharacters;
    int faults = 0;
    int keystrokes = 0;
};
