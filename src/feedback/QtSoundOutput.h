#pragma once

#include "feedback/SoundOutput.h"

#include <QTemporaryDir>
#include <QThread>

#include <map>
#include <string>

// Plays the keystroke sounds through Qt Multimedia. Every wave file of the "sounds" folder
// and every speaker sound (rendered into a wave file of a temporary folder) is loaded once
// when the output is made. The effects live on a thread of their own: starting one talks to
// the sound server, which would cost the keystroke up to milliseconds, so Play only hands
// the name over. Without a sound device the effects stay silent; a missing or broken file
// is silent too.
class QtSoundOutput : public SoundOutput
{
public:
    QtSoundOutput();
    ~QtSoundOutput() override;

    QtSoundOutput(const QtSoundOutput&) = delete;
    QtSoundOutput& operator=(const QtSoundOutput&) = delete;

    void Play(const SoundCue& cue) override;
    int DurationMs(const SoundCue& cue) const override;

    // Where the rendered beeps lie; empty when no temporary folder could be made.
    QString BeepFolder() const;

private:
    class Player;

    QString WriteBeep(const SoundCue& cue);

    QTemporaryDir m_beepFolder;
    // Sounds that can play, by cue file name, with their lengths.
    std::map<std::string, int> m_durations;
    QThread m_thread;
    Player* m_player = nullptr; // lives on m_thread
};
