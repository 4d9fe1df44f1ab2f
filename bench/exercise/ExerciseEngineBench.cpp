// Time the exercise engine spends on one keystroke of a 10,000-keystroke lesson, with a
// host that does nothing, and the heap allocations made while typing. Prints figures only.

#include "exercise/ExerciseEngine.h"
#include "exercise/ExerciseRecord.h"
#include "exercise/LessonCatalog.h"
#include "exercise/LineFile.h"
#include "exercise/TypingSession.h"
#include "resources/ProgramPaths.h"
#include "settings/AppSettings.h"
#include "users/UserProfile.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::size_t g_allocations = 0;

} // namespace

// Every allocation of the program is counted. Not inlined, so that the compiler does not
// pair the standard operator new with the free() below and warn about a mismatch.
[[gnu::noinline]] void* operator new(std::size_t size)
{
    ++g_allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept
{
    std::free(p);
}
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

namespace {

constexpr int kKeystrokes = 10000;
constexpr int kLineLength = 70; // 69 characters and the line end
constexpr char kLineEnd = static_cast<char>(164);

class SilentHost : public ExerciseView, public ExerciseSounds, public ExerciseDialogs, public ExerciseWindow
{
public:
    ExerciseHost Parts() { return {*this, *this, *this, *this}; }

    void ShowNote(const std::string&) override {}
    void ShowInformation(const std::string&, int&) override {}
    LessonEndResult RunLessonEndDialog(const std::string&, bool, int) override { return {false, true}; }
    void RunUserInfoDialog() override {}
    WizardResult RunFirstTimeWizard(bool) override { return {}; }
    void SetViewState(const ExerciseViewState&) override {}
    void UpdateAfterKeystroke(const ExerciseViewState&, int, int) override {}
    void UpdateStatus(int, int, int) override {}
    void RedrawText() override {}
    void AnimateStatus() override {}
    void MetronomeFlash() override {}
    void Invalidate() override {}
    void PlayGoodSound(int) override {}
    void PlayBadSound(int) override {}
    void MidiTick(const AppSettings&) override {}
    void StartTimer(int, int) override {}
    void StopTimer(int) override {}
    void EnterQualificationMenu() override {}
    void LeaveQualificationMenu() override {}
    void RecomputeLayout() override {}
    void ResetLayoutHeight() override {}
    void FocusMainWindow() override {}
};

class SteppedClock : public ExerciseClock
{
public:
    std::int64_t Milliseconds() override { return ms; }
    std::int64_t Now() override { return 1700000000; }
    std::int64_t ms = 0;
};

// A lesson of exactly kKeystrokes characters in lines of kLineLength, and the keys that
// type it with about one error in fifty.
struct Lesson10k
{
    Lesson10k()
        : folder(std::filesystem::temp_directory_path() /
                 ("tippwerk-engine-bench-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(folder / "lessons");
        ProgramPaths::SetProgramFolderForTesting(folder.string());
        const std::string words = "das ist eine kleine Übung mit Wörtern für jeden Finger der Hand ";
        LineFile file;
        file.AddLine("00000407_a");
        file.AddLine("Zehntausend Anschläge");
        file.AddLine("asdf:0:60:1.0:");
        std::size_t w = 0;
        for (int left = kKeystrokes; left > 0; left -= kLineLength) {
            std::string line;
            const int length = std::min(left, kLineLength);
            while (static_cast<int>(line.size()) < length - 1)
                line += words[w++ % words.size()];
            line += kLineEnd;
            file.AddLine(line);
            for (std::size_t i = 0; i < line.size(); ++i) {
                const char c = line[i] == kLineEnd ? '\r' : line[i];
                keys += (keys.size() % 50 == 17) ? 'q' : c;
            }
        }
        file.SaveLines((folder / "lessons" / "00000407_a.ddd").string());
    }
    ~Lesson10k()
    {
        std::filesystem::remove_all(folder);
        ProgramPaths::SetProgramFolderForTesting({});
    }

    std::filesystem::path folder;
    std::string keys;
};

struct Typing
{
    Typing()
    {
        session.profile.SetKeyboardId("00000407");
        session.profile.SetLessonSet("_a");
        session.catalog.ReloadLessons();
        std::string typeable;
        for (int c = 32; c < 256; ++c)
            typeable += static_cast<char>(c);
        session.typeable.Set(typeable);
    }

    SilentHost host;
    SteppedClock clock;
    TypingSession session;
    AppSettings settings;
    ExerciseEngine engine{host.Parts(), clock, session, settings, "Bench", false};

    // Types the whole lesson; the allocations made while typing.
    std::size_t TypeLesson(const std::string& keys)
    {
        const std::size_t before = g_allocations;
        for (char c : keys) {
            clock.ms += 150;
            engine.OnCharacter(c);
        }
        return g_allocations - before;
    }
};

Lesson10k* g_lesson = nullptr;

void BM_Keystroke(benchmark::State& state)
{
    Typing typing;
    std::size_t allocations = 0;
    for (auto _ : state) {
        state.PauseTiming();
        typing.engine.StartLesson(0);
        state.ResumeTiming();
        allocations += typing.TypeLesson(g_lesson->keys);
    }
    const double keystrokes = static_cast<double>(state.iterations()) * kKeystrokes;
    state.counters["time_per_keystroke"] =
        benchmark::Counter(keystrokes, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["allocations_per_keystroke"] = static_cast<double>(allocations) / keystrokes;
}
BENCHMARK(BM_Keystroke)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    Lesson10k lesson;
    g_lesson = &lesson;
    if (static_cast<int>(lesson.keys.size()) != kKeystrokes) {
        std::fprintf(stderr, "lesson has %zu keystrokes\n", lesson.keys.size());
        return 1;
    }

    // Allocations of a first exercise (the keystroke array grows) and of a second one
    // (the array keeps its room); the lesson end is included in both.
    {
        Typing typing;
        if (!typing.engine.StartLesson(0)) {
            std::fprintf(stderr, "the lesson did not start\n");
            return 1;
        }
        const std::size_t first = typing.TypeLesson(lesson.keys);
        typing.engine.StartLesson(0);
        const std::size_t second = typing.TypeLesson(lesson.keys);
        std::printf("Allocations while typing %d keystrokes (%d lines): first exercise %zu, "
                    "second exercise %zu\n",
                    kKeystrokes, (kKeystrokes + kLineLength - 1) / kLineLength, first, second);
    }

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
