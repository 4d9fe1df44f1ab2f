#include "settings/FeedbackSettingsSound.h"

#include "feedback/SoundCatalog.h"
#include "feedback/SoundFeedback.h"
#include "feedback/WaveFile.h"
#include "resources/ProgramPaths.h"

#include <algorithm>

FeedbackSettingsSound::FeedbackSettingsSound(SoundFeedback& feedback)
    : m_feedback(feedback)
{}

int FeedbackSettingsSound::PlayGoodSound(int soundType)
{
    m_feedback.PlayGoodSound(soundType);
    return HeldMs(SoundCatalog::GoodSound(soundType));
}

int FeedbackSettingsSound::PlayBadSound(int soundType)
{
    m_feedback.PlayBadSound(soundType);
    return HeldMs(SoundCatalog::BadSound(soundType));
}

void FeedbackSettingsSound::MidiTick(const AppSettings& settings)
{
    m_feedback.MidiTick(settings);
}

int FeedbackSettingsSound::HeldMs(const SoundCue& cue)
{
    if (cue.IsSilent() || !cue.synchronous)
        return 0;
    if (cue.source == SoundCue::Source::Tones)
        return cue.ToneDurationMs();
    return std::max(WaveFile::DurationMs(ProgramFilePath("sounds", cue.fileName)), 0);
}
