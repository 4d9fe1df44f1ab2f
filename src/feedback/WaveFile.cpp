#include "feedback/WaveFile.h"

#include <algorithm>
#include <climits>
#include <fstream>

namespace {

void PutLe(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
}

std::uint32_t GetLe(const char* bytes, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[i]);
    return value;
}

// Sound files are small; a file with more chunks than this is not one of ours.
constexpr int kMaxChunks = 64;

} // namespace

std::string WaveFile::Encode(const std::vector<std::int16_t>& samples, int sampleRate)
{
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    PutLe(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    PutLe(out, 16, 4); // format chunk size
    PutLe(out, 1, 2);  // PCM
    PutLe(out, 1, 2);  // mono
    PutLe(out, static_cast<std::uint32_t>(sampleRate), 4);
    PutLe(out, static_cast<std::uint32_t>(sampleRate) * 2, 4); // bytes per second
    PutLe(out, 2, 2);                                          // bytes per frame
    PutLe(out, 16, 2);                                         // bits per sample
    out += "data";
    PutLe(out, dataBytes, 4);
    for (const std::int16_t sample : samples)
        PutLe(out, static_cast<std::uint16_t>(sample), 2);
    return out;
}

namespace {

struct Chunks
{
    // The "fmt " chunk's first 16 bytes.
    std::uint32_t formatTag = 0;
    std::uint32_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t byteRate = 0;
    std::uint32_t bitsPerSample = 0;
    // The data chunk as far as the file holds it.
    std::streamoff dataAt = 0;
    std::streamoff dataBytes = 0;
};

// Walks the chunks up to the data chunk, which must follow the format chunk.
std::optional<Chunks> FindChunks(std::ifstream& file)
{
    file.seekg(0, std::ios::end);
    const std::streamoff fileSize = file.tellg();
    file.seekg(0);

    char header[12];
    if (!file.read(header, sizeof header) || std::string(header, 4) != "RIFF" ||
        std::string(header + 8, 4) != "WAVE")
        return std::nullopt;

    Chunks chunks;
    bool haveFormat = false;
    std::streamoff at = 12;
    for (int chunk = 0; chunk < kMaxChunks && at + 8 <= fileSize; ++chunk) {
        char chunkHeader[8];
        file.seekg(at);
        if (!file.read(chunkHeader, sizeof chunkHeader))
            return std::nullopt;
        const std::string id(chunkHeader, 4);
        const std::streamoff size = GetLe(chunkHeader + 4, 4);
        const std::streamoff body = at + 8;
        if (id == "fmt ") {
            char format[16];
            if (size < 16 || !file.read(format, sizeof format))
                return std::nullopt;
            chunks.formatTag = GetLe(format, 2);
            chunks.channels = GetLe(format + 2, 2);
            chunks.sampleRate = GetLe(format + 4, 4);
            chunks.byteRate = GetLe(format + 8, 4);
            chunks.bitsPerSample = GetLe(format + 14, 2);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat || chunks.byteRate == 0)
                return std::nullopt;
            chunks.dataAt = body;
            chunks.dataBytes = std::min(size, fileSize - body);
            return chunks;
        }
        at = body + size + (size & 1); // chunks are padded to even lengths
    }
    return std::nullopt;
}

} // namespace

int WaveFile::DurationMs(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return -1;
    const std::optional<Chunks> chunks = FindChunks(file);
    if (!chunks)
        return -1;
    return static_cast<int>(std::min<std::streamoff>(chunks->dataBytes * 1000 / chunks->byteRate, INT_MAX));
}

std::optional<WaveFile::Pcm> WaveFile::ReadPcm(const std::string& path)
{
    constexpr std::streamoff kMaxSampleBytes = 16 << 20;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    const std::optional<Chunks> chunks = FindChunks(file);
    if (!chunks || chunks->formatTag != 1 || chunks->bitsPerSample != 16 || chunks->channels < 1 ||
        chunks->channels > 2 || chunks->sampleRate < 1000 || chunks->sampleRate > 192000 ||
        chunks->dataBytes > kMaxSampleBytes)
        return std::nullopt;
    const std::streamoff frameBytes = 2 * static_cast<std::streamoff>(chunks->channels);
    Pcm pcm;
    pcm.sampleRate = static_cast<int>(chunks->sampleRate);
    pcm.channels = static_cast<int>(chunks->channels);
    pcm.samples.resize(static_cast<std::size_t>(chunks->dataBytes / frameBytes * frameBytes));
    file.seekg(chunks->dataAt);
    if (!file.read(pcm.samples.data(), static_cast<std::streamsize>(pcm.samples.size())))
        return std::nullopt;
    return pcm;
}
