#include "feedback/FluidSynthPort.h"

#include "feedback/FluidSynthLibrary.h"

// Destroyed in reverse: the driver stops before the synthesizer it plays goes, and the
// library stays until both are gone.
struct FluidSynthPort::Handles
{
    std::shared_ptr<const FluidSynthLibrary> api;
    std::unique_ptr<fluid_settings_t, decltype(&delete_fluid_settings)> settings{nullptr, nullptr};
    std::unique_ptr<fluid_synth_t, decltype(&delete_fluid_synth)> synth{nullptr, nullptr};
    std::unique_ptr<fluid_audio_driver_t, decltype(&delete_fluid_audio_driver)> driver{nullptr, nullptr};
};

FluidSynthPort::FluidSynthPort(std::unique_ptr<Handles> handles)
    : m_handles(std::move(handles))
{}

FluidSynthPort::~FluidSynthPort() = default;

std::unique_ptr<MidiPort> FluidSynthPort::Open()
{
    return Open(Options());
}

std::unique_ptr<MidiPort> FluidSynthPort::Open(const Options& options)
{
    std::shared_ptr<const FluidSynthLibrary> api = FluidSynthLibrary::Load(options.library);
    if (!api)
        return nullptr;
    auto handles = std::make_unique<Handles>();
    handles->api = api;
    handles->settings = {api->newSettings(), api->deleteSettings};
    if (!handles->settings)
        return nullptr;
    fluid_settings_t* settings = handles->settings.get();
    // One note at a time is all the metronome plays.
    api->settingsSetInt(settings, "synth.polyphony", 16);
    api->settingsSetInt(settings, "synth.midi-channels", 16);
    // FluidSynth's own default is quiet next to the keystroke sounds.
    api->settingsSetNum(settings, "synth.gain", 0.5);
    if (!options.audioFile.empty())
        api->settingsSetStr(settings, "audio.file.name", options.audioFile.c_str());
    handles->synth = {api->newSynth(settings), api->deleteSynth};
    if (!handles->synth)
        return nullptr;

    // The driver first: without one there is nothing to hear, and the sound font is the
    // slow part.
    for (const std::string& name : options.audioDrivers) {
        if (api->settingsSetStr(settings, "audio.driver", name.c_str()) != FLUID_OK)
            continue;
        handles->driver = {api->newAudioDriver(settings, handles->synth.get()), api->deleteAudioDriver};
        if (handles->driver)
            break;
    }
    if (!handles->driver)
        return nullptr;

    bool loaded = false;
    for (const std::string& font : options.soundFonts) {
        if (api->isSoundFont(font.c_str()) &&
            api->synthSfLoad(handles->synth.get(), font.c_str(), 1) != FLUID_FAILED) {
            loaded = true;
            break;
        }
    }
    if (!loaded)
        return nullptr;
    return std::unique_ptr<MidiPort>(new FluidSynthPort(std::move(handles)));
}

void FluidSynthPort::Send(const MidiMessage& message)
{
    if (message.empty())
        return;
    const FluidSynthLibrary& api = *m_handles->api;
    fluid_synth_t* synth = m_handles->synth.get();
    const int channel = message[0] & 0x0F;
    const int first = message.size() > 1 ? message[1] : 0;
    const int second = message.size() > 2 ? message[2] : 0;
    switch (message[0] & 0xF0) {
    case 0x80:
        api.synthNoteOff(synth, channel, first);
        break;
    case 0x90:
        if (second == 0)
            api.synthNoteOff(synth, channel, first);
        else
            api.synthNoteOn(synth, channel, first, second);
        break;
    case 0xB0:
        api.synthCc(synth, channel, first, second);
        break;
    case 0xC0:
        api.synthProgramChange(synth, channel, first);
        break;
    default:
        break;
    }
}
