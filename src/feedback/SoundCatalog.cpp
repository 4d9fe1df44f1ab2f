#include "feedback/SoundCatalog.h"

#include <string>

namespace {

bool IsWaveType(int soundType)
{
    return soundType >= 0 && soundType <= 3;
}

SoundCue WaveCue(const char* prefix, int soundType, bool bad)
{
    SoundCue cue;
    cue.source = SoundCue::Source::WaveFile;
    cue.fileName = prefix + std::to_string(soundType + 1) + ".wav";
    cue.bad = bad;
    // Good sounds are started and left; a wrong keystroke is heard to its end.
    cue.synchronous = bad;
    return cue;
}

// Speaker sounds always played to their end.
SoundCue ToneCue(const char* prefix, int soundType, bool bad, std::vector<ToneSegment> tones)
{
    SoundCue cue;
    cue.source = SoundCue::Source::Tones;
    cue.fileName = std::string("beep-") + prefix + std::to_string(soundType) + ".wav";
    cue.tones = std::move(tones);
    cue.bad = bad;
    cue.synchronous = true;
    return cue;
}

} // namespace

SoundCue SoundCatalog::GoodSound(int soundType)
{
    if (IsWaveType(soundType))
        return WaveCue("good", soundType, false);
    if (soundType == 7)
        return ToneCue("good", soundType, false, {{500, 50}});
    return {};
}

SoundCue SoundCatalog::BadSound(int soundType)
{
    if (IsWaveType(soundType))
        return WaveCue("bad", soundType, true);
    switch (soundType) {
    case 4:
        return ToneCue("bad", soundType, true, {{300, 20}, {1000, 40}});
    case 5:
        return ToneCue("bad", soundType, true,
                       {{300, 20}, {1000, 40}, {300, 20}, {1000, 40}, {300, 20}, {1000, 40}});
    case 6:
        return ToneCue("bad", soundType, true, {{3000, 200}, {1000, 40}});
    case 7:
        return ToneCue("bad", soundType, true, {{3000, 200}, {0, 100}, {3000, 200}, {0, 100}, {3000, 200}});
    default:
        return {};
    }
}

std::vector<SoundCue> SoundCatalog::AllSounds()
{
    std::vector<SoundCue> cues;
    for (int type = 0; type < kSoundTypeCount; ++type) {
        for (SoundCue cue : {GoodSound(type), BadSound(type)}) {
            if (!cue.IsSilent())
                cues.push_back(std::move(cue));
        }
    }
    return cues;
}
