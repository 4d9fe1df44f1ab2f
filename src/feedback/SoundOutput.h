#pragma once

#include "feedback/SoundCue.h"

#include <string>

// Where keystroke sounds go. Play must return at once; starting a sound cuts off the one
// this output is playing.
class SoundOutput
{
public:
    virtual ~SoundOutput() = default;

    virtual void Play(const SoundCue& cue) = 0;
    // How long the sound plays in milliseconds; 0 when it cannot be played.
    virtual int DurationMs(const SoundCue& cue) const = 0;
    // Plays a wave file once, beside the keystroke sounds (the greeting).
    virtual void PlayFile(const std::string& path) = 0;
};
