#include "feedback/PulseWaveOutput.h"

#include <pulse/context.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

#include <utility>

namespace {

// Calls from the program's threads take the loop's lock; callbacks run with it held.
class LoopLock
{
public:
    explicit LoopLock(pa_threaded_mainloop* loop)
        : m_loop(loop)
    {
        pa_threaded_mainloop_lock(m_loop);
    }
    ~LoopLock() { pa_threaded_mainloop_unlock(m_loop); }

    LoopLock(const LoopLock&) = delete;
    LoopLock& operator=(const LoopLock&) = delete;

private:
    pa_threaded_mainloop* m_loop;
};

// Nobody waits for the server's answers: a failed flush or start leaves a sound unheard.
void Forget(pa_operation* operation)
{
    if (operation)
        pa_operation_unref(operation);
}

// A short target latency: a keystroke's sound should follow the key.
constexpr pa_usec_t kLatencyUs = 30'000;

} // namespace

void PulseWaveOutput::LoopCloser::operator()(pa_threaded_mainloop* loop) const
{
    pa_threaded_mainloop_stop(loop);
    pa_threaded_mainloop_free(loop);
}

void PulseWaveOutput::ContextCloser::operator()(pa_context* context) const
{
    pa_context_set_state_callback(context, nullptr, nullptr);
    pa_context_disconnect(context);
    pa_context_unref(context);
}

void PulseWaveOutput::StreamCloser::operator()(pa_stream* stream) const
{
    pa_stream_set_state_callback(stream, nullptr, nullptr);
    pa_stream_disconnect(stream);
    pa_stream_unref(stream);
}

PulseWaveOutput::PulseWaveOutput()
    : m_loop(pa_threaded_mainloop_new())
{
    if (!m_loop)
        return;
    m_context.reset(pa_context_new(pa_threaded_mainloop_get_api(m_loop.get()), "Tippwerk"));
    if (!m_context)
        return;
    pa_context_set_state_callback(m_context.get(), &PulseWaveOutput::OnContextState, this);
    // The connection is made on the loop's thread; a missing server only means silence.
    if (pa_context_connect(m_context.get(), nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0 ||
        pa_threaded_mainloop_start(m_loop.get()) < 0)
        m_context.reset();
}

PulseWaveOutput::~PulseWaveOutput()
{
    if (!m_loop)
        return;
    {
        LoopLock lock(m_loop.get());
        m_keys.stream.reset();
        m_once.stream.reset();
        m_context.reset();
    }
    m_loop.reset();
}

void PulseWaveOutput::Load(const Files& files)
{
    for (const auto& [name, path] : files) {
        if (std::optional<WaveFile::Pcm> pcm = WaveFile::ReadPcm(path))
            m_sounds[name] = std::make_shared<const WaveFile::Pcm>(std::move(*pcm));
    }
}

void PulseWaveOutput::Play(const std::string& name)
{
    const auto found = m_sounds.find(name);
    if (found == m_sounds.end() || !m_context)
        return;
    LoopLock lock(m_loop.get());
    Start(m_keys, found->second);
}

void PulseWaveOutput::PlayOnce(const std::string& path)
{
    std::optional<WaveFile::Pcm> pcm = WaveFile::ReadPcm(path);
    if (!pcm || !m_context)
        return;
    LoopLock lock(m_loop.get());
    Start(m_once, std::make_shared<const WaveFile::Pcm>(std::move(*pcm)));
}

void PulseWaveOutput::Start(Channel& channel, Sound sound)
{
    const pa_context_state_t state = pa_context_get_state(m_context.get());
    if (state != PA_CONTEXT_READY) {
        // Played when the server answers, or dropped when it cannot be reached.
        if (PA_CONTEXT_IS_GOOD(state))
            channel.waiting = std::move(sound);
        return;
    }
    const pa_sample_spec spec{PA_SAMPLE_S16LE, static_cast<std::uint32_t>(sound->sampleRate),
                              static_cast<std::uint8_t>(sound->channels)};
    const bool usable = channel.stream && pa_sample_spec_equal(&spec, &channel.spec) &&
                        PA_STREAM_IS_GOOD(pa_stream_get_state(channel.stream.get()));
    if (!usable) {
        channel.stream.reset(pa_stream_new(m_context.get(), "Tippwerk", &spec, nullptr));
        if (!channel.stream)
            return;
        channel.spec = spec;
        pa_stream_set_state_callback(channel.stream.get(), &PulseWaveOutput::OnStreamState, &channel);
        pa_buffer_attr buffer{};
        buffer.maxlength = static_cast<std::uint32_t>(-1);
        buffer.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(kLatencyUs, &spec));
        buffer.prebuf = static_cast<std::uint32_t>(-1);
        buffer.minreq = static_cast<std::uint32_t>(-1);
        buffer.fragsize = static_cast<std::uint32_t>(-1);
        if (pa_stream_connect_playback(channel.stream.get(), nullptr, &buffer, PA_STREAM_ADJUST_LATENCY,
                                       nullptr, nullptr) < 0) {
            channel.stream.reset();
            return;
        }
    }
    if (pa_stream_get_state(channel.stream.get()) != PA_STREAM_READY) {
        channel.waiting = std::move(sound);
        return;
    }
    Write(channel, *sound);
}

void PulseWaveOutput::Write(Channel& channel, const WaveFile::Pcm& sound)
{
    pa_stream* stream = channel.stream.get();
    // What the stream still holds of the sound before goes; the new one starts at once.
    Forget(pa_stream_flush(stream, nullptr, nullptr));
    if (pa_stream_write(stream, sound.samples.data(), sound.samples.size(), nullptr, 0, PA_SEEK_RELATIVE) ==
        0)
        Forget(pa_stream_trigger(stream, nullptr, nullptr));
}

void PulseWaveOutput::OnContextState(pa_context* context, void* self)
{
    auto* output = static_cast<PulseWaveOutput*>(self);
    const pa_context_state_t state = pa_context_get_state(context);
    for (Channel* channel : {&output->m_keys, &output->m_once}) {
        if (state == PA_CONTEXT_READY && channel->waiting)
            output->Start(*channel, std::exchange(channel->waiting, nullptr));
        else if (!PA_CONTEXT_IS_GOOD(state))
            channel->waiting.reset();
    }
}

void PulseWaveOutput::OnStreamState(pa_stream* stream, void* channel)
{
    auto* waitingOn = static_cast<Channel*>(channel);
    const pa_stream_state_t state = pa_stream_get_state(stream);
    if (state == PA_STREAM_READY && waitingOn->waiting)
        Write(*waitingOn, *std::exchange(waitingOn->waiting, nullptr));
    else if (!PA_STREAM_IS_GOOD(state))
        waitingOn->waiting.reset();
}

extern "C" __attribute__((visibility("default"))) WaveOutput* tippwerk_make_wave_output()
{
    return new PulseWaveOutput;
}
