#pragma once

#include "feedback/SoundOutput.h"

#include <QString>
#include <QTemporaryDir>

#include <map>
#include <memory>
#include <string>

class SharedLibrary;
class WaveOutput;

// Plays the keystroke sounds through the sound module (the sound server). Nothing happens until
// the first sound or the greeting: then the module is opened, every wave file of the
// "sounds" folder and every speaker sound (rendered into a wave file of a temporary folder)
// is loaded once, and from there on Play only hands the name over. Without the module or a sound device the
// sounds stay silent; a missing or broken file is silent too.
class ModuleSoundOutput : public SoundOutput
{
public:
    // `modulePath`: the sound module's file; by default where the program's installation
    // keeps it (ModulePathBeside).
    explicit ModuleSoundOutput(QString modulePath = ModulePathBeside());
    ~ModuleSoundOutput() override;

    ModuleSoundOutput(const ModuleSoundOutput&) = delete;
    ModuleSoundOutput& operator=(const ModuleSoundOutput&) = delete;

    void Play(const SoundCue& cue) override;
    int DurationMs(const SoundCue& cue) const override;
    void PlayFile(const std::string& path) override;

    // Renders the beeps and loads the sounds now rather than at the first one.
    void Prepare() const;
    // Whether the module is open (tests, measurements).
    bool ModuleLoaded() const;
    // Where the rendered beeps lie; empty before Prepare or when no temporary folder could
    // be made.
    QString BeepFolder() const;

    // The module beside the running program (a build) or in its installation's library
    // folder.
    static QString ModulePathBeside();

private:
    WaveOutput* Output() const;
    QString WriteBeep(const SoundCue& cue) const;

    QString m_modulePath;
    // Made on first use, hence mutable: asking a sound's length prepares the sounds too.
    mutable bool m_prepared = false;
    mutable bool m_moduleTried = false;
    mutable std::unique_ptr<QTemporaryDir> m_beepFolder;
    // Sounds that can play, by cue file name, with their lengths.
    mutable std::map<std::string, int> m_durations;
    mutable std::unique_ptr<SharedLibrary> m_module;
    mutable std::unique_ptr<WaveOutput> m_output;
};
