#pragma once

#include "feedback/SoundCue.h"

#include <vector>

// The nine sound types of the settings: 0-3 wave files, 4-7 speaker tones, 8 silence.
class SoundCatalog
{
public:
    static constexpr int kSoundTypeCount = 9;

    // The sound of a correct keystroke; silent for types without one and unknown types.
    static SoundCue GoodSound(int soundType);
    // The sound of a wrong keystroke; silent for type 8 and unknown types.
    static SoundCue BadSound(int soundType);
    // Every sound some type plays, each once, so that all can be prepared before typing.
    static std::vector<SoundCue> AllSounds();
};
