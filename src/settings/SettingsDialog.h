#pragma once

#include "settings/AppSettings.h"

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

class CursorPage;
class MainWindowPage;
class MetronomePage;
class PicturePage;
class QImage;
class QPushButton;
class QTabWidget;
class SettingsSound;
class SoundFeedback;
class SoundPage;

// "Einstellungen": five pages over a working copy of the main window's settings (all
// fields). "&OK" ends with the copy complete in settings(); the caller takes it over.
// "&Zurück", Escape and the close box throw it away. The previews play meanwhile.
class SettingsDialog : public QDialog
{
    Q_OBJECT

public:
    // The buttons, also the answers a test can script.
    static constexpr int kOkId = 1;
    static constexpr int kBackId = 2;

    // The tabs in their order.
    static constexpr int kCursorTab = 0;
    static constexpr int kSoundTab = 1;
    static constexpr int kMainWindowTab = 2;
    static constexpr int kMetronomeTab = 3;
    static constexpr int kPictureTab = 4;

    // The button the next exec() presses instead of waiting for a person: kOkId, or
    // anything else for "&Zurück".
    static void SetNextAnswer(int button);
    static void ClearNextAnswer();
    static bool HasNextAnswer();

    // `settings` is copied. `smallWindow` is shown on "Editor", `silent` on "kein Klang";
    // `pictureSets` are the installed picture sets in the list's order (Windows-1250).
    SettingsDialog(const AppSettings& settings, SettingsSound& sound, const QImage& smallWindow,
                   const QImage& silent, std::vector<std::string> pictureSets, QWidget* parent = nullptr);
    // The same with the main window's keystroke sounds and metronome output.
    SettingsDialog(const AppSettings& settings, SoundFeedback& sounds, const QImage& smallWindow,
                   const QImage& silent, std::vector<std::string> pictureSets, QWidget* parent = nullptr);
    ~SettingsDialog() override;

    // Modal; true when it ended with "&OK", settings() then holds the result.
    bool Run();
    int exec() override;
    void accept() override;

    // The working copy.
    const AppSettings& settings() const { return m_settings; }

    QTabWidget* tabs() const { return m_tabs; }
    CursorPage* cursorPage() const { return m_cursorPage; }
    SoundPage* soundPage() const { return m_soundPage; }
    MainWindowPage* mainWindowPage() const { return m_mainWindowPage; }
    MetronomePage* metronomePage() const { return m_metronomePage; }
    PicturePage* picturePage() const { return m_picturePage; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* backButton() const { return m_back; }

private:
    // Plays through `ownedSound` when `sound` is null.
    SettingsDialog(const AppSettings& settings, std::unique_ptr<SettingsSound> ownedSound,
                   SettingsSound* sound, const QImage& smallWindow, const QImage& silent,
                   std::vector<std::string> pictureSets, QWidget* parent);

    std::unique_ptr<SettingsSound> m_ownedSound;
    SettingsSound& m_sound;
    AppSettings m_settings;
    QTabWidget* m_tabs;
    CursorPage* m_cursorPage;
    SoundPage* m_soundPage;
    MainWindowPage* m_mainWindowPage;
    MetronomePage* m_metronomePage;
    PicturePage* m_picturePage;
    QPushButton* m_ok;
    QPushButton* m_back;
};
