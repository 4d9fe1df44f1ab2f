#pragma once

#include <QDialog>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

class LoginMessages;
class UserProfile;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// Where every use of the program begins: the user picks or types a name and gives the
// password; an unknown name becomes a new account once its password has been typed
// twice. Works on the profile it is given. exec() gives Accepted when a user is logged
// in (the profile then holds it) and Rejected for "En&de", Escape or the close box.
class LoginDialog : public QDialog
{
    Q_OBJECT

public:
    // Control ids of the dialog's template.
    static constexpr int kTemplateId = 143;
    static constexpr int kNameLabelId = 1029;
    static constexpr int kNameId = 1025;
    static constexpr int kPasswordLabelId = 1041;
    static constexpr int kPasswordId = 1026;
    static constexpr int kConfirmationLabelId = 1040;
    static constexpr int kConfirmationId = 1028;
    static constexpr int kUserListId = 1027;
    static constexpr int kPictureId = 1021;
    static constexpr int kContinueId = 1;
    static constexpr int kEndId = 2;
    static constexpr int kDisketteId = 32789;

    // Most characters the name and the password field take.
    static constexpr int kFieldLimit = 10;

    // Queues a scripted answer for the next exec(): the texts are typed into the name,
    // password and confirmation fields (their limits apply, hidden or not) and "&Weiter"
    // (`accept`) or "En&de" is pressed, with the dialog's own checks. Answers are used up
    // one by one while the dialog stays open; exec() then returns without showing the
    // dialog, Rejected when the answers ran out before a login. Messages are recorded
    // (ShownMessages) instead of shown.
    static void SetNextAnswer(const QString& name, const QString& password, const QString& confirmation,
                              bool accept = true);
    static void ClearNextAnswers();
    static bool HasNextAnswer();

    // Notices go through `messages`, which must outlive the dialog.
    LoginDialog(UserProfile& profile, LoginMessages& messages, QWidget* parent = nullptr);
    ~LoginDialog() override;

    int exec() override;
    void done(int result) override;

    // The control of a template id, for tests and hosts; nullptr for an unknown id.
    QWidget* Control(int id) const;
    // The string-table ids of the messages this dialog has shown, oldest first.
    const std::vector<int>& ShownMessages() const { return m_shownMessages; }
    // Their texts as shown, in the same order.
    const QStringList& ShownTexts() const { return m_shownTexts; }
    // Whether the user list comes from the diskette folder (the next login copies from there).
    bool FromDiskette() const { return m_fromDiskette; }

    // Set when the account was created in this dialog; read after exec().
    bool isNewUser = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnInitDialog();
    void FillUserList();
    void OnUserChosen();
    bool CheckName();
    void OnContinue();
    void OnLoadFromDiskette();
    void LeaveNewUserMode();
    void ShowInformation(int stringId);
    void ShowInformation(int stringId, const QString& text);
    // Message 506 with the file's name: the file is there but cannot be read.
    void ShowDamagedFile(const std::string& path);
    void ShowPlainMessage(int stringId);
    void RunScript();

    UserProfile& m_profile;
    LoginMessages& m_messages;
    bool m_fromDiskette = false;
    bool m_scripted = false;
    bool m_finished = false;
    std::vector<int> m_shownMessages;
    QStringList m_shownTexts;
    QPixmap m_loginPicture;

    QLabel* m_intro;
    QLabel* m_nameLabel;
    QLineEdit* m_name;
    QLabel* m_passwordLabel;
    QLineEdit* m_password;
    QLabel* m_confirmationLabel;
    QLineEdit* m_confirmation;
    QListWidget* m_userList;
    QLabel* m_picture;
    QPushButton* m_continue;
    QPushButton* m_end;
    QPushButton* m_diskette;
};
