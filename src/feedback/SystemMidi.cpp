#include "feedback/SystemMidi.h"

#include "feedback/FluidSynthPort.h"
#include "feedback/RtMidiPort.h"

std::unique_ptr<MidiPort> SystemMidi::OpenPort(int device)
{
    if (std::unique_ptr<MidiPort> port = RtMidiPort::Open(device))
        return port;
    return FluidSynthPort::Open();
}
