#pragma once

class QString;

// What a key press means to the exercise: Enter as 13, a printable character as its
// Windows-1250 byte, and -1 for everything else (function keys, Backspace, characters
// without a Windows-1250 form). Dead keys reach us already composed.
class TypedCharacter
{
public:
    static int FromKey(int key, const QString& text);
};
