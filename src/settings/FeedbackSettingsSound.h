#pragma once

#include "settings/SettingsSound.h"

class SoundFeedback;
struct SoundCue;

// The settings pages' sounds through the main window's SoundFeedback, so that the preview
// uses the MIDI output the metronome already opened.
class FeedbackSettingsSound : public SettingsSound
{
public:
    explicit FeedbackSettingsSound(SoundFeedback& feedback);

    int PlayGoodSound(int soundType) override;
    int PlayBadSound(int soundType) override;
    void MidiTick(const AppSettings& settings) override;

    // How long a sound plays to its end before another may start; 0 for one that a newer
    // sound cuts off, and for a wave file that cannot be read.
    static int HeldMs(const SoundCue& cue);

private:
    SoundFeedback& m_feedback;
};
