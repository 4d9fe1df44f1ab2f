// The committed sounds are played by name on every keystroke, so each must exist, be a
// plain PCM wave every player reads, and be short enough not to hold up typing.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace {

const std::string kSoundFolder = std::string(TIPPWERK_SOURCE_DIR) + "/data/sounds/";

struct WaveInfo
{
    std::string problem; // empty when the file was read
    unsigned format = 0;
    unsigned channels = 0;
    unsigned bits = 0;
    std::uint32_t rate = 0;
    std::uint32_t byteRate = 0;
    unsigned blockAlign = 0;
    std::size_t frames = 0;
    int peak = 0;
    int first = 0;
    int last = 0;

    double Milliseconds() const { return rate == 0 ? 0.0 : 1000.0 * static_cast<double>(frames) / rate; }
};

std::uint32_t Le(const std::string& bytes, std::size_t at, int count)
{
    std::uint32_t v = 0;
    for (int i = count - 1; i >= 0; --i)
        v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
    return v;
}

WaveInfo ReadWave(const std::string& path)
{
    WaveInfo info;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        info.problem = "missing";
        return info;
    }
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
        info.problem = "not RIFF/WAVE";
        return info;
    }
    bool haveFormat = false;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id = bytes.substr(at, 4);
        const std::size_t size = Le(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (size > bytes.size() - body) {
            info.problem = "chunk " + id + " runs past the end";
            return info;
        }
        if (id == "fmt " && size >= 16) {
            info.format = Le(bytes, body, 2);
            info.channels = Le(bytes, body + 2, 2);
            info.rate = Le(bytes, body + 4, 4);
            info.byteRate = Le(bytes, body + 8, 4);
            info.blockAlign = Le(bytes, body + 12, 2);
            info.bits = Le(bytes, body + 14, 2);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) {
                info.problem = "data before the format";
                return info;
            }
            if (info.bits != 16 || info.channels != 1) {
                info.problem = "not 16-bit mono: " + std::to_string(info.bits) + " bits, " +
                               std::to_string(info.channels) + " channels";
                return info;
            }
            info.frames = size / 2;
            for (std::size_t i = 0; i < info.frames; ++i) {
                const int v = static_cast<std::int16_t>(Le(bytes, body + 2 * i, 2));
                info.peak = std::max(info.peak, std::abs(v));
                if (i == 0)
                    info.first = v;
                info.last = v;
            }
            return info;
        }
        at = body + size + (size & 1);
    }
    info.problem = "no data chunk";
    return info;
}

TEST(SoundFiles, EverySoundIsAnUnclippedMono16BitPcmWave)
{
    for (const char* name : {"good1.wav", "good2.wav", "good3.wav", "good4.wav", "bad1.wav", "bad2.wav",
                             "bad3.wav", "bad4.wav", "wellcome.wav"}) {
        SCOPED_TRACE(name);
        const WaveInfo w = ReadWave(kSoundFolder + name);
        ASSERT_EQ(w.problem, "");
        EXPECT_EQ(w.format, 1u);
        EXPECT_EQ(w.channels, 1u);
        EXPECT_EQ(w.bits, 16u);
        EXPECT_TRUE(w.rate == 44100 || w.rate == 22050) << w.rate;
        EXPECT_EQ(w.blockAlign, 2u);
        EXPECT_EQ(w.byteRate, w.rate * 2);
        // Audible, yet with headroom: never at full scale.
        EXPECT_GT(w.peak, 8192);
        EXPECT_LT(w.peak, 32767);
        // Starting or cutting the sound off must not click.
        EXPECT_LE(std::abs(w.first), 64);
        EXPECT_LE(std::abs(w.last), 64);
    }
}

TEST(SoundFiles, GoodSoundsAreShortAndShorterThanTheBadOnes)
{
    for (int type = 1; type <= 4; ++type) {
        SCOPED_TRACE(type);
        const WaveInfo good = ReadWave(kSoundFolder + "good" + std::to_string(type) + ".wav");
        const WaveInfo bad = ReadWave(kSoundFolder + "bad" + std::to_string(type) + ".wav");
        ASSERT_EQ(good.problem, "");
        ASSERT_EQ(bad.problem, "");
        // A good sound follows every keystroke; a bad one blocks typing while it plays.
        EXPECT_GE(good.Milliseconds(), 15.0);
        EXPECT_LE(good.Milliseconds(), 80.0);
        EXPECT_GE(bad.Milliseconds(), 100.0);
        EXPECT_LE(bad.Milliseconds(), 300.0);
        EXPECT_LT(good.Milliseconds(), bad.Milliseconds());
    }
}

TEST(SoundFiles, WelcomeChimeIsBrief)
{
    // The welcome screen waits for it to finish.
    const WaveInfo w = ReadWave(kSoundFolder + "wellcome.wav");
    ASSERT_EQ(w.problem, "");
    EXPECT_GE(w.Milliseconds(), 500.0);
    EXPECT_LE(w.Milliseconds(), 2500.0);
}

} // namespace
