#pragma once

#include <cstdint>
#include <vector>

// One short MIDI message: a status byte and its data bytes.
using MidiMessage = std::vector<std::uint8_t>;

// The short messages of the metronome's sound tick. Channels outside 0-15 keep their low four
// bits and data bytes are held to 0-127, so that an odd value can never turn into another
// kind of message.
class MidiMessages
{
public:
    static MidiMessage ProgramChange(int channel, int program);
    static MidiMessage NoteOn(int channel, int note, int velocity);
    static MidiMessage NoteOff(int channel, int note);
    static MidiMessage ControlChange(int channel, int controller, int value);
    // "All notes off" on one channel.
    static MidiMessage AllNotesOff(int channel);
    // A freshly opened device: controllers reset and every note off, on all 16 channels.
    static std::vector<MidiMessage> ResetDevice();

    // The message as a 32-bit short-message value: status in the lowest byte, then the
    // first and second data bytes.
    static std::uint32_t PackedValue(const MidiMessage& message);
};
