#pragma once

#include "feedback/MidiPort.h"

#include <memory>

// The metronome's MIDI output on this system: a MIDI output port when there is one, else
// the FluidSynth software synthesizer; nullptr (silence) when neither can be opened.
class SystemMidi
{
public:
    static std::unique_ptr<MidiPort> OpenPort(int device);
};
