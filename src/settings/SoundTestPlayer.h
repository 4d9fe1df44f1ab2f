#pragma once

#include <QObject>
#include <QTimer>

#include <cstddef>
#include <functional>

class SettingsSound;

// Plays the "&Test" sequence of a sound type step by step on timers, so the dialog stays
// responsive while it plays. Asked again while it plays, it goes on with the first request.
class SoundTestPlayer : public QObject
{
    Q_OBJECT

public:
    // Runs `next` after `delayMs`. The player's own timer unless tests put in another.
    using Wait = std::function<void(int delayMs, std::function<void()> next)>;

    SoundTestPlayer(SettingsSound& sound, QObject* parent = nullptr);

    void Start(int soundType);
    bool isPlaying() const { return m_playing; }

    // Tests step through the sequence without waiting; empty restores the timer.
    void setWait(Wait wait);

private:
    void PlayStep();

    SettingsSound& m_sound;
    QTimer m_timer;
    Wait m_wait;
    int m_soundType = 0;
    std::size_t m_step = 0;
    bool m_playing = false;
};
