// How long the keystroke path spends in the sound calls with the real outputs (Qt
// Multimedia, RtMidi/FluidSynth), and how long preparing them takes. Prints figures only.
// The program folder is the first argument, else the source tree's data.

#include "feedback/SoundFeedback.h"
#include "resources/ProgramPaths.h"
#include "settings/AppSettings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

void Report(const char* what, const std::function<void()>& call, int count)
{
    std::vector<qint64> times;
    times.reserve(count);
    QElapsedTimer clock;
    for (int i = 0; i < count; ++i) {
        clock.start();
        call();
        times.push_back(clock.nsecsElapsed());
        // Between keystrokes the event loop runs.
        QCoreApplication::processEvents();
    }
    std::sort(times.begin(), times.end());
    const auto us = [](qint64 ns) { return static_cast<double>(ns) / 1000.0; };
    std::printf("%-28s calls %5d  median %8.2f us  p99 %8.2f us  max %8.2f us\n", what, count,
                us(times[times.size() / 2]), us(times[times.size() * 99 / 100]), us(times.back()));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ProgramPaths::SetProgramFolderForTesting(argc > 1 ? argv[1] : TIPPWERK_SOURCE_DIR "/data/");

    QElapsedTimer clock;
    clock.start();
    SoundFeedback feedback;
    std::printf("%-28s %8.2f ms\n", "construction (preloading)",
                static_cast<double>(clock.nsecsElapsed()) / 1e6);

    Report(
        "PlayGoodSound(0) wave", [&] { feedback.PlayGoodSound(0); }, 2000);
    Report(
        "PlayGoodSound(7) beep", [&] { feedback.PlayGoodSound(7); }, 200);
    Report(
        "PlayBadSound(0) wave", [&] { feedback.PlayBadSound(0); }, 200);
    Report(
        "PlayBadSound(7) beep", [&] { feedback.PlayBadSound(7); }, 200);
    Report(
        "PlayGoodSound(8) silent", [&] { feedback.PlayGoodSound(8); }, 2000);

    AppSettings settings;
    clock.start();
    feedback.MidiTick(settings);
    const double firstPost = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    feedback.WaitForMidi();
    std::printf("%-28s %8.3f ms (returned), %8.2f ms until played on the MIDI thread\n", "first MidiTick",
                firstPost, static_cast<double>(clock.nsecsElapsed()) / 1e6);
    Report(
        "MidiTick", [&] { feedback.MidiTick(settings); }, 200);
    return 0;
}
