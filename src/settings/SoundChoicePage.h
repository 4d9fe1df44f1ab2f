#pragma once

#include <QWidget>

class QComboBox;
class QPushButton;

// A sub-page of "Klang" with a list of sound types: "WAV Datei" or "Lautsprecher". It only
// shows and forwards; the sound page decides what a choice means. Enter anywhere on it
// plays the test, as "&Test" does.
class SoundChoicePage : public QWidget
{
    Q_OBJECT

public:
    // `tab` is SoundPageState::kWaveTab or kSpeakerTab.
    SoundChoicePage(int tab, QWidget* parent = nullptr);

    int tab() const { return m_tab; }
    QComboBox* typeList() const { return m_types; }
    QPushButton* testButton() const { return m_test; }

    // Selects a list position without reporting it as the user's choice.
    void setPosition(int position);

Q_SIGNALS:
    void positionChosen(int position);
    void testRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_tab;
    QComboBox* m_types;
    QPushButton* m_test;
};
