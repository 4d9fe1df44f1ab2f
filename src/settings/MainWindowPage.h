#pragma once

#include <QWidget>

class AppSettings;
class QCheckBox;
class QImage;

// "Editor": which panes the main window shows, and the dialog after a wrong keystroke,
// beside a small picture of the main window.
class MainWindowPage : public QWidget
{
    Q_OBJECT

public:
    MainWindowPage(AppSettings& settings, const QImage& smallWindow, QWidget* parent = nullptr);

    QCheckBox* statisticsBox() const { return m_statistics; }
    // "Text abschreiben": the text panel is always shown, so the box is ticked and never enabled.
    QCheckBox* textBox() const { return m_text; }
    QCheckBox* keyboardBox() const { return m_keyboard; }
    QCheckBox* handsBox() const { return m_hands; }
    QCheckBox* errorDialogBox() const { return m_errorDialog; }

private:
    QCheckBox* BoundBox(const QString& text, int& field);

    AppSettings& m_settings;
    QCheckBox* m_statistics;
    QCheckBox* m_text;
    QCheckBox* m_keyboard;
    QCheckBox* m_hands;
    QCheckBox* m_errorDialog;
};
