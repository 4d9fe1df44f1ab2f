#pragma once

#include <array>

class CharacterMap;

// The keystrokes of one character as key indices (-1 for none): a modifier and a key,
// and for a dead-key character a second modifier and key.
struct KeyStrokes
{
    int firstModifier = -1;
    int firstKey = -1;
    int secondModifier = -1;
    int secondKey = -1;

    bool operator==(const KeyStrokes&) const = default;

    // The strokes of `character`; all -1 when the map does not know it.
    static KeyStrokes Of(const CharacterMap& map, char character);

    // The keys shown at a blink phase: a two-stroke character shows its first stroke for
    // phases 0 and 1, its second for 2 and 3, and so on; the others always their first.
    // Both entries are -1 when nothing is shown; the modifier comes first.
    std::array<int, 2> HighlightedAt(int blinkPhase) const;

    // Every key of the strokes, -1 for none.
    std::array<int, 4> AllKeys() const { return {firstModifier, firstKey, secondModifier, secondKey}; }
};
