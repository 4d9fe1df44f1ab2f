#pragma once

#include "feedback/ToneSegment.h"

#include <cstdint>
#include <vector>

// Renders speaker tones as 16-bit mono PCM, so that they play through the sound card like
// any wave file.
class ToneSynthesizer
{
public:
    static constexpr int kSampleRate = 44100;
    // Well below full scale: the beeps should not be louder than the wave sounds.
    static constexpr int kAmplitude = 12000;
    // Longer pieces are cut to this length; no sound of the program comes near it.
    static constexpr int kMaxSegmentMs = 10000;

    // The tones one after the other, each exactly durationMs × rate ÷ 1000 samples long
    // (negative lengths count as 0). A pause, or a frequency that the rate cannot carry
    // (not above 0 or not below half the rate), gives silence.
    static std::vector<std::int16_t> Synthesize(const std::vector<ToneSegment>& tones,
                                                int sampleRate = kSampleRate);

    // Samples of one piece of the given length at the rate.
    static std::size_t SampleCount(int durationMs, int sampleRate);
};
