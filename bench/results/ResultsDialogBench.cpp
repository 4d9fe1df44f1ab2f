// Time to open the results dialog on a long exercise (100,000 keystrokes over the German
// keyboard's characters, 3 % wrong, intervals of 80 to 900 ms) and paint it for the first
// time, on the offscreen platform; then the first paint of every other page. Prints figures.
//
// Options: --runs N (openings per size, default 5), --grab DIR (saves every page of the
// last opening of each size as a PNG), --keys N (keystrokes, default 100000).

#include "exercise/ExerciseRecord.h"
#include "exercise/RemarkRandom.h"
#include "exercise/RemarkTables.h"
#include "results/ResultsDialog.h"
#include "settings/WindowPlacementStore.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QPixmap>
#include <QStyleFactory>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// The German keyboard's typeable characters, its three dead keys twice.
const std::string kCharacters = "^1234567890\xDF\xB4qwertzuiop\xFC+asdfghjkl\xF6\xE4#<yxcvbnm,.- "
                                "\xB0!\"\xA7$%&/()=?`QWERTZUIOP\xDC*ASDFGHJKL\xD6\xC4'>YXCVBNM;:_"
                                "\xB2\xB3{[]}\\@\x80~|\xB5\xA4^\xB4`";

ExerciseRecord LongRecord(int keystrokes)
{
    ExerciseRecord record;
    record.BeginExercise(12, "Anna", 1.0, 120, "Lektion 13", keystrokes, 1700049600);
    std::mt19937 engine(42);
    std::uniform_int_distribution<std::size_t> character(0, kCharacters.size() - 1);
    std::uniform_int_distribution<int> interval(80, 900);
    std::uniform_int_distribution<int> percent(0, 99);
    for (int i = 0; i < keystrokes; ++i) {
        const char expected = kCharacters[character(engine)];
        const char typed = percent(engine) < 3 ? 'x' : expected;
        record.AddKeystroke(expected, typed, interval(engine));
    }
    return record;
}

// Counts paint events of a widget.
class PaintCounter : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
    int paints = 0;
};

// Processes events until `widget` has painted once more, at most a second.
void WaitForPaint(QWidget* widget)
{
    PaintCounter counter;
    widget->installEventFilter(&counter);
    QElapsedTimer limit;
    limit.start();
    while (counter.paints == 0 && limit.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    widget->removeEventFilter(&counter);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    int runs = 5;
    int keystrokes = 100000;
    QString grabFolder;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--keys" && i + 1 < argc) {
            keystrokes = std::max(0, std::atoi(argv[++i]));
        } else if (arg == "--grab" && i + 1 < argc) {
            grabFolder = QString::fromLocal8Bit(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: %s [--runs N] [--keys N] [--grab DIR]\n", argv[0]);
            return 2;
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QTemporaryDir folder;
    WindowPlacementStore::SetSettingsFileForTesting(
        folder.filePath(QStringLiteral("placements.ini")).toStdString());

    const ExerciseRecord record = LongRecord(keystrokes);
    RemarkTables remarks;
    if (!remarks.LoadFile(TIPPWERK_REMARKS))
        std::fprintf(stderr, "no remark tables at %s\n", TIPPWERK_REMARKS);
    RemarkRandom random(1);
    const RemarkTables::RandomNumber next = [&random] { return random.Next(); };

    std::printf("results dialog, %d keystrokes, %d openings per size\n", keystrokes, runs);
    for (const QSize size : {QSize(600, 430), QSize(1920, 1080)}) {
        std::vector<double> opens;
        std::vector<std::vector<double>> pages(ResultsDialog::kPageCount);
        for (int run = 0; run < runs; ++run) {
            QElapsedTimer timer;
            timer.start();
            auto dialog = std::make_unique<ResultsDialog>("Anna", record, kCharacters, remarks, next);
            dialog->resize(size);
            dialog->show();
            WaitForPaint(dialog->PageWidget(ResultsDialog::kIntroductionPage));
            opens.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            for (int page = 1; page < ResultsDialog::kPageCount; ++page) {
                timer.restart();
                dialog->ShowPage(page);
                WaitForPaint(dialog->PageWidget(page));
                pages[static_cast<std::size_t>(page)].push_back(static_cast<double>(timer.nsecsElapsed()) /
                                                                1e6);
            }
            if (!grabFolder.isEmpty() && run + 1 == runs) {
                QDir().mkpath(grabFolder);
                for (int page = 0; page < ResultsDialog::kPageCount; ++page) {
                    dialog->ShowPage(page);
                    dialog->grab().save(QDir(grabFolder)
                                            .filePath(QStringLiteral("page%1-%2x%3.png")
                                                          .arg(page)
                                                          .arg(size.width())
                                                          .arg(size.height())));
                }
            }
            dialog->done(QDialog::Accepted);
        }
        std::printf("%4d x %4d  open and first paint: median %.1f ms, best %.1f ms\n", size.width(),
                    size.height(), Median(opens), *std::min_element(opens.begin(), opens.end()));
        for (int page = 1; page < ResultsDialog::kPageCount; ++page)
            std::printf("             page %d first paint: median %.1f ms\n", page,
                        Median(pages[static_cast<std::size_t>(page)]));
    }
    return 0;
}
