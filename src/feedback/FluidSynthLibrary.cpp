#include "feedback/FluidSynthLibrary.h"

#include "feedback/SharedLibrary.h"

#include <map>
#include <mutex>

FluidSynthLibrary::FluidSynthLibrary() = default;

FluidSynthLibrary::~FluidSynthLibrary() = default;

std::shared_ptr<const FluidSynthLibrary> FluidSynthLibrary::Load(const std::string& name)
{
    static std::mutex mutex;
    static std::map<std::string, std::shared_ptr<const FluidSynthLibrary>> loaded;
    std::lock_guard lock(mutex);
    auto [entry, first] = loaded.try_emplace(name);
    if (!first)
        return entry->second;

    auto library = std::make_shared<FluidSynthLibrary>();
    library->m_library = SharedLibrary::Open(name);
    const SharedLibrary* shared = library->m_library.get();
    decltype(&fluid_set_log_function) setLogFunction = nullptr;
    if (!shared || !shared->Resolve(library->newSettings, "new_fluid_settings") ||
        !shared->Resolve(library->deleteSettings, "delete_fluid_settings") ||
        !shared->Resolve(library->settingsSetInt, "fluid_settings_setint") ||
        !shared->Resolve(library->settingsSetNum, "fluid_settings_setnum") ||
        !shared->Resolve(library->settingsSetStr, "fluid_settings_setstr") ||
        !shared->Resolve(library->newSynth, "new_fluid_synth") ||
        !shared->Resolve(library->deleteSynth, "delete_fluid_synth") ||
        !shared->Resolve(library->newAudioDriver, "new_fluid_audio_driver") ||
        !shared->Resolve(library->deleteAudioDriver, "delete_fluid_audio_driver") ||
        !shared->Resolve(library->isSoundFont, "fluid_is_soundfont") ||
        !shared->Resolve(library->synthSfLoad, "fluid_synth_sfload") ||
        !shared->Resolve(library->synthNoteOn, "fluid_synth_noteon") ||
        !shared->Resolve(library->synthNoteOff, "fluid_synth_noteoff") ||
        !shared->Resolve(library->synthCc, "fluid_synth_cc") ||
        !shared->Resolve(library->synthProgramChange, "fluid_synth_program_change") ||
        !shared->Resolve(setLogFunction, "fluid_set_log_function"))
        return nullptr;

    // FluidSynth reports every failed driver on the error output; the program shows no
    // sound failure.
    for (int level = 0; level < LAST_LOG_LEVEL; ++level)
        setLogFunction(level, nullptr, nullptr);
    entry->second = std::move(library);
    return entry->second;
}
