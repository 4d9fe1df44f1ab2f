#pragma once

#include <string>
#include <vector>

// One line of a key list as shown: its image and its column texts.
struct KeyListLine
{
    int image = 0;
    std::vector<std::string> columns;
};
