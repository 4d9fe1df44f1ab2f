// The real outputs on a machine that may have no sound card, no MIDI sequencer and no audio
// server: everything must load, stay silent where it cannot play, and never fail.

#include "feedback/FluidSynthPort.h"
#include "feedback/ModuleSoundOutput.h"
#include "feedback/RtMidiPort.h"
#include "feedback/SoundCatalog.h"
#include "feedback/SoundFeedback.h"
#include "feedback/WaveFile.h"
#include "resources/ProgramPaths.h"
#include "settings/AppSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const std::string InstalledData = std::string(TIPPWERK_SOURCE_DIR) + "/data/";

class SystemOutputs : public ::testing::Test
{
protected:
    void TearDown() override { ProgramPaths::SetProgramFolderForTesting({}); }
};

TEST_F(SystemOutputs, QtOutputOpensTheModuleAtTheFirstSoundAndRendersEveryBeep)
{
    ProgramPaths::SetProgramFolderForTesting(InstalledData);
    ModuleSoundOutput output(QStringLiteral(TIPPWERK_SOUND_MODULE));
    EXPECT_FALSE(output.ModuleLoaded());
    EXPECT_TRUE(output.BeepFolder().isEmpty());
    EXPECT_EQ(output.DurationMs(SoundCatalog::BadSound(0)), 200);
    EXPECT_TRUE(output.ModuleLoaded());
    EXPECT_EQ(output.DurationMs(SoundCatalog::GoodSound(0)), 40);
    for (const SoundCue& cue : SoundCatalog::AllSounds()) {
        if (cue.source != SoundCue::Source::Tones)
            continue;
        const QString path = QDir(output.BeepFolder()).filePath(QString::fromStdString(cue.fileName));
        EXPECT_EQ(WaveFile::DurationMs(path.toStdString()), cue.ToneDurationMs()) << cue.fileName;
        EXPECT_EQ(output.DurationMs(cue), cue.ToneDurationMs());
    }
    // Without a sound device these stay silent; they must return all the same.
    for (const SoundCue& cue : SoundCatalog::AllSounds())
        output.Play(cue);
    output.Play(SoundCue{});
    output.PlayFile(ProgramFilePath("sounds", "wellcome.wav"));
    output.PlayFile("/nonexistent.wav");
}

TEST_F(SystemOutputs, MissingSoundFilesOrModuleAreSilent)
{
    QTemporaryDir empty;
    ProgramPaths::SetProgramFolderForTesting(empty.path().toStdString());
    for (const QString& module :
         {QStringLiteral(TIPPWERK_SOUND_MODULE), empty.filePath(QStringLiteral("none.so"))}) {
        ModuleSoundOutput output(module);
        EXPECT_EQ(output.DurationMs(SoundCatalog::BadSound(2)), 0);
        output.Play(SoundCatalog::BadSound(2));
        // The beeps do not depend on the installation, nor their lengths on the module.
        EXPECT_EQ(output.DurationMs(SoundCatalog::BadSound(7)), 800);
        output.Play(SoundCatalog::BadSound(7));
        output.PlayFile(ProgramFilePath("sounds", "wellcome.wav"));
        EXPECT_EQ(output.ModuleLoaded(), module.endsWith(QStringLiteral("tippwerk-sound.so")));
    }
}

TEST_F(SystemOutputs, RtMidiGivesAPortOrNothingButNeverThrows)
{
    // Whatever this machine has: without a sequencer RtMidi fails inside the library.
    EXPECT_NO_THROW(RtMidiPort::Open(-1));
    EXPECT_NO_THROW(RtMidiPort::Open(3));
}

TEST_F(SystemOutputs, FluidSynthWithoutDriverOrSoundFontGivesNoPort)
{
    FluidSynthPort::Options noDriver;
    noDriver.audioDrivers = {"no-such-driver"};
    EXPECT_EQ(FluidSynthPort::Open(noDriver), nullptr);

    QTemporaryDir folder;
    FluidSynthPort::Options noFont;
    noFont.audioDrivers = {"file"};
    noFont.audioFile = folder.filePath(QStringLiteral("out.wav")).toStdString();
    noFont.soundFonts = {"/nonexistent.sf2", folder.path().toStdString()};
    EXPECT_EQ(FluidSynthPort::Open(noFont), nullptr);
}

TEST_F(SystemOutputs, FluidSynthPlaysTheTickIntoAFile)
{
    FluidSynthPort::Options options;
    if (!QFileInfo::exists(QString::fromStdString(options.soundFonts.front())))
        GTEST_SKIP() << "no General MIDI sound font installed";
    QTemporaryDir folder;
    options.audioDrivers = {"file"};
    options.audioFile = folder.filePath(QStringLiteral("out.wav")).toStdString();
    {
        std::unique_ptr<MidiPort> port = FluidSynthPort::Open(options);
        ASSERT_NE(port, nullptr);
        for (const MidiMessage& message : MidiMessages::ResetDevice())
            port->Send(message);
        port->Send(MidiMessages::ProgramChange(0, 11));
        port->Send(MidiMessages::NoteOn(0, 60, 50));
        port->Send(MidiMessages::NoteOff(0, 60));
        port->Send({});
        port->Send({0xF8});
    }
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(options.audioFile)));
}

TEST_F(SystemOutputs, TheProgramsOwnFeedbackRunsOnWhateverThisMachineHas)
{
    ProgramPaths::SetProgramFolderForTesting(InstalledData);
    SoundFeedback feedback;
    for (int type = -1; type <= 9; ++type) {
        feedback.PlayGoodSound(type);
        feedback.PlayBadSound(type);
    }
    AppSettings settings;
    feedback.MidiTick(settings);
    feedback.WaitForMidi();
    settings.midiDevice = 5;
    feedback.MidiTick(settings);
    feedback.WaitForMidi();
    EXPECT_EQ(feedback.MidiTicksPlayed(), 2);
}

} // namespace
