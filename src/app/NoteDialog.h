#pragma once

#include <QDialog>
#include <QString>

#include <optional>

class QLabel;
class QPushButton;

// A short note without caption: one text and "&Wir gehen weiter". Any left or right
// click on the note continues as the button does.
class NoteDialog : public QDialog
{
    Q_OBJECT

public:
    // Control ids of the dialog's template.
    static constexpr int kTemplateId = 170;
    static constexpr int kTextId = 1015;
    static constexpr int kContinueId = 1;
    static constexpr int kCancelId = 2;

    static constexpr int kResultContinue = 1;
    static constexpr int kResultCancel = 2;

    // The result the next exec() gives instead of waiting for a person: kResultCancel
    // stands for Escape, anything else for a click.
    static void SetNextAnswer(int result = kResultContinue);
    static void ClearNextAnswer();
    static bool HasNextAnswer();

    explicit NoteDialog(QWidget* parent = nullptr);

    // Runs the note modally with `text`; kResultContinue or, after Escape, kResultCancel.
    int ShowNote(const QString& text);

    int exec() override;
    void reject() override;

    // The control of a template id, for tests and hosts; nullptr for an unknown id.
    QWidget* Control(int id) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* m_text;
    QPushButton* m_continue;
    QPushButton* m_cancel;
};
