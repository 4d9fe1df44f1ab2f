#pragma once

#include <string>

// What each keyboard of the courses can type, as Windows-1250 bytes (Enter included as
// 0xA4). The installed keyboard files are the final word; this is the checker's view
// of them, kept deliberately narrow.
class KeyboardCharacters
{
public:
    // "00000407" (German QWERTZ), "00000409" (US) or "NUM" (numeric keypad); empty for
    // any other name.
    static std::string For(const std::string& keyboardName);

    // Space and Enter: known from the first lesson on (the keypad has no space bar).
    static std::string Implicit(const std::string& keyboardName);
};
