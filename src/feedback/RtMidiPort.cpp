#include "feedback/RtMidiPort.h"

#include "feedback/MidiPortChoice.h"
#include "feedback/RtMidiLibrary.h"

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

RtMidiPort::RtMidiPort(std::shared_ptr<const RtMidiLibrary> library, Output out)
    : m_library(std::move(library))
    , m_out(std::move(out))
{}

RtMidiPort::~RtMidiPort() = default;

std::unique_ptr<MidiPort> RtMidiPort::Open(int device)
{
    return Open(device, RtMidiLibrary::Load());
}

std::unique_ptr<MidiPort> RtMidiPort::Open(int device, std::shared_ptr<const RtMidiLibrary> library)
{
    if (!library)
        return nullptr;
    // The C interface reports a failure in the wrapper's ok field instead of throwing; it
    // stays false once set.
    Output out(library->outCreateDefault(), library->outFree);
    if (!out || !out->ok)
        return nullptr;
    std::vector<std::string> names;
    const unsigned count = library->getPortCount(out.get());
    if (!out->ok)
        return nullptr;
    for (unsigned i = 0; i < count; ++i) {
        int length = 0;
        if (library->getPortName(out.get(), i, nullptr, &length) < 0 || !out->ok || length <= 0)
            return nullptr;
        std::string name(static_cast<std::size_t>(length), '\0');
        if (library->getPortName(out.get(), i, name.data(), &length) < 0 || !out->ok)
            return nullptr;
        name.resize(std::strlen(name.c_str()));
        names.push_back(std::move(name));
    }
    const int port = MidiPortChoice::Choose(names, device);
    if (port < 0)
        return nullptr;
    library->openPort(out.get(), static_cast<unsigned>(port), "Tippwerk");
    if (!out->ok)
        return nullptr;
    return std::unique_ptr<MidiPort>(new RtMidiPort(std::move(library), std::move(out)));
}

void RtMidiPort::Send(const MidiMessage& message)
{
    if (m_library->outSendMessage(m_out.get(), message.data(), static_cast<int>(message.size())) < 0 ||
        !m_out->ok)
        throw std::runtime_error("MIDI output refused the message");
}
