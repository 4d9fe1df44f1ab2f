#pragma once

#include <QString>

#include <string>
#include <utility>
#include <vector>

// Plays wave files through the system's sound server. It lives in the sound module, which
// the program opens at its first sound: Qt Multimedia and the audio server's client
// libraries then stay out of every start and out of a program that plays nothing. Every
// call returns at once; without a sound device everything stays silent.
class WaveOutput
{
public:
    // Sounds by name, with the wave file each plays.
    using Files = std::vector<std::pair<std::string, QString>>;

    virtual ~WaveOutput() = default;

    // Prepares the files for Play in the background; one that does not load stays silent.
    virtual void Load(const Files& files) = 0;
    // Starts a loaded sound from its beginning and cuts off the one this output plays.
    virtual void Play(const std::string& name) = 0;
    // Plays a file once, beside the loaded sounds.
    virtual void PlayOnce(const QString& path) = 0;
};

// The module's entry point, found by this name: a new output that the caller owns.
using WaveOutputFactory = WaveOutput*();
inline constexpr const char* kWaveOutputFactory = "tippwerk_make_wave_output";
