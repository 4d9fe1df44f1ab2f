#pragma once

#include "feedback/MidiPort.h"

#include <memory>

class RtMidiLibrary;
struct RtMidiWrapper;

// A MIDI output port of the system (ALSA sequencer or JACK) through RtMidi.
class RtMidiPort : public MidiPort
{
public:
    ~RtMidiPort() override;

    // Opens the port the device number stands for (see MidiPortChoice). nullptr when RtMidi
    // is missing or cannot start (as without a sequencer), there is no such port or it will
    // not open.
    static std::unique_ptr<MidiPort> Open(int device, std::shared_ptr<const RtMidiLibrary> library);
    // Through the installed RtMidi, loaded at the first call.
    static std::unique_ptr<MidiPort> Open(int device);

    // Throws when the device refuses the message.
    void Send(const MidiMessage& message) override;

private:
    using Output = std::unique_ptr<RtMidiWrapper, void (*)(RtMidiWrapper*)>;

    RtMidiPort(std::shared_ptr<const RtMidiLibrary> library, Output out);

    // Declared first: the output is freed while the library is still loaded.
    std::shared_ptr<const RtMidiLibrary> m_library;
    Output m_out;
};
