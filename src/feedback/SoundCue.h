#pragma once

#include "feedback/ToneSegment.h"

#include <string>
#include <vector>

// One keystroke sound as the sound types define it: a wave file from the "sounds" folder,
// a sequence of speaker tones, or nothing.
struct SoundCue
{
    enum class Source
    {
        None,
        WaveFile,
        Tones
    };

    Source source = Source::None;
    // The wave file in "sounds", or for tones the name their generated wave file gets.
    std::string fileName;
    std::vector<ToneSegment> tones;
    // The sound of a wrong keystroke.
    bool bad = false;
    // Plays to its end: a newer sound does not cut it off.
    bool synchronous = false;

    bool IsSilent() const { return source == Source::None; }

    int ToneDurationMs() const
    {
        int total = 0;
        for (const ToneSegment& tone : tones)
            total += tone.durationMs;
        return total;
    }
};
