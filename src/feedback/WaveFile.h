#pragma once

#include <cstdint>
#include <string>
#include <vector>

// RIFF/WAVE files: writing the program's own tones and reading how long a sound lasts.
class WaveFile
{
public:
    // A complete mono 16-bit PCM wave file holding the samples.
    static std::string Encode(const std::vector<std::int16_t>& samples, int sampleRate);

    // How long the wave file at path plays, in milliseconds (rounded down), from its byte
    // rate and data length; -1 when it cannot be read or is no wave file. A data chunk that
    // claims more than the file holds counts as what is there. Reads the chunk headers only.
    static int DurationMs(const std::string& path);
};
