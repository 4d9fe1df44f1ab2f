#include "feedback/ToneSynthesizer.h"
#include "feedback/SoundCatalog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

constexpr int Rate = ToneSynthesizer::kSampleRate;

// Sign changes between from and to: twice the frequency times the length.
int ZeroCrossings(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to)
{
    int crossings = 0;
    bool positive = samples[from] >= 0;
    for (std::size_t i = from + 1; i < to; ++i) {
        if (samples[i] == 0)
            continue;
        if ((samples[i] > 0) != positive) {
            ++crossings;
            positive = samples[i] > 0;
        }
    }
    return crossings;
}

TEST(ToneSynthesizer, EveryBeepHasItsLengthAndEachPieceItsPitch)
{
    for (const SoundCue& cue : SoundCatalog::AllSounds()) {
        if (cue.source != SoundCue::Source::Tones)
            continue;
        SCOPED_TRACE(cue.fileName);
        const std::vector<std::int16_t> samples = ToneSynthesizer::Synthesize(cue.tones);
        ASSERT_EQ(samples.size(), static_cast<std::size_t>(cue.ToneDurationMs()) * Rate / 1000);

        std::size_t at = 0;
        for (const ToneSegment& tone : cue.tones) {
            const std::size_t count = static_cast<std::size_t>(tone.durationMs) * Rate / 1000;
            if (tone.frequency == 0) {
                EXPECT_TRUE(std::all_of(samples.begin() + at, samples.begin() + at + count,
                                        [](std::int16_t s) { return s == 0; }));
            } else {
                const int expected = 2 * tone.frequency * tone.durationMs / 1000;
                EXPECT_NEAR(ZeroCrossings(samples, at, at + count), expected, 2) << tone.frequency;
            }
            at += count;
        }
    }
}

TEST(ToneSynthesizer, ToneStaysInRangeAndFadesInAndOut)
{
    const std::vector<std::int16_t> samples = ToneSynthesizer::Synthesize({{500, 50}});
    int peak = 0;
    for (std::int16_t s : samples)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_LE(peak, ToneSynthesizer::kAmplitude);
    EXPECT_GT(peak, ToneSynthesizer::kAmplitude * 9 / 10);
    // No step at either end that would click.
    EXPECT_LT(std::abs(samples.front()), 100);
    EXPECT_LT(std::abs(samples.back()), 100);
}

TEST(ToneSynthesizer, OddPiecesGiveSilenceOrNothingAndStayBounded)
{
    EXPECT_TRUE(ToneSynthesizer::Synthesize({{500, -10}, {500, 0}}).empty());
    EXPECT_TRUE(ToneSynthesizer::Synthesize({{500, 50}}, 0).empty());
    for (int frequency : {-5, Rate / 2, 100000}) {
        const auto samples = ToneSynthesizer::Synthesize({{frequency, 10}});
        EXPECT_EQ(samples.size(), static_cast<std::size_t>(Rate / 100));
        EXPECT_TRUE(std::all_of(samples.begin(), samples.end(), [](std::int16_t s) { return s == 0; }));
    }
    EXPECT_EQ(ToneSynthesizer::Synthesize({{440, INT_MAX}}).size(),
              ToneSynthesizer::SampleCount(ToneSynthesizer::kMaxSegmentMs, Rate));
}

} // namespace
