// RtMidi and FluidSynth are loaded at the first metronome tick. Whatever goes wrong there,
// a missing library, a missing function or a failure the library reports, means silence.

#include "RecordingSoundOutput.h"
#include "feedback/FluidSynthLibrary.h"
#include "feedback/FluidSynthPort.h"
#include "feedback/RtMidiLibrary.h"
#include "feedback/RtMidiPort.h"
#include "feedback/SoundFeedback.h"
#include "settings/AppSettings.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const std::string MissingLibrary = "libtippwerk-no-such-library.so";
// Present everywhere, and has none of the functions.
const std::string UnrelatedLibrary = "libc.so.6";

// Stands in for librtmidi behind its C interface; the functions reach it through a global
// as the C interface has no user data.
struct FakeRtMidi
{
    bool noObject = false;
    bool createFails = false;
    bool countFails = false;
    bool openFails = false;
    bool sendFails = false;
    std::vector<std::string> ports;
    int created = 0;
    int freed = 0;
    int openedPort = -1;
    std::vector<MidiMessage> sent;
};

FakeRtMidi* fake = nullptr;

RtMidiOutPtr FakeCreate()
{
    if (fake->noObject)
        return nullptr;
    ++fake->created;
    auto* out = new RtMidiWrapper{};
    out->ok = !fake->createFails;
    out->msg = "";
    return out;
}

void FakeFree(RtMidiOutPtr out)
{
    ++fake->freed;
    delete out;
}

unsigned FakeCount(RtMidiPtr out)
{
    if (fake->countFails)
        out->ok = false;
    return static_cast<unsigned>(fake->ports.size());
}

// As the library does: the length needed without a buffer, else the name cut to the buffer.
int FakeName(RtMidiPtr, unsigned port, char* buffer, int* length)
{
    const std::string& name = fake->ports.at(port);
    if (!buffer) {
        *length = static_cast<int>(name.size()) + 1;
        return 0;
    }
    return std::snprintf(buffer, static_cast<std::size_t>(*length), "%s", name.c_str());
}

void FakeOpen(RtMidiPtr out, unsigned port, const char*)
{
    if (fake->openFails)
        out->ok = false;
    else
        fake->openedPort = static_cast<int>(port);
}

int FakeSend(RtMidiOutPtr out, const unsigned char* message, int length)
{
    if (fake->sendFails) {
        out->ok = false;
        return -1;
    }
    fake->sent.emplace_back(message, message + length);
    return 0;
}

class MidiLibraries : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fake = &m_fake;
        auto library = std::make_shared<RtMidiLibrary>();
        library->outCreateDefault = &FakeCreate;
        library->outFree = &FakeFree;
        library->getPortCount = &FakeCount;
        library->getPortName = &FakeName;
        library->openPort = &FakeOpen;
        library->outSendMessage = &FakeSend;
        m_library = library;
    }
    void TearDown() override { fake = nullptr; }

    FakeRtMidi m_fake;
    std::shared_ptr<const RtMidiLibrary> m_library;
};

TEST_F(MidiLibraries, RtMidiOpensTheChosenPortAndSendsThroughIt)
{
    m_fake.ports = {"Midi Through:Midi Through Port-0 14:0", "Synth:Synth MIDI 1 128:0"};
    std::unique_ptr<MidiPort> port = RtMidiPort::Open(-1, m_library);
    ASSERT_NE(port, nullptr);
    EXPECT_EQ(m_fake.openedPort, 1);
    port->Send(MidiMessages::NoteOn(9, 37, 100));
    port.reset();
    ASSERT_EQ(m_fake.sent.size(), 1u);
    EXPECT_EQ(m_fake.sent[0], MidiMessages::NoteOn(9, 37, 100));
    EXPECT_EQ(m_fake.freed, m_fake.created);

    // Device numbers count the through port too.
    port = RtMidiPort::Open(0, m_library);
    ASSERT_NE(port, nullptr);
    EXPECT_EQ(m_fake.openedPort, 0);
}

