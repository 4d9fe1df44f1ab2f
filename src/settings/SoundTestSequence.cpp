#include "settings/SoundTestSequence.h"

const std::vector<SoundTestSequence::Step>& SoundTestSequence::Steps()
{
    static const std::vector<Step> steps = {
        {Sound::Good, 300}, {Sound::Good, 300}, {Sound::Bad, 300}, {Sound::Good, 300}, {Sound::Good, 0},
    };
    return steps;
}
