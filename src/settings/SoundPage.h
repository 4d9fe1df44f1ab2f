#pragma once

#include "settings/SoundPageState.h"

#include <QWidget>

class AppSettings;
class QImage;
class QLabel;
class QTabWidget;
class SettingsSound;
class SilentSoundPage;
class SoundChoicePage;
class SoundTestPlayer;

// "Klang": an inner tab row of three sub-pages ("WAV Datei", "Lautsprecher", "kein
// Klang") with a line that describes the shown one. `soundType` follows every change of
// sub-page and list at once; "&Test" plays it.
class SoundPage : public QWidget
{
    Q_OBJECT

public:
    SoundPage(AppSettings& settings, SettingsSound& sound, const QImage& silent, QWidget* parent = nullptr);

    QTabWidget* innerTabs() const { return m_tabs; }
    QLabel* description() const { return m_description; }
    // The sub-page of an inner tab (SoundPageState's tab numbers).
    QWidget* subPage(int tab) const;
    SoundChoicePage* choicePage(int tab) const;
    SoundTestPlayer* testPlayer() const { return m_player; }

private:
    void OnTabChanged(int tab);
    void OnChosen(int position);
    void ShowState();

    AppSettings& m_settings;
    SoundPageState m_state;
    QLabel* m_description;
    QTabWidget* m_tabs;
    SoundChoicePage* m_wave;
    SoundChoicePage* m_speaker;
    SilentSoundPage* m_silent;
    SoundTestPlayer* m_player;
};
