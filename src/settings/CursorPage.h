#pragma once

#include <QTimer>
#include <QWidget>

class AppSettings;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QRadioButton;

// "Cursor": the cursor's style and whether it blinks, with a sample cursor that blinks as
// the text panel's would. The sample runs from the page's creation to the dialog's end.
class CursorPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kPreviewMs = 300;

    CursorPage(AppSettings& settings, QWidget* parent = nullptr);

    // The radio button of a `cursorStyle` (0 window, 1 axis, 2 arrow).
    QRadioButton* styleButton(int style) const;
    QCheckBox* blinkingBox() const { return m_blinking; }
    // The icon the sample shows now.
    int previewIcon() const { return m_previewIcon; }

    // One step of the sample (its timer's tick).
    void TickPreview();

private:
    void ShowPreview(int icon);

    AppSettings& m_settings;
    QButtonGroup* m_styles;
    QCheckBox* m_blinking;
    QLabel* m_preview;
    QTimer m_previewTimer;
    int m_previewIcon = 0;
};
