#pragma once

#include <string>

// What the results hand to the remark generator: four scores and the two key lists.
struct RemarkInput
{
    // 0 fast .. 99 slow; 49 at the speed limit.
    int speedScore = 0;
    // 0 without errors .. 99; 50 at the error limit.
    int errorScore = 0;
    // Keys with many faults, "ö, ä." or empty.
    std::string faultKeysText;
    // Variation of the keystroke intervals in percent, at most 99.
    int rhythmScore = 0;
    // Keys typed slowly, as faultKeysText.
    std::string slowKeysText;
    // Percent of the text typed; may exceed 100.
    int percentTyped = 0;
};
