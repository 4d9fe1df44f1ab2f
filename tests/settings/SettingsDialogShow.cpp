// Shows the settings dialog on a real screen, for a look at its pages; not a test.
// settings_dialog_show [TAB [INNER_TAB]] [--line SETTINGS_LINE] [--grab-tick PNG] [--feedback]
// --feedback plays through the program's SoundFeedback instead of printing what would play.
// --grab-tick saves the metronome page with a preview tick drawn, half a second after the start.

#include "feedback/SoundFeedback.h"
#include "settings/AppSettings.h"
#include "settings/MetronomePage.h"
#include "settings/SettingsDialog.h"
#include "settings/SettingsSound.h"
#include "settings/SoundPage.h"

#include <QApplication>
#include <QImage>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <string>

namespace {

class SilentSound : public SettingsSound
{
public:
    int PlayGoodSound(int soundType) override
    {
        std::printf("good %d\n", soundType);
        return 0;
    }
    int PlayBadSound(int soundType) override
    {
        std::printf("bad %d\n", soundType);
        return 0;
    }
    void MidiTick(const AppSettings&) override { std::printf("tick\n"); }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    AppSettings settings;
    int tab = 0;
    int innerTab = -1;
    int position = 0;
    QString grabFile;
    bool feedback = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--line" && i + 1 < argc)
            settings.FromLine(argv[++i]);
        else if (arg == "--feedback")
            feedback = true;
        else if (arg == "--grab-tick" && i + 1 < argc)
            grabFile = QString::fromLocal8Bit(argv[++i]);
        else if (position++ == 0)
            tab = std::stoi(arg);
        else
            innerTab = std::stoi(arg);
    }

    const QString pictures = QStringLiteral(TIPPWERK_SOURCE_DIR "/data/pictures/");
    SilentSound printed;
    std::unique_ptr<SoundFeedback> sounds = feedback ? std::make_unique<SoundFeedback>() : nullptr;
    const QImage smallWindow(pictures + QStringLiteral("SmallWindow.jpg"));
    const QImage silent(pictures + QStringLiteral("Silent.jpg"));
    const std::vector<std::string> sets = {"nacht", "standard"};
    std::unique_ptr<SettingsDialog> shown =
        sounds ? std::make_unique<SettingsDialog>(settings, *sounds, smallWindow, silent, sets)
               : std::make_unique<SettingsDialog>(settings, printed, smallWindow, silent, sets);
    SettingsDialog& dialog = *shown;
    dialog.tabs()->setCurrentIndex(tab);
    if (innerTab >= 0)
        dialog.soundPage()->innerTabs()->setCurrentIndex(innerTab);
    if (!grabFile.isEmpty()) {
        QTimer::singleShot(500, &dialog, [&dialog, grabFile] {
            MetronomePage* page = dialog.metronomePage();
            page->TickPreview();
            page->grab().save(grabFile);
        });
    }
    const bool ok = dialog.Run();
    std::printf("%s %s\n", ok ? "OK" : "back", dialog.settings().ToLine().c_str());
    return 0;
}
