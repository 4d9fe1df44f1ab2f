#pragma once

#include "exercise/LimitDialogPrompt.h"
#include "exercise/LimitValues.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// "Das Limit eingeben": the speed and error limits and the time limit of a text the user
// practises. Confirming refuses values out of range with a message and stays open.
class LimitDialog : public QDialog, public LimitDialogPrompt
{
    Q_OBJECT

public:
    // Control ids of the dialog's template, also the buttons of a scripted answer.
    static constexpr int kTemplateId = 169;
    static constexpr int kSpeedId = 1024;
    static constexpr int kErrorId = 1025;
    static constexpr int kMinutesId = 1026;
    static constexpr int kConfirmId = 1;
    static constexpr int kCancelId = 2;

    // What the next Edit() enters and presses instead of waiting for a person. The
    // values are checked as typed ones are; a refused confirmation shows its message
    // and then counts as "Zurück", since nobody is there to correct it.
    struct Answer
    {
        LimitValues values;
        bool confirm = true;
    };
    static void SetNextAnswer(const Answer& answer);
    static void ClearNextAnswer();
    static bool HasNextAnswer();

    explicit LimitDialog(QWidget* parent = nullptr);

    // LimitDialogPrompt: runs the dialog modally on `values`.
    bool Edit(LimitValues& values) override;

    // Whether the last Edit() ended with "&Wir gehen weiter" (a false import result
    // after a confirmation means the file could not be read).
    bool WasConfirmed() const { return m_confirmed; }

    // The control of a template id, for tests and hosts; nullptr for an unknown id.
    QWidget* Control(int id) const;

    // The fields' reading of a number: a decimal point or a decimal comma, spaces around
    // it allowed; nullopt for anything else.
    static std::optional<double> ReadNumber(const QString& text);
    static std::optional<int> ReadInteger(const QString& text);
    // How a value is shown: the shortest text that reads back as exactly that value.
    static QString NumberText(double value);

    void accept() override;

private:
    void Fill(const LimitValues& values);
    // Reads and checks the fields; the message of the first refused one, or empty.
    QString Take(LimitValues& values) const;

    QLineEdit* m_speed;
    QLineEdit* m_error;
    QLineEdit* m_minutes;
    QPushButton* m_confirm;
    QPushButton* m_cancel;
    LimitValues m_values;
    bool m_confirmed = false;
};
