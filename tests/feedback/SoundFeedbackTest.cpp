#include "feedback/SoundFeedback.h"
#include "RecordingMidiPort.h"
#include "RecordingSoundOutput.h"
#include "settings/AppSettings.h"
#include "support/QtTestEnvironment.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

using Played = RecordingSoundOutput::Played;

std::vector<std::string> Names(const std::vector<Played>& played)
{
    std::vector<std::string> names;
    for (const Played& p : played)
        names.push_back(p.fileName);
    return names;
}

// Lets the held-back sounds' timers run.
void Wait(int ms)
{
    QTest::qWait(ms);
}

TEST(SoundFeedback, EachSoundTypePlaysItsSoundForRightAndWrongKeys)
{
    const std::vector<std::string> good = {"good1.wav", "good2.wav", "good3.wav",      "good4.wav", "",
                                           "",          "",          "beep-good7.wav", ""};
    const std::vector<std::string> bad = {"bad1.wav",      "bad2.wav",      "bad3.wav",
                                          "bad4.wav",      "beep-bad4.wav", "beep-bad5.wav",
                                          "beep-bad6.wav", "beep-bad7.wav", ""};
    const auto expect = [](const std::string& name) {
        return name.empty() ? std::vector<std::string>{} : std::vector<std::string>{name};
    };
    for (int type = 0; type < 9; ++type) {
        SCOPED_TRACE(type);
        std::vector<Played> played;
        SoundFeedback goodFeedback(std::make_unique<RecordingSoundOutput>(played), {});
        goodFeedback.PlayGoodSound(type);
        EXPECT_EQ(Names(played), expect(good[type]));
        played.clear();
        SoundFeedback badFeedback(std::make_unique<RecordingSoundOutput>(played), {});
        badFeedback.PlayBadSound(type);
        EXPECT_EQ(Names(played), expect(bad[type]));
    }
    std::vector<Played> played;
    SoundFeedback feedback(std::make_unique<RecordingSoundOutput>(played), {});
    feedback.PlayGoodSound(9);
    feedback.PlayBadSound(-1);
    EXPECT_TRUE(played.empty());
}

TEST(SoundFeedback, GoodWaveSoundsFollowEachOtherAtOnce)
{
    std::vector<Played> played;
    SoundFeedback feedback(
        std::make_unique<RecordingSoundOutput>(played, std::map<std::string, int>{{"good1.wav", 40}}), {});
    feedback.PlayGoodSound(0);
    feedback.PlayGoodSound(0);
    EXPECT_EQ(Names(played), (std::vector<std::string>{"good1.wav", "good1.wav"}));
}

TEST(SoundFeedback, AnErrorIsHeardToItsEndAndTheNextErrorAfterIt)
{
    std::vector<Played> played;
    SoundFeedback feedback(
        std::make_unique<RecordingSoundOutput>(played, std::map<std::string, int>{{"bad1.wav", 80}}), {});
    feedback.PlayBadSound(0);
    feedback.PlayGoodSound(0); // dropped: it would cut the error off
    feedback.PlayBadSound(0);  // waits
    feedback.PlayBadSound(0);  // dropped: one waits already
    EXPECT_EQ(Names(played), (std::vector<std::string>{"bad1.wav"}));
    Wait(250);
    ASSERT_EQ(Names(played), (std::vector<std::string>{"bad1.wav", "bad1.wav"}));
    EXPECT_GE(played[1].atMs - played[0].atMs, 80);
    // Both have ended: a good sound plays again.
    feedback.PlayGoodSound(0);
    EXPECT_EQ(played.size(), 3u);
}

TEST(SoundFeedback, WithoutOutputsNothingPlaysAndNothingFails)
{
    SoundFeedback feedback(nullptr, {});
    feedback.PlayGoodSound(0);
    feedback.PlayBadSound(7);
    feedback.MidiTick(AppSettings());
    feedback.WaitForMidi();
    EXPECT_EQ(feedback.MidiTicksPlayed(), 1);
}

TEST(SoundFeedback, MetronomeTicksReachTheMidiOutputWithTheSettingsValues)
{
    MidiLog log;
    SoundFeedback feedback(nullptr, log.Opener());
    AppSettings settings;
    feedback.MidiTick(settings);
    feedback.WaitForMidi();
    const auto sent = log.Sent();
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ(MidiMessages::PackedValue(sent[sent.size() - 2]), 3008u);
    EXPECT_EQ(MidiMessages::PackedValue(sent.back()), 3292304u);
    EXPECT_EQ(log.opened, (std::vector<int>{-1}));
}

TEST(SoundFeedback, AMidiDeviceThatThrowsLeavesTheMetronomeSilent)
{
    MidiLog log;
    log.openThrows = true;
    SoundFeedback feedback(nullptr, log.Opener());
    for (int i = 0; i < 3; ++i) {
        feedback.MidiTick(AppSettings());
        feedback.WaitForMidi();
    }
    EXPECT_TRUE(log.Sent().empty());
    EXPECT_EQ(log.opened.size(), 3u);
}

} // namespace
