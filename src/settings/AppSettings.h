#pragma once

#include <string>

// The options the settings pages edit. They travel as one line of text, the settings
// line, stored with the user ("!" then ten fields, each closed by ':').
class AppSettings
{
public:
    // All fields at their defaults.
    AppSettings() = default;

    // The ten stored fields back to their defaults; the MIDI fields stay.
    void Reset();
    // "!blink:cursor:sound:errorDialog:keyboard:hands:statistics:metronome:bpm:pictures:"
    std::string ToLine() const;
    // Reads a settings line. False, with nothing changed, when it does not start with
    // "!"; false when a field lacks its colon, the fields before it already taken.
    bool FromLine(const std::string& text);
    // Copies the ten stored fields, not the MIDI fields.
    void CopyFrom(const AppSettings& other);

    // A picture-set name that may become a folder name: no path separator, no control
    // character, not "." or "..".
    static bool IsSafePictureSet(const std::string& name);

    int blinkingCursor = 0;
    int cursorStyle = 2; // 0 window, 1 axis, 2 arrow
    int soundType = 0;   // 0-3 wave sounds, 4-7 speaker sounds, 8 silent
    int showKeyboard = 0;
    int showHands = 0;
    int showStatistics = 1;
    int dialogAfterError = 0;
    int metronomeMode = 0; // bit 0 graphic tick, bit 1 sound tick
    int metronomeBpm = 70;
    std::string pictureSet = "standard";

    // Fixed MIDI output of the metronome; never stored.
    int midiDevice = -1; // the system's default output
    int midiChannel = 0;
    int midiVelocity = 50;
    int midiNote = 60;
    int midiProgram = 11;
};
