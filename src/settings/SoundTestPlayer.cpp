#include "settings/SoundTestPlayer.h"

#include "settings/SettingsSound.h"
#include "settings/SoundTestSequence.h"

#include <utility>

SoundTestPlayer::SoundTestPlayer(SettingsSound& sound, QObject* parent)
    : QObject(parent)
    , m_sound(sound)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &SoundTestPlayer::PlayStep);
}

void SoundTestPlayer::Start(int soundType)
{
    if (m_playing)
        return;
    m_playing = true;
    m_soundType = soundType;
    m_step = 0;
    PlayStep();
}

void SoundTestPlayer::setWait(Wait wait)
{
    m_wait = std::move(wait);
}

void SoundTestPlayer::PlayStep()
{
    const std::vector<SoundTestSequence::Step>& steps = SoundTestSequence::Steps();
    if (m_step >= steps.size()) {
        m_playing = false;
        return;
    }
    const SoundTestSequence::Step& step = steps[m_step++];
    const int heldMs = step.sound == SoundTestSequence::Sound::Good ? m_sound.PlayGoodSound(m_soundType)
                                                                    : m_sound.PlayBadSound(m_soundType);
    if (m_step == steps.size()) {
        m_playing = false;
        return;
    }
    const int delayMs = heldMs + step.pauseAfterMs;
    if (m_wait)
        m_wait(delayMs, [this] { PlayStep(); });
    else
        m_timer.start(delayMs);
}
