#pragma once

#include "exercise/ExerciseSounds.h"
#include "feedback/MidiTickWorker.h"
#include "feedback/SoundOutput.h"
#include "feedback/SoundSequencer.h"

#include <QElapsedTimer>
#include <QTimer>

#include <memory>

// The keystroke sounds and the metronome's sound tick. The main window owns one for the
// whole run and lends it to the settings pages, so the MIDI output is opened once.
//
// No call waits for a sound: the exercise handles a keystroke while its sound plays. A bad
// sound and a beep are still heard to their end (see SoundSequencer). Starting a sound and
// opening and playing the metronome's MIDI output happen on threads of their own, so a call
// only hands the work over.
class SoundFeedback : public ExerciseSounds
{
public:
    // The system's outputs: the sound module for waves and beeps, MIDI or FluidSynth for ticks.
    SoundFeedback();
    // Given outputs (tests, or a host without sound). A null output plays no keystroke
    // sounds; an empty opener leaves the metronome silent.
    SoundFeedback(std::unique_ptr<SoundOutput> output, MidiTicker::PortOpener midiOpener);
    ~SoundFeedback() override;

    SoundFeedback(const SoundFeedback&) = delete;
    SoundFeedback& operator=(const SoundFeedback&) = delete;

    // The sound of a correct keystroke for the sound type (0-8); others play nothing.
    void PlayGoodSound(int soundType) override;
    // The sound of a wrong keystroke for the sound type.
    void PlayBadSound(int soundType) override;
    // Plays a wave file once (the greeting); a missing file is silent.
    void PlayFile(const std::string& path);
    // One metronome tick with the MIDI values of the settings.
    void MidiTick(const AppSettings& settings) override;

    // Waits until the ticks handed to the MIDI thread have been played (tests, previews).
    void WaitForMidi();
    // Ticks the MIDI thread has played (tests).
    int MidiTicksPlayed();

private:
    void Request(const SoundCue& cue);
    void PlayDue();

    std::unique_ptr<SoundOutput> m_output;
    SoundSequencer m_sequencer;
    QElapsedTimer m_clock;
    QTimer m_pendingTimer;
    MidiTickWorker m_midi;
};
