#include "feedback/ToneSynthesizer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// A millisecond of fade at both ends of a tone keeps the loudspeaker from clicking.
constexpr int kRampMs = 1;

} // namespace

std::size_t ToneSynthesizer::SampleCount(int durationMs, int sampleRate)
{
    if (durationMs <= 0 || sampleRate <= 0)
        return 0;
    const std::int64_t ms = std::min(durationMs, kMaxSegmentMs);
    return static_cast<std::size_t>(ms * sampleRate / 1000);
}

std::vector<std::int16_t> ToneSynthesizer::Synthesize(const std::vector<ToneSegment>& tones, int sampleRate)
{
    std::size_t total = 0;
    for (const ToneSegment& tone : tones)
        total += SampleCount(tone.durationMs, sampleRate);
    std::vector<std::int16_t> samples;
    samples.reserve(total);

    for (const ToneSegment& tone : tones) {
        const std::size_t count = SampleCount(tone.durationMs, sampleRate);
        const bool audible = tone.frequency > 0 && tone.frequency < sampleRate / 2;
        if (!audible) {
            samples.insert(samples.end(), count, 0);
            continue;
        }
        const double step = 2.0 * std::numbers::pi * tone.frequency / sampleRate;
        const std::size_t ramp = std::min<std::size_t>(SampleCount(kRampMs, sampleRate), count / 2);
        for (std::size_t i = 0; i < count; ++i) {
            double gain = 1.0;
            if (ramp > 0 && i < ramp)
                gain = static_cast<double>(i) / ramp;
            else if (ramp > 0 && count - 1 - i < ramp)
                gain = static_cast<double>(count - 1 - i) / ramp;
            const double value = kAmplitude * gain * std::sin(step * static_cast<double>(i));
            samples.push_back(static_cast<std::int16_t>(std::lround(value)));
        }
    }
    return samples;
}
