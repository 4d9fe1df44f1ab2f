#pragma once

#include "feedback/SoundOutput.h"

#include <QElapsedTimer>

#include <map>
#include <string>
#include <vector>

// Records which sounds would play and when, instead of playing them.
class RecordingSoundOutput : public SoundOutput
{
public:
    struct Played
    {
        std::string fileName;
        qint64 atMs = 0;
    };

    explicit RecordingSoundOutput(std::vector<Played>& log, std::map<std::string, int> durations = {})
        : m_log(log)
        , m_durations(std::move(durations))
    {
        m_clock.start();
    }

    void Play(const SoundCue& cue) override { m_log.push_back({cue.fileName, m_clock.elapsed()}); }
    // Files are logged by their path.
    void PlayFile(const std::string& path) override { m_log.push_back({path, m_clock.elapsed()}); }

    int DurationMs(const SoundCue& cue) const override
    {
        const auto found = m_durations.find(cue.fileName);
        if (found != m_durations.end())
            return found->second;
        return cue.source == SoundCue::Source::Tones ? cue.ToneDurationMs() : 0;
    }

private:
    std::vector<Played>& m_log;
    std::map<std::string, int> m_durations;
    QElapsedTimer m_clock;
};
