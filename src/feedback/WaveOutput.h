#pragma once

#include <string>
#include <utility>
#include <vector>

// Plays wave files through the system's sound server. It lives in the sound module, which
// the program opens at its first sound: the sound server's client libraries then stay out
// of every start. Every call returns at once; without a sound server everything stays
// silent.
class WaveOutput
{
public:
    // Sounds by name, with the wave file each plays.
    using Files = std::vector<std::pair<std::string, std::string>>;

    virtual ~WaveOutput() = default;

    // Reads the files for Play; one that is no 16-bit PCM wave file stays silent.
    virtual void Load(const Files& files) = 0;
    // Starts a loaded sound from its beginning and cuts off the one Play started before.
    virtual void Play(const std::string& name) = 0;
    // Plays a file once, beside the loaded sounds, cutting off the file played before.
    virtual void PlayOnce(const std::string& path) = 0;
};

// The module's entry point, found by this name: a new output that the caller owns.
using WaveOutputFactory = WaveOutput*();
inline constexpr const char* kWaveOutputFactory = "tippwerk_make_wave_output";
