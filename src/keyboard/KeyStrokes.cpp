#include "keyboard/KeyStrokes.h"

#include "keyboard/CharacterMap.h"

KeyStrokes KeyStrokes::Of(const CharacterMap& map, char character)
{
    KeyStrokes strokes;
    map.Find(character, strokes.firstModifier, strokes.firstKey, strokes.secondModifier, strokes.secondKey);
    return strokes;
}

std::array<int, 2> KeyStrokes::HighlightedAt(int blinkPhase) const
{
    const int step = blinkPhase % 4;
    if (secondKey != -1 && (step == 2 || step == 3)) {
        return {secondModifier, secondKey};
    }
    return {firstModifier, firstKey};
}
