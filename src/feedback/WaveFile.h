#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// RIFF/WAVE files: writing the program's own tones, reading how long a sound lasts and
// reading its samples for the sound server.
class WaveFile
{
public:
    // The samples of a 16-bit PCM file, interleaved little-endian as in the file.
    struct Pcm
    {
        int sampleRate = 0;
        int channels = 0;
        std::string samples;
    };

    // A complete mono 16-bit PCM wave file holding the samples.
    static std::string Encode(const std::vector<std::int16_t>& samples, int sampleRate);

    // How long the wave file at path plays, in milliseconds (rounded down), from its byte
    // rate and data length; -1 when it cannot be read or is no wave file. A data chunk that
    // claims more than the file holds counts as what is there. Reads the chunk headers only.
    static int DurationMs(const std::string& path);

    // The samples of a 16-bit PCM file with one or two channels; nothing for any other
    // file, or for one over 16 MiB of samples (ours hold under a second). A data chunk that
    // claims more than the file holds gives what is there, whole frames only.
    static std::optional<Pcm> ReadPcm(const std::string& path);
};
