#pragma once

class AppSettings;

// What the settings pages play: the keystroke sounds of "&Test" and the metronome's sound
// tick of the preview. No call waits for its sound.
class SettingsSound
{
public:
    virtual ~SettingsSound() = default;

    // Each returns how long the sound plays on before the next may start: a bad sound and
    // a beep are heard to their end, a good wave sound is cut off by the next (0).
    virtual int PlayGoodSound(int soundType) = 0;
    virtual int PlayBadSound(int soundType) = 0;
    virtual void MidiTick(const AppSettings& settings) = 0;
};
