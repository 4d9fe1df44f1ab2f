#include "feedback/MidiTicker.h"
#include "RecordingMidiPort.h"
#include "feedback/MidiPortChoice.h"
#include "feedback/MidiTickWorker.h"
#include "settings/AppSettings.h"

#include <gtest/gtest.h>

#include <condition_variable>

namespace {

using Messages = std::vector<MidiMessage>;

TEST(MidiMessages, TheTickOfTheDefaultSettings)
{
    const MidiTickValues values = MidiTickValues::From(AppSettings());
    EXPECT_EQ(values, (MidiTickValues{-1, 0, 50, 60, 11}));
    EXPECT_EQ(MidiMessages::PackedValue(MidiMessages::ProgramChange(values.channel, values.program)), 3008u);
    EXPECT_EQ(MidiMessages::PackedValue(MidiMessages::NoteOn(values.channel, values.note, values.velocity)),
              3292304u);
    EXPECT_EQ(MidiMessages::NoteOff(9, 60), (MidiMessage{0x89, 60, 0}));
    EXPECT_EQ(MidiMessages::AllNotesOff(3), (MidiMessage{0xB3, 123, 0}));
    EXPECT_EQ(MidiMessages::ResetDevice().size(), 32u);
}

TEST(MidiMessages, OddValuesNeverBecomeAnotherMessage)
{
    EXPECT_EQ(MidiMessages::ProgramChange(15, 127), (MidiMessage{0xCF, 127}));
    EXPECT_EQ(MidiMessages::ProgramChange(16, 200), (MidiMessage{0xC0, 127}));
    EXPECT_EQ(MidiMessages::NoteOn(-1, -5, 255), (MidiMessage{0x9F, 0, 127}));
}

TEST(MidiPortChoice, DefaultOutputSkipsThroughPortsNumberedDevicesCountAll)
{
    const std::vector<std::string> ports = {"Midi Through:Midi Through Port-0 14:0",
                                            "FLUID Synth:Synth input 128:0"};
    EXPECT_EQ(MidiPortChoice::Choose(ports, -1), 1);
    EXPECT_EQ(MidiPortChoice::Choose(ports, 0), 0);
    EXPECT_EQ(MidiPortChoice::Choose(ports, 1), 1);
    EXPECT_EQ(MidiPortChoice::Choose(ports, 2), -1);
    EXPECT_EQ(MidiPortChoice::Choose(ports, -2), -1);
    EXPECT_EQ(MidiPortChoice::Choose({ports[0]}, -1), -1);
    EXPECT_EQ(MidiPortChoice::Choose({}, -1), -1);
}

Messages Tick(int channel, int note, int velocity, int program)
{
    return {MidiMessages::ProgramChange(channel, program), MidiMessages::NoteOn(channel, note, velocity)};
}

TEST(MidiTicker, OpensOnceResetsAndEndsThePreviousNoteEachTick)
{
    MidiLog log;
    {
        MidiTicker ticker(log.Opener());
        EXPECT_FALSE(ticker.IsOpen());
        ticker.Tick({});
        ASSERT_TRUE(ticker.IsOpen());
        EXPECT_EQ(ticker.OpenDevice(), -1);
        Messages expected = MidiMessages::ResetDevice();
        for (const MidiMessage& m : Tick(0, 60, 50, 11))
            expected.push_back(m);
        EXPECT_EQ(log.Sent(), expected);

        log.sent.clear();
        ticker.Tick({-1, 2, 90, 72, 0});
        EXPECT_EQ(log.Sent(), (Messages{MidiMessages::NoteOff(0, 60), MidiMessages::AllNotesOff(0),
                                        MidiMessages::ProgramChange(2, 0), MidiMessages::NoteOn(2, 72, 90)}));
        EXPECT_EQ(log.opened, (std::vector<int>{-1}));
        log.sent.clear();
    }
    // Closing ends the last note.
    EXPECT_EQ(log.Sent(), (Messages{MidiMessages::NoteOff(2, 72), MidiMessages::AllNotesOff(2)}));
    EXPECT_EQ(log.closed, (std::vector<int>{-1}));
}

TEST(MidiTicker, AnotherDeviceNumberClosesAndOpensAgain)
{
    MidiLog log;
    MidiTicker ticker(log.Opener());
    ticker.Tick({});
    ticker.Tick({3, 0, 50, 60, 11});
    EXPECT_EQ(log.opened, (std::vector<int>{-1, 3}));
    EXPECT_EQ(log.closed, (std::vector<int>{-1}));
    EXPECT_EQ(ticker.OpenDevice(), 3);
}

TEST(MidiTicker, ADeviceThatWillNotOpenIsSilentAndTriedOnEveryTick)
{
    MidiLog log;
    MidiTicker ticker(log.Opener());
    log.openFails = true;
    ticker.Tick({});
    log.openFails = false;
    log.openThrows = true;
    ticker.Tick({});
    EXPECT_FALSE(ticker.IsOpen());
    EXPECT_TRUE(log.Sent().empty());
    log.openThrows = false;
    ticker.Tick({});
    EXPECT_TRUE(ticker.IsOpen());
    EXPECT_EQ(log.opened.size(), 3u);

    // A device failing while sending is given up and opened afresh.
    log.sendThrows = true;
    ticker.Tick({});
    EXPECT_FALSE(ticker.IsOpen());
    log.sendThrows = false;
    ticker.Tick({});
    EXPECT_TRUE(ticker.IsOpen());
    EXPECT_EQ(log.opened.size(), 4u);

    MidiTicker withoutOpener({});
    withoutOpener.Tick({});
    EXPECT_FALSE(withoutOpener.IsOpen());
}

// An opener that does not return until the test lets it: a device slow to open.
struct Gate
{
    std::mutex mutex;
    std::condition_variable changed;
    bool open = false;
    bool entered = false;

    void WaitOpen()
    {
        std::unique_lock lock(mutex);
        entered = true;
        changed.notify_all();
        changed.wait(lock, [this] { return open; });
    }
    void WaitEntered()
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [this] { return entered; });
    }
    void Open()
    {
        std::lock_guard lock(mutex);
        open = true;
        changed.notify_all();
    }
};

TEST(MidiTickWorker, TicksReturnWhileTheDeviceOpensAndOnlyTheNewestWaits)
{
    MidiLog log;
    Gate gate;
    MidiTickWorker worker([&](int device) {
        gate.WaitOpen();
        return log.Opener()(device);
    });
    worker.Post({});
    gate.WaitEntered();
    // The device is still opening: these return at once and replace each other.
    for (int note = 61; note <= 65; ++note)
        worker.Post({-1, 0, 50, note, 11});
    gate.Open();
    worker.WaitIdle();
    EXPECT_EQ(worker.PlayedCount(), 2);
    const Messages sent = log.Sent();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.back(), MidiMessages::NoteOn(0, 65, 50));
}

TEST(MidiTickWorker, DestroyedWithATickWaitingOrNeverStarted)
{
    MidiLog log;
    {
        MidiTickWorker idle(log.Opener());
    }
    {
        MidiTickWorker worker(log.Opener());
        for (int i = 0; i < 100; ++i)
            worker.Post({});
    }
    EXPECT_EQ(log.closed.size(), log.opened.size());
}

} // namespace
