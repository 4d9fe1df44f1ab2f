// How long the keystroke path spends in the sound calls with the real outputs (the sound
// module, RtMidi/FluidSynth), and how long preparing them takes. Prints figures only.
// The program folder is the first argument, else the source tree's data.

#include "feedback/ModuleSoundOutput.h"
#include "feedback/SoundFeedback.h"
#include "feedback/SystemMidi.h"
#include "resources/ProgramPaths.h"
#include "settings/AppSettings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

struct Run
{
    const char* what;
    std::function<void()> call;
    int count;
    // Event processing after each call; longer than the sound, so that every call really
    // starts its sound instead of being held back behind the one before.
    int gapMs;
};

// CPU time of the calling thread: what the call itself costs, without the time another
// thread or process held the processor (the build machine is shared).
qint64 ThreadCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<qint64>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

void Report(const Run& run)
{
    std::vector<qint64> wall;
    std::vector<qint64> cpu;
    QElapsedTimer clock;
    for (int i = 0; i < run.count; ++i) {
        const qint64 cpuStart = ThreadCpuNs();
        clock.start();
        run.call();
        wall.push_back(clock.nsecsElapsed());
        cpu.push_back(ThreadCpuNs() - cpuStart);
        QElapsedTimer gap;
        gap.start();
        do
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        while (gap.elapsed() < run.gapMs);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    const auto us = [](qint64 ns) { return static_cast<double>(ns) / 1000.0; };
    std::printf(
        "%-24s calls %4d  wall median %8.2f us max %8.2f us  thread CPU median %7.2f us max %7.2f us\n",
        run.what, run.count, us(wall[wall.size() / 2]), us(wall.back()), us(cpu[cpu.size() / 2]),
        us(cpu.back()));
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
    SoundFeedback feedback(std::make_unique<ModuleSoundOutput>(QStringLiteral(TIPPWERK_SOUND_MODULE)),
                           &SystemMidi::OpenPort);
    std::printf("%-24s %8.2f ms\n", "construction", static_cast<double>(clock.nsecsElapsed()) / 1e6);
    clock.restart();
    feedback.PlayFile(ProgramFilePath("sounds", "wellcome.wav"));
    std::printf("%-24s %8.2f ms\n", "greeting (module, sounds)",
                static_cast<double>(clock.nsecsElapsed()) / 1e6);
    clock.restart();
    feedback.PlayGoodSound(0);
    std::printf("%-24s %8.2f ms\n", "first keystroke sound", static_cast<double>(clock.nsecsElapsed()) / 1e6);

    Report({"PlayGoodSound(0) wave", [&] { feedback.PlayGoodSound(0); }, 100, 100});
    Report({"PlayGoodSound(7) beep", [&] { feedback.PlayGoodSound(7); }, 50, 60});
    Report({"PlayBadSound(0) wave", [&] { feedback.PlayBadSound(0); }, 20, 250});
    Report({"PlayBadSound(7) beep", [&] { feedback.PlayBadSound(7); }, 10, 850});
    Report({"PlayGoodSound(8) silent", [&] { feedback.PlayGoodSound(8); }, 1000, 0});

    AppSettings settings;
    clock.start();
    feedback.MidiTick(settings);
    const double firstPost = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    feedback.WaitForMidi();
    std::printf("%-24s %8.3f ms (returned), %8.2f ms until played on the MIDI thread\n", "first MidiTick",
                firstPost, static_cast<double>(clock.nsecsElapsed()) / 1e6);
    Report({"MidiTick", [&] { feedback.MidiTick(settings); }, 200, 0});
    return 0;
}
