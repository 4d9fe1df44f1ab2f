#include "feedback/MidiTickWorker.h"

#include <system_error>

MidiTickWorker::MidiTickWorker(MidiTicker::PortOpener opener)
    : m_opener(std::move(opener))
{}

MidiTickWorker::~MidiTickWorker()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
        m_pending.reset();
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void MidiTickWorker::Post(const MidiTickValues& values)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_failed)
            return;
        if (!m_thread.joinable()) {
            try {
                m_thread = std::thread(&MidiTickWorker::Run, this);
            } catch (const std::system_error&) {
                m_failed = true;
                return;
            }
        }
        m_pending = values;
    }
    m_wake.notify_one();
}

void MidiTickWorker::WaitIdle()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return (!m_pending && !m_playing) || m_stop || m_failed; });
}

int MidiTickWorker::PlayedCount()
{
    std::lock_guard lock(m_mutex);
    return m_played;
}

void MidiTickWorker::Run()
{
    // Created and destroyed here, so the output never leaves this thread.
    MidiTicker ticker(m_opener);
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_pending || m_stop; });
        if (m_stop)
            break;
        const MidiTickValues values = *m_pending;
        m_pending.reset();
        m_playing = true;
        lock.unlock();
        ticker.Tick(values);
        lock.lock();
        m_playing = false;
        ++m_played;
        m_idle.notify_all();
    }
    m_idle.notify_all();
}
