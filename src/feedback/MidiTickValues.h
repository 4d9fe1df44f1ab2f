#pragma once

class AppSettings;

// The MIDI fields of the settings that one metronome tick uses, copied so that the tick
// can be played away from the settings object.
struct MidiTickValues
{
    int device = -1; // -1: the system's default output
    int channel = 0;
    int velocity = 50;
    int note = 60;
    int program = 11;

    static MidiTickValues From(const AppSettings& settings);

    bool operator==(const MidiTickValues&) const = default;
};
