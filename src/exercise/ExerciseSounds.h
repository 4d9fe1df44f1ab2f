#pragma once

class AppSettings;

// The sounds of an exercise; the application's sound feedback implements it.
class ExerciseSounds
{
public:
    virtual ~ExerciseSounds() = default;

    // A right and a wrong keystroke, in the chosen kind of sound (soundType).
    virtual void PlayGoodSound(int soundType) = 0;
    virtual void PlayBadSound(int soundType) = 0;
    // One beat of the metronome as the settings describe it.
    virtual void MidiTick(const AppSettings& settings) = 0;
};
