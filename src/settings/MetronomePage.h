#pragma once

#include <QTimer>
#include <QWidget>

class AppSettings;
class QCheckBox;
class QLabel;
class QLineEdit;
class QSlider;
class SettingsSound;

// "Metronom": graphic and sound tick, and the rate. While the page is visible and a tick
// is chosen it ticks as a preview: the sound tick through `sound`, the graphic one as a
// line flashed across the page.
class MetronomePage : public QWidget
{
    Q_OBJECT

public:
    MetronomePage(AppSettings& settings, SettingsSound& sound, QWidget* parent = nullptr);

    QCheckBox* graphicBox() const { return m_graphic; }
    QCheckBox* soundBox() const { return m_sound; }
    QSlider* rateSlider() const { return m_slider; }
    QLineEdit* rateField() const { return m_rate; }
    const QTimer& previewTimer() const { return m_previewTimer; }
    // Where the flashed line ends; 0 while none is shown.
    int tickLineRight() const { return m_lineRight; }

    // One tick of the preview (its timer's tick).
    void TickPreview();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void OnSliderMoved(int bpm);
    void OnBoxClicked();
    void StartPreview();
    void RemoveTickLine();

    AppSettings& m_settings;
    SettingsSound& m_soundOutput;
    QCheckBox* m_graphic;
    QCheckBox* m_sound;
    QLineEdit* m_rate;
    QSlider* m_slider;
    QLabel* m_probe;
    QTimer m_previewTimer;
    QTimer m_lineTimer;
    int m_lineRight = 0;
};
