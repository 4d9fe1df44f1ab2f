#pragma once

#include <string>

// One line of keyboards.txt: the keyboard's file name and the name shown to the user.
struct KeyboardListEntry
{
    std::string keyboardName;
    std::string displayName;
};
