#pragma once

#include <QDialog>
#include <QString>

#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;

// The program's own message box: a notice with "&Wir gehen weiter" or a question with
// "Ja" and "Nein", optionally with a check box bound to a caller's option. Run it with
// exec(): 1 after "Ja"; 2 after "Nein", "Wir gehen weiter", Escape or the close box.
class InformationBox : public QDialog
{
    Q_OBJECT

public:
    // Control ids of the dialog's template, also the buttons of a scripted answer.
    static constexpr int kTemplateId = 144;
    static constexpr int kMessageId = 1029;
    static constexpr int kYesId = 1;
    static constexpr int kNoId = 7;
    static constexpr int kContinueId = 2;
    static constexpr int kOptionId = 1007;

    static constexpr int kNotice = 0;
    static constexpr int kQuestion = 1;
    static constexpr int kResultYes = 1;
    static constexpr int kResultNo = 2;

    // The answer the next exec() gives instead of waiting for a person: the button
    // pressed (kYesId, kNoId, or kContinueId, which also stands for Escape and the
    // close box; a button the mode hides counts as Escape) and the check box's state
    // (used only when the box is shown).
    struct Answer
    {
        int button = kContinueId;
        bool checked = false;
    };
    static void SetNextAnswer(int button, bool checked = false);
    static void ClearNextAnswer();
    static bool HasNextAnswer();

    // `mode` 0 is a notice, any other value a question. The check box is offered when
    // `option` is non-zero as the dialog opens; "Ja", "Wir gehen weiter", Escape and the
    // close box store its state in `option`, "Nein" leaves `option` alone.
    InformationBox(int mode, int stringId, int& option, QWidget* parent = nullptr);
    InformationBox(int mode, const QString& text, int& option, QWidget* parent = nullptr);

    int exec() override;
    void reject() override;

    // The control of a template id, for tests and hosts; nullptr for an unknown id.
    QWidget* Control(int id) const;

private:
    void OnInitDialog();
    void FinishWith(int button);
    void TakeCheckBox();

    int m_mode;
    QString m_text;
    int& m_option;
    QLabel* m_message;
    QCheckBox* m_checkBox;
    QPushButton* m_yes;
    QPushButton* m_no;
    QPushButton* m_continue;
};
