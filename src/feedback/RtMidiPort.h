#pragma once

#include "feedback/MidiPort.h"

#include <functional>
#include <memory>

class RtMidiOut;

// A MIDI output port of the system (ALSA sequencer or JACK) through RtMidi.
class RtMidiPort : public MidiPort
{
public:
    // Makes the RtMidi output object; may throw as RtMidi's constructor does.
    using Factory = std::function<std::unique_ptr<RtMidiOut>()>;

    ~RtMidiPort() override;

    // Opens the port the device number stands for (see MidiPortChoice). nullptr when RtMidi
    // cannot start (it throws without a sequencer), there is no such port or it will not
    // open. An empty factory makes RtMidi's default output object.
    static std::unique_ptr<MidiPort> Open(int device, const Factory& factory = {});

    void Send(const MidiMessage& message) override;

private:
    explicit RtMidiPort(std::unique_ptr<RtMidiOut> out);

    std::unique_ptr<RtMidiOut> m_out;
};
