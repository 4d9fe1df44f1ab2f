#include "feedback/SoundSequencer.h"

#include <algorithm>

SoundSequencer::Decision SoundSequencer::Request(const SoundCue& cue, int durationMs, std::int64_t nowMs)
{
    if (cue.IsSilent())
        return Decision::Ignore;
    const bool busy = m_busy && nowMs < m_busyUntil;
    if (!busy && !m_pending) {
        Start(cue, durationMs, nowMs);
        return Decision::PlayNow;
    }
    // A good sound would come late; an error should still be heard, but only one is kept
    // so that a burst of errors cannot pile up sound.
    if (!cue.bad || m_pending)
        return Decision::Ignore;
    m_pending = cue;
    m_pendingDurationMs = durationMs;
    return Decision::Wait;
}

std::optional<std::int64_t> SoundSequencer::PendingDueAt() const
{
    if (!m_pending)
        return std::nullopt;
    return m_busyUntil;
}

std::optional<SoundCue> SoundSequencer::TakeDue(std::int64_t nowMs)
{
    if (!m_pending || nowMs < m_busyUntil)
        return std::nullopt;
    std::optional<SoundCue> cue = std::move(m_pending);
    m_pending.reset();
    Start(*cue, m_pendingDurationMs, nowMs);
    return cue;
}

void SoundSequencer::Start(const SoundCue& cue, int durationMs, std::int64_t nowMs)
{
    m_busy = cue.synchronous;
    m_busyUntil = cue.synchronous ? nowMs + std::max(durationMs, 0) : nowMs;
}