TEST_F(MidiLibraries, RtMidiFailuresGiveNoPortAndFreeTheOutput)
{
    m_fake.ports = {"Synth"};
    m_fake.noObject = true;
    EXPECT_EQ(RtMidiPort::Open(-1, m_library), nullptr);
    m_fake.noObject = false;

    m_fake.createFails = true;
    EXPECT_EQ(RtMidiPort::Open(-1, m_library), nullptr);
    m_fake.createFails = false;

    m_fake.countFails = true;
    EXPECT_EQ(RtMidiPort::Open(-1, m_library), nullptr);
    m_fake.countFails = false;

    m_fake.openFails = true;
    EXPECT_EQ(RtMidiPort::Open(-1, m_library), nullptr);
    m_fake.openFails = false;

    EXPECT_EQ(RtMidiPort::Open(1, m_library), nullptr);
    m_fake.ports = {"Midi Through Port-0"};
    EXPECT_EQ(RtMidiPort::Open(-1, m_library), nullptr);
    m_fake.ports.clear();
    EXPECT_EQ(RtMidiPort::Open(-1, m_library), nullptr);

    EXPECT_EQ(m_fake.openedPort, -1);
    EXPECT_EQ(m_fake.created, 6);
    EXPECT_EQ(m_fake.freed, m_fake.created);
}

TEST_F(MidiLibraries, ARefusedMessageThrowsSoTheTickerOpensAfresh)
{
    m_fake.ports = {"Synth"};
    std::unique_ptr<MidiPort> port = RtMidiPort::Open(-1, m_library);
    ASSERT_NE(port, nullptr);
    m_fake.sendFails = true;
    EXPECT_THROW(port->Send(MidiMessages::NoteOff(0, 60)), std::runtime_error);
}

TEST_F(MidiLibraries, MissingLibrariesOrFunctionsGiveSilence)
{
    EXPECT_EQ(RtMidiLibrary::Load(MissingLibrary), nullptr);
    EXPECT_EQ(RtMidiLibrary::Load(UnrelatedLibrary), nullptr);
    EXPECT_EQ(RtMidiPort::Open(-1, RtMidiLibrary::Load(MissingLibrary)), nullptr);
    EXPECT_EQ(FluidSynthLibrary::Load(MissingLibrary), nullptr);
    EXPECT_EQ(FluidSynthLibrary::Load(UnrelatedLibrary), nullptr);

    // Would otherwise open: the file driver needs no sound server.
    QTemporaryDir folder;
    FluidSynthPort::Options options;
    options.audioDrivers = {"file"};
    options.audioFile = folder.filePath(QStringLiteral("out.wav")).toStdString();
    for (const std::string& name : {MissingLibrary, UnrelatedLibrary}) {
        options.library = name;
        EXPECT_EQ(FluidSynthPort::Open(options), nullptr) << name;
    }

    // The metronome ticks on without a sound.
    std::vector<RecordingSoundOutput::Played> played;
    SoundFeedback feedback(std::make_unique<RecordingSoundOutput>(played), [&](int device) {
        if (std::unique_ptr<MidiPort> port = RtMidiPort::Open(device, RtMidiLibrary::Load(MissingLibrary)))
            return port;
        return FluidSynthPort::Open(options);
    });
    AppSettings settings;
    feedback.MidiTick(settings);
    feedback.WaitForMidi();
    feedback.MidiTick(settings);
    feedback.WaitForMidi();
    EXPECT_EQ(feedback.MidiTicksPlayed(), 2);
}

TEST_F(MidiLibraries, TheInstalledLibrariesLoadOnce)
{
    const std::shared_ptr<const RtMidiLibrary> rtMidi = RtMidiLibrary::Load();
    ASSERT_NE(rtMidi, nullptr);
    EXPECT_EQ(RtMidiLibrary::Load(), rtMidi);
    const std::shared_ptr<const FluidSynthLibrary> fluidSynth =
        FluidSynthLibrary::Load(FluidSynthPort::Options().library);
    ASSERT_NE(fluidSynth, nullptr);
    EXPECT_EQ(FluidSynthLibrary::Load(FluidSynthPort::Options().library), fluidSynth);
}

} // namespace
