#pragma once

#include <string>

// The values the results dialog hands to the remark generator, in its order.
struct RemarkInput
{
    int speed = 0;         // 0 fast .. 99 slow; 49 is the speed limit
    int error = 0;         // 0 no errors .. 99; 50 is the error limit
    std::string faultKeys; // "ö, ä." or empty
    int rhythm = 0;        // variation of the keystroke intervals in percent, at most 99
    std::string slowKeys;  // as faultKeys
    int completion = 0;    // percent of the text typed; may exceed 100
};
