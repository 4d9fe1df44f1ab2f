// Times one keystroke's whole handling in the real main window at 1920 x 1080 on the
// offscreen platform: the key events through the engine, the keyboard view's text, cursor,
// key and finger highlights and status strip, and the paint that copies the changed part
// of the view's image to the window. Also times a full repaint of the view. Prints figures.
//
// Options: --keys N (keystrokes timed, default 2000), --repaints N (default 100),
// --lesson N (lesson index, default the last of the German course), --silent (sound
// type 8 instead of the default wave sounds), --error-every N (default 40).

#include "app/CMainFrame.h"
#include "app/NoteDialog.h"
#include "app/PictureStore.h"
#include "exercise/ExerciseClock.h"
#include "exercise/ExerciseEngine.h"
#include "exercise/ExerciseRecord.h"
#include "exercise/LessonCatalog.h"
#include "exercise/RemarkRandom.h"
#include "exercise/RemarkTables.h"
#include "exercise/TypingSession.h"
#include "feedback/ModuleSoundOutput.h"
#include "feedback/SoundFeedback.h"
#include "feedback/SystemMidi.h"
#include "keyboard/KeyboardLayoutSwitcher.h"
#include "keyboard/KeyboardView.h"
#include "resources/ProgramPaths.h"
#include "resources/TextCodec.h"
#include "results/LessonSelectionDialog.h"
#include "settings/AppSettings.h"
#include "settings/WindowPlacementStore.h"
#include "users/UserProfile.h"
#include "wizard/LessonEndDialog.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QStyleFactory>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

// Typing time moves only by what the benchmark says a keystroke takes.
class ManualClock : public ExerciseClock
{
public:
    std::int64_t Milliseconds() override { return ms; }
    std::int64_t Now() override { return 1700000000 + ms / 1000; }
    std::int64_t ms = 1000;
};

class AcceptingLayouts : public KeyboardLayoutSwitcher
{
public:
    bool ActivateLayout(const std::string&) override { return true; }
    bool Restore() override { return true; }
};

// Counts the view's paint events and the pixels they cover, to show that the paint runs
// inside the timed interval.
class PaintCounter : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            for (const QRect& rect : static_cast<QPaintEvent*>(event)->region())
                pixels += static_cast<long long>(rect.width()) * rect.height();
        }
        return false;
    }
    long long paints = 0;
    long long pixels = 0;
};

struct Options
{
    int keys = 2000;
    int repaints = 100;
    int lesson = -1;
    int errorEvery = 40;
    bool silent = false;
};

bool ParseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--silent") {
            options.silent = true;
        } else if (arg == "--keys" && hasValue) {
            options.keys = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--repaints" && hasValue) {
            options.repaints = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--lesson" && hasValue) {
            options.lesson = std::atoi(argv[++i]);
        } else if (arg == "--error-every" && hasValue) {
            options.errorEvery = std::max(0, std::atoi(argv[++i]));
        } else {
            std::fprintf(stderr,
                         "usage: %s [--keys N] [--repaints N] [--lesson N] [--error-every N] [--silent]\n",
                         argv[0]);
            return false;
        }
    }
    return true;
}

double Milliseconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// The time the process ran, Qt's drawing threads included: on a shared machine the wall
// time also holds what others ran.
double CpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Context switches of the calling thread: voluntary ones are waits (for Qt's drawing
// threads among others), involuntary ones are other programs taking the core.
struct Switches
{
    long waits = 0;
    long preemptions = 0;
};

Switches ThreadSwitches()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return {usage.ru_nvcsw, usage.ru_nivcsw};
}

