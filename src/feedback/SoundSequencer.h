#pragma once

#include "feedback/SoundCue.h"

#include <cstdint>
#include <optional>

// Decides when a keystroke sound starts, without ever making the caller wait. A sound that
// plays to its end (a bad sound, a beep) is not cut off: a good sound asked for meanwhile is
// dropped, a bad one waits for it (one at most, more are dropped). Otherwise the newest
// sound starts at once and cuts off the one still playing.
class SoundSequencer
{
public:
    enum class Decision
    {
        Ignore,  // nothing to play, or dropped
        PlayNow, // start it now
        Wait     // held back until PendingDueAt()
    };

    // A sound is asked for at nowMs (any steady clock); durationMs is how long it plays.
    Decision Request(const SoundCue& cue, int durationMs, std::int64_t nowMs);

    // When the sound held back may start; empty when none waits.
    std::optional<std::int64_t> PendingDueAt() const;
    // The held-back sound once its time has come (it then counts as playing).
    std::optional<SoundCue> TakeDue(std::int64_t nowMs);

private:
    void Start(const SoundCue& cue, int durationMs, std::int64_t nowMs);

    std::int64_t m_busyUntil = 0;
    bool m_busy = false;
    std::optional<SoundCue> m_pending;
    int m_pendingDurationMs = 0;
};
