#include "WaveFile.h"

#include "resources/AtomicFileWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

void PutU16(std::string& out, std::uint32_t v)
{
    out += static_cast<char>(v & 0xff);
    out += static_cast<char>((v >> 8) & 0xff);
}

void PutU32(std::string& out, std::uint32_t v)
{
    PutU16(out, v & 0xffff);
    PutU16(out, v >> 16);
}

} // namespace

bool WriteWaveFile(const std::string& path, const Samples& samples, std::string& error)
{
    constexpr std::uint32_t bytesPerSample = 2;
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * bytesPerSample);

    std::string bytes;
    bytes.reserve(44 + dataBytes);
    bytes += "RIFF";
    PutU32(bytes, 36 + dataBytes);
    bytes += "WAVEfmt ";
    PutU32(bytes, 16);
    PutU16(bytes, 1); // PCM
    PutU16(bytes, 1); // mono
    PutU32(bytes, kSampleRate);
    PutU32(bytes, kSampleRate * bytesPerSample);
    PutU16(bytes, bytesPerSample);
    PutU16(bytes, 16);
    bytes += "data";
    PutU32(bytes, dataBytes);
    for (double v : samples) {
        // Symmetric range: -32768 is never used, so no sample sits exactly at full scale.
        const long q = std::clamp(std::lround(v * 32767.0), -32767L, 32767L);
        PutU16(bytes, static_cast<std::uint32_t>(static_cast<std::uint16_t>(static_cast<std::int16_t>(q))));
    }

    return AtomicFileWriter::WriteFile(path, bytes, &error);
}
