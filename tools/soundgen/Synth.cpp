#include "Synth.h"

#include "Biquad.h"
#include "NoiseSource.h"

#include <algorithm>
#include <cmath>

std::size_t SampleCount(double seconds)
{
    return seconds <= 0.0 ? 0 : static_cast<std::size_t>(std::lround(seconds * kSampleRate));
}

double AttackDecay(double t, double attack, double decay)
{
    if (t < 0.0)
        return 0.0;
    if (t < attack)
        return 0.5 - 0.5 * std::cos(kPi * t / attack);
    return std::exp(-(t - attack) / decay);
}

double Glide(double t, double from, double to, double duration)
{
    if (t >= duration)
        return to;
    return from * std::pow(to / from, std::max(t, 0.0) / duration);
}

double SmoothStep(double t, double begin, double end)
{
    if (t <= begin)
        return 0.0;
    if (t >= end)
        return 1.0;
    return 0.5 - 0.5 * std::cos(kPi * (t - begin) / (end - begin));
}

namespace {

void GrowTo(Samples& out, std::size_t size)
{
    if (out.size() < size)
        out.resize(size, 0.0);
}

// Voices end with a short fade so that cutting them off does not click.
double Tail(double t, double length)
{
    constexpr double fade = 0.003;
    return 1.0 - SmoothStep(t, length - fade, length);
}

} // namespace

void AddSine(Samples& out, double start, double length, const Curve& frequency, const Curve& amplitude)
{
    const std::size_t first = SampleCount(start);
    const std::size_t count = SampleCount(length);
    GrowTo(out, first + count);
    double phase = 0.0; // in cycles, kept in [0, 1) for precision
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        out[first + i] += amplitude(t) * Tail(t, length) * std::sin(2.0 * kPi * phase);
        phase += frequency(t) / kSampleRate;
        phase -= std::floor(phase);
    }
}

Samples BandLimitedSaw(double length, const Curve& frequency)
{
    const double fullUpTo = 0.35 * kSampleRate;
    const double goneAt = 0.45 * kSampleRate;
    Samples out(SampleCount(length), 0.0);
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double f = frequency(t);
        double sum = 0.0;
        for (int k = 1; k * f < goneAt; ++k) {
            const double fk = k * f;
            const double taper = fk <= fullUpTo ? 1.0 : (goneAt - fk) / (goneAt - fullUpTo);
            sum += taper * std::sin(2.0 * kPi * k * phase) / k;
        }
        out[i] = sum * (2.0 / kPi);
        phase += f / kSampleRate;
        phase -= std::floor(phase);
    }
    return out;
}

Samples Noise(double length, std::uint32_t seed, const Curve& amplitude)
{
    NoiseSource noise(seed);
    Samples out(SampleCount(length));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        out[i] = amplitude(t) * Tail(t, length) * noise.Next();
    }
    return out;
}

Samples Wobble(double length, std::uint32_t seed, double cutoff)
{
    NoiseSource noise(seed);
    Biquad smooth(Biquad::Kind::LowPass, cutoff, 0.7071);
    Samples out(SampleCount(length));
    // Low-passing white noise loses most of its level; bring it back to about +-1.
    const double gain = std::sqrt(0.5 * kSampleRate / cutoff);
    for (double& v : out)
        v = std::clamp(gain * smooth.Process(noise.Next()), -1.0, 1.0);
    return out;
}

double At(const Samples& signal, double t)
{
    if (signal.empty())
        return 0.0;
    const std::size_t i = std::min(SampleCount(t), signal.size() - 1);
    return signal[i];
}

void MixInto(Samples& out, const Samples& in, double start, double gain)
{
    const std::size_t first = SampleCount(start);
    GrowTo(out, first + in.size());
    for (std::size_t i = 0; i < in.size(); ++i)
        out[first + i] += gain * in[i];
}

void Finish(Samples& samples, double fadeIn, double fadeOut, double peakDbfs)
{
    const std::size_t n = samples.size();
    if (n < 2)
        return;
    const std::size_t in = std::clamp<std::size_t>(SampleCount(fadeIn), 1, n);
    const std::size_t out = std::clamp<std::size_t>(SampleCount(fadeOut), 1, n);
    for (std::size_t i = 0; i < in; ++i)
        samples[i] *= 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / in);
    for (std::size_t i = 0; i < out; ++i)
        samples[n - 1 - i] *= 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / out);

    // Remove any DC with a Hann-shaped bump rather than a constant, so the ends stay 0.
    double sum = 0.0;
    double weights = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double w = std::sin(kPi * static_cast<double>(i) / (n - 1));
        sum += samples[i];
        weights += w * w;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const double w = std::sin(kPi * static_cast<double>(i) / (n - 1));
        samples[i] -= sum / weights * w * w;
    }

    const double peak = Peak(samples);
    if (peak > 0.0) {
        const double scale = std::pow(10.0, peakDbfs / 20.0) / peak;
        for (double& v : samples)
            v *= scale;
    }
}

double Peak(const Samples& samples)
{
    double peak = 0.0;
    for (double v : samples)
        peak = std::max(peak, std::abs(v));
    return peak;
}

double Mean(const Samples& samples)
{
    if (samples.empty())
        return 0.0;
    double sum = 0.0;
    for (double v : samples)
        sum += v;
    return sum / static_cast<double>(samples.size());
}
