// A stand-in for the program's run under SIGTERM and SIGINT: the termination signals, the
// beep folder of the sound output and, with "window" or "asking", a main window whose close
// path the first signal takes ("asking" waits in it as a question would). Prints "ready"
// with the beep folder, "asking" when it waits, and at the end whether the window closed.

#include "app/TerminationSignals.h"
#include "feedback/ModuleSoundOutput.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QWidget>

#include <cstdio>
#include <string>

namespace {

class ClosingWindow : public QWidget
{
public:
    bool asking = false;
    bool closed = false;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        if (asking) {
            std::puts("asking");
            std::fflush(stdout);
            QEventLoop question;
            question.exec();
        }
        closed = true;
        event->accept();
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tippwerk"));
    const std::string mode = argc > 1 ? argv[1] : "";
    TerminationSignals termination;
    ModuleSoundOutput sounds(QStringLiteral(TIPPWERK_SOUND_MODULE));
    sounds.Prepare();
    ClosingWindow window;
    window.asking = mode == "asking";
    if (mode == "window" || mode == "asking") {
        window.show();
        termination.SetReaction([&window] {
            window.close();
            QCoreApplication::exit(0);
        });
    }
    std::printf("ready %s\n", qPrintable(sounds.BeepFolder()));
    std::fflush(stdout);
    const int code = QApplication::exec();
    std::puts(window.closed ? "closed" : "open");
    return code;
}
