#pragma once

#include "feedback/MidiTicker.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

// Plays metronome ticks on a thread of its own: opening a MIDI device or loading a sound
// font takes far longer than the user-interface thread may wait. The thread starts with the
// first tick; it owns the MIDI output and closes it when the worker is destroyed.
class MidiTickWorker
{
public:
    explicit MidiTickWorker(MidiTicker::PortOpener opener);
    // Drops a tick still waiting, lets the one in progress finish and closes the output.
    ~MidiTickWorker();

    MidiTickWorker(const MidiTickWorker&) = delete;
    MidiTickWorker& operator=(const MidiTickWorker&) = delete;

    // Hands a tick over and returns at once. A tick not yet begun is replaced by the newer
    // one, so ticks never pile up behind a slow device. Silent when no thread can be started.
    void Post(const MidiTickValues& values);

    // Waits until every tick handed over has been played (tests and previews).
    void WaitIdle();

    // Ticks played so far (tests).
    int PlayedCount();

private:
    void Run();

    MidiTicker::PortOpener m_opener;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::optional<MidiTickValues> m_pending;
    bool m_playing = false;
    bool m_stop = false;
    bool m_failed = false;
    int m_played = 0;
    std::thread m_thread;
};
