#pragma once

#include <QDialog>
#include <QIcon>

#include <optional>

class LinkLabel;
class QLabel;
class QPushButton;

// "Über das Programm": name and version, what the program is and its licence, the contact
// and web addresses as links, and "OK".
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    // Control ids of the dialog's template; the two plain lines have no id there, these
    // are ours.
    static constexpr int kTemplateId = 3100;
    static constexpr int kVersionId = 3000;
    static constexpr int kWebLinkId = 3045;
    static constexpr int kMailLinkId = 3046;
    static constexpr int kPurposeId = 3047;
    static constexpr int kLicenceId = 3048;
    static constexpr int kOkId = 1;

    static constexpr int kResultOk = 1;
    static constexpr int kResultCancel = 2;

    // The result the next exec() gives instead of waiting for a person: kResultCancel
    // stands for Escape and the close box, anything else for "OK".
    static void SetNextAnswer(int result = kResultOk);
    static void ClearNextAnswer();
    static bool HasNextAnswer();

    // `icon` is the program's icon, shown beside the texts.
    explicit AboutDialog(const QIcon& icon, QWidget* parent = nullptr);

    int exec() override;
    void reject() override;

    // The control of a template id, for tests and hosts; nullptr for an unknown id.
    QWidget* Control(int id) const;

private:
    QLabel* m_version;
    QLabel* m_purpose;
    QLabel* m_licence;
    LinkLabel* m_mailLink;
    LinkLabel* m_webLink;
    QPushButton* m_ok;
};
