#pragma once

#include "feedback/WaveFile.h"
#include "feedback/WaveOutput.h"

#include <pulse/sample.h>

#include <map>
#include <memory>
#include <string>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

// The sound module's output: the PulseAudio protocol (PulseAudio itself or PipeWire's
// server for it), spoken on a thread of the client library. Play and PlayOnce each have a
// playback stream that stays open between sounds. A sound replaces what its stream still
// holds and is started at once instead of waiting for the server's start-up buffer, which
// a 40 ms click would never fill. Sounds asked for before the server has answered play
// when it has; without a server they are dropped.
class PulseWaveOutput : public WaveOutput
{
public:
    PulseWaveOutput();
    ~PulseWaveOutput() override;

    PulseWaveOutput(const PulseWaveOutput&) = delete;
    PulseWaveOutput& operator=(const PulseWaveOutput&) = delete;

    void Load(const Files& files) override;
    void Play(const std::string& name) override;
    void PlayOnce(const std::string& path) override;

private:
    using Sound = std::shared_ptr<const WaveFile::Pcm>;

    struct LoopCloser
    {
        void operator()(pa_threaded_mainloop* loop) const;
    };
    struct ContextCloser
    {
        void operator()(pa_context* context) const;
    };
    struct StreamCloser
    {
        void operator()(pa_stream* stream) const;
    };

    // One stream and the sound that waits for it to be ready.
    struct Channel
    {
        std::unique_ptr<pa_stream, StreamCloser> stream;
        pa_sample_spec spec{};
        Sound waiting;
    };

    // All with the loop's lock held.
    void Start(Channel& channel, Sound sound);
    static void Write(Channel& channel, const WaveFile::Pcm& sound);
    static void OnContextState(pa_context* context, void* self);
    static void OnStreamState(pa_stream* stream, void* channel);

    std::map<std::string, Sound> m_sounds;
    std::unique_ptr<pa_threaded_mainloop, LoopCloser> m_loop;
    std::unique_ptr<pa_context, ContextCloser> m_context;
    Channel m_keys;
    Channel m_once;
};
