#include "feedback/RtMidiPort.h"

#include "feedback/MidiPortChoice.h"

#include <RtMidi.h>

#include <string>
#include <vector>

namespace {

// RtMidi prints its warnings unless someone listens; the program shows no sound failure.
void IgnoreRtMidiError(RtMidiError::Type, const std::string&, void*)
{}

} // namespace

RtMidiPort::RtMidiPort(std::unique_ptr<RtMidiOut> out)
    : m_out(std::move(out))
{}

RtMidiPort::~RtMidiPort() = default;

std::unique_ptr<MidiPort> RtMidiPort::Open(int device, const Factory& factory)
{
    try {
        std::unique_ptr<RtMidiOut> out = factory ? factory() : std::make_unique<RtMidiOut>();
        if (!out)
            return nullptr;
        out->setErrorCallback(&IgnoreRtMidiError);
        std::vector<std::string> names;
        const unsigned count = out->getPortCount();
        for (unsigned i = 0; i < count; ++i)
            names.push_back(out->getPortName(i));
        const int port = MidiPortChoice::Choose(names, device);
        if (port < 0)
            return nullptr;
        out->openPort(static_cast<unsigned>(port), "Tippwerk");
        if (!out->isPortOpen())
            return nullptr;
        return std::unique_ptr<MidiPort>(new RtMidiPort(std::move(out)));
    } catch (const RtMidiError&) {
        return nullptr;
    }
}

void RtMidiPort::Send(const MidiMessage& message)
{
    m_out->sendMessage(message.data(), message.size());
}
