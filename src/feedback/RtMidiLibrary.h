#pragma once

#include <rtmidi/rtmidi_c.h>

#include <memory>
#include <string>

class SharedLibrary;

// RtMidi's C interface, loaded when the first MIDI port opens. The fields may also be set
// by hand to stand in for the library.
class RtMidiLibrary
{
public:
    static constexpr const char* DefaultName = "librtmidi.so.6";

    RtMidiLibrary();
    ~RtMidiLibrary();

    // Loaded once per name and kept for the rest of the run; nullptr when the library or
    // one of its functions is missing.
    static std::shared_ptr<const RtMidiLibrary> Load(const std::string& name = DefaultName);

    decltype(&rtmidi_out_create_default) outCreateDefault = nullptr;
    decltype(&rtmidi_out_free) outFree = nullptr;
    decltype(&rtmidi_get_port_count) getPortCount = nullptr;
    decltype(&rtmidi_get_port_name) getPortName = nullptr;
    decltype(&rtmidi_open_port) openPort = nullptr;
    decltype(&rtmidi_out_send_message) outSendMessage = nullptr;

private:
    std::unique_ptr<SharedLibrary> m_library;
};
