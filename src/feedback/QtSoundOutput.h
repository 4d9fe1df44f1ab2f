#pragma once

#include "feedback/SoundOutput.h"

#include <QTemporaryDir>

#include <map>
#include <memory>
#include <string>

class QSoundEffect;

// Plays the keystroke sounds through Qt Multimedia. Every wave file of the "sounds" folder
// and every speaker sound (rendered into a wave file of a temporary folder) is loaded once
// when the output is made, so a keystroke only starts a loaded effect. Without a sound
// device the effects stay silent; a missing or broken file is silent too.
class QtSoundOutput : public SoundOutput
{
public:
    QtSoundOutput();
    ~QtSoundOutput() override;

    void Play(const SoundCue& cue) override;
    int DurationMs(const SoundCue& cue) const override;

    // Where the rendered beeps lie; empty when no temporary folder could be made.
    QString BeepFolder() const;

private:
    struct Sound
    {
        std::unique_ptr<QSoundEffect> effect;
        int durationMs = 0;
    };

    void Prepare(const SoundCue& cue);
    QString WriteBeep(const SoundCue& cue);

    QTemporaryDir m_beepFolder;
    std::map<std::string, Sound> m_sounds;
    QSoundEffect* m_current = nullptr;
};
