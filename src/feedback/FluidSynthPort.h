#pragma once

#include "feedback/MidiPort.h"

#include <memory>
#include <string>
#include <vector>

// A software synthesizer standing in for a missing MIDI device: FluidSynth with a General
// MIDI sound font, playing through an audio driver.
class FluidSynthPort : public MidiPort
{
public:
    struct Options
    {
        // Tried in this order; the first that loads is used.
        std::vector<std::string> soundFonts = {"/usr/share/sounds/sf2/TimGM6mb.sf2",
                                               "/usr/share/sounds/sf2/default-GM.sf2"};
        // Tried in this order. JACK is left out: it may try to start a server.
        std::vector<std::string> audioDrivers = {"pulseaudio", "alsa"};
        // Where the "file" driver writes, when it is one of the drivers.
        std::string audioFile;
        // Loaded at the first open; when it is missing there is no port.
        std::string library = "libfluidsynth.so.3";
    };

    ~FluidSynthPort() override;

    // nullptr when the library is missing, no audio driver can be started or no sound font
    // loads.
    static std::unique_ptr<MidiPort> Open(const Options& options);
    // With the installed sound fonts and the desktop's audio drivers.
    static std::unique_ptr<MidiPort> Open();

    void Send(const MidiMessage& message) override;

private:
    struct Handles;

    explicit FluidSynthPort(std::unique_ptr<Handles> handles);

    std::unique_ptr<Handles> m_handles;
};
