#include "feedback/WaveFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>

namespace {

std::uint32_t Le(const std::string& bytes, std::size_t at, int count)
{
    std::uint32_t v = 0;
    for (int i = count - 1; i >= 0; --i)
        v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
    return v;
}

std::string LeBytes(std::uint32_t value, int count)
{
    std::string out;
    for (int i = 0; i < count; ++i)
        out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
    return out;
}

std::string Chunk(const std::string& id, const std::string& body, std::uint32_t claimed = UINT32_MAX)
{
    return id + LeBytes(claimed == UINT32_MAX ? static_cast<std::uint32_t>(body.size()) : claimed, 4) + body;
}

std::string Format(std::uint32_t byteRate)
{
    return LeBytes(1, 2) + LeBytes(1, 2) + LeBytes(byteRate / 2, 4) + LeBytes(byteRate, 4) + LeBytes(2, 2) +
           LeBytes(16, 2);
}

std::string Riff(const std::string& chunks)
{
    return "RIFF" + LeBytes(static_cast<std::uint32_t>(chunks.size() + 4), 4) + "WAVE" + chunks;
}

class WaveFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/wavefile-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_folder = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::string Write(const std::string& bytes)
    {
        const std::string path = m_folder + "/f" + std::to_string(m_count++) + ".wav";
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

private:
    std::string m_folder;
    int m_count = 0;
};

TEST_F(WaveFileTest, EncodeWritesAMono16BitPcmFileThatReadsBackWithItsLength)
{
    const std::vector<std::int16_t> samples(44100 * 800 / 1000, -2);
    const std::string bytes = WaveFile::Encode(samples, 44100);
    ASSERT_EQ(bytes.size(), 44 + samples.size() * 2);
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(Le(bytes, 4, 4), bytes.size() - 8);
    EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(Le(bytes, 20, 2), 1u);     // PCM
    EXPECT_EQ(Le(bytes, 22, 2), 1u);     // mono
    EXPECT_EQ(Le(bytes, 24, 4), 44100u); // rate
    EXPECT_EQ(Le(bytes, 28, 4), 88200u); // bytes per second
    EXPECT_EQ(Le(bytes, 34, 2), 16u);    // bits
    EXPECT_EQ(bytes.substr(36, 4), "data");
    EXPECT_EQ(Le(bytes, 40, 4), samples.size() * 2);
    EXPECT_EQ(Le(bytes, 44, 2), 0xFFFEu); // little-endian -2

    EXPECT_EQ(WaveFile::DurationMs(Write(bytes)), 800);
}

TEST_F(WaveFileTest, DurationOfTheInstalledSoundsAndOfFilesWithMoreChunks)
{
    EXPECT_EQ(WaveFile::DurationMs(std::string(TIPPWERK_SOURCE_DIR) + "/data/sounds/bad1.wav"), 200);
    // An odd-sized chunk before the data is padded to an even length.
    const std::string list = Chunk("LIST", "abc") + std::string(1, '\0');
    EXPECT_EQ(WaveFile::DurationMs(
                  Write(Riff(Chunk("fmt ", Format(1000)) + list + Chunk("data", std::string(500, 'x'))))),
              500);
}

TEST_F(WaveFileTest, BrokenFilesGiveMinusOneAndTruncatedDataCountsWhatIsThere)
{
    const std::string fmt = Chunk("fmt ", Format(1000));
    EXPECT_EQ(WaveFile::DurationMs("/nonexistent/x.wav"), -1);
    EXPECT_EQ(WaveFile::DurationMs(Write("")), -1);
    EXPECT_EQ(WaveFile::DurationMs(Write("RIFF1234AVI LIST")), -1);
    EXPECT_EQ(WaveFile::DurationMs(Write(Riff(Chunk("data", "xxxx")))), -1); // no format
    EXPECT_EQ(WaveFile::DurationMs(Write(Riff(Chunk("fmt ", Format(0)) + Chunk("data", "xx")))),
              -1); // rate 0
    EXPECT_EQ(WaveFile::DurationMs(Write(Riff(Chunk("fmt ", "short")))), -1);
    EXPECT_EQ(WaveFile::DurationMs(Write(Riff(fmt))), -1); // no data
    // A data chunk claiming four gigabytes holds 300 bytes.
    EXPECT_EQ(
        WaveFile::DurationMs(Write(Riff(fmt) + "data" + LeBytes(0xFFFFFFF0u, 4) + std::string(300, 'x'))),
        300);
    // A chunk size that points past the end stops the walk.
    EXPECT_EQ(WaveFile::DurationMs(Write(Riff(fmt + Chunk("junk", "", 0x7FFFFFFF)))), -1);
}

TEST_F(WaveFileTest, ReadPcmGivesTheSamplesOf16BitFilesOnly)
{
    const std::vector<std::int16_t> samples = {0, 1000, -1000, 32767, -32768};
    const std::optional<WaveFile::Pcm> own = WaveFile::ReadPcm(Write(WaveFile::Encode(samples, 44100)));
    ASSERT_TRUE(own);
    EXPECT_EQ(own->sampleRate, 44100);
    EXPECT_EQ(own->channels, 1);
    EXPECT_EQ(own->samples, WaveFile::Encode(samples, 44100).substr(44));

    const auto format = [](int tag, int channels, int bits) {
        return LeBytes(tag, 2) + LeBytes(channels, 2) + LeBytes(22050, 4) +
               LeBytes(22050 * channels * bits / 8, 4) + LeBytes(channels * bits / 8, 2) + LeBytes(bits, 2);
    };
    struct Case
    {
        std::string file;
        int samplesRead; // -1: refused
    };
    const Case cases[] = {
        {Riff(Chunk("fmt ", format(1, 2, 16)) + Chunk("data", std::string(8, 'x'))), 8},
        // Only whole frames of what the file holds.
        {Riff(Chunk("fmt ", format(1, 2, 16))) + "data" + LeBytes(1000, 4) + std::string(7, 'x'), 4},
        {Riff(Chunk("fmt ", format(1, 1, 8)) + Chunk("data", "xxxx")), -1},
        {Riff(Chunk("fmt ", format(3, 1, 16)) + Chunk("data", "xxxx")), -1}, // floating point
        {Riff(Chunk("fmt ", format(1, 6, 16)) + Chunk("data", "xxxx")), -1},
        {Riff(Chunk("data", "xxxx")), -1},
        {"not a wave file", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.samplesRead);
        const std::optional<WaveFile::Pcm> pcm = WaveFile::ReadPcm(Write(c.file));
        EXPECT_EQ(pcm ? static_cast<int>(pcm->samples.size()) : -1, c.samplesRead);
    }
    EXPECT_FALSE(WaveFile::ReadPcm("/nonexistent/x.wav"));
}

} // namespace
