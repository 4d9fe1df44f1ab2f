#include "feedback/SoundFeedback.h"

#include "feedback/MidiTickValues.h"
#include "feedback/ModuleSoundOutput.h"
#include "feedback/SoundCatalog.h"
#include "feedback/SystemMidi.h"

#include <algorithm>

SoundFeedback::SoundFeedback()
    : SoundFeedback(std::make_unique<ModuleSoundOutput>(), &SystemMidi::OpenPort)
{}

SoundFeedback::SoundFeedback(std::unique_ptr<SoundOutput> output, MidiTicker::PortOpener midiOpener)
    : m_output(std::move(output))
    , m_midi(std::move(midiOpener))
{
    m_clock.start();
    m_pendingTimer.setSingleShot(true);
    m_pendingTimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_pendingTimer, &QTimer::timeout, &m_pendingTimer, [this] { PlayDue(); });
}

SoundFeedback::~SoundFeedback() = default;

void SoundFeedback::PlayGoodSound(int soundType)
{
    Request(SoundCatalog::GoodSound(soundType));
}

void SoundFeedback::PlayBadSound(int soundType)
{
    Request(SoundCatalog::BadSound(soundType));
}

void SoundFeedback::PlayFile(const std::string& path)
{
    if (m_output)
        m_output->PlayFile(path);
}

void SoundFeedback::MidiTick(const AppSettings& settings)
{
    m_midi.Post(MidiTickValues::From(settings));
}

void SoundFeedback::WaitForMidi()
{
    m_midi.WaitIdle();
}

int SoundFeedback::MidiTicksPlayed()
{
    return m_midi.PlayedCount();
}

void SoundFeedback::Request(const SoundCue& cue)
{
    if (!m_output || cue.IsSilent())
        return;
    // A held-back sound whose time has come goes first, even if its timer is late.
    PlayDue();
    const std::int64_t now = m_clock.elapsed();
    switch (m_sequencer.Request(cue, m_output->DurationMs(cue), now)) {
    case SoundSequencer::Decision::PlayNow:
        m_output->Play(cue);
        break;
    case SoundSequencer::Decision::Wait:
        m_pendingTimer.start(static_cast<int>(std::max<std::int64_t>(*m_sequencer.PendingDueAt() - now, 0)));
        break;
    case SoundSequencer::Decision::Ignore:
        break;
    }
}

void SoundFeedback::PlayDue()
{
    const std::int64_t now = m_clock.elapsed();
    if (const std::optional<SoundCue> cue = m_sequencer.TakeDue(now)) {
        m_pendingTimer.stop();
        m_output->Play(*cue);
    } else if (const std::optional<std::int64_t> due = m_sequencer.PendingDueAt();
               due && !m_pendingTimer.isActive()) {
        m_pendingTimer.start(static_cast<int>(std::max<std::int64_t>(*due - now, 0)));
    }
}
