#pragma once

#include <fluidsynth.h>

#include <memory>
#include <string>

class SharedLibrary;

// FluidSynth's C interface, loaded when the software synthesizer is first needed: the
// library brings a dozen audio and codec libraries the program otherwise never uses.
class FluidSynthLibrary
{
public:
    FluidSynthLibrary();
    ~FluidSynthLibrary();

    // Loaded once per name and kept for the rest of the run; nullptr when the library or
    // one of its functions is missing.
    static std::shared_ptr<const FluidSynthLibrary> Load(const std::string& name);

    decltype(&new_fluid_settings) newSettings = nullptr;
    decltype(&delete_fluid_settings) deleteSettings = nullptr;
    decltype(&fluid_settings_setint) settingsSetInt = nullptr;
    decltype(&fluid_settings_setnum) settingsSetNum = nullptr;
    decltype(&fluid_settings_setstr) settingsSetStr = nullptr;
    decltype(&new_fluid_synth) newSynth = nullptr;
    decltype(&delete_fluid_synth) deleteSynth = nullptr;
    decltype(&new_fluid_audio_driver) newAudioDriver = nullptr;
    decltype(&delete_fluid_audio_driver) deleteAudioDriver = nullptr;
    decltype(&fluid_is_soundfont) isSoundFont = nullptr;
    decltype(&fluid_synth_sfload) synthSfLoad = nullptr;
    decltype(&fluid_synth_noteon) synthNoteOn = nullptr;
    decltype(&fluid_synth_noteoff) synthNoteOff = nullptr;
    decltype(&fluid_synth_cc) synthCc = nullptr;
    decltype(&fluid_synth_program_change) synthProgramChange = nullptr;

private:
    std::unique_ptr<SharedLibrary> m_library;
};