// Nearest-rank percentile of sorted values.
double Percentile(const std::vector<double>& sorted, double p)
{
    if (sorted.empty())
        return 0.0;
    const auto rank = static_cast<std::size_t>(std::ceil(p / 100.0 * static_cast<double>(sorted.size())));
    return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

void PrintFigures(const char* what, std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    std::printf("%-34s n=%-5zu median %7.3f  p90 %7.3f  p99 %7.3f  max %7.3f ms\n", what, values.size(),
                Percentile(values, 50), Percentile(values, 90), Percentile(values, 99),
                values.empty() ? 0.0 : values.back());
}

// A program folder with links to the installed data and an empty users folder.
bool PrepareProgramFolder(const QTemporaryDir& dir)
{
    namespace fs = std::filesystem;
    const fs::path home(dir.path().toStdString());
    std::error_code error;
    for (const char* sub : {"config", "lessons", "pictures", "sounds", "help"}) {
        fs::create_directory_symlink(fs::path(TIPPWERK_INSTALL_DIR) / sub, home / sub, error);
        if (error)
            return false;
    }
    fs::create_directory(home / "users", error);
    if (error)
        return false;
    ProgramPaths::SetProgramFolderForTesting(home.string());
    WindowPlacementStore::SetSettingsFileForTesting(
        dir.filePath(QStringLiteral("placements.ini")).toStdString());
    return true;
}

void CreateUser(UserProfile& profile, bool silent)
{
    profile.AddUserName("Anna");
    profile.LoadUser("Anna", false);
    profile.SetKeyboardId("00000407");
    profile.SetLessonSet("_a");
    AppSettings settings;
    settings.showKeyboard = 1;
    settings.showHands = 1;
    settings.showStatistics = 1;
    if (silent)
        settings.soundType = 8;
    profile.SetSettingsLine(settings.ToLine());
}

// The offscreen platform's screen is 800 x 600 unless a configuration file says otherwise;
// the window must fit a full-HD screen, without frame margins around it.
bool WriteScreenConfig(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(R"({"windowFrameMargins": false, "screens": [{"name": "bench", "x": 0, "y": 0,
        "width": 1920, "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    return file.flush();
}

// What the user types next: the expected character, now and then a wrong one.
char NextCharacter(const LessonCatalog& catalog, const ExerciseState& state, int keystroke, int errorEvery)
{
    const std::string line = catalog.LessonLine(state.lessonIndex, state.lineIndex);
    const char expected = state.column < static_cast<int>(line.size())
                              ? line[static_cast<std::size_t>(state.column)]
                              : static_cast<char>(0xA4);
    if (errorEvery > 0 && keystroke % errorEvery == errorEvery - 1)
        return expected == 'x' ? 'y' : 'x';
    return expected;
}

QKeyEvent KeyEvent(QEvent::Type type, char c)
{
    const bool enter = static_cast<unsigned char>(c) == 0xA4;
    const QString text =
        enter ? QStringLiteral("\r") : QString::fromStdString(TextCodec::ToUtf8(std::string(1, c)));
    return QKeyEvent(type, enter ? Qt::Key_Return : 0, Qt::NoModifier, text);
}

// Timers and anything else that waits, outside the timed intervals.
void Settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options))
        return 2;
    QTemporaryDir dir;
    const QString screenConfig = dir.filePath(QStringLiteral("screen.json"));
    if (!dir.isValid() || !WriteScreenConfig(screenConfig)) {
        std::fprintf(stderr, "cannot write a screen configuration\n");
        return 1;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screenConfig.toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    if (!PrepareProgramFolder(dir)) {
        std::fprintf(stderr, "cannot prepare a program folder over %s\n", TIPPWERK_INSTALL_DIR);
        return 1;
    }
    TypingSession session;
    PictureStore pictures;
    if (!pictures.LoadStartPictures()) {
        std::fprintf(stderr, "the start pictures are missing under %s\n", TIPPWERK_INSTALL_DIR);
        return 1;
    }
    CreateUser(session.profile, options.silent);

    AcceptingLayouts layouts;
    // The sound module as the program finds it beside itself.
    SoundFeedback sounds(
        std::make_unique<ModuleSoundOutput>(QStringLiteral(TIPPWERK_INSTALL_DIR "/tippwerk-sound.so")),
        &SystemMidi::OpenPort);
    ManualClock clock;
    RemarkTables remarks;
    RemarkRandom random(1);
    CMainFrame frame(session.profile.Name(), false,
                     CMainFrame::Services{session, pictures, layouts, sounds, clock, remarks, random});
    frame.resize(1920, 1080);
    frame.show();
    LessonSelectionDialog::SetNextAnswer({{}, LessonSelectionDialog::kCancel});
    frame.Start();

    const int lesson = options.lesson >= 0 ? options.lesson : session.catalog.LessonCount() - 1;
    if (lesson < 0 || lesson >= session.catalog.LessonCount()) {
        std::fprintf(stderr, "no lesson %d\n", lesson);
        return 2;
    }
    NoteDialog::SetNextAnswer();
    if (!frame.Engine().StartLesson(lesson)) {
        std::fprintf(stderr, "lesson %d cannot start\n", lesson);
        return 1;
    }
    frame.ComputeMainLayout();
    Settle();

    KeyboardView& view = *frame.View();
    PaintCounter counter;
    view.installEventFilter(&counter);
    const ExerciseState& state = frame.Engine().State();
    std::printf("window %dx%d, view client %dx%d, font height %d, keyboard %s, hands %s, status %s, "
                "sound type %d\n",
                frame.width(), frame.height(), view.contentsRect().width(), view.contentsRect().height(),
                view.FontHeight(), view.Layout().KeyboardOn() ? "on" : "off",
                view.Layout().HandsOn() ? "on" : "off", view.Layout().StatusOn() ? "on" : "off",
                frame.Settings().soundType);
    const LessonCatalog& catalog = session.catalog;
    std::printf("lesson %d \"%s\": %d lines, %d characters; a wrong key every %d keystrokes\n", lesson,
                TextCodec::ToUtf8(catalog.LessonTitle(lesson)).c_str(), catalog.LessonLineCount(lesson),
                catalog.LessonCharCount(lesson), options.errorEvery);

    using Clock = std::chrono::steady_clock;
    std::vector<double> total;
    std::vector<double> cpu;
    std::vector<double> handling;
    std::vector<double> painting;
    std::vector<double> lessonEnds;
    std::vector<double> lineEnds;
    std::vector<double> withinLines;
    std::vector<double> notPreempted;
    int waited = 0;
    int preempted = 0;
    total.reserve(static_cast<std::size_t>(options.keys));
    handling.reserve(static_cast<std::size_t>(options.keys));
    painting.reserve(static_cast<std::size_t>(options.keys));
    const long long paintsBefore = counter.paints;
    const long long pixelsBefore = counter.pixels;
    int timed = 0;
    for (int keystroke = 0; timed < options.keys; ++keystroke) {
        // The lesson end restarts the same lesson, and its note is acknowledged at once.
        if (!NoteDialog::HasNextAnswer())
            NoteDialog::SetNextAnswer();
        if (!LessonEndDialog::HasNextAnswer())
            LessonEndDialog::SetNextAnswer(LessonEndDialog::kSameLessonId);
        const char c = NextCharacter(catalog, state, keystroke, options.errorEvery);
        QKeyEvent press = KeyEvent(QEvent::KeyPress, c);
        QKeyEvent release = KeyEvent(QEvent::KeyRelease, c);
        const int lineBefore = state.lineIndex;
        clock.ms += 150;

        const Switches switchesBefore = ThreadSwitches();
        const double cpuStart = CpuMilliseconds();
        const Clock::time_point start = Clock::now();
        QApplication::sendEvent(&frame, &press);
        QApplication::sendEvent(&frame, &release);
        const Clock::time_point handled = Clock::now();
        QCoreApplication::sendPostedEvents();
        const Clock::time_point painted = Clock::now();
        const double cpuMs = CpuMilliseconds() - cpuStart;
        const Switches switchesAfter = ThreadSwitches();

        const double ms = Milliseconds(painted - start);
        if (!LessonEndDialog::HasNextAnswer()) {
            // The lesson-end dialog and the restart are no keystroke to time.
            lessonEnds.push_back(ms);
        } else {
            if (state.lineIndex != lineBefore)
                lineEnds.push_back(ms);
            else
                withinLines.push_back(ms);
            total.push_back(ms);
            cpu.push_back(cpuMs);
            const bool waits = switchesAfter.waits != switchesBefore.waits;
            const bool preempts = switchesAfter.preemptions != switchesBefore.preemptions;
            waited += waits ? 1 : 0;
            preempted += preempts ? 1 : 0;
            if (!preempts)
                notPreempted.push_back(ms);
            handling.push_back(Milliseconds(handled - start));
            painting.push_back(Milliseconds(painted - handled));
            ++timed;
        }
        Settle();
    }
    const long long paints = counter.paints - paintsBefore;
    const long long pixels = counter.pixels - pixelsBefore;

    std::vector<double> repaints;
    std::vector<double> repaintCpu;
    std::vector<double> repaintDrawing;
    for (int i = 0; i < options.repaints; ++i) {
        const double cpuStart = CpuMilliseconds();
        const Clock::time_point start = Clock::now();
        view.PaintAll();
        const Clock::time_point drawn = Clock::now();
        QCoreApplication::sendPostedEvents();
        const Clock::time_point painted = Clock::now();
        repaintCpu.push_back(CpuMilliseconds() - cpuStart);
        repaints.push_back(Milliseconds(painted - start));
        repaintDrawing.push_back(Milliseconds(drawn - start));
        Settle();
    }

    std::printf("\n");
    PrintFigures("keystroke (events + paint)", total);
    PrintFigures("  CPU time of the process", cpu);
    PrintFigures("  key events (engine, drawing)", handling);
    PrintFigures("  paint to the window", painting);
    PrintFigures("  not preempted", notPreempted);
    PrintFigures("  keystrokes within a line", withinLines);
    PrintFigures("  keystrokes that end a line", lineEnds);
    PrintFigures("lesson end with restart (apart)", lessonEnds);
    PrintFigures("full repaint (PaintAll + paint)", repaints);
    PrintFigures("  CPU time of the process", repaintCpu);
    PrintFigures("  PaintAll alone", repaintDrawing);
    std::printf("\n%lld paint events for %d keystrokes, %.0f pixels each on average\n", paints, timed,
                paints > 0 ? static_cast<double>(pixels) / static_cast<double>(paints) : 0.0);
    std::printf("the GUI thread waited in %d keystrokes and was preempted in %d\n", waited, preempted);
    std::printf("%d records, %d errors in the last exercise\n", session.record.EntryCount(), state.errors);
    return 0;
}
