#pragma once

// The keystrokes that type one character: one or two strokes, each a key and the
// modifier key held with it (key indices of the keyboard layout, -1 for none).
struct CharacterEntry
{
    char character = 0;
    int firstModifier = -1;
    int firstKey = -1;
    int secondModifier = -1;
    int secondKey = -1;
};
