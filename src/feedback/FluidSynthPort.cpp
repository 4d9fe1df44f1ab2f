#include "feedback/FluidSynthPort.h"

#include <fluidsynth.h>

#include <mutex>

namespace {

struct SettingsDeleter
{
    void operator()(fluid_settings_t* settings) const { delete_fluid_settings(settings); }
};
struct SynthDeleter
{
    void operator()(fluid_synth_t* synth) const { delete_fluid_synth(synth); }
};
struct DriverDeleter
{
    void operator()(fluid_audio_driver_t* driver) const { delete_fluid_audio_driver(driver); }
};

// FluidSynth reports every failed driver on the error output; the program shows no sound
// failure.
void SilenceFluidSynthLog()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level = 0; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, nullptr, nullptr);
    });
}

} // namespace

// Destroyed in reverse: the driver stops before the synthesizer it plays goes.
struct FluidSynthPort::Handles
{
    std::unique_ptr<fluid_settings_t, SettingsDeleter> settings;
    std::unique_ptr<fluid_synth_t, SynthDeleter> synth;
    std::unique_ptr<fluid_audio_driver_t, DriverDeleter> driver;
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
    SilenceFluidSynthLog();
    auto handles = std::make_unique<Handles>();
    handles->settings.reset(new_fluid_settings());
    if (!handles->settings)
        return nullptr;
    fluid_settings_t* settings = handles->settings.get();
    // One note at a time is all the metronome plays.
    fluid_settings_setint(settings, "synth.polyphony", 16);
    fluid_settings_setint(settings, "synth.midi-channels", 16);
    // FluidSynth's own default is quiet next to the keystroke sounds.
    fluid_settings_setnum(settings, "synth.gain", 0.5);
    if (!options.audioFile.empty())
        fluid_settings_setstr(settings, "audio.file.name", options.audioFile.c_str());
    handles->synth.reset(new_fluid_synth(settings));
    if (!handles->synth)
        return nullptr;

    // The driver first: without one there is nothing to hear, and the sound font is the
    // slow part.
    for (const std::string& name : options.audioDrivers) {
        if (fluid_settings_setstr(settings, "audio.driver", name.c_str()) != FLUID_OK)
            continue;
        handles->driver.reset(new_fluid_audio_driver(settings, handles->synth.get()));
        if (handles->driver)
            break;
    }
    if (!handles->driver)
        return nullptr;

    bool loaded = false;
    for (const std::string& font : options.soundFonts) {
        if (fluid_is_soundfont(font.c_str()) &&
            fluid_synth_sfload(handles->synth.get(), font.c_str(), 1) != FLUID_FAILED) {
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
    fluid_synth_t* synth = m_handles->synth.get();
    const int channel = message[0] & 0x0F;
    const int first = message.size() > 1 ? message[1] : 0;
    const int second = message.size() > 2 ? message[2] : 0;
    switch (message[0] & 0xF0) {
    case 0x80:
        fluid_synth_noteoff(synth, channel, first);
        break;
    case 0x90:
        if (second == 0)
            fluid_synth_noteoff(synth, channel, first);
        else
            fluid_synth_noteon(synth, channel, first, second);
        break;
    case 0xB0:
        fluid_synth_cc(synth, channel, first, second);
        break;
    case 0xC0:
        fluid_synth_program_change(synth, channel, first);
        break;
    default:
        break;
    }
}
