#pragma once

#include <vector>

// What "&Test" plays with the chosen sound type: two correct keystrokes, a wrong one and
// two correct ones, 300 ms apart. A pause starts when the sound before it has ended, as
// it would after a keystroke whose sound plays to its end.
class SoundTestSequence
{
public:
    enum class Sound
    {
        Good,
        Bad
    };

    struct Step
    {
        Sound sound;
        int pauseAfterMs;

        bool operator==(const Step&) const = default;
    };

    static const std::vector<Step>& Steps();
};
