#pragma once

#include "feedback/WaveOutput.h"

#include <QThread>

// The sound module's output over Qt Multimedia. The effects live on a thread of their own:
// starting one talks to the sound server, which would cost a keystroke up to milliseconds,
// so Play only hands the name over.
class QtWaveOutput : public WaveOutput
{
public:
    QtWaveOutput();
    ~QtWaveOutput() override;

    QtWaveOutput(const QtWaveOutput&) = delete;
    QtWaveOutput& operator=(const QtWaveOutput&) = delete;

    void Load(const Files& files) override;
    void Play(const std::string& name) override;
    void PlayOnce(const QString& path) override;

private:
    class Player;

    QThread m_thread;
    Player* m_player = nullptr; // lives on m_thread
};
