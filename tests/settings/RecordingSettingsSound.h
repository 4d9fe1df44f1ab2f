#pragma once

#include "settings/AppSettings.h"
#include "settings/SettingsSound.h"

#include <string>
#include <vector>

// Records what the settings pages play, in order, instead of playing it.
class RecordingSettingsSound : public SettingsSound
{
public:
    struct Played
    {
        std::string sound; // "good", "bad" or "tick"
        int soundType = 0; // for "tick" the settings' metronomeMode
        int bpm = 0;       // the settings' metronomeBpm, for "tick"

        bool operator==(const Played&) const = default;
    };

    int PlayGoodSound(int soundType) override
    {
        played.push_back({"good", soundType, 0});
        return goodHeldMs;
    }
    int PlayBadSound(int soundType) override
    {
        played.push_back({"bad", soundType, 0});
        return badHeldMs;
    }
    void MidiTick(const AppSettings& settings) override
    {
        played.push_back({"tick", settings.metronomeMode, settings.metronomeBpm});
    }

    std::vector<Played> played;
    // How long each sound says it plays on before the next may start.
    int goodHeldMs = 0;
    int badHeldMs = 0;
};

inline void PrintTo(const RecordingSettingsSound::Played& played, std::ostream* out)
{
    *out << played.sound << ' ' << played.soundType << ' ' << played.bpm;
}
