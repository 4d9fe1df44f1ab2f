// Synthesises the installed sounds into a folder (normally data/sounds).

#include "SoundDesign.h"
#include "WaveFile.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: tippwerk-soundgen FOLDER\n"
                   "Writes good1-4.wav, bad1-4.wav and wellcome.wav into FOLDER.\n",
                   stderr);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        std::fprintf(stderr, "tippwerk-soundgen: %s is not a folder\n", argv[1]);
        return 1;
    }
    for (const SoundDesign& design : AllSoundDesigns()) {
        Samples samples = design.make();
        Finish(samples, design.fadeIn, design.fadeOut, kPeakDbfs);
        std::string error;
        if (!WriteWaveFile((folder / design.fileName).string(), samples, error)) {
            std::fprintf(stderr, "tippwerk-soundgen: %s\n", error.c_str());
            return 1;
        }
        std::printf("%-13s %6.1f ms  peak %5.1f dBFS  %s\n", design.fileName.c_str(),
                    1000.0 * static_cast<double>(samples.size()) / kSampleRate,
                    20.0 * std::log10(Peak(samples)), design.description.c_str());
    }
    return 0;
}
